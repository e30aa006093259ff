// Help by order code from the main window; owned by the order-code reference.
#include "mainwindow/form1.h"

#include "core/sound.h"

void Form1::hilfe_Click() { KlickSpielen(); }
