// The longest stretch in which the event loop handled no event, as a 5 ms
// timer sees it from start() on.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

class Ereignisluecke {
public:
    Ereignisluecke()
    {
        m_takt.setInterval(5);
        QObject::connect(&m_takt, &QTimer::timeout, [this] { merken(); });
    }
    void start()
    {
        m_uhr.start();
        m_zuletzt = m_laengste = 0;
        m_takt.start();
    }
    // Seconds since start().
    double sekunden() const { return m_uhr.nsecsElapsed() / 1e9; }
    // The longest stretch so far, the one still open included.
    double laengsteMs()
    {
        merken();
        return m_laengste / 1e6;
    }

private:
    void merken()
    {
        const qint64 jetzt = m_uhr.nsecsElapsed();
        m_laengste = std::max(m_laengste, jetzt - m_zuletzt);
        m_zuletzt = jetzt;
    }

    QElapsedTimer m_uhr;
    QTimer m_takt;
    qint64 m_zuletzt = 0, m_laengste = 0;
};
