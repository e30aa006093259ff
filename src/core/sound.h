// Sounds every window plays through the start settings window's players.
#pragma once

class WavePlayer;

// Plays a player from the start and rewinds it for the next time.
void Abspielen(WavePlayer *m);

void KlickSpielen();
void FeldSpielen();
void TroeoetSpielen();
void GubHortSpielen();
