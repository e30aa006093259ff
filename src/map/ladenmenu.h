// The map window's small popup menu: two entries for "New", three for
// "Load". The caller waits until an entry is clicked; the entry's number
// comes back in LadeArt. Hovering an entry shows its hint in the map
// window's status bar.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <QFrame>

class LadenMenu : public Form {
    Q_OBJECT
public:
    static LadenMenu *instance();

    Label *Label1, *Label2, *Label3;
    QFrame *Line1, *Line2, *Line3, *Line4;
    qint16 GeKlickt = 0;

    void Form_Activate() override;

    // The caller's protocol: shows the popup at the map window's button
    // with two or three entries, keeps the map window disabled and lets
    // events run until an entry is clicked. Returns LadeArt (0, 1, 2).
    int waehlen(QWidget *knopf, const QStringList &eintraege);
    // The hint of an entry for the current layout (empty for none).
    static QString hinweis(int eintrag);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void Form_QueryUnload(qint16 &Cancel, qint16 UnloadMode) override;

private:
    LadenMenu();
    void eintragKlick(int k);
    void eintragUeber(int k);
    Label *eintrag(int k) const;
    void linie(QFrame *l, double x1, double y1, double x2, double y2);
};
