// Base of every window: one instance each, the activation and unload
// events, and sizes in twips.
#pragma once

#include <QMainWindow>
#include <QPointer>

class QAbstractButton;
class QPushButton;

class Form : public QMainWindow {
    Q_OBJECT
public:
    explicit Form(const QString &name, QWidget *parent = nullptr);

    // Client area in twips; the window keeps that size.
    void setClientSizeTwips(double width, double height);
    // Client area in twips at first; the player may resize the window.
    void setSizableClientSizeTwips(double width, double height);
    // The window opens in the middle of the screen the first time it is shown.
    void setCentredOnFirstShow() { m_zentrieren = true; }
    QWidget *client() const { return m_client; }

    // Window state as a number: 0 normal, 1 minimised, 2 maximised. A hidden
    // window stays hidden and takes the state when it is shown.
    int fensterZustand() const;
    void setFensterZustand(int state);
    void moveTwips(double left, double top);

    // The focus came to this window from another window of the program.
    virtual void Form_Activate() {}
    // The focus went from this window to another window of the program.
    virtual void Form_Deactivate() {}
    // Closing: set Cancel to 1 to keep the window.
    virtual void Form_QueryUnload(qint16 &Cancel, qint16 UnloadMode) { Q_UNUSED(Cancel); Q_UNUSED(UnloadMode); }
    virtual void Form_Unload(qint16 &Cancel) { Q_UNUSED(Cancel); }

    // The window's menu keys win over these widgets' own keys (a text box
    // would take Ctrl+A, Ctrl+K, Alt+Backspace for itself).
    void menuKeysWinOver(std::initializer_list<QWidget *> widgets);
    // Esc presses this button, as the window's cancel button.
    void setCancelButton(QAbstractButton *button);
    // Enter presses this button, unless another button has the focus: that
    // one takes Enter itself and shows the default frame meanwhile.
    void setDefaultButton(QPushButton *button);

    void setVisible(bool visible) override;

    // Brings the window to the front and gives it the focus.
    void SetFocus();

    // The window is shown: visible and not minimised.
    static bool offen(const QWidget *w);
    // The program window that was active last (message boxes don't count).
    static Form *lastActive();
    // Of the program windows that were active, the last one still open
    // (visible and not minimised); a popup that has closed is passed over.
    static Form *zuletztOffen();
    // The program window that has the focus now, or was given it by SetFocus
    // and is still waiting for it; nullptr while none of them is active.
    static QWidget *aktivesFenster();

protected:
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void zustandSetzen(int state);

    QWidget *m_client;
    QPointer<QPushButton> m_default;
    bool m_zentrieren = false;
    bool m_gezeigt = false;
    int m_zustandBeimZeigen = -1; // set while hidden, taken on when shown
};
