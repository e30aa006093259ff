// Window menu, info and help of the main window; inert until the window
// menu routines land.
#include "mainwindow/form1.h"

#include "core/sound.h"

void Form1::winwinmin_Click() { KlickSpielen(); }
void Form1::winwinschliess_Click() { KlickSpielen(); }
void Form1::winwinanord_Click() { KlickSpielen(); }
void Form1::inf_Click() { KlickSpielen(); }
void Form1::hlp_Click() { KlickSpielen(); }
