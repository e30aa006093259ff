#include "map/kartenmodell.h"

#include "platform/errors.h"
#include "platform/numbers.h"

#include <QSizeF>
#include <algorithm>
#include <cmath>

FelderFeld Felder;

qint16 SpaltenAnzahl = 0;
qint16 ZeilenAnzahl = 0;
qint16 AktuellesFeld = 0;
qint16 AktuelleSpalte = 0;
qint16 AktuelleZeile = 0;
double FeldBreite = 0;
double FeldHoehe = 0;
qint16 Massstab = 0;
qint32 MarkierFarbe = 0;
qint16 PositionBehalten = 0;
qint16 LadeArt = 0;
qint16 MenuArt = 0;
QString DateiEndung;
qint16 KeineMeldung = 0;
qint16 HeeresSchritt = 0;
qint16 FelderKlickModus = 0;

qint16 BildLinks = 0, BildOben = 0, BildBreite = 0, BildHoehe = 0;
qint16 FensterBreite = 0, FensterHoehe = 0;
qint16 AbstandRechts = 0, AbstandBeschriftung = 0, AbstandZahlenfelder = 0, AbstandNamenfelder = 0;

const QStringList kTerrain = {
    QStringLiteral("unbek. Terrain"), QStringLiteral("Ebene"),   QStringLiteral("Gebirge"),
    QStringLiteral("Gebirge mit GM"), QStringLiteral("Hochgebirge"), QStringLiteral("See"),
    QStringLiteral("Sumpf"),          QStringLiteral("Wald"),    QStringLiteral("Wald mit NG"),
};
const QStringList kBesonderheiten = {
    QStringLiteral("Keine Besonderh."),   QStringLiteral("Sambalia"),       QStringLiteral("unbek. Mysterium"),
    QStringLiteral("Erfahrungsmysterium"), QStringLiteral("Moralmysterium"), QStringLiteral("Rüstungsmysterium"),
    QStringLiteral("Schnapsmysterium"),   QStringLiteral("Waffenmysterium"), QStringLiteral("GoldBörse"),
};
const QStringList kBurgArt = {QStringLiteral("Keine Burg"), QStringLiteral("StammesBurg"),
                              QStringLiteral("NebenBurg")};
const QStringList kEchtBit = {QStringLiteral("Kein Spieler"), QStringLiteral("Echtspieler"),
                              QStringLiteral("Bitgub")};
const QStringList kSpielerRang = {
    QStringLiteral("Kein Spieler"), QStringLiteral("Unterhäuptling"), QStringLiteral("Häuptling"),
    QStringLiteral("Ritter"),       QStringLiteral("Baron"),          QStringLiteral("Räuberbaron"),
    QStringLiteral("Graf"),         QStringLiteral("Markgraf"),       QStringLiteral("Fürst"),
    QStringLiteral("Blutfürst"),    QStringLiteral("Kriegsfürst"),    QStringLiteral("Großfürst"),
    QStringLiteral("Reichsfürst"),  QStringLiteral("Patriarch"),      QStringLiteral("Herzog"),
    QStringLiteral("Großherzog"),   QStringLiteral("Erzherzog"),      QStringLiteral("Kronprinz"),
    QStringLiteral("König"),        QStringLiteral("Großkönig"),      QStringLiteral("Hochkönig"),
};

QString festerText(const QString &text, int laenge)
{
    return text.left(laenge).leftJustified(laenge, QLatin1Char(' '));
}

const QString &nullName()
{
    static const QString name(kNamenLaenge, QChar(0));
    return name;
}

void FeldDaten::leeren()
{
    // One blank name for all records: a reset of 10000 fields allocates nothing.
    static const QString leer = festerText(QString());
    GubHortFlag = 0;
    FeldName = leer;
    Terrain = Besonderheiten = BurgArt = Burgklasse = 0;
    Besitzer = QStringLiteral("0");
    SpielerName = leer;
    SpielerRang = OberHerr = EchtBit = Erzmagier = Drufelbatze = 0;
    SpielerNummer = 0;
}

void KartenStand::merken()
{
    m_spalten = SpaltenAnzahl;
    m_zeilen = ZeilenAnzahl;
    m_breite = FeldBreite;
    m_hoehe = FeldHoehe;
    const int n = std::clamp(int(SpaltenAnzahl) * int(ZeilenAnzahl), 0, kMaxFelder);
    m_felder.clear();
    m_felder.reserve(size_t(n));
    for (int i = 1; i <= n; ++i)
        m_felder.push_back(Felder[i]);
}

