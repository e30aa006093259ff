// The report's section finders.
#include "mainwindow/form1.h"
#include "mainwindow/report.h"

#include "platform/dialogs.h"

using namespace platform;

void Form1::abschnitt(int row)
{
    const report::SectionFind f = report::findSection(Text2->text(), report::sections().at(row));
    switch (f.kind) {
    case report::SectionFind::Kind::Empty:
        MsgBox(QStringLiteral("Lade am Besten erst mal eine Auswertung."));
        return;
    case report::SectionFind::Kind::NotFound:
        MsgBox(QStringLiteral("Nichts gefunden."));
        return;
    case report::SectionFind::Kind::NoEnd:
        if (MsgBox(QStringLiteral("Nichts gefunden, trotzdem weitermachen?"), YesNo) != Yes)
            return;
        break;
    case report::SectionFind::Kind::Found:
        break;
    }
    Text2->setFocus();
    Text2->setSelStart(f.start);
    Text2->setSelLength(f.length);
}

void Form1::bevoelkerruuung_Click() { abschnitt(0); }
void Form1::GGold_Click() { abschnitt(1); }
void Form1::zzzauber_Click() { abschnitt(2); }
void Form1::proodukte_Click() { abschnitt(3); }
void Form1::kkontore_Click() { abschnitt(4); }
void Form1::hhhelden_Click() { abschnitt(5); }
void Form1::llandstriche_Click() { abschnitt(6); }
void Form1::sstatistik_Click() { abschnitt(7); }
