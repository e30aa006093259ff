// Saving and loading the map: the map file and the management files.
#include "map/karte.h"

#include "core/sound.h"

void Karte::Command7_Click() { KlickSpielen(); }
void Karte::Command8_Click() { KlickSpielen(); }
