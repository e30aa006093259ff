#include "platform/yield.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTime>
#include <algorithm>

namespace platform {

namespace {
QElapsedTimer &clock()
{
    static QElapsedTimer t = [] { QElapsedTimer e; e.start(); return e; }();
    return t;
}
} // namespace

namespace {
bool g_endet = false;
}

void programmBeenden()
{
    g_endet = true;
    QCoreApplication::exit(0);
}

bool programmEndet() { return g_endet; }

void DoEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The first call is due at once, so a request made just before long work
// starts is seen at its first step.
Batch::Batch(int milliseconds) : m_next(clock().elapsed()), m_ms(milliseconds) {}

bool Batch::due()
{
    const qint64 now = clock().elapsed();
    if (now < m_next)
        return false;
    m_next = now + m_ms;
    return true;
}

void Sleep(int milliseconds)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < milliseconds && !g_endet) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(5, milliseconds - t.elapsed() > 0 ? milliseconds - t.elapsed() : 0)));
    }
}

double Timer()
{
    const QTime t = QTime::currentTime();
    return t.msecsSinceStartOfDay() / 1000.0;
}

double secondsSince(double start)
{
    double d = Timer() - start;
    // A start rounded up to the next second is a little ahead of now; only a
    // larger gap means the day has turned.
    if (d < -1.0)
        d += 86400.0;
    return std::max(d, 0.0);
}

} // namespace platform
