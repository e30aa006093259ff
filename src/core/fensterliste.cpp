#include "core/fensterliste.h"

#include <QHash>

namespace fensterliste {

namespace {
// Built on first use, so windows may join from static objects.
QHash<QString, Zugang> &liste()
{
    static QHash<QString, Zugang> l;
    return l;
}
} // namespace

void anmelden(const QString &name, Zugang zugang) { liste().insert(name, std::move(zugang)); }

Form *fenster(const QString &name)
{
    const auto it = liste().constFind(name);
    return it == liste().cend() || !it->instanz ? nullptr : it->instanz();
}

Form *fallsVorhanden(const QString &name)
{
    const auto it = liste().constFind(name);
    if (it == liste().cend() || !it->vorhanden || !it->vorhanden())
        return nullptr;
    return fenster(name);
}

void entladen(const QString &name)
{
    const auto it = liste().constFind(name);
    if (it != liste().cend() && it->entladen)
        it->entladen();
}

} // namespace fensterliste
