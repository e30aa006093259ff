// Any bytes as an orders file, fed one byte at a time as the orders load
// does: what comes back is the file without its hidden stretches, and what
// was read so far is there after every byte. The same bytes as the orders
// text, saved and loaded again, give that text with the save's line end.
#include "mainwindow/befehlsdatei.h"
#include "platform/codepage.h"
#include "pruefe.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

const QString kSeite = QStringLiteral("https://befehlswart.example.org/");
const QString kMail = QStringLiteral("befehlswart@example.org");

// For every byte whether it stays: ';' right before 0xAE starts a hidden
// stretch that runs through the next LF, or to the end of the file.
std::vector<bool> bleibende(const QByteArray &datei)
{
    std::vector<bool> bleibt(size_t(datei.size()), true);
    qsizetype i = 0;
    while (i < datei.size()) {
        if (datei[i] == ';' && i + 1 < datei.size() && uchar(datei[i + 1]) == 0xAE) {
            const qsizetype lf = datei.indexOf('\n', i + 2);
            const qsizetype ende = lf < 0 ? datei.size() : lf + 1;
            for (; i < ende; ++i)
                bleibt[size_t(i)] = false;
        } else {
            ++i;
        }
    }
    return bleibt;
}

QByteArray ohneVersteckte(const QByteArray &datei)
{
    const std::vector<bool> bleibt = bleibende(datei);
    QByteArray text;
    for (qsizetype i = 0; i < datei.size(); ++i)
        if (bleibt[size_t(i)])
            text += datei[i];
    return text;
}

// The file fed as the load feeds it. After every byte the text holds the
// bytes that stay up to there, only a ';' that may yet start a hidden
// stretch held back; the end gives it.
QByteArray geladen(const QByteArray &datei)
{
    const std::vector<bool> bleibt = bleibende(datei);
    befehlsdatei::Leser leser;
    QByteArray text;
    QByteArray neu;
    qsizetype bleibendeBisher = 0;
    for (qsizetype i = 0; i < datei.size(); ++i) {
        leser.lies(uchar(datei[i]), neu);
        text += neu;
        neu.clear();
        bleibendeBisher += bleibt[size_t(i)];
        const bool zurueck = datei[i] == ';' && bleibt[size_t(i)];
        pruefe(text.size() == bleibendeBisher - zurueck, "nach jedem Byte alles bisher Gelesene");
    }
    leser.ende(neu);
    return text + neu;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray datei(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray text = ohneVersteckte(datei);
    pruefe(geladen(datei) == text, "geladen: die Datei ohne versteckte Strecken");

    // The bytes as orders text, as the load puts them into the box.
    const QString befehle = codepage::decode(datei);
    pruefe(codepage::encode(befehle) == datei, "jedes Byte ein Zeichen der Befehle");
    const QByteArray gespeichert = befehlsdatei::inhalt(befehle, kSeite, kMail);
    const qsizetype kopf = gespeichert.size() - datei.size() - 2;
    pruefe(kopf > 2 && gespeichert.startsWith(";\xAE") && gespeichert.indexOf('\n') == kopf - 1
               && gespeichert.mid(kopf - 2, 2) == "\r\n" && gespeichert.mid(kopf) == datei + "\r\n",
           "gespeichert: Kopfzeile, die Befehle, CR LF");
    const QByteArray wieder = geladen(gespeichert);
    if (!datei.contains(";\xAE")) {
        pruefe(codepage::decode(wieder) == befehle + QStringLiteral("\r\n"), "gespeichert und geladen: die Befehle mit CR LF");
        return 0;
    }
    // ';' 0xAE in the orders hides the rest of its line there too; the
    // header still goes whole.
    pruefe(wieder == ohneVersteckte(datei + "\r\n"), "mit ';' 0xAE in den Befehlen: nur die Kopfzeile ganz weg");
    return 0;
}
