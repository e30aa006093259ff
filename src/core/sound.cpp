#include "core/sound.h"
#include "core/form3.h"
#include "core/globals.h"
#include "platform/waveplayer.h"

void Abspielen(WavePlayer *m)
{
    if (!m)
        return;
    m->Command(QStringLiteral("Play"));
    m->Command(QStringLiteral("Prev"));
}

void KlickSpielen()
{
    if (KlickKlangAn == 1)
        Abspielen(Form3::instance()->MMControl5);
}
void TroeoetSpielen()
{
    if (KlickKlangAn == 1)
        Abspielen(Form3::instance()->MMControl6);
}
void FeldSpielen()
{
    if (KlickKlangAn == 1)
        Abspielen(Form3::instance()->MMControl7);
}
void GubHortSpielen()
{
    if (KlickKlangAn == 1)
        Abspielen(Form3::instance()->MMControl8);
}
