// The army-order wizard: asks for the price of a mercenary, the kind of
// order, the defenders, the soldiers and the mercenaries, then lets the
// player click the path on the map and puts the finished line at the end of
// the orders.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

class HErst : public Form {
    Q_OBJECT
public:
    static HErst *instance();
    static bool exists();

    // ---- controls, by their names
    Label *Label1;
    QLineEdit *Text2;
    ListBox *List1;
    Label *Label2;
    QLineEdit *Text1;
    QPushButton *Command1;
    QPushButton *Command2;

    // ---- window variables
    QString Art;
    qint16 Vert = 0;
    qint16 Soeld = 0;
    qint16 SoeldnerKosten = 0;
    qint16 GubAnzahl = 0;
    qint16 Soldaten = 0;

    // ---- handlers
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void List1_Click();
    void Text1_Change();
    void Text2_Change();
    void Text2_KeyPress(int &KeyAscii);
    void Form_QueryUnload(qint16 &Cancel, qint16 UnloadMode) override;

    // Puts the wizard and the map back to no path under way.
    void abbrechen();

    // Where the wizard's frame of size `groesse` goes: beside the map window
    // `karte` where the screen has room, else below or above it, else where
    // it covers least of the map's grid `gitter`, then of the map window;
    // always within `bildschirm`. All in screen pixels.
    static QPoint lage(const QRect &bildschirm, const QRect &karte, const QRect &gitter, const QSize &groesse);

    void setVisible(bool visible) override;

    // ---- the map window's side of the wizard (herst_karte.cpp)
    // The order line's working copy on the map appears, holding the head.
    static void karteZeileBeginnen(const QString &kopf);
    // The map leaves path mode: its line hidden and emptied, the window
    // minimised, its caption plain, no path under way.
    static void karteZuruecksetzen();

protected:
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void moveEvent(QMoveEvent *e) override;

private:
    HErst();
    void buildControls();
    void weiter();
    void fertig();
    void schliessen();
    // Puts the wizard where it leaves the map's grid free (herst_karte.cpp).
    void anordnen();
    bool ueberGitter() const;
    bool m_rahmenOffen = false; // shown, the window manager's frame not yet known
};
