// Map entries of the main window; owned by the map window.
#include "mainwindow/form1.h"

#include "core/sound.h"
#include "map/karte.h"

void Form1::HBefErst_Click() {}

void Form1::starttt_Click()
{
    KlickSpielen();
    Karte *k = Karte::instance();
    k->show();
    k->setFensterZustand(0);
    k->raise();
    k->activateWindow();
}
