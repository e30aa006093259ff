#include "map/heerespfad.h"

#include "platform/errors.h"
#include "platform/numbers.h"

#include <QLocale>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace heerespfad {

bool istNachbar(int p, int f, int spalten)
{
    if (spalten <= 0 || p < 1 || f < 1 || p == f)
        return false;
    const int zeileP = (p - 1) / spalten, spalteP = (p - 1) % spalten;
    const int zeileF = (f - 1) / spalten, spalteF = (f - 1) % spalten;
    return std::abs(zeileP - zeileF) <= 1 && std::abs(spalteP - spalteF) <= 1;
}

Schritt klick(Pfad &pfad, int f, bool erster, bool gubHort, int gubAnzahl, int spalten)
{
    if (f == pfad.feldVorher)
        return Schritt::Abgelehnt;
    if (!erster && !istNachbar(pfad.feldVorher, f, spalten))
        return Schritt::Abgelehnt;

    Schritt s = Schritt::GubHort;
    if (!gubHort) {
        s = Schritt::Feld;
        // Past a few hundred fields the cost is beyond any number anyway;
        // the counter stops rather than wrap.
        if (pfad.felderAnzahl < std::numeric_limits<qint16>::max())
            ++pfad.felderAnzahl;
        if (pfad.felderAnzahl < 0)
            pfad.kosten = 0;
        else
            pfad.kosten += std::pow(3.0, pfad.felderAnzahl) * gubAnzahl * (1.0 / 5.0);
    }
    pfad.feldVorher = static_cast<qint16>(f);
    return s;
}

QString kostenText(double kosten)
{
    if (std::isinf(kosten))
        return QStringLiteral("∞");
    QLocale loc;
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    QString t = loc.toString(kosten, 'g', 15);
    return t.replace(loc.exponential(), QStringLiteral("E"));
}

QString kartenTitel(double kosten)
{
    return QStringLiteral("Karte              Kosten für Heeresbewegung: ") + kostenText(kosten);
}

QString zeilenKopf(const QString &art, int vert, int soeld)
{
    return art + QStringLiteral(" V") + QString::number(vert) + QStringLiteral(" S") + QString::number(soeld)
           + QStringLiteral(" B");
}

QString zeilenAnhang(int f, bool erster)
{
    return QString::number(f) + (erster ? QStringLiteral(" W") : QStringLiteral(" "));
}

QString anBefehle(const QString &befehle, const QString &zeile)
{
    return befehle.isEmpty() ? zeile : QStringLiteral("\r\n") + zeile;
}

qint16 soeldnerSumme(double anzahl, qint16 preis) { return platform::CInt(anzahl * preis); }

qint16 gubAnzahl(qint16 soeld, qint16 preis, qint16 soldaten)
{
    if (preis == 0)
        platform::raise(soeld == 0 ? 6 : 11);
    return platform::CInt(double(soeld) / preis + soldaten);
}

} // namespace heerespfad
