// Any bytes as a map file: the reader gives a map or a reason, and a map it
// gives is written and read back unchanged.
#include "map/kartendatei.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray datei(reinterpret_cast<const char *>(data), qsizetype(size));
    QString fehler;
    const auto karte = kartendatei::lies(datei, &fehler);
    if (!karte) {
        if (fehler.isEmpty())
            __builtin_trap();
        return 0;
    }
    const int n = karte->spalten * karte->zeilen;
    if (n < 1 || n > kMaxFelder || int(karte->felder.size()) != n)
        __builtin_trap();
    // One map for the whole run. Only records 0 to n are written and read,
    // so nothing needs a reset between inputs.
    static FelderFeld felder;
    felder[0] = karte->kopf;
    for (int i = 1; i <= n; ++i)
        felder[i] = karte->felder[i - 1];
    const QByteArray neu = kartendatei::schreiben(felder, karte->spalten, karte->zeilen);
    const auto wieder = kartendatei::lies(neu);
    if (!wieder || wieder->spalten != karte->spalten || wieder->zeilen != karte->zeilen
        || !(wieder->kopf == karte->kopf) || wieder->felder != karte->felder)
        __builtin_trap();
    return 0;
}
