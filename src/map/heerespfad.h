// The path rules of an army order: which field may follow which, what each
// field costs, and the text of the order line. No widgets here; the map
// window and the wizard drive these.
#pragma once

#include <QString>

namespace heerespfad {

// The eight fields around field p on a map `spalten` columns wide: at most
// one row and one column away, never across the left or right edge.
bool istNachbar(int p, int f, int spalten);

// The path under way: the counter that is the exponent of the next field's
// cost, the summed cost and the field accepted last (0 = none).
struct Pfad {
    qint16 felderAnzahl = -2;
    double kosten = 0;
    qint16 feldVorher = 0;
};

enum class Schritt {
    Abgelehnt, // the same field again, or no neighbour
    GubHort,   // taken, costs nothing
    Feld,      // taken, cost added
};

// One click on field f. `erster` is the path's first click, which takes any
// field; `gubHort` tells whether f holds a GubHort; `gubAnzahl` is the head
// count of the army. A refused click leaves the path as it was.
Schritt klick(Pfad &pfad, int f, bool erster, bool gubHort, int gubAnzahl, int spalten);

// The cost as the map window's caption shows it: shortest form of up to 15
// significant digits, the user's decimal separator, no grouping.
QString kostenText(double kosten);
// "Karte", 14 blanks, "Kosten für Heeresbewegung: " and the cost.
QString kartenTitel(double kosten);

// The head of the order line: code, defenders, mercenaries' price, " B".
QString zeilenKopf(const QString &art, int vert, int soeld);
// What a taken field adds to the line: the starting castle closes with
// " W", every further field is followed by one blank.
QString zeilenAnhang(int f, bool erster);

// The text that goes at the end of the orders: the line alone when they are
// empty, else CR LF and the line. No line end follows.
QString anBefehle(const QString &befehle, const QString &zeile);

// The wizard's arithmetic; both raise overflow (6), the second division by
// zero (11) or overflow (6) for a price of 0.
// Total price of `anzahl` mercenaries at `preis` each, rounded.
qint16 soeldnerSumme(double anzahl, qint16 preis);
// Head count of the marching army: mercenaries bought plus soldiers.
qint16 gubAnzahl(qint16 soeld, qint16 preis, qint16 soldaten);

} // namespace heerespfad
