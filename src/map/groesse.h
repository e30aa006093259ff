// The field-size dialog: width and height of one field in map units. It
// blocks the map window while open; however it is hidden, the map window
// takes input again.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

class Groesse : public Form {
    Q_OBJECT
public:
    static Groesse *instance();
    static bool exists();

    QLineEdit *Text1, *Text2;
    Label *Label1, *Label2;
    QPushButton *Command1;

    void Form_Activate() override;
    void Command1_Click();
    void Text1_GotFocus();
    void Text2_GotFocus();

    // Shows the dialog over the map window.
    void zeigen();

    // A field size as typed: 1 to 32767, else none.
    static std::optional<double> feldGroesse(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *e) override;
    void changeEvent(QEvent *e) override;
    void Form_QueryUnload(qint16 &Cancel, qint16 UnloadMode) override;

private:
    Groesse();
};
