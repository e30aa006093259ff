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

// Prints what the enlarged view holds (FensterInhalt) after asking for a
// remark; says "GEDRUCKT" or why not.
void Drucken();

// The printout Drucken would make with this remark.
ausdruck::Vorlage druckVorlage(const QString &bemerkung);

// The printer Drucken prints on: the default printer, or none when the
// system has none. Tests may print into a file instead.
extern std::function<std::unique_ptr<QPrinter>()> druckerOeffnen;

// A failure in a print handler outside Drucken, told as the player sees it.
void druckFehlerMelden(const platform::Error &e);
