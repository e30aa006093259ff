#include "platform/form.h"
#include "platform/dialogs.h"
#include "platform/units.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <utility>

namespace {
QPointer<Form> g_lastActive;
QList<QPointer<Form>> g_verlauf; // the windows that were active, the last one first
QPointer<Form> g_fokusVerlangt; // given the focus, which the system has not yet moved

// Every window carries the program's 32 x 32 icon: a sealed order scroll.
QIcon programmIcon()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(236, 220, 170));
    p.setPen(QPen(QColor(120, 80, 30), 1.5));
    p.drawRoundedRect(QRectF(5, 3, 22, 26), 3, 3);
    p.setPen(QPen(QColor(90, 60, 30), 1.2));
    for (int y = 9; y <= 19; y += 5)
        p.drawLine(QPointF(9, y), QPointF(23, y));
    p.setBrush(QColor(170, 20, 20));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(20, 24), 5, 5);
    return QIcon(pm);
}
} // namespace

Form::Form(const QString &name, QWidget *parent) : QMainWindow(parent), m_client(new QWidget(this))
{
    setObjectName(name);
    m_client->setObjectName(name + QStringLiteral("_client"));
    setCentralWidget(m_client);
    setWindowTitle(platform::kTitel);
    static const QIcon icon = programmIcon();
    setWindowIcon(icon);
}

void Form::setClientSizeTwips(double width, double height)
{
    m_client->setFixedSize(platform::twipsX(width), platform::twipsY(height));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form::setSizableClientSizeTwips(double width, double height)
{
    m_client->setMinimumSize(0, 0);
    m_client->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    const int menue = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    resize(platform::twipsX(width), platform::twipsY(height) + menue);
}

void Form::setVisible(bool visible)
{
    if (visible && !m_gezeigt) {
        m_gezeigt = true;
        if (m_zentrieren) {
            // Placed once the size is known, not while the window still
            // has the default size of a new one.
            if (layout())
                layout()->activate();
            if (QScreen *s = QGuiApplication::primaryScreen())
                move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
        }
    }
    // The state set while hidden reaches the system only now: asked of a
    // hidden window, leaving the minimised state would put up its frame
    // without the window being shown or painted.
    if (visible && !isVisible() && m_zustandBeimZeigen >= 0)
        zustandSetzen(std::exchange(m_zustandBeimZeigen, -1));
    QMainWindow::setVisible(visible);
}

int Form::fensterZustand() const
{
    if (m_zustandBeimZeigen >= 0)
        return m_zustandBeimZeigen;
    if (windowState() & Qt::WindowMinimized)
        return 1;
    if (windowState() & Qt::WindowMaximized)
        return 2;
    return 0;
}

void Form::setFensterZustand(int state)
{
    if (isVisible())
        zustandSetzen(state);
    else
        m_zustandBeimZeigen = state;
}

void Form::zustandSetzen(int state)
{
    Qt::WindowStates s = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == 1)
        s |= Qt::WindowMinimized;
    else if (state == 2)
        s |= Qt::WindowMaximized;
    setWindowState(s);
}

void Form::moveTwips(double left, double top) { move(platform::twipsX(left), platform::twipsY(top)); }

namespace {
// Leaves a key to the window's menu when one of its entries has it.
class MenuTasten : public QObject {
public:
    explicit MenuTasten(Form *form) : QObject(form), m_form(form) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        if (m_actions.isEmpty())
            for (QAction *a : m_form->findChildren<QAction *>())
                if (!a->shortcut().isEmpty())
                    m_actions << a;
        const QKeySequence seq(static_cast<QKeyEvent *>(event)->keyCombination());
        for (QAction *a : std::as_const(m_actions)) {
            if (a->isEnabled() && a->shortcut() == seq) {
                event->ignore();
                return true;
            }
        }
        return false;
    }

private:
    Form *m_form;
    QList<QAction *> m_actions; // the menu is complete once keys arrive
};
} // namespace

void Form::menuKeysWinOver(std::initializer_list<QWidget *> widgets)
{
    auto *filter = new MenuTasten(this);
    for (QWidget *w : widgets)
        w->installEventFilter(filter);
}

