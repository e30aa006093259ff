#include "mainwindow/leer.h"
#include "platform/units.h"


Leer *Leer::instance()
{
    static Leer *f = new Leer();
    return f;
}

Leer::Leer() : Form(QStringLiteral("Leer"))
{
    setWindowTitle(QStringLiteral("Leerzeichen sinnvoll einfügen"));
    setWindowFlags(Qt::Tool);
    // A tool window the player may resize; the bar keeps its place.
    setSizableClientSizeTwips(4236, 600);
    setCentredOnFirstShow();
    ProgressBar1 = new ProgressBar(client());
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    platform::place(ProgressBar1, 120, 120, 3972, 372);
}

// Closing the window asks the running repair to stop; the window is kept
// and only hidden, so the repair can still read its state.
void Leer::Form_Unload(qint16 &)
{
    LeerAbbruch = 1;
}
