#include "mainwindow/leer.h"
#include "platform/units.h"

#include <QGuiApplication>
#include <QScreen>

Leer *Leer::instance()
{
    static Leer *f = new Leer();
    return f;
}

Leer::Leer() : Form(QStringLiteral("Leer"))
{
    setWindowTitle(QStringLiteral("Leerzeichen sinnvoll einfügen"));
    setWindowFlags(Qt::Tool);
    setClientSizeTwips(4236, 600);
    ProgressBar1 = new ProgressBar(client());
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    platform::place(ProgressBar1, 120, 120, 3972, 372);
    if (QScreen *s = QGuiApplication::primaryScreen()) {
        const QRect g = s->availableGeometry();
        move(g.center() - QPoint(width() / 2, height() / 2));
    }
}

// Closing the window asks the running repair to stop; the window is kept
// and only hidden, so the repair can still read its state.
void Leer::Form_Unload(qint16 &)
{
    LeerAbbruch = 1;
}
