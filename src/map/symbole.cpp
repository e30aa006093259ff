#include "map/symbole.h"

#include "platform/errors.h"

#include <QRectF>

using namespace kartenmodell;

SymbolBestand::SymbolBestand()
{
    for (auto &v : m_elemente)
        v.resize(kMaxFelder + 1);
}

const SymbolElement &SymbolBestand::element(Symbol art, int feld) const
{
    if (art < 0 || art >= SymbolAnzahl || feld < 0 || feld > kMaxFelder)
        platform::raise(9);
    return m_elemente[art][feld];
}

SymbolElement &SymbolBestand::ref(Symbol art, int feld)
{
    // Element 0 is the template: never shown, never moved.
    if (art < 0 || art >= SymbolAnzahl || feld < 1 || feld > kMaxFelder)
        platform::raise(9);
    return m_elemente[art][feld];
}

void SymbolBestand::laden(Symbol art, int feld, QPointF ort, quint32 farbe)
{
    SymbolElement &e = ref(art, feld);
    if (!e.geladen)
        ++m_geladen;
    e.geladen = true;
    e.sichtbar = true;
    e.ort = ort;
    e.farbe = farbe;
}

void SymbolBestand::zeigen(Symbol art, int feld, bool an)
{
    SymbolElement &e = ref(art, feld);
    if (!e.geladen)
        platform::raise(9); // no such element
    e.sichtbar = an;
}

void SymbolBestand::anIhreZellen()
{
    for (int a = 0; a < SymbolAnzahl; ++a)
        for (int i = 1; i < int(m_elemente[a].size()); ++i)
            if (m_elemente[a][i].geladen)
                m_elemente[a][i].ort = symbolOrt(Symbol(a), spalteVon(i), zeileVon(i));
}

void SymbolBestand::alleEntladen()
{
    for (auto &v : m_elemente)
        std::fill(v.begin(), v.end(), SymbolElement());
    m_fokus.reset();
    m_geladen = 0;
}

void SymbolBestand::fokus(Symbol art, int feld, quint32 farbe)
{
    SymbolElement &e = ref(art, feld);
    if (!e.geladen)
        platform::raise(9);
    if (m_fokus && !(m_fokus->art == art && m_fokus->feld == feld))
        fokusWeg();
    e.farbe = farbe;
    m_fokus = SymbolTreffer{art, feld};
}

void SymbolBestand::fokusWeg()
{
    if (m_fokus)
        m_elemente[m_fokus->art][m_fokus->feld].farbe = kRahmenFarbe;
    m_fokus.reset();
}

std::optional<SymbolTreffer> SymbolBestand::treffer(QPointF punkt) const
{
    for (int k = int(kMalOrdnung.size()) - 1; k >= 0; --k) {
        const int a = kMalOrdnung[k];
        const QSizeF g = symbolGroesse(Symbol(a));
        const auto &v = m_elemente[a];
        for (int i = int(v.size()) - 1; i >= 1; --i)
            if (v[i].sichtbar && QRectF(v[i].ort, g).contains(punkt))
                return SymbolTreffer{Symbol(a), i};
    }
    return std::nullopt;
}
