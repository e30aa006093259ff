#include "map/kartendatei.h"

#include "platform/codepage.h"
#include "platform/numbers.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace kartendatei {

namespace {

// Offsets inside a record; those after the owner move by its length n.
constexpr int kNamenAnfang = 6;
constexpr int kBesitzerLaenge = 44;
constexpr int kBesitzerAnfang = 46;
constexpr int kFesterTeil = 86; // record bytes without the owner

void zahl(char *p, qint16 v) { qToLittleEndian<qint16>(v, p); }
qint16 zahl(const char *p) { return qFromLittleEndian<qint16>(p); }

void text(char *p, const QString &t, int laenge)
{
    const QByteArray b = codepage::encode(t.left(laenge));
    std::memcpy(p, b.constData(), b.size());
    std::memset(p + b.size(), ' ', laenge - b.size());
}

QString text(const char *p, int laenge) { return codepage::decode(QByteArray(p, laenge)); }

QString feldText(int satzNr)
{
    return satzNr == 1 ? QStringLiteral("Datensatz 1 (Kartenkopf)")
                       : QStringLiteral("Datensatz %1 (Feld %2)").arg(satzNr).arg(satzNr - 1);
}

// Record satzNr (from 1) at its place in the file, or a reason.
std::optional<FeldDaten> liesSatz(const QByteArray &datei, int satzNr, QString &fehler)
{
    const qsizetype o = qsizetype(satzNr - 1) * kSatzLaenge;
    const char *p = datei.constData() + o;
    const qsizetype da = datei.size() - o;
    if (da < kBesitzerAnfang) {
        fehler = QStringLiteral("Die Datei endet vor %1.").arg(feldText(satzNr));
        return std::nullopt;
    }
    const int n = qFromLittleEndian<quint16>(p + kBesitzerLaenge);
    if (n > kMaxBesitzer) {
        fehler = QStringLiteral("%1: der Besitzer soll %2 Bytes lang sein, ein Datensatz fasst höchstens %3.")
                     .arg(feldText(satzNr))
                     .arg(n)
                     .arg(kMaxBesitzer);
        return std::nullopt;
    }
    // The last record may lack its filler; its data must be there.
    if (da < kFesterTeil + n) {
        fehler = QStringLiteral("Die Datei endet mitten in %1.").arg(feldText(satzNr));
        return std::nullopt;
    }
    FeldDaten f;
    f.FeldNummer = zahl(p);
    f.SpielerNummer = zahl(p + 2);
    f.GubHortFlag = zahl(p + 4);
    f.FeldName = text(p + kNamenAnfang, kNamenLaenge);
    f.Terrain = zahl(p + 36);
    f.Besonderheiten = zahl(p + 38);
    f.BurgArt = zahl(p + 40);
    f.Burgklasse = zahl(p + 42);
    f.Besitzer = text(p + kBesitzerAnfang, n);
    const char *q = p + kBesitzerAnfang + n;
    f.SpielerName = text(q, kNamenLaenge);
    f.SpielerRang = zahl(q + 30);
    f.OberHerr = zahl(q + 32);
    f.EchtBit = zahl(q + 34);
    f.Erzmagier = zahl(q + 36);
    f.Drufelbatze = zahl(q + 38);
    return f;
}

// The header's column count: a whole decimal number, a minus before it and
// blanks around allowed. A count past the largest map stays past it, however
// many digits it has.
std::optional<qint64> spaltenText(const QString &t)
{
    const QString s = t.trimmed();
    const bool minus = s.startsWith(QLatin1Char('-'));
    const QStringView ziffern = QStringView(s).sliced(minus ? 1 : 0);
    if (ziffern.isEmpty())
        return std::nullopt;
    qint64 n = 0;
    for (QChar c : ziffern) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        n = std::min<qint64>(n * 10 + (c.unicode() - u'0'), kMaxFelder + 1);
    }
    return minus ? -n : n;
}

bool passt16(double v)
{
    const double r = platform::roundEven(v);
    return std::isfinite(r) && r >= -32768 && r <= 32767;
}

} // namespace

QByteArray satz(const FeldDaten &f)
{
    const QByteArray besitzer = codepage::encode(f.Besitzer).left(kMaxBesitzer);
    QByteArray b(kSatzLaenge, '\0');
    char *p = b.data();
    zahl(p, f.FeldNummer);
    zahl(p + 2, f.SpielerNummer);
    zahl(p + 4, f.GubHortFlag);
    text(p + kNamenAnfang, f.FeldName, kNamenLaenge);
    zahl(p + 36, f.Terrain);
    zahl(p + 38, f.Besonderheiten);
    zahl(p + 40, f.BurgArt);
    zahl(p + 42, f.Burgklasse);
    qToLittleEndian<quint16>(quint16(besitzer.size()), p + kBesitzerLaenge);
    std::memcpy(p + kBesitzerAnfang, besitzer.constData(), besitzer.size());
    char *q = p + kBesitzerAnfang + besitzer.size();
    text(q, f.SpielerName, kNamenLaenge);
    zahl(q + 30, f.SpielerRang);
    zahl(q + 32, f.OberHerr);
    zahl(q + 34, f.EchtBit);
    zahl(q + 36, f.Erzmagier);
    zahl(q + 38, f.Drufelbatze);
    return b;
}

