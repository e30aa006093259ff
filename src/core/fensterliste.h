// The program's windows by their names, for the window menu routines, which
// know no window class. A window joins once, with how to get it; until one
// has joined, the routines leave that name out.
#pragma once

#include <QString>
#include <functional>

class Form;

namespace fensterliste {

struct Zugang {
    std::function<Form *()> instanz;   // the window, created when there is none yet
    std::function<bool()> vorhanden;   // whether it has been created
    std::function<void()> entladen = {}; // discards its content in place; none for a window never unloaded
};

// The access of a window class with instance() and exists(), and with the
// procedure that unloads it when there is one.
template <typename F>
Zugang zugang(void (F::*unload)() = nullptr)
{
    Zugang z{[]() -> Form * { return F::instance(); }, [] { return F::exists(); }};
    if (unload)
        z.entladen = [unload] { (F::instance()->*unload)(); };
    return z;
}

void anmelden(const QString &name, Zugang zugang);
// The window, created on first use; nullptr while no window has joined.
Form *fenster(const QString &name);
// The window only when it exists already.
Form *fallsVorhanden(const QString &name);
// Unloads the window when it joined with a way to; any other stays as it is.
void entladen(const QString &name);

// Joins a window at start-up, from a namespace-scope object in the window's
// own file: static const fensterliste::Anmeldung k(QStringLiteral("Karte"), {...});
struct Anmeldung {
    Anmeldung(const QString &name, Zugang zugang) { anmelden(name, std::move(zugang)); }
};

} // namespace fensterliste
