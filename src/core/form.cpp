#include "core/form.h"
#include "core/vb.h"

#include <QCloseEvent>
#include <QLayout>
#include <QPointer>

namespace {
QPointer<Form> g_lastActive;
}

Form::Form(const QString &name, QWidget *parent) : QMainWindow(parent), m_client(new QWidget(this))
{
    setObjectName(name);
    m_client->setObjectName(name + QStringLiteral("_client"));
    setCentralWidget(m_client);
    setWindowTitle(vb::kTitel);
}

void Form::setClientSizeTwips(double width, double height)
{
    m_client->setFixedSize(vb::twipsX(width), vb::twipsY(height));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

int Form::windowStateVb() const
{
    if (windowState() & Qt::WindowMinimized)
        return 1;
    if (windowState() & Qt::WindowMaximized)
        return 2;
    return 0;
}

void Form::setWindowStateVb(int state)
{
    Qt::WindowStates s = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == 1)
        s |= Qt::WindowMinimized;
    else if (state == 2)
        s |= Qt::WindowMaximized;
    setWindowState(s);
}

double Form::leftTwips() const { return vb::pixelsToTwipsX(x()); }
double Form::topTwips() const { return vb::pixelsToTwipsX(y()); }
void Form::moveTwips(double left, double top) { move(vb::twipsX(left), vb::twipsY(top)); }

Form *Form::lastActive() { return g_lastActive.data(); }

void Form::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !vb::dialogOpen()) {
        if (g_lastActive != this) {
            g_lastActive = this;
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