std::optional<Karte> lies(const QByteArray &datei, QString *fehler)
{
    QString grund;
    auto fehlschlag = [&](const QString &g) {
        if (fehler)
            *fehler = g;
        return std::nullopt;
    };
    if (datei.isEmpty())
        return fehlschlag(QStringLiteral("Die Datei ist leer."));
    auto kopf = liesSatz(datei, 1, grund);
    if (!kopf)
        return fehlschlag(grund);

    Karte k;
    const auto spalten = spaltenText(kopf->Besitzer);
    if (!spalten)
        return fehlschlag(QStringLiteral("Datensatz 1 (Kartenkopf): die Spaltenzahl „%1“ ist keine ganze Zahl.")
                              .arg(kopf->Besitzer));
    if (*spalten < 1)
        return fehlschlag(QStringLiteral("Datensatz 1 (Kartenkopf): die Spaltenzahl „%1“ ist kleiner als 1.")
                              .arg(kopf->Besitzer));
    const int zeilen = kopf->Besonderheiten;
    if (zeilen < 1)
        return fehlschlag(QStringLiteral("Datensatz 1 (Kartenkopf): die Zeilenzahl %1 ist kleiner als 1.").arg(zeilen));
    if (qint64(*spalten) * zeilen > kMaxFelder)
        return fehlschlag(QStringLiteral("Datensatz 1 (Kartenkopf): eine Karte von %1 × %2 Feldern ist nicht "
                                         "möglich (1 bis %3 Felder).")
                              .arg(kopf->Besitzer.trimmed())
                              .arg(zeilen)
                              .arg(kMaxFelder));
    k.spalten = qint16(*spalten);
    k.zeilen = qint16(zeilen);
    k.feldBreite = kopf->Burgklasse;
    k.feldHoehe = kopf->BurgArt;
    k.kopf = std::move(*kopf);

    const int anzahl = int(*spalten) * zeilen;
    k.felder.reserve(anzahl);
    for (int i = 1; i <= anzahl; ++i) {
        auto f = liesSatz(datei, i + 1, grund);
        if (!f)
            return fehlschlag(grund + QStringLiteral(" Der Kartenkopf verlangt %1 × %2 Felder.")
                                          .arg(k.spalten)
                                          .arg(k.zeilen));
        k.felder.push_back(std::move(*f));
    }
    return k;
}

void kopfSetzen(FeldDaten &kopf, int spalten, int zeilen, double feldBreite, double feldHoehe)
{
    kopf.Besitzer = QString::number(spalten);
    kopf.Besonderheiten = qint16(zeilen);
    kopf.Burgklasse = platform::CInt(feldBreite);
    kopf.BurgArt = platform::CInt(feldHoehe);
}

QString pruefeSpeichern(const FelderFeld &felder, int spalten, int zeilen, double feldBreite, double feldHoehe)
{
    if (spalten < 1 || zeilen < 1)
        return QStringLiteral("Es gibt noch keine Karte: erst eine neue Karte zeichnen oder eine laden.");
    if (spalten * zeilen > kMaxFelder)
        return QStringLiteral("Nicht mehr als %1 Felder möglich.").arg(kMaxFelder);
    if (!passt16(feldBreite) || !passt16(feldHoehe))
        return QStringLiteral("Die Feldgrösse %1 x %2 passt nicht in eine Kartendatei (höchstens 32767).")
            .arg(feldBreite)
            .arg(feldHoehe);
    for (int i = 1; i <= spalten * zeilen; ++i) {
        const FeldDaten &f = felder[i];
        const QString wo = QStringLiteral("Feld %1: ").arg(i);
        if (!codepage::encodable(f.FeldName) || !codepage::encodable(f.SpielerName)
            || !codepage::encodable(f.Besitzer))
            return wo + QStringLiteral("ein Name oder der Besitzer enthält Zeichen, die eine Kartendatei nicht "
                                       "speichern kann.");
        if (f.Besitzer.size() > kMaxBesitzer)
            return wo + QStringLiteral("der Besitzer „%1“ ist %2 Zeichen lang, höchstens %3 passen in die "
                                       "Kartendatei.")
                            .arg(f.Besitzer)
                            .arg(f.Besitzer.size())
                            .arg(kMaxBesitzer);
    }
    return {};
}

QByteArray schreiben(const FelderFeld &felder, int spalten, int zeilen, const QByteArray &alt)
{
    const qsizetype noetig = qsizetype(spalten * zeilen + 1) * kSatzLaenge;
    QByteArray b = alt;
    if (b.size() < noetig)
        b.append(QByteArray(noetig - b.size(), '\0'));
    char *p = b.data();
    for (int i = 0; i <= spalten * zeilen; ++i)
        std::memcpy(p + qsizetype(i) * kSatzLaenge, satz(felder[i]).constData(), kSatzLaenge);
    return b;
}

void uebernehmen(const Karte &karte, KartenDaten ziel)
{
    ziel.felder.FelderWerteInitialisieren();
    ziel.felder[0] = karte.kopf;
    for (std::size_t i = 0; i < karte.felder.size(); ++i)
        ziel.felder[int(i) + 1] = karte.felder[i];
    ziel.spalten = karte.spalten;
    ziel.zeilen = karte.zeilen;
}

} // namespace kartendatei
