// Any bytes as the settings file: the reader gives the seven values or stops
// with the error the start settings window answers; values it gives, once
// written, are read back unchanged. The bytes also serve as the values
// themselves (three texts, one a line, then the numbers), which written and
// read must come back as they were.
#include "core/einstellungen.h"
#include "platform/codepage.h"
#include "platform/errors.h"
#include "pruefe.h"

#include <cstddef>
#include <cstdint>

using einstellungen::Werte;

namespace {

bool gleich(const Werte &a, const Werte &b)
{
    return a.pfad == b.pfad && a.befehlsdatei == b.befehlsdatei && a.auswertung == b.auswertung
           && a.autoLaden == b.autoLaden && a.bestaetigung == b.bestaetigung && a.tipp == b.tipp
           && a.klick == b.klick;
}

bool schreibbar(const Werte &w)
{
    return einstellungen::schreibbar(w.pfad) && einstellungen::schreibbar(w.befehlsdatei)
           && einstellungen::schreibbar(w.auswertung);
}

void pruefeGeschriebenGelesen(const Werte &w)
{
    if (!schreibbar(w))
        return;
    try {
        pruefe(gleich(einstellungen::lesen(einstellungen::schreiben(w)), w), "geschrieben und gelesen gleich");
    } catch (const platform::Error &) {
        pruefe(false, "geschriebene Einstellungen lesbar");
    }
}

// The i-th 16-bit number of the bytes, low byte first; missing bytes are 0.
qint16 zahlAus(const QByteArray &b, qsizetype i)
{
    const QByteArray zwei = b.mid(2 * i, 2).leftJustified(2, '\0');
    return qint16(quint16(uchar(zwei[0])) | quint16(uchar(zwei[1])) << 8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray datei(reinterpret_cast<const char *>(data), qsizetype(size));
    einstellungen::verknuepfungsZiel(datei);

    const QList<QByteArray> zeilen = datei.split('\n');
    if (zeilen.size() >= 4) {
        const QByteArray zahlen = zeilen[3];
        pruefeGeschriebenGelesen({codepage::decode(zeilen[0]), codepage::decode(zeilen[1]), codepage::decode(zeilen[2]),
                                  zahlAus(zahlen, 0), zahlAus(zahlen, 1), zahlAus(zahlen, 2), zahlAus(zahlen, 3)});
    }

    Werte w;
    try {
        w = einstellungen::lesen(datei);
    } catch (const platform::Error &e) {
        // Ends early, no number, or a number beyond 16 bits.
        pruefe(e.number == 62 || e.number == 13 || e.number == 6, "nur die Fehler des Lesens");
        return 0;
    }
    pruefeGeschriebenGelesen(w);
    return 0;
}
