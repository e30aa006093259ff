// The map file: records of 176 bytes, the first one the header with the
// map's size and field size, then one record per field in field order.
// Bytes to records and back, each file checked whole before the map is
// touched; a failure comes back as a German reason. No widget here.
#pragma once

#include "map/kartenmodell.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace kartendatei {

constexpr int kSatzLaenge = 176;
constexpr int kMaxBesitzer = 90; // owner bytes that fit beside the rest

// A map as a file holds it.
struct Karte {
    qint16 spalten = 0;
    qint16 zeilen = 0;
    qint16 feldBreite = 0; // the header's field size, whole numbers
    qint16 feldHoehe = 0;
    FeldDaten kopf;                // record 1 as it stands in the file
    std::vector<FeldDaten> felder; // fields 1 .. W x H
};

// One record into its 176 bytes; the filler is zero. The owner must fit
// (pruefeSpeichern).
QByteArray satz(const FeldDaten &feld);

// Reads and checks a whole file. On failure returns nothing and puts into
// fehler which check failed and in which record.
std::optional<Karte> lies(const QByteArray &datei, QString *fehler = nullptr);

// The header as a save writes it into record 0: W as owner text, H, and the
// field size rounded (a half to even).
void kopfSetzen(FeldDaten &kopf, int spalten, int zeilen, double feldBreite, double feldHoehe);

// Everything a save needs, checked before any file is opened: a map of 1
// to 10000 fields, a field size that fits 16 bits, every text in the
// file's character set and every owner within 90 bytes. Empty when all fits.
QString pruefeSpeichern(const FelderFeld &felder, int spalten, int zeilen, double feldBreite,
                        double feldHoehe);

// The file's new bytes: the old file (kept beyond the map, never shortened)
// with record 1 := kopf and records 2 .. W x H + 1 := the fields.
QByteArray schreiben(const FelderFeld &felder, int spalten, int zeilen, const QByteArray &alt = {});

// Puts a file's map into the map given: records 1..10000 reset, record 0
// := the header, the fields, W and H. The field size is the caller's
// question.
void uebernehmen(const Karte &karte, KartenDaten ziel);

} // namespace kartendatei
