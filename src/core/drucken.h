// Printing the orders or the report on the system's default printer, with
// the remark the player gives before.
#pragma once

#include "core/ausdruck.h"

#include <QPrinter>
#include <functional>
#include <memory>

namespace platform {
struct Error;
}

// What a print is handed: the text with its font, the key that picks the
// body, and how the caller shows the print's course.
struct Druckauftrag {
    QString inhalt; // "Befehl" prints text, "Auswertung" the whole report, any other key no body
    QString text;
    QString schrift;
    double groesse = 10;
    std::function<QString()> ganzerBericht;      // asked only when the report is printed
    std::function<void(const QString &)> status; // "ABGEBROCHEN" or "GEDRUCKT"
    std::function<void(double)> fortschritt;     // the share printed (0..1), now and then
};

// Prints the job after asking for a remark; says "GEDRUCKT" or why not.
void Drucken(const Druckauftrag &auftrag);

// The printer Drucken prints on: the default printer, or none when the
// system has none. Tests may print into a file instead.
extern std::function<std::unique_ptr<QPrinter>()> druckerOeffnen;

// A failure in a print handler outside Drucken, told as the player sees it.
void druckFehlerMelden(const platform::Error &e);
