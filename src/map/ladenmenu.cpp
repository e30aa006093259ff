#include "map/ladenmenu.h"

#include "core/sound.h"
#include "map/karte.h"
#include "platform/units.h"

#include <QEventLoop>
#include <QMouseEvent>

using namespace platform;

namespace {
LadenMenu *g_menu = nullptr;
constexpr quint32 kKnopfFlaeche = 0x8000000F;
constexpr quint32 kMarkiert = 0x8000000D;
constexpr quint32 kMarkiertText = 0x80000009;
constexpr quint32 kHellgruen = 0x80FF80;
constexpr quint32 kSchwarz = 0x000000;
} // namespace

LadenMenu *LadenMenu::instance()
{
    if (!g_menu)
        g_menu = new LadenMenu();
    return g_menu;
}

LadenMenu::LadenMenu() : Form(QStringLiteral("LadenMenu"))
{
    setWindowTitle(QStringLiteral("Laden"));
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    // The entries are written as the map window's buttons, whatever the desktop's font.
    setFont(Karte::instance()->Command8->font());
    QWidget *c = client();
    auto label = [this, c](const char *name, double top) {
        auto *lb = new Label(c);
        lb->setObjectName(QLatin1String(name));
        place(lb, 0, top, 2652, 252);
        lb->setMouseTracking(true);
        lb->setAutoFillBackground(true);
        lb->setBackColor(kKnopfFlaeche);
        lb->installEventFilter(this);
        return lb;
    };
    Label1 = label("Label1", 0);
    Label2 = label("Label2", 240);
    Label3 = label("Label3", 480);
    Label3->hide();
    auto linie0 = [c](const char *name) {
        auto *l = new QFrame(c);
        l->setObjectName(QLatin1String(name));
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, Qt::black);
        l->setPalette(p);
        return l;
    };
    Line1 = linie0("Line1");
    Line2 = linie0("Line2");
    Line3 = linie0("Line3");
    Line4 = linie0("Line4");
    setClientSizeTwips(2610, 470);
}

void LadenMenu::linie(QFrame *l, double x1, double y1, double x2, double y2)
{
    const QRect r = twipsRect(x1, y1, x2 - x1, y2 - y1);
    l->setGeometry(r.left(), r.top(), std::max(1, r.width()), std::max(1, r.height()));
    l->raise();
}

void LadenMenu::Form_Activate()
{
    if (MenuArt == 1) {
        place(Label1, 0, 0, 2600, 252);
        place(Label2, 0, 240, 2600, 252);
        place(Label3, 0, 480, 2600, 252);
        Label3->show();
        linie(Line1, 0, 5, 2610, 5);
        linie(Line2, 2600, 5, 2600, 732);
        linie(Line3, 0, 732, 2610, 732);
        linie(Line4, 0, 5, 0, 732);
    } else {
        place(Label1, 0, 0, 2600, 252);
        place(Label2, 0, 240, 2600, 252);
        Label3->hide();
        linie(Line1, 0, 5, 2610, 5);
        linie(Line2, 2600, 5, 2600, 470);
        linie(Line3, 0, 456, 2610, 456);
        linie(Line4, 0, 5, 0, 470);
    }
}

Label *LadenMenu::eintrag(int k) const { return k == 1 ? Label1 : k == 2 ? Label2 : Label3; }

QString LadenMenu::hinweis(int k)
{
    if (MenuArt == 1) {
        switch (k) {
        case 1: return QStringLiteral("Eine vorher gespeicherte Karte im Format '.bwk' laden");
        case 2: return QStringLiteral("Eine einzelne Morveldatei laden");
        case 3:
            return QStringLiteral("Lädt alle folgenden Dateien der ausgewählten Datei (funktioniert nur mit Dateien "
                                  "der Form 'V???S???.Z?\?')");
        }
        return QString();
    }
    switch (k) {
    case 1: return QStringLiteral("Die vorhandene Karte löschen und eine neue Karte laden");
    case 2: return QStringLiteral("Nur die Linien und Feldnummern nachzeichnen");
    }
    return QString();
}

void LadenMenu::eintragUeber(int k)
{
    if (GeKlickt != 0 || (k == 3 && MenuArt != 1))
        return;
    for (int i = 1; i <= 3; ++i) {
        Label *l = eintrag(i);
        l->setForeColor(i == k ? kMarkiertText : kSchwarz);
        l->setBackColor(i == k ? kMarkiert : kKnopfFlaeche);
    }
    Karte *karte = Karte::instance();
    karte->StatusBar1->showMessage(hinweis(k));
    if (karte->StatusBar1->isHidden())
        karte->StatusBar1->show(); // the window grows by the bar
}

void LadenMenu::eintragKlick(int k)
{
    if (GeKlickt != 0 || (k == 3 && MenuArt != 1))
        return;
    GeKlickt = 1;
    for (int i = 1; i <= 3; ++i) {
        Label *l = eintrag(i);
        l->setForeColor(kSchwarz);
        l->setBackColor(i == k ? kHellgruen : kKnopfFlaeche);
    }
    LadeArt = qint16(k - 1);
    KlickSpielen();
    Karte *karte = Karte::instance();
    karte->setEnabled(true);
    hide();
    karte->StatusBar1->clearMessage();
    karte->StatusBar1->hide();
}

bool LadenMenu::eventFilter(QObject *watched, QEvent *event)
{
    for (int k = 1; k <= 3; ++k) {
        if (watched != eintrag(k))
            continue;
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            eintragUeber(k);
        else if (event->type() == QEvent::MouseButtonPress)
            eintragKlick(k);
    }
    return Form::eventFilter(watched, event);
}

void LadenMenu::Form_QueryUnload(qint16 &Cancel, qint16 UnloadMode)
{
    // Left only through an entry.
    Q_UNUSED(UnloadMode);
    Cancel = 1;
}

int LadenMenu::waehlen(QWidget *knopf, const QStringList &eintraege)
{
    Karte *karte = Karte::instance();
    LadeArt = 0;
    MenuArt = eintraege.size() >= 3 ? 1 : 0;
    const QPoint ort = karte->client()->mapToGlobal(knopf->geometry().topLeft());
    move(ort);
    setClientSizeTwips(2610, MenuArt == 1 ? 740 : 470);
    karte->setEnabled(false);
    Label1->setCaption(eintraege.value(0));
    Label2->setCaption(eintraege.value(1));
    Label3->setCaption(eintraege.value(2));
    GeKlickt = 0;
    Form_Activate();
    show();
    SetFocus();
    QEventLoop warten;
    while (!karte->isEnabled() && isVisible())
        warten.processEvents(QEventLoop::WaitForMoreEvents);
    if (!karte->isEnabled()) { // hidden by other means: no entry chosen
        karte->setEnabled(true);
        karte->StatusBar1->hide();
    }
    GeKlickt = 0;
    for (Label *l : {Label1, Label2, Label3}) {
        l->setBackColor(kKnopfFlaeche);
        l->setForeColor(kSchwarz);
    }
    MenuArt = 0;
    return LadeArt;
}
