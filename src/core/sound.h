// Sounds every window plays through the start settings window's players.
#pragma once

class MMControl;

// Plays a player from the start and rewinds it for the next time.
void Abspielen(MMControl *m);

void KlickSpielen();
void FeldSpielen();
void TroeoetSpielen();
void GubHortSpielen();
