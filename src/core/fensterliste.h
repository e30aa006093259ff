// The windows of other parts of the program that the window menu routines
// reach by name ("Karte", "Groesse"). A window joins once, with how to get
// it; until one has joined, the routines leave that name out.
#pragma once

#include <QString>
#include <functional>

class Form;

namespace fensterliste {

struct Zugang {
    std::function<Form *()> instanz;   // the window, created when there is none yet
    std::function<bool()> vorhanden;   // whether it has been created
};

void anmelden(const QString &name, Zugang zugang);
// The window, created on first use; nullptr while no window has joined.
Form *fenster(const QString &name);
// The window only when it exists already.
Form *fallsVorhanden(const QString &name);

// Joins a window at start-up, from a namespace-scope object in the window's
// own file: static const fensterliste::Anmeldung k(QStringLiteral("Karte"), {...});
struct Anmeldung {
    Anmeldung(const QString &name, Zugang zugang) { anmelden(name, std::move(zugang)); }
};

} // namespace fensterliste
