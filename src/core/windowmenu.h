// Window menu routines of every window with a "Fenster" menu.
#pragma once

void FensterAnordnen();
void FensterMinimieren();
void FensterSchliessen();
