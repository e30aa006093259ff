// The game's management files: text lines of sections ("#Allgemeine Daten",
// "#S n" for player n, "#F n" for field n) and entries "Key=Value" that are
// written over the field records. Every number is checked before it is
// used: a field outside the map, a value out of its list and text that is
// no number change nothing. Also the naming rule of a numbered series and
// the look-up of a file name in any letter case. No widget here.
#pragma once

#include "map/kartenmodell.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <optional>
#include <set>

namespace morveldatei {

// The interpreter's state: the current section and the player's castle
// field. It lasts across the files of a series and from one import to the
// next, as a section does.
struct Zustand {
    QString Datenabschnitt;   // the section header after its "#"
    QString AktuellerSpieler; // the n of "S n" and "F n"
    qint16 LS = 0;            // field of the last "StammesLS"; 0 before any
    qint16 SpielerAnzahl = 0;
};

// Writes the lines of one import into the records and the size of the map
// it is given. Keep one for the whole import: it keeps an index of the
// castles for the owner search.
class Einleser {
public:
    Einleser(Zustand &zustand, KartenDaten karte);

    // One line without its line end.
    void zeile(const QString &Variable);
    // Every line of a file's contents (lines end at CR or CR LF; a lone LF
    // stays in its line). zwischendurch runs after each line; false from it
    // ends the file there.
    void datei(const QByteArray &inhalt, const std::function<bool()> &zwischendurch = {});

private:
    void allgemein(const QString &schluessel, const QString &wert);
    void spieler(const QString &schluessel, const QString &wert);
    void feld(int n, const QString &schluessel, const QString &wert);
    int feldAnzahl() const;
    bool imFeld(int n) const { return n >= 1 && n <= feldAnzahl(); }
    void setzeSpielerNummer(int n, qint16 p);
    void setzeBurgArt(int n, qint16 art);
    int stammesBurgVon(qint16 p);
    void groesseSetzen();

    Zustand &m_z;
    KartenDaten m_karte;
    // Fields with a StammesBurg by player number, built at the first owner
    // search and kept up to date by this import's own changes.
    QHash<qint16, std::set<int>> m_burgen;
    bool m_burgenGebaut = false;
    // A width or height that makes no map of at most 10000 fields with the
    // current other one waits for its partner.
    qint16 m_breite = 0, m_hoehe = 0;
};

// A whole number as the files write it (blanks around, a sign, a decimal
// point; rounded, a half to even); nothing when it is none or does not fit
// 16 bits.
std::optional<qint16> zahl(const QString &text);

// The extension after endung in a series: "z00" gives "z01", "Z05" "z06",
// "z09" "z10". Empty after "z99" and when its last two characters are not
// two digits: the series ends there.
QString naechsteEndung(const QString &endung);

// The existing file of that name with its letters in any case; empty when
// there is none.
QString findeDatei(const QString &pfad);

} // namespace morveldatei
