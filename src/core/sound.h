// Sounds every window plays through the start settings window's players.
#pragma once

void KlickSpielen();
void FeldSpielen();
void TroeoetSpielen();
void GubHortSpielen();
