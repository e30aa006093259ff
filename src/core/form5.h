// Splash window: shown first; its load starts the program.
#pragma once

#include "platform/form.h"

#include <QLabel>

class Form5 : public Form {
    Q_OBJECT
public:
    static Form5 *instance();

    QLabel *Picture1;

    // Finds the program folder, decides on the intro film and opens the
    // intro window or the start settings.
    void Form_Load();

    // The splash stays up at least this long, so that it is seen at all
    // before the next window takes over.
    static constexpr int kMindestMs = 1200;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form5();
    // The yield after showing: lets the splash reach the screen and stay.
    void zeigenUndZeichnen();
    bool m_gezeichnet = false;
};
