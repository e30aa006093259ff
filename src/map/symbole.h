// The field symbols placed on the map: for each of the twelve kinds, the
// element of every field that has one (absent, shown or hidden), its place
// on the canvas in twips and its background colour; and which one has the
// focus. The canvas paints them and finds them under a click.
#pragma once

#include "map/kartenmodell.h"

#include <QPointF>
#include <array>
#include <optional>
#include <vector>

struct SymbolElement {
    bool geladen = false;   // created once, kept until all are unloaded
    bool sichtbar = false;
    QPointF ort;            // top-left corner on the canvas, twips
    quint32 farbe = 0;      // background, &HBBGGRR or a system colour
};

struct SymbolTreffer {
    kartenmodell::Symbol art;
    int feld;
    bool operator==(const SymbolTreffer &) const = default;
};

class SymbolBestand {
public:
    SymbolBestand();

    const SymbolElement &element(kartenmodell::Symbol art, int feld) const;
    bool geladen(kartenmodell::Symbol art, int feld) const { return element(art, feld).geladen; }
    bool sichtbar(kartenmodell::Symbol art, int feld) const { return element(art, feld).sichtbar; }

    // A new element at its place, shown, in the highlight colour.
    void laden(kartenmodell::Symbol art, int feld, QPointF ort, quint32 farbe);
    void zeigen(kartenmodell::Symbol art, int feld, bool an);
    // Every element, shown or hidden, to its own field's cell at the
    // current field size and map width.
    void anIhreZellen();
    // Every element gone; the focus too.
    void alleEntladen();
    int anzahlGeladen() const { return m_geladen; }

    // The focus moves to an element: it takes the colour, the one before
    // goes back to the frame's colour.
    void fokus(kartenmodell::Symbol art, int feld, quint32 farbe);
    void fokusWeg();
    std::optional<SymbolTreffer> fokussiert() const { return m_fokus; }

    // The shown element on top at a point of the canvas (twips).
    std::optional<SymbolTreffer> treffer(QPointF punkt) const;
    // Shown elements in painting order, bottom first.
    template <typename F> void jedesSichtbare(F &&f) const
    {
        for (int a : kMalOrdnung)
            for (int i = 1; i < int(m_elemente[a].size()); ++i)
                if (m_elemente[a][i].sichtbar)
                    f(kartenmodell::Symbol(a), i, m_elemente[a][i]);
    }

    static constexpr quint32 kRahmenFarbe = 0x8000000F; // button face
    // Terrain at the bottom, then feature, hoard, castles.
    static constexpr std::array<int, kartenmodell::SymbolAnzahl> kMalOrdnung = {
        kartenmodell::Ebene, kartenmodell::Gebirge, kartenmodell::GebirgeGM, kartenmodell::HochGebirge,
        kartenmodell::See,   kartenmodell::Sumpf,   kartenmodell::Wald,      kartenmodell::WaldNG,
        kartenmodell::Bes,   kartenmodell::GubHort, kartenmodell::SBurg,     kartenmodell::NBurg};

private:
    SymbolElement &ref(kartenmodell::Symbol art, int feld);
    std::array<std::vector<SymbolElement>, kartenmodell::SymbolAnzahl> m_elemente;
    std::optional<SymbolTreffer> m_fokus;
    int m_geladen = 0;
};
