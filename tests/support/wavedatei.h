// Small 16-bit mono PCM wave files for the sound tests.
#pragma once

#include "testsupport.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

inline QByteArray waveBytes(int ms, int rate = 8000)
{
    const int n = rate * ms / 1000;
    QByteArray pcm(n * 2, '\0');
    for (int i = 0; i < n; ++i) {
        const qint16 v = (i / 10) % 2 ? 3000 : -3000;
        pcm[2 * i] = char(v & 0xFF);
        pcm[2 * i + 1] = char((v >> 8) & 0xFF);
    }
    QByteArray d;
    auto le32 = [&d](quint32 v) { for (int i = 0; i < 4; ++i) d.append(char((v >> (8 * i)) & 0xFF)); };
    auto le16 = [&d](quint16 v) { d.append(char(v & 0xFF)); d.append(char(v >> 8)); };
    d += "RIFF";
    le32(quint32(36 + pcm.size()));
    d += "WAVEfmt ";
    le32(16);
    le16(1);             // PCM
    le16(1);             // mono
    le32(quint32(rate));
    le32(quint32(rate * 2));
    le16(2);
    le16(16);
    d += "data";
    le32(quint32(pcm.size()));
    return d + pcm;
}

inline void schreibeWave(const QString &pfad, int ms = 100) { schreibeDatei(pfad, waveBytes(ms)); }
// The start settings' sounds in a program folder's "sounds/".
inline void schreibeKlaenge(const QString &programmPfad, int ms)
{
    for (const char *k : {"gub1.wav", "gub2.wav", "gub3.wav", "dui.wav", "Klick.wav"})
        schreibeWave(programmPfad + QStringLiteral("sounds/") + QString::fromLatin1(k), ms);
}
