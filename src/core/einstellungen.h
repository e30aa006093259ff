// The settings file "Tramsel's Einstellungen.dat": seven items, one a line,
// strings in quotes with nothing escaped, numbers bare, items read back by
// the same rules; windows-1252, CR LF.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace einstellungen {

inline const QString kDateiname = QStringLiteral("Tramsel's Einstellungen.dat");

struct Werte {
    QString pfad;          // StandardPfad
    QString befehlsdatei;  // StandardBefehlsdatei
    QString auswertung;    // the report box's text, also when not loaded at start
    qint16 autoLaden = 0;
    qint16 bestaetigung = 0;
    qint16 tipp = 0;
    qint16 klick = 0;
};

// True when the text can stand inside a quoted item and be read back:
// no quote, no line end, and every character has a windows-1252 byte.
bool schreibbar(const QString &text);

// The file's bytes; raises 75 when a text is not schreibbar.
QByteArray schreiben(const Werte &w);
// Reads the seven items; raises 62 when the file ends early, 13 when a
// number item is no number, 6 when it does not fit a 16-bit integer.
Werte lesen(const QByteArray &bytes);

void speichern(const QString &pfad, const Werte &w);
Werte laden(const QString &pfad);

// Whether a file of one literal name is in a folder, without regard to case:
// the name as it stands on disk, or empty.
QString finde(const QString &ordner, const QString &name);

// Target of an Internet shortcut file ("URL=..." line); empty when none.
QUrl verknuepfungsZiel(const QByteArray &inhalt);

} // namespace einstellungen
