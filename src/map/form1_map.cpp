// Map entries of the main window; owned by the map window.
#include "mainwindow/form1.h"

#include "core/sound.h"

void Form1::HBefErst_Click() {}
void Form1::starttt_Click() {}
