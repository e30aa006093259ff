#include "core/windowmenu.h"

#include "core/fensterliste.h"
#include "core/globals.h"
#include "core/sound.h"
#include "platform/dialogs.h"
#include "platform/form.h"

#include <QStringList>

using namespace platform;

namespace {
// A window by its name, created when it is not there yet. The start
// settings exist from the start of every run; the routines never load them
// a second time.
Form *fenster(const char *name)
{
    const QString n = QLatin1String(name);
    return n == QLatin1String("Form3") ? fensterliste::fallsVorhanden(n) : fensterliste::fenster(n);
}

// Top left corner; a minimised window is moved while restored and stays
// minimised. A maximised window fills the screen and is left as it is.
void nachObenLinks(Form *f)
{
    switch (f->fensterZustand()) {
    case 1:
        f->setFensterZustand(0);
        f->moveTwips(0, 0);
        f->setFensterZustand(1);
        break;
    case 0:
        f->moveTwips(0, 0);
        break;
    default:
        break;
    }
}

// A hidden window loses its content and is there again, freshly loaded;
// the main window joins without a way to unload, as it holds the report
// and the orders.
void anordnen(const char *name)
{
    Form *f = fenster(name);
    if (!f)
        return;
    if (f->isVisible())
        nachObenLinks(f);
    else
        fensterliste::entladen(QLatin1String(name));
}
} // namespace

void FensterAnordnen()
{
    KlickSpielen();
    for (const char *name : {"Form1", "Form2", "Form4", "Form6"})
        anordnen(name);
}

void FensterMinimieren()
{
    KlickSpielen();
    // Hidden windows only take the state and stay hidden.
    for (const char *name : {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6"})
        if (Form *f = fenster(name))
            f->setFensterZustand(1);
    Form *karte = fenster("Karte");
    if (karte)
        karte->setFensterZustand(1);
    // The field-size dialog keeps the map disabled while it is open; hiding
    // it must give the map back.
    if (Form *groesse = fensterliste::fallsVorhanden(QStringLiteral("Groesse")); groesse && groesse->isVisible()) {
        groesse->hide();
        if (karte)
            karte->setEnabled(true);
    }
    AllesMinimiert = 1;
}

void FensterSchliessen()
{
    KlickSpielen();
    if (Form *f1 = fenster("Form1"))
        f1->setFensterZustand(1);
    for (const char *name : {"Form2", "Form3", "Form4", "Form5", "Form6"})
        if (Form *f = fenster(name))
            f->hide();
    if (Form *karte = fenster("Karte"))
        karte->setFensterZustand(1);
}

void ProgrammInfoZeigen()
{
    const QStringList zeilen = {
        QStringLiteral("Befehlswart, Version ") + ProgrammVersion,
        QString(),
        QStringLiteral("Geschrieben vom Befehlswart-Team für alle, die Gub spielen. Weitergeben ist erwünscht, "
                       "verkaufen nicht."),
        QStringLiteral("EMail: ") + KontaktMail,
        QStringLiteral("Homepage: ") + KontaktSeite,
    };
    MsgBox(zeilen.join(QLatin1Char('\n')), OkOnly, QStringLiteral("Programminformationen"));
}

void HilfeZeigen()
{
    const QStringList erste = {
        QStringLiteral("HILFE ZU BEFEHLSWART:"),
        QStringLiteral("- Auswertungen laden:"),
        QStringLiteral("Auswertungen werden geladen, indem man eine Datei im Dateiauswahlmenü anklickt. Auswertungen "
                       "können nicht gespeichert werden. Der Zeichensatz der Auswertungen wird automatisch richtig "
                       "dargestellt."),
        QStringLiteral("- Befehle laden und speichern:"),
        QStringLiteral("Befehle werden im Menü 'Befehle --> laden' oder mit F3 geladen. Es wird der Dateiname genommen, "
                       "der bei 'Dateiname' steht und der Pfad, der im Dateiauswahlmenü ausgewählt ist. Diese "
                       "erscheinen dann rechts oben."),
        QStringLiteral("Gespeichert werden sie im Menü 'Befehle --> speichern' und zwar auf den Namen, der bei "
                       "'Dateiname:' rechts oben steht. Befehle werden immer im Standard-Zeichensatz von Windows "
                       "gespeichert."),
    };
    const QStringList zweite = {
        QStringLiteral("- Hilfe zu Gubbefehlen:"),
        QStringLiteral("Durch drücken von 'F1' oder durch Auswählen von 'Hilfe' im Menü 'Datei' wird ein Dialogfeld "
                       "aufgerufen. Wenn der bestimmte Befehl bekannt ist, man ihn jedoch noch erläutert haben mag, "
                       "kann man ihn jetzt eingeben. Falls man überhaupt nicht weiss, wie der Befehl, den man sucht, "
                       "heisst, muss nur ENTER gedrückt werden (ohne den Standardtext zu überschreiben), damit eine "
                       "Liste aller in Gub gültigen Befehle (erst ab Befehlswart Version 1.50 auch Geheimbefehle) "
                       "angezeigt wird."),
        QStringLiteral("- Ansicht aktualisieren:"),
        QStringLiteral("Die Dateien werden neu geladen, wenn F5 gedrückt wird oder im Menü 'Datei --> Neu laden' "
                       "ausgewählt wird."),
        QStringLiteral("- Befehlswart beenden:"),
        QStringLiteral("Um das Programm zu beenden, muss nur der Tramsel-Button gedrückt werden, oder im Menü "
                       "'Datei --> beenden' ausgewählt werden. Natürlich ist dies auch mit Strg-Q möglich."),
    };
    MsgBox(erste.join(QLatin1Char('\n')));
    MsgBox(zweite.join(QLatin1Char('\n')));
}

void ProgrammBeschreibungZeigen()
{
    MsgBox(QStringLiteral(
        "Informationen über Befehlswart:\n\n"
        "Befehlswart soll das Schreiben der Befehle für Gub erleichtern, das Strategiespiel per E-Mail, dessen Autor "
        "auch das Gubprogramm der Spielleiter geschrieben hat. Dazu lädt man links unten die letzte Auswerung und schreibt rechts oben den nächsten Befehl.\n"
        "Wissenswertes über den Zeichensatz:\n"
        "Da das Gubprogramm ein DOS-Programm ist, verwendet es den OEM-Zeichensatz. Nun kann es vorkommen, dass die "
        "Auswertungen in diesem Zeichensatz geschrieben wurden. Befehlswart erkennt dies automatisch und verwendet "
        "dann die richtige Schriftart dafür. Wenn Befehle geschrieben werden, werden sie allerdings immer im "
        "Standard-Windows-Zeichensatz geschrieben, auch wenn eine OEM-Schriftart verwendet wird. (Die Umlaute sehen "
        "dann z.B. zwar ganz anders aus, wenn jedoch eine Standard-Schriftart hergeschalten wird, sehen sie wieder "
        "normal aus.)"));
}
