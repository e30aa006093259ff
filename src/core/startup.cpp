#include "core/startup.h"
#include "core/globals.h"
#include "platform/codepage.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <limits>

namespace start {

namespace {
QString g_anwendungsPfad;
}

QString anwendungsPfad()
{
    return g_anwendungsPfad.isEmpty() ? QCoreApplication::applicationDirPath() : g_anwendungsPfad;
}

void setAnwendungsPfad(const QString &pfad) { g_anwendungsPfad = pfad; }

QString ordnerMitTrenner(const QString &ordner)
{
    if (ordner.isEmpty() || ordner.endsWith(QLatin1Char('/')))
        return ordner;
    return ordner + QLatin1Char('/');
}

bool vorhanden(const QString &pfad)
{
    return QFileInfo(pfad).isFile();
}

Film filmEntscheiden(const QString &programmPfad)
{
    // The film file is tested first: a marker without a film still gets the message.
    if (!vorhanden(programmPfad + kFilm)) {
        FilmGezeigt = QVariant();
        return Film::Fehlt;
    }
    if (vorhanden(programmPfad + kKeinFilm)) {
        FilmGezeigt = QVariant::fromValue<qint16>(0);
        return Film::Uebersprungen;
    }
    FilmGezeigt = QVariant::fromValue<qint16>(1);
    // A marker that can't be written only means the film comes again.
    try {
        codepage::writeFile(programmPfad + kKeinFilm, QByteArray());
    } catch (const platform::Error &) {
    }
    return Film::Zeigen;
}

FilmAblauf::FilmAblauf(QObject *parent) : QObject(parent)
{
    m_wachhund.setSingleShot(true);
    connect(&m_wachhund, &QTimer::timeout, this, &FilmAblauf::beendet);
}

void FilmAblauf::laden()
{
    m_gestartet = false;
    m_beendet = false;
    m_wachhund.start(anlaufMs);
}

void FilmAblauf::gestartet()
{
    if (m_gestartet || m_beendet)
        return;
    m_gestartet = true;
    emit StateChange(Gestoppt, Laeuft);
}

void FilmAblauf::dauerBekannt(qint64 ms)
{
    if (m_beendet || ms <= 0)
        return;
    m_wachhund.start(int(qMin<qint64>(ms + nachlaufMs, std::numeric_limits<int>::max())));
}

void FilmAblauf::beendet()
{
    if (m_beendet)
        return;
    m_wachhund.stop();
    // A film that never started still needs its start for the count of two.
    if (!m_gestartet) {
        m_gestartet = true;
        emit StateChange(Gestoppt, Laeuft);
    }
    m_beendet = true;
    emit StateChange(Laeuft, Gestoppt);
}

} // namespace start
