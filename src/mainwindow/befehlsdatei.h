// The orders file: its header line, the bytes the save writes, the reading
// rule with its hidden stretches, and the count of orders. No widgets here.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace befehlsdatei {

// Files longer than this get a warning when loaded (nothing is refused).
constexpr qint64 kWarnGroesse = 1200;

// Line 1 of every orders file, CR LF included. It starts with ';' 0xAE, so
// the reader drops it again.
QByteArray kopfzeile(const QString &kontaktSeite, const QString &kontaktMail);

// The whole file: header line, the orders text in windows-1252, one CR LF.
QByteArray inhalt(const QString &befehle, const QString &kontaktSeite, const QString &kontaktMail);

// Reads an orders file byte by byte. ';' followed by 0xAE starts a hidden
// stretch that runs up to and including the next LF; hidden stretches are
// dropped, everything else stays.
class Leser {
public:
    // Appends to out what this byte gives (nothing, the byte, or a ';' held
    // back before it).
    void lies(unsigned char c, QByteArray &out);
    // End of the file: a ';' still held back is kept.
    void ende(QByteArray &out);

private:
    bool m_semikolon = false; // a ';' is held back to see whether 0xAE follows
    bool m_versteckt = false; // inside a hidden stretch
};

// Number of orders in the text: lines that are not empty and start with
// none of '#', ';', CR, LF. Nothing when the text holds no CR LF at all.
std::optional<int> zaehlen(const QString &text);
// "n Befehle", "1 Befehl", or empty when nothing was counted.
QString zaehlText(const QString &text);

} // namespace befehlsdatei
