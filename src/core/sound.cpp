#include "core/sound.h"
#include "core/globals.h"
#include "platform/waveplayer.h"

const Klangspieler &klangspieler()
{
    static const Klangspieler k = [] {
        auto neu = [](int n) { return new WavePlayer(QStringLiteral("MMControl%1").arg(n)); };
        return Klangspieler{neu(1), neu(2), neu(3), neu(4), neu(5), neu(6), neu(7), neu(8)};
    }();
    return k;
}

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
        Abspielen(klangspieler().MMControl5);
}
void TroeoetSpielen()
{
    if (KlickKlangAn == 1)
        Abspielen(klangspieler().MMControl6);
}
void FeldSpielen()
{
    if (KlickKlangAn == 1)
        Abspielen(klangspieler().MMControl7);
}
void GubHortSpielen()
{
    if (KlickKlangAn == 1)
        Abspielen(klangspieler().MMControl8);
}
