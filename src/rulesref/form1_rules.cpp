// The reference pane of the main window; owned by the rules reference.
#include "mainwindow/form1.h"

void Form1::listeladenkreuz() {}
void Form1::connectRulesHandlers() {}
