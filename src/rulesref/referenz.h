// The rules reference as fixed data: the #-commands with the #DRUMF text,
// the spells, the steps of turn processing and the eleven rules tables with
// the texts the enlarged view shows around them. Nothing here touches a
// window; the reference pane of the main window shows what it finds here.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace rulesref {

// Lines of a shown text are joined by CR LF.
inline const QString crlf = QStringLiteral("\r\n");

// ---- #-commands
struct Kommando {
    QString liste;      // as listed, blanks included
    QString syntax;     // first line of the explanation; empty for #DRUMF
    QString erklaerung; // the rest; paragraphs joined by CR LF
};
// The 22 #-commands in list order.
const QList<Kommando> &kommandos();
// The entry whose long explanation goes to the enlarged view.
constexpr int drumfPosition = 16;
// Syntax line, an empty line, the explanation; empty for #DRUMF and for a
// position outside the list.
QString kommandoText(int position);
// The explanation of #DRUMF with its options and examples.
QString drumfText();

// ---- spells
struct Zauber {
    QString liste; // number, one or two blanks, name
    int mm = 0;
    int natt = 0;
    bool parameter = false;
    bool offensiv = false;
    QString beschreibung;
};
// The 36 spells in list order.
const QList<Zauber> &zaubersprueche();
// "(MM: 10; Natt: 2; nicht offensiv)" and its kin.
QString kostenZeile(const Zauber &z);
// The list text as head line, the cost line, an empty line and the
// description; empty for a position outside the list.
QString zauberText(int position);

// ---- turn processing
// The 89 steps in the order they are processed.
const QStringList &verarbeitung();

// ---- rules tables
struct Tafel {
    QString schluessel;   // what FensterInhalt holds while it is shown
    QString titel;        // caption of the enlarged view
    QString ueberschrift; // its heading label
    double paneGroesse;   // point size of the block in the pane; 0: the pane stays as it is
    QString schrift;      // font of the enlarged view
    double schriftGroesse;
    QStringList block;    // the table as the pane shows it, line by line
    QString ansicht;      // the whole text of the enlarged view
};

Tafel kampfablauf();
Tafel heldenaufstieg();
Tafel bcdProdukte();
Tafel burgerweiterung();
Tafel eigenschaften();
Tafel einzeln();
Tafel grossProduktion();
Tafel nachschub();
Tafel rang();
Tafel stammerweiterungen();
Tafel terrain();

} // namespace rulesref
