// Splash window: shown first; its load starts the program.
#pragma once

#include "platform/form.h"

#include <QLabel>

class Form5 : public Form {
    Q_OBJECT
public:
    static Form5 *instance();
    static bool exists();

    QLabel *Picture1;

    // Finds the program folder, decides on the intro film and opens the
    // intro window or the start settings.
    void Form_Load();

    // The longest wait for the splash's first paint.
    static constexpr int kHoechstensMs = 1000;
    bool gezeichnet() const { return m_gezeichnet; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form5();
    // The yield after showing: lets the splash reach the screen and stay.
    void zeigenUndZeichnen();
    bool m_gezeichnet = false;
};
