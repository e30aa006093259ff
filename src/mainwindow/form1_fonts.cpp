// Fonts of the report box and the orders box.
#include "mainwindow/form1.h"

void Form1::connectFontHandlers() {}