namespace {
// Notes whether the Esc key being pressed found a list, popup or menu open:
// the popup closes on the key before the window's own Esc is looked up.
class EscBeiPopup : public QObject {
public:
    static inline bool offen = false;
    static void einrichten()
    {
        // Owned by the application, which deletes it at the end.
        static EscBeiPopup *filter = [] {
            auto *f = new EscBeiPopup;
            f->setParent(qApp);
            qApp->installEventFilter(f);
            return f;
        }();
        Q_UNUSED(filter);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        // One press is offered to the popup and, once it has closed, to the
        // window, all before the event loop runs again.
        if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape
            && QApplication::activePopupWidget() && !offen) {
            offen = true;
            QTimer::singleShot(0, this, [] { offen = false; });
        }
        return false;
    }
};
} // namespace

void Form::setCancelButton(QAbstractButton *button)
{
    auto *esc = new QAction(this);
    esc->setObjectName(button->objectName() + QStringLiteral("_Cancel"));
    esc->setShortcut(QKeySequence(Qt::Key_Escape));
    esc->setShortcutContext(Qt::WindowShortcut);
    EscBeiPopup::einrichten();
    connect(esc, &QAction::triggered, button, [button] {
        // Esc in an open list, popup or menu only closes it.
        if (EscBeiPopup::offen || QApplication::activePopupWidget())
            return;
        button->click();
    });
    addAction(esc);
}

void Form::setDefaultButton(QPushButton *button)
{
    m_default = button;
    button->setDefault(true);
    // The button that Enter presses looks it: a focused button, else the
    // default one.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *jetzt) {
        if (!m_default || !jetzt || jetzt->window() != this)
            return;
        auto *fokus = qobject_cast<QPushButton *>(jetzt);
        for (QPushButton *b : findChildren<QPushButton *>())
            if (b->window() == this)
                b->setDefault(b == (fokus ? fokus : m_default.data()));
    });
}

void Form::keyPressEvent(QKeyEvent *e)
{
    // Enter reaches the window when the focused control leaves it alone.
    if (m_default && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !(e->modifiers() & ~Qt::KeypadModifier)) {
        auto *fokus = qobject_cast<QPushButton *>(QApplication::focusWidget());
        QPushButton *knopf = fokus && fokus->window() == this ? fokus : m_default.data();
        if (knopf && knopf->isEnabled() && knopf->isVisibleTo(this))
            knopf->click();
        e->accept();
        return;
    }
    QMainWindow::keyPressEvent(e);
}

Form *Form::lastActive() { return g_lastActive.data(); }

bool Form::offen(const QWidget *w) { return w && w->isVisible() && !w->isMinimized(); }

Form *Form::zuletztOffen()
{
    for (const QPointer<Form> &w : std::as_const(g_verlauf))
        if (offen(w))
            return w;
    return nullptr;
}

void Form::SetFocus()
{
    g_fokusVerlangt = this;
    raise();
    activateWindow();
}

QWidget *Form::aktivesFenster()
{
    // The system moves the focus later; until then the window given it counts.
    if (offen(g_fokusVerlangt))
        return g_fokusVerlangt;
    // A box that has just closed stays the active window until the focus is
    // back on the window it opened over.
    QWidget *w = QApplication::activeWindow();
    while (w && !w->isVisible())
        w = w->parentWidget() ? w->parentWidget()->window() : nullptr;
    return offen(w) ? w : nullptr;
}

void Form::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        g_fokusVerlangt = nullptr; // the system has moved the focus
        if (g_lastActive != this && !platform::dialogOpen()) {
            QPointer<Form> vorher = g_lastActive;
            g_lastActive = this;
            g_verlauf.removeAll(nullptr);
            g_verlauf.removeAll(this);
            g_verlauf.prepend(this);
            if (vorher)
                vorher->Form_Deactivate();
            Form_Activate();
        }
    }
    QMainWindow::changeEvent(e);
}

void Form::closeEvent(QCloseEvent *e)
{
    qint16 cancel = 0;
    Form_QueryUnload(cancel, 0);
    if (cancel) {
        e->ignore();
        return;
    }
    Form_Unload(cancel);
    if (cancel) {
        e->ignore();
        return;
    }
    e->accept();
}
