#include "map/morveldatei.h"

#include "platform/codepage.h"
#include "platform/numbers.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace morveldatei {

namespace {

bool gleich(const QString &a, QLatin1String b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// "_" stands for a blank in the names of the files.
QString name(const QString &wert)
{
    QString t = wert;
    t.replace(QLatin1Char('_'), QLatin1Char(' '));
    return festerText(t);
}

// Terrain code of the file to the map's terrain: 1 See, 2 Ebene, 3 Wald,
// 4 Gebirge, 5 Sumpf, 6 Hochgebirge.
constexpr qint16 kTerrainAusDatei[] = {0, 5, 1, 7, 2, 6, 4};

} // namespace

std::optional<qint16> zahl(const QString &text)
{
    const QString t = text.trimmed();
    int i = 0;
    const int n = int(t.size());
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    int ziffern = 0;
    while (i < n && t[i].isDigit() && t[i].unicode() < 128)
        ++i, ++ziffern;
    if (i < n && t[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128)
            ++i, ++ziffern;
    }
    if (ziffern == 0 || i != n || n > 40)
        return std::nullopt;
    const double r = platform::roundEven(t.toDouble());
    if (!std::isfinite(r) || r < -32768 || r > 32767)
        return std::nullopt;
    return qint16(r);
}

Einleser::Einleser(Zustand &zustand, KartenDaten karte) : m_z(zustand), m_karte(karte) {}

int Einleser::feldAnzahl() const
{
    return qMin(int(m_karte.spalten) * int(m_karte.zeilen), kMaxFelder);
}

void Einleser::datei(const QByteArray &inhalt, const std::function<bool()> &zwischendurch)
{
    qsizetype pos = 0, anfang = 0, laenge = 0;
    while (pos < inhalt.size()) {
        codepage::nextLine(inhalt, pos, anfang, laenge);
        zeile(codepage::decode(QByteArray::fromRawData(inhalt.constData() + anfang, laenge)));
        if (zwischendurch && !zwischendurch())
            return;
    }
}

void Einleser::zeile(const QString &Variable)
{
    const qsizetype Kreuz = Variable.indexOf(QLatin1Char('#')) + 1;
    const qsizetype Zweikreuz = Variable.indexOf(QLatin1String("##")) + 1;
    if (Zweikreuz == 0 && Kreuz == 1) {
        m_z.Datenabschnitt = Variable.mid(1);
        const qsizetype p = m_z.Datenabschnitt.indexOf(QLatin1Char(' '));
        m_z.AktuellerSpieler = p < 0 ? m_z.Datenabschnitt : m_z.Datenabschnitt.mid(p + 1);
        return;
    }
    if (Zweikreuz == 1)
        return;
    const qsizetype p = Variable.indexOf(QLatin1Char('='));
    if (p < 0)
        return;
    const QString schluessel = Variable.left(p);
    const QString wert = Variable.mid(p + 1);

    const QString &a = m_z.Datenabschnitt;
    if (gleich(a, QLatin1String("Allgemeine Daten"))) {
        allgemein(schluessel, wert);
    } else if (a.size() == m_z.AktuellerSpieler.size() + 2 && a.endsWith(m_z.AktuellerSpieler)
               && a.at(1) == QLatin1Char(' ')) {
        // The section is "S n" or "F n" with n its own player or field.
        const char16_t art = a.at(0).unicode();
        if (art == u'S' || art == u's') {
            spieler(schluessel, wert);
        } else if (art == u'F' || art == u'f') {
            const auto n = zahl(m_z.AktuellerSpieler);
            if (n && imFeld(*n))
                feld(*n, schluessel, wert);
        }
    }
}

void Einleser::allgemein(const QString &schluessel, const QString &wert)
{
    const auto v = zahl(wert);
    if (!v)
        return;
    if (gleich(schluessel, QLatin1String("Breite"))) {
        if (*v >= 1 && *v <= kMaxFelder) {
            m_breite = *v;
            groesseSetzen();
        }
    } else if (gleich(schluessel, QLatin1String("Hoehe"))) {
        if (*v >= 1 && *v <= kMaxFelder) {
            m_hoehe = *v;
            groesseSetzen();
        }
    } else if (gleich(schluessel, QLatin1String("AnzSpieler"))) {
        m_z.SpielerAnzahl = *v;
    }
}

void Einleser::groesseSetzen()
{
    const int w = m_breite ? m_breite : m_karte.spalten;
    const int h = m_hoehe ? m_hoehe : m_karte.zeilen;
    if (w * h > kMaxFelder)
        return;
    m_karte.spalten = qint16(w);
    m_karte.zeilen = qint16(h);
    m_breite = m_hoehe = 0;
    m_burgenGebaut = false;
}

void Einleser::spieler(const QString &schluessel, const QString &wert)
{
    if (gleich(schluessel, QLatin1String("StammesLS"))) {
        const auto f = zahl(wert);
        if (f && imFeld(*f)) {
            setzeBurgArt(*f, 1);
            m_z.LS = *f;
        }
        return;
    }
    // Before the first castle of the run these go to record 0.
    FeldDaten &burg = m_karte.felder[m_z.LS];
    if (gleich(schluessel, QLatin1String("Name"))) {
        burg.SpielerName = name(wert);
    } else if (gleich(schluessel, QLatin1String("Mensch"))) {
        if (wert == QLatin1String("+"))
            burg.EchtBit = 1;
        else if (wert == QLatin1String("-"))
            burg.EchtBit = 2;
    } else if (gleich(schluessel, QLatin1String("Rang"))) {
        const auto r = zahl(wert);
        if (r && *r >= 0 && *r < kSpielerRang.size())
            burg.SpielerRang = *r;
    }
}

void Einleser::feld(int n, const QString &schluessel, const QString &wert)
{
    FeldDaten &f = m_karte.felder[n];
    if (gleich(schluessel, QLatin1String("Name"))) {
        f.FeldName = name(wert);
    } else if (gleich(schluessel, QLatin1String("BK"))) {
        if (const auto k = zahl(wert)) {
            if (f.BurgArt == 0)
                setzeBurgArt(n, 2);
            f.Burgklasse = *k;
        }
    } else if (gleich(schluessel, QLatin1String("Terr"))) {
        // A mountain with gold mine or a forest with pit stays what it is.
        const auto t = zahl(wert);
        if (t && *t >= 1 && *t <= 6 && f.Terrain != 3 && f.Terrain != 8)
            f.Terrain = kTerrainAusDatei[*t];
    } else if (gleich(schluessel, QLatin1String("KannGM"))) {
        if (wert == QLatin1String("+"))
            f.Terrain = 3;
    } else if (gleich(schluessel, QLatin1String("KannGrube"))) {
        if (wert == QLatin1String("+"))
            f.Terrain = 8;
    } else if (gleich(schluessel, QLatin1String("OHBes")) || gleich(schluessel, QLatin1String("OHStaerke"))) {
        f.GubHortFlag = 1;
    } else if (gleich(schluessel, QLatin1String("Spieler"))) {
        if (const auto p = zahl(wert))
            setzeSpielerNummer(n, *p);
    } else if (gleich(schluessel, QLatin1String("Vktr"))) {
        if (const auto p = zahl(wert)) {
            setzeSpielerNummer(n, *p);
            if (const int j = stammesBurgVon(*p))
                f.Besitzer = QString::number(j);
        }
    } else if (gleich(schluessel, QLatin1String("Sambalia"))) {
        if (wert == QLatin1String("+"))
            f.Besonderheiten = 1;
    } else if (gleich(schluessel, QLatin1String("Einsiedler"))) {
        static const char *werte[] = {"+", "3", "4", "2", "5", "1"};
        for (int i = 0; i < 6; ++i)
            if (wert == QLatin1String(werte[i]))
                f.Besonderheiten = qint16(2 + i);
    } else if (gleich(schluessel, QLatin1String("Boerse"))) {
        if (wert == QLatin1String("+"))
            f.Besonderheiten = 8;
    }
}

void Einleser::setzeSpielerNummer(int n, qint16 p)
{
    FeldDaten &f = m_karte.felder[n];
    if (m_burgenGebaut && f.BurgArt == 1 && f.SpielerNummer != p) {
        m_burgen[f.SpielerNummer].erase(n);
        m_burgen[p].insert(n);
    }
    f.SpielerNummer = p;
}

void Einleser::setzeBurgArt(int n, qint16 art)
{
    FeldDaten &f = m_karte.felder[n];
    if (m_burgenGebaut && (f.BurgArt == 1) != (art == 1)) {
        if (art == 1)
            m_burgen[f.SpielerNummer].insert(n);
        else
            m_burgen[f.SpielerNummer].erase(n);
    }
    f.BurgArt = art;
}

// The first field, counted from 1, with player p's StammesBurg; 0 for none.
int Einleser::stammesBurgVon(qint16 p)
{
    if (!m_burgenGebaut) {
        m_burgen.clear();
        for (int j = 1, n = feldAnzahl(); j <= n; ++j)
            if (m_karte.felder[j].BurgArt == 1)
                m_burgen[m_karte.felder[j].SpielerNummer].insert(j);
        m_burgenGebaut = true;
    }
    const auto it = m_burgen.constFind(p);
    return it == m_burgen.constEnd() || it->empty() ? 0 : *it->begin();
}

QString naechsteEndung(const QString &endung)
{
    if (endung.size() < 2)
        return {};
    const QString zwei = endung.right(2);
    if (!zwei[0].isDigit() || !zwei[1].isDigit() || zwei[0].unicode() > 127 || zwei[1].unicode() > 127)
        return {};
    const int m = zwei.toInt() + 1;
    if (m > 99)
        return {};
    return QStringLiteral("z%1").arg(m, 2, 10, QLatin1Char('0'));
}

QString findeDatei(const QString &pfad)
{
    const QFileInfo fi(pfad);
    if (fi.isFile())
        return pfad;
    const QDir ordner = fi.dir();
    const QString gesucht = fi.fileName();
    if (gesucht.isEmpty())
        return {};
    const QStringList namen = ordner.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &n : namen)
        if (n.compare(gesucht, Qt::CaseInsensitive) == 0)
            return ordner.filePath(n);
    return {};
}

} // namespace morveldatei
