// The program's eight sound players and the sounds every window plays.
#pragma once

class WavePlayer;

// The players, made on first use and kept for the whole run. The start
// settings open them at their load and carry them under these names; a
// window plays them from here, so a sound never brings the start settings up.
struct Klangspieler {
    WavePlayer *MMControl1, *MMControl2, *MMControl3, *MMControl4;
    WavePlayer *MMControl5, *MMControl6, *MMControl7, *MMControl8;
};
const Klangspieler &klangspieler();

// Plays a player from the start and rewinds it for the next time.
void Abspielen(WavePlayer *m);

void KlickSpielen();
void FeldSpielen();
void TroeoetSpielen();
void GubHortSpielen();
