// Access to the order-code catalogue; the entries themselves are in
// katalog_daten.cpp.
#include "orderref/katalog.h"

namespace orderref {

// Defined in katalog_daten.cpp.
QList<Befehl> katalogDaten();

const QList<Befehl> &katalog()
{
    static const QList<Befehl> alle = katalogDaten();
    return alle;
}

const QList<Befehl> &oeffentlich()
{
    static const QList<Befehl> liste = [] {
        QList<Befehl> l;
        for (const Befehl &b : katalog())
            if (!b.geheim)
                l.append(b);
        return l;
    }();
    return liste;
}

// The few texts that end in a line break or hold an empty line carry empty
// strings in their lines, so a plain join gives their exact characters.
QString hilfetext(const Befehl &b)
{
    QString text = b.syntax;
    for (const QString &z : b.zeilen) {
        text += QStringLiteral("\r\n");
        text += z;
    }
    return text;
}

} // namespace orderref
