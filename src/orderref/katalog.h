// The game's 98 order codes: code, list title, secret flag, syntax line and
// help lines, in catalogue order.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace orderref {

struct Befehl {
    QString code;        // two capital letters
    QString titel;       // as listed: code, three blanks, name
    bool geheim = false; // secret order
    QString syntax;      // first line of the help text
    QStringList zeilen;  // the help lines after the syntax line
};

// All 98 entries by position (index 0 is position 1).
const QList<Befehl> &katalog();
// The 61 entries that are not secret, in catalogue order.
const QList<Befehl> &oeffentlich();
// The help text: syntax line and help lines joined by CR LF, with the few
// shapes that end differently.
QString hilfetext(const Befehl &b);

} // namespace orderref
