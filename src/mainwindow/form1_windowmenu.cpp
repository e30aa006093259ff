// Window menu, info and help of the main window.
#include "mainwindow/form1.h"

#include "core/windowmenu.h"

void Form1::winwinmin_Click() { FensterMinimieren(); }
void Form1::winwinschliess_Click() { FensterSchliessen(); }
void Form1::winwinanord_Click() { FensterAnordnen(); }
void Form1::inf_Click() { ProgrammInfoZeigen(); }
void Form1::hlp_Click() { HilfeZeigen(); }
