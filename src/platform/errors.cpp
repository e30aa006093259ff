#include "platform/errors.h"

namespace platform {

QString errorDescription(int number)
{
    // The boxes around these texts are German, so are the texts.
    switch (number) {
    case 5: return QStringLiteral("Unzulässiger Aufruf oder unzulässiges Argument");
    case 6: return QStringLiteral("Überlauf");
    case 7: return QStringLiteral("Nicht genügend Speicher");
    case 9: return QStringLiteral("Index außerhalb des gültigen Bereichs");
    case 11: return QStringLiteral("Division durch Null");
    case 13: return QStringLiteral("Typen unverträglich");
    case 52: return QStringLiteral("Dateiname oder Dateinummer ungültig");
    case 53: return QStringLiteral("Datei nicht gefunden");
    case 55: return QStringLiteral("Datei ist bereits geöffnet");
    case 57: return QStringLiteral("Fehler beim Lesen oder Schreiben auf dem Gerät");
    case 61: return QStringLiteral("Datenträger voll");
    case 62: return QStringLiteral("Lesen über das Dateiende hinaus");
    case 68: return QStringLiteral("Gerät nicht verfügbar");
    case 70: return QStringLiteral("Zugriff verweigert");
    case 75: return QStringLiteral("Fehler beim Zugriff auf Pfad oder Datei");
    case 76: return QStringLiteral("Pfad nicht gefunden");
    case 380: return QStringLiteral("Unzulässiger Eigenschaftswert");
    case 482: return QStringLiteral("Druckerfehler");
    default: return QStringLiteral("Anwendungs- oder objektdefinierter Fehler");
    }
}

void raise(int number) { throw Error(number, errorDescription(number)); }

QString schreibFehler(const Error &e)
{
    const QString alt = QStringLiteral(" Eine vorhandene Datei bleibt, wie sie war.");
    if (e.number == 61)
        return QStringLiteral("Auf dem Datenträger ist nicht genug Platz.") + alt;
    if (e.number == 57)
        return QStringLiteral("Beim Schreiben ist ein Fehler aufgetreten (") + e.description + QStringLiteral(").")
               + alt;
    return QString();
}

QString speicherFehler(const Error &e, const QString &was, const QString &namensFehler)
{
    const QString grund = schreibFehler(e);
    return grund.isEmpty() ? namensFehler : was + QStringLiteral("\r\n") + grund;
}

} // namespace platform
