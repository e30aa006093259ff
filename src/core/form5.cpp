#include "core/form5.h"
#include "core/fensterliste.h"
#include "core/form3.h"
#include "core/form7.h"
#include "core/globals.h"
#include "core/startup.h"
#include "platform/dialogs.h"
#include "platform/yield.h"
#include "platform/units.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

namespace {
Form5 *g_form5 = nullptr;

const fensterliste::Anmeldung kImFensterMenue(QStringLiteral("Form5"), fensterliste::zugang<Form5>());
} // namespace

Form5 *Form5::instance()
{
    if (!g_form5)
        g_form5 = new Form5();
    return g_form5;
}

bool Form5::exists() { return g_form5 != nullptr; }

Form5::Form5() : Form(QStringLiteral("Form5"))
{
    // The pictures live in the library, which keeps them only when asked.
    Q_INIT_RESOURCE(startup);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // A thin border stands in for the title bar the splash does without.
    client()->setAttribute(Qt::WA_StyledBackground);
    client()->setStyleSheet(QStringLiteral("#Form5_client { border: 1px solid #404040; }"));

    Picture1 = new QLabel(client());
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(QPixmap(QStringLiteral(":/start/splash.png")));
    Picture1->move(platform::twipsX(240), platform::twipsY(240));
    Picture1->resize(Picture1->pixmap().isNull() ? QSize(500, 191) : Picture1->pixmap().size());
    Picture1->installEventFilter(this);
}

bool Form5::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Picture1 && event->type() == QEvent::Paint)
        m_gezeichnet = true;
    return Form::eventFilter(watched, event);
}

void Form5::zeigenUndZeichnen()
{
    QElapsedTimer uhr;
    uhr.start();
    m_gezeichnet = false;
    show();
    platform::DoEvents();
    // The next window would otherwise cover the splash before it was ever
    // painted; the wait ends with the first paint, and is bounded for a
    // screen that never paints.
    while (isVisible() && !m_gezeichnet && uhr.elapsed() < kHoechstensMs)
        platform::Sleep(5);
}

void Form5::Form_Load()
{
    // The window fits its picture with the same margin on every side.
    client()->setFixedSize(2 * Picture1->x() + Picture1->width(), 2 * Picture1->y() + Picture1->height());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    platform::DoEvents();

    ProgrammPfad = start::ordnerMitTrenner(start::anwendungsPfad());

    const start::Film film = start::filmEntscheiden(ProgrammPfad);
    zeigenUndZeichnen();
    switch (film) {
    case start::Film::Fehlt:
        platform::MsgBox(QStringLiteral("Die Videodatei befindet sich nicht im Programmverzeichnis."));
        platform::DoEvents();
        Form3::instance()->show();
        break;
    case start::Film::Zeigen:
        Form7::instance()->show();
        break;
    case start::Film::Uebersprungen:
        Form3::instance()->show();
        break;
    }
}
