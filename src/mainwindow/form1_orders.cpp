// Orders editor and orders file.
#include "mainwindow/form1.h"

#include "core/sound.h"

void Form1::Text1_Change()
{
    if (verandert == 0)
        verandert = 1;
    speichern->setEnabled(true);
}

void Form1::Text5_Change() {}
void Form1::speichern_Click() { KlickSpielen(); }
void Form1::laden_Click() { KlickSpielen(); }
void Form1::zaehlzaehl_Click() { KlickSpielen(); ZeilenZaehlen(); }
void Form1::ZeilenZaehlen() {}
void Form1::grossbuchstststaben_Click() { KlickSpielen(); }
