// The map's records and globals: one FeldDaten per field (0 to 10000, row by
// row from 1; record 0 carries the map file's header), the map's size, the
// selected field, the field size and the lists behind the panel's choices.
// Plain data and small rules; no widget in sight.
#pragma once

#include <QPointF>
#include <QSizeF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

constexpr int kNamenLaenge = 30;   // the two names are fixed texts of 30
constexpr int kMaxFelder = 10000;  // fields of the largest map

// Text into a fixed text: blank-padded or cut on the right.
QString festerText(const QString &text, int laenge = kNamenLaenge);
// The 30 zero characters of a name never filled; one text that all such
// records share, so a map of 10001 records is made without allocating.
const QString &nullName();

// One map field, members in the order of the map file's record.
struct FeldDaten {
    qint16 FeldNummer = 0;    // written when the field is shown
    qint16 SpielerNummer = 0;
    qint16 GubHortFlag = 0;   // 0 or 1
    QString FeldName = nullName(); // always 30 characters
    qint16 Terrain = 0;       // index of kTerrain
    qint16 Besonderheiten = 0; // index of kBesonderheiten
    qint16 BurgArt = 0;       // 0 none, 1 StammesBurg, 2 NebenBurg
    qint16 Burgklasse = 0;
    QString Besitzer;         // number text of the owner's StammesBurg field
    QString SpielerName = nullName(); // always 30 characters
    qint16 SpielerRang = 0;   // index of kSpielerRang
    qint16 OberHerr = 0;
    qint16 EchtBit = 0;       // 0 none, 1 Echtspieler, 2 Bitgub
    qint16 Erzmagier = 0;     // 0 or 1
    qint16 Drufelbatze = 0;   // 0 or 1

    // The empty field of a new map; FeldNummer stays.
    void leeren();
    bool operator==(const FeldDaten &) const = default;
};

// The records 0 to 10000, allocated once. An index outside raises the
// run-time error 9 (subscript out of range).
class FelderFeld {
public:
    FelderFeld();
    FeldDaten &operator[](int index);
    const FeldDaten &operator[](int index) const;
    FeldDaten &operator()(int index) { return (*this)[index]; }
    static constexpr int size() { return kMaxFelder + 1; }
    // Records 1 to 10000 become the empty field; record 0 stays.
    void FelderWerteInitialisieren();
private:
    std::vector<FeldDaten> m_felder;
};

extern FelderFeld Felder;

// The map a file reader fills, records and size, and nothing else: the
// program hands it {Felder, SpaltenAnzahl, ZeilenAnzahl}, a test its own.
struct KartenDaten {
    FelderFeld &felder;
    qint16 &spalten; // W
    qint16 &zeilen;  // H
};

// The map as the player last saved or loaded it, or found it when the map
// window opened: its size, field size and records. What showing a field
// writes into its record (the field's number) is no change of the player's.
class KartenStand {
public:
    void merken();
    bool veraendert() const;

private:
    qint16 m_spalten = 0, m_zeilen = 0;
    double m_breite = 0, m_hoehe = 0;
    std::vector<FeldDaten> m_felder;
};

// ---- globals of the map editor, zero until set
extern qint16 SpaltenAnzahl;   // W; 0 = no map yet
extern qint16 ZeilenAnzahl;    // H
extern qint16 AktuellesFeld;   // selected field; 0 = none
extern qint16 AktuelleSpalte;  // from 1; 0 = none
extern qint16 AktuelleZeile;   // from 1; 0 = none
extern double FeldBreite;      // map units; on screen FeldBreite / Massstab twips
extern double FeldHoehe;
extern qint16 Massstab;        // 10 once a map was drawn
extern qint32 MarkierFarbe;    // &HBBGGRR of the selected cell and a focused symbol
extern qint16 PositionBehalten; // 1 while a redraw keeps the canvas where it is
extern qint16 LadeArt;         // entry chosen in the load chooser: 0, 1, 2
extern qint16 MenuArt;         // layout of the load chooser: 1 load, 0 new map
extern QString DateiEndung;    // last three characters of the file last picked
extern qint16 KeineMeldung;    // 1 while a redraw after a load reports nothing
extern qint16 HeeresSchritt;   // step of the army-order wizard
extern qint16 FelderKlickModus; // 1 while clicks on the map build an army path

// Map window geometry measured at its load, twips.
extern qint16 BildLinks, BildOben, BildBreite, BildHoehe;
extern qint16 FensterBreite, FensterHoehe;
extern qint16 AbstandRechts, AbstandBeschriftung, AbstandZahlenfelder, AbstandNamenfelder;

constexpr qint32 kMarkierGrau = 0xE0E0E0;   // selection, normally
constexpr qint32 kPfadGruen = 0xC0FFC0;     // selection while a path is clicked
constexpr double kStandardFeldGroesse = 5000.0;
constexpr int kRand = 60; // free strip right of and below the grid, twips

// The lists of the panel; a record stores the index.
extern const QStringList kTerrain;         // 9
extern const QStringList kBesonderheiten;  // 9
extern const QStringList kBurgArt;         // 3
extern const QStringList kEchtBit;         // 3
extern const QStringList kSpielerRang;     // 21

namespace kartenmodell {

// Cell size on screen in twips: FeldBreite / Massstab (Massstab 0 counts as 10).
double zellenBreite();
double zellenHoehe();
// Canvas of a W x H map: the grid plus the free strip.
QRectF leinwand(int spalten, int zeilen);
// Rectangle of the cell in column c, row r (from 1).
QRectF zelle(int spalte, int zeile);
// Column or row under a point of the canvas: x * 10 / FeldBreite + 0.5
// rounded, a half to even; 0 or beyond the map means no field.
int spalteAusX(double x);
int zeileAusY(double y);
// Field number of a cell, 0 when it lies outside the current map.
int feldAus(int spalte, int zeile);
int spalteVon(int feld);
int zeileVon(int feld);

// The twelve kinds of field symbol.
enum Symbol : int {
    Ebene, Gebirge, GebirgeGM, HochGebirge, See, Sumpf, Wald, WaldNG, SBurg, NBurg, GubHort, Bes,
    SymbolAnzahl
};
// Size in twips.
QSizeF symbolGroesse(Symbol s);
// Terrain symbol of a terrain index, -1 for none.
int terrainSymbol(int terrain);
// Castle symbol of a castle kind, -1 for none.
int burgSymbol(int burgArt);
// Top-left corner of a new symbol on the cell (c, r) at the current field size.
QPointF symbolOrt(Symbol s, int spalte, int zeile);

// A list index brought into the list's range (a damaged file may hold any).
int inListe(int index, const QStringList &liste);

} // namespace kartenmodell
