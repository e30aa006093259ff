// Order-code reference window: the game's order codes with syntax line and
// help text, and the switch that hides the secret orders.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

class Form2 : public Form {
    Q_OBJECT
public:
    static Form2 *instance();
    static bool exists();

    // ---- controls, by their names
    ListBox *List1;
    Label *Label1;
    QPushButton *Command2;
    TextBox *Text1;
    QPushButton *Command1;
    Label *Label2;

    // ---- menu
    QMenu *winwindowdowssss;
    QAction *winwinmin, *winwinschliess, *winwinanord;

    // ---- window variables
    qint16 OnOFF = 1;
    // The indicator's geometry in twips, kept exact while it is animated.
    float Label2Left = 8580, Label2Top = 1800, Label2Width = 1212, Label2Height = 192;

    // ---- handlers and procedures
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void List1_Click();
    void winwinmin_Click();
    void winwinschliess_Click();
    void winwinanord_Click();
    void GeheimBefsOFF();
    void GeheimBefsON();

    // Discards the window's state: hidden, and as after a fresh load the next
    // time it is used. The object itself stays, so a handler that is still
    // running inside it keeps a live window.
    void Unload();

    void Form_Unload(qint16 &Cancel) override;

private:
    Form2();
    void buildControls();
    void buildMenu();
    void designState();
    void placeLabel2();
    void addTitles();

    quint64 m_generation = 0; // counts unloads; a running animation stops on a change
};
