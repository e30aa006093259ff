// Splash window: shown first; its load starts the program.
#pragma once

#include "core/form.h"

#include <QLabel>

class Form5 : public Form {
    Q_OBJECT
public:
    static Form5 *instance();

    QLabel *Picture1;

    // Finds the program folder, decides on the intro film and opens the
    // intro window or the start settings.
    void Form_Load();

private:
    Form5();
};
