// The enlarged view: one large window that shows the report, the orders or
// a table of the rules reference; FensterInhalt says which.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

class Form6 : public Form {
    Q_OBJECT
public:
    static Form6 *instance();
    static bool exists();

    // ---- controls, by their names
    Label *Label1;
    TextBox *Text1;
    QPushButton *Command2;

    // ---- menu: "Drucken" is an entry of its own in the menu bar
    QAction *drr;
    QMenu *winwindowdow;
    QAction *winwinanord, *winwinmin, *winwinschliess;

    // ---- window variables
    qint16 verandert = 0; // 1 after any change of Text1, until the copy back

    // ---- handlers and procedures
    // Puts a text into the view; a text put there is no change to copy back.
    void fuellen(const QString &text);
    void Command2_Click();
    void drr_Click();
    void Text1_Change();
    void winwinanord_Click();
    void winwinmin_Click();
    void winwinschliess_Click();
    // Offers changed text back to the main window.
    void ueuebertragen();
    // Prints what the view holds (FensterInhalt), with the text's font.
    void inhaltDrucken();

    // Discards the window's content: hidden and as freshly created. The
    // object itself stays, so a handler still running over it keeps a live
    // window.
    void Unload();

    void Form_Deactivate() override;
    void Form_QueryUnload(qint16 &Cancel, qint16 UnloadMode) override;
    void Form_Unload(qint16 &Cancel) override;

private:
    Form6();
    void designState();
    bool m_fuellt = false;
};
