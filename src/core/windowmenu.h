// Window menu routines of every window with a "Fenster" menu, and the fixed
// info, help and description boxes.
#pragma once

void FensterAnordnen();
void FensterMinimieren();
void FensterSchliessen();

void ProgrammInfoZeigen();
void HilfeZeigen();
void ProgrammBeschreibungZeigen();
