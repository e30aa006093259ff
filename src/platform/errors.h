// Run-time errors carry the numbers the program reacts to: 53 file not
// found, 62 input past the end, 13 type mismatch and so on.
#pragma once

#include <QString>
#include <exception>

namespace platform {

struct Error : std::exception {
    int number;
    QString description;
    Error(int n, QString d) : number(n), description(std::move(d)) {}
    const char *what() const noexcept override { return "platform::Error"; }
};
// Standard descriptions of the numbers the program knows.
QString errorDescription(int number);
[[noreturn]] void raise(int number);
// Why a file was not written, in the player's words, where its name is not
// to blame: no room on the disk (61) or another write error (57). Empty for
// any other error.
QString schreibFehler(const Error &e);
// What a failed save tells the player: where its name is not to blame, `was`
// ("Die Befehle wurden nicht gespeichert.") and why; else `namensFehler`.
QString speicherFehler(const Error &e, const QString &was, const QString &namensFehler);

} // namespace platform