bool KartenStand::veraendert() const
{
    if (SpaltenAnzahl != m_spalten || ZeilenAnzahl != m_zeilen || FeldBreite != m_breite || FeldHoehe != m_hoehe)
        return true;
    for (size_t i = 0; i < m_felder.size(); ++i) {
        FeldDaten jetzt = Felder[int(i) + 1];
        jetzt.FeldNummer = m_felder[i].FeldNummer;
        if (!(jetzt == m_felder[i]))
            return true;
    }
    return false;
}

FelderFeld::FelderFeld() : m_felder(size())
{
    for (int i = 1; i < size(); ++i)
        m_felder[i].leeren();
}

FeldDaten &FelderFeld::operator[](int index)
{
    if (index < 0 || index >= size())
        platform::raise(9);
    return m_felder[index];
}

const FeldDaten &FelderFeld::operator[](int index) const
{
    if (index < 0 || index >= size())
        platform::raise(9);
    return m_felder[index];
}

void FelderFeld::FelderWerteInitialisieren()
{
    for (int i = 1; i < size(); ++i)
        m_felder[i].leeren();
}

namespace kartenmodell {

namespace {
double teiler() { return Massstab != 0 ? Massstab : 10; }

// Column or row from a coordinate: the click rule, halves to even.
int teilAus(double wert, double groesse)
{
    if (!(groesse > 0))
        return 0;
    const double t = platform::roundEven(wert * 10.0 / groesse + 0.5);
    if (!std::isfinite(t) || t < 0 || t > 32767)
        return 0;
    return static_cast<int>(t);
}
} // namespace

double zellenBreite() { return FeldBreite / teiler(); }
double zellenHoehe() { return FeldHoehe / teiler(); }

QRectF leinwand(int spalten, int zeilen)
{
    return QRectF(0, 0, spalten * zellenBreite() + kRand, zeilen * zellenHoehe() + kRand);
}

QRectF zelle(int spalte, int zeile)
{
    const double w = zellenBreite(), h = zellenHoehe();
    return QRectF((spalte - 1) * w, (zeile - 1) * h, w, h);
}

int spalteAusX(double x) { return teilAus(x, FeldBreite); }
int zeileAusY(double y) { return teilAus(y, FeldHoehe); }

int feldAus(int spalte, int zeile)
{
    if (spalte < 1 || zeile < 1 || spalte > SpaltenAnzahl || zeile > ZeilenAnzahl)
        return 0;
    return (zeile - 1) * SpaltenAnzahl + spalte;
}

int spalteVon(int feld) { return SpaltenAnzahl > 0 ? (feld - 1) % SpaltenAnzahl + 1 : 0; }
int zeileVon(int feld) { return SpaltenAnzahl > 0 ? (feld - 1) / SpaltenAnzahl + 1 : 0; }

QSizeF symbolGroesse(Symbol s)
{
    if (s == HochGebirge)
        return {312, 336};
    if (s == Bes)
        return {108, 108};
    return {156, 168};
}

int terrainSymbol(int terrain)
{
    static const int art[] = {-1, Ebene, Gebirge, GebirgeGM, HochGebirge, See, Sumpf, Wald, WaldNG};
    return terrain >= 1 && terrain <= 8 ? art[terrain] : -1;
}

int burgSymbol(int burgArt) { return burgArt == 1 ? SBurg : burgArt == 2 ? NBurg : -1; }

QPointF symbolOrt(Symbol s, int spalte, int zeile)
{
    // The centre uses the fixed divisor 10, as the grid does once drawn.
    const double cx = (spalte - 0.5) * FeldBreite / 10;
    const double cy = (zeile - 0.5) * FeldHoehe / 10;
    switch (s) {
    case HochGebirge:
        return {static_cast<float>(cx - FeldBreite / 60), cy - FeldHoehe / 50};
    case SBurg:
    case NBurg:
        return {static_cast<float>(cx + FeldBreite / 100), cy + FeldHoehe / 100};
    case GubHort:
        return {static_cast<float>(cx - FeldBreite / 25), cy + FeldHoehe / 100};
    case Bes: {
        const QSizeF g = symbolGroesse(Bes);
        return {static_cast<float>(cx - g.width() / 2), cy - g.height() / 2};
    }
    default:
        return {static_cast<float>(cx + FeldBreite / 100), cy - FeldHoehe / 25};
    }
}

int inListe(int index, const QStringList &liste)
{
    return qBound(0, index, int(liste.size()) - 1);
}

} // namespace kartenmodell
