// The map window's open and save dialogs. An empty answer is the player's
// "Abbrechen". Tests answer through the hook instead of a person.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace dateidialog {

struct Frage {
    bool speichern = false; // save dialog with the overwrite question
    QString titel;
    QString filter; // "Text (*.a)|*.a|Text (*.*)|*.*" as the map window writes it
    QString name;   // the name proposed
    QString endung; // added to a name typed without one, before the overwrite question
};

// The chosen file's full name, or empty.
QString zeigen(QWidget *eltern, const Frage &frage);
// The filter as the dialog takes it: "Text (*.a);;..."; "*.*" lists every
// file, one without a dot too.
QString dialogFilter(const QString &filter);

using Hook = std::function<QString(const Frage &frage)>;
void setHook(Hook hook);

} // namespace dateidialog
