#include "platform/waveplayer.h"

#include <QAudioDevice>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {
quint32 le32(const QByteArray &b, qsizetype at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16
           | quint32(quint8(b[at + 3])) << 24;
}

// Some backends keep reporting a finished sound as playing; nobody waits for
// a sound longer than this past its own length.
constexpr qint64 kNachlauf = 1000;
} // namespace

WavePlayer::WavePlayer(const QString &name, QObject *parent) : QObject(parent) { setObjectName(name); }

WavePlayer::~WavePlayer() { schliessen(); }

qint64 WavePlayer::laengeMs(const QByteArray &w)
{
    if (w.size() < 12 || !w.startsWith("RIFF") || w.mid(8, 4) != "WAVE")
        return 0;
    quint32 byteRate = 0;
    qsizetype pos = 12;
    while (pos + 8 <= w.size()) {
        const QByteArray id = w.mid(pos, 4);
        const quint32 size = le32(w, pos + 4);
        const qsizetype body = pos + 8;
        if (id == "fmt " && body + 12 <= w.size())
            byteRate = le32(w, body + 8);
        else if (id == "data") {
            if (byteRate == 0)
                return 0;
            const quint64 vorhanden = quint64(std::min<qsizetype>(size, w.size() - body));
            return qint64(vorhanden * 1000 / byteRate);
        }
        pos = body + qsizetype(size) + (size & 1);
    }
    return 0;
}

void WavePlayer::schliessen()
{
    if (m_effekt) {
        m_effekt->stop();
        delete m_effekt;
        m_effekt = nullptr;
    }
    m_open = false;
    m_spielt = false;
}

void WavePlayer::Command(const QString &command)
{
    const QString c = command.trimmed().toLower();
    if (c == QLatin1String("open")) {
        const QUrl quelle = QUrl::fromLocalFile(QFileInfo(FileName).absoluteFilePath());
        // Opening the same sound again keeps its loaded sample: dropping a
        // sample and loading it anew can stall the sound system.
        const bool dasselbe = m_effekt && m_effekt->source() == quelle;
        if (!dasselbe)
            schliessen();
        if (!QFileInfo(FileName).isFile()) {
            schliessen();
            return;
        }
        QFile f(FileName);
        m_laenge = f.open(QIODevice::ReadOnly) ? laengeMs(f.readAll()) : 0;
        m_open = true;
        m_spielt = false;
        if (dasselbe) {
            m_effekt->stop();
            return;
        }
        // A file that is no readable wave stays silent; the sound system is
        // never handed one.
        if (m_laenge > 0 && !QMediaDevices::audioOutputs().isEmpty()) {
            m_effekt = new QSoundEffect(this);
            m_effekt->setSource(quelle);
        }
    } else if (c == QLatin1String("play")) {
        if (!m_open)
            return;
        m_seit.start();
        m_spielt = false;
        if (m_effekt && m_effekt->status() != QSoundEffect::Error) {
            m_effekt->stop();
            m_effekt->play();
            m_spielt = true;
        }
        emit gespielt();
    } else if (c == QLatin1String("stop")) {
        if (m_effekt)
            m_effekt->stop();
        m_spielt = false;
    } else if (c == QLatin1String("close")) {
        schliessen();
    }
    // "Prev" rewinds: every Play starts from the beginning anyway.
}

int WavePlayer::Mode() const
{
    if (!m_open)
        return kNotOpen;
    if (m_spielt && m_effekt && m_effekt->isPlaying() && m_effekt->status() != QSoundEffect::Error
        && m_seit.elapsed() < m_laenge + kNachlauf)
        return kPlaying;
    return kStopped;
}
