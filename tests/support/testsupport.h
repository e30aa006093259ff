// Answers message and input boxes for tests and records what they said.
#pragma once

#include "platform/dialogs.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class Form1;
class QMimeData;
class TextBox;

// No sound server for this test program: the players stay silent and never
// wait. Stands at file level, before the application starts.
#define OHNE_TON [[maybe_unused]] static const bool g_ohneTon = qputenv("PULSE_SERVER", "unix:/nonexistent/pulse")

// Writes a file whole, making its folder; reads one whole (empty if missing).
void schreibeDatei(const QString &pfad, const QByteArray &bytes);
QByteArray liesDatei(const QString &pfad);
// The number of the run-time error that fn raises, 0 if none.
int fehlerNummer(const std::function<void()> &fn);
// The main window on a folder of its own, as after "Ok" in the start
// settings: no report loads at start, and quitting never ends the tests.
Form1 *hauptfenster(const QString &ordner);
// Writes a report into the main window's file list folder and picks it there, which loads it.
void ladeBericht(Form1 *f, const QString &name, const QByteArray &bytes);
// The main window's four file entries are all enabled.
bool dateiMenusAn(const Form1 *f);
// A dialog (a file dialog) was active and has just closed, the system has
// not yet given the focus back: true when no program window is active now.
bool dialogGeschlossen();
// Puts a text into a box as a player can: typed ("Taste", with modifiers
// "Alt+Taste", "Strg+Alt+Taste" and so on), by an input method
// ("Eingabemethode", a dead key's letter), pasted ("Einfuegen") or dropped
// at the end ("Ablegen").
void eingeben(TextBox &box, const QString &weg, const QString &text);
// Drags data over a box to a point of its viewport and drops it there, as a
// player's drag brings them: enter, move, drop. What each of the three
// answered: the action taken, or 0 where refused.
std::array<int, 3> ablegen(TextBox &box, const QPoint &ort, const QMimeData &daten, Qt::DropActions aktionen,
                           Qt::KeyboardModifiers mit);
// The map window's load popup: a click on entry 1, 2 or 3, or the mouse
// moving over it, as the entry's label gets them from a player.
void popupKlick(int eintrag);
// The map window's "New" with these sides, answered "Neue Karte zeichnen".
void neueKarte(int spalten, int zeilen);
// An empty 3 x 3 map of the default field size with nothing to lose, as a
// test starts from it whatever the test before left.
void leereKarte();
void popupUeber(int eintrag);

struct Dialoge {
    struct Box {
        QString prompt;
        int buttons;
        QString title;
    };
    QList<Box> boxen;
    QList<int> antworten;        // answers in turn; then standardAntwort
    int standardAntwort = platform::No;
    QStringList eingaben;        // answers of input boxes in turn
    QStringList eingabeFragen;
    QList<QWidget *> ueber;      // the window each box opened over

    Dialoge();
    ~Dialoge();
    void leeren() { boxen.clear(); eingabeFragen.clear(); ueber.clear(); }
    QStringList prompts() const;
    QString letzter() const { return boxen.isEmpty() ? QString() : boxen.last().prompt; }
};
