// Short help by order code for the main window's help item. Its texts are its
// own, kept apart from the catalogue: they break lines with LF (a few secret
// orders with CR LF after the syntax line) and some syntax lines differ.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace orderref {

struct Kurzhilfe {
    QString code;         // two capital letters
    bool geheim = false;  // secret order: shown with the information icon
    QString syntax;
    bool crlf = false;    // CR LF after the syntax line instead of LF
    QString beschreibung; // one line
    QStringList weitere;  // further lines, each after an LF
    QString seite2;       // HD only: the box that follows the first one
};

// The 98 entries in lookup order: the public orders, then the secret ones.
const QList<Kurzhilfe> &kurzhilfen();
// Text of the first box of an entry.
QString kurztext(const Kurzhilfe &k);

// The answer that opens the reference window instead of a box.
inline const QString kAuswahlmenue = QStringLiteral("Auswahlmenü");

// One message box to show: text and MsgBox flags.
struct HilfeBox {
    QString text;
    int flags = 0;
};

// What an answer of the help question leads to.
struct HilfeAntwort {
    bool auswahlmenue = false; // show the reference window
    QList<HilfeBox> boxen;     // otherwise these boxes, in turn (none for "")
};

// Matches the whole answer, case ignored, nothing trimmed.
HilfeAntwort schnellhilfe(const QString &eingabe);

} // namespace orderref
