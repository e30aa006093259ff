// Enlarged view and printing; inert until the enlarged view lands.
#include "mainwindow/form1.h"

#include "core/sound.h"

void Form1::befmax_Click() { KlickSpielen(); }
void Form1::auswmax_Click() { KlickSpielen(); }
void Form1::auswdruck_Click() { KlickSpielen(); }
void Form1::befdruck_Click() { KlickSpielen(); }
