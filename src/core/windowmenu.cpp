#include "core/windowmenu.h"

// Inert until the window menu routines land.
void FensterAnordnen() {}
void FensterMinimieren() {}
void FensterSchliessen() {}
