// Wave-audio player with a command protocol ("Open", "Play", "Prev",
// "Stop", "Close") and Mode (526 while playing). Without an audio device it
// stays silent and never reports playing.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QSoundEffect;

class WavePlayer : public QObject {
    Q_OBJECT
public:
    explicit WavePlayer(const QString &name, QObject *parent = nullptr);
    ~WavePlayer() override;
    QString FileName;
    bool Notify = false;
    bool Wait = false;
    QString DeviceType = QStringLiteral("WaveAudio");
    // Commands are taken without regard to case; unknown ones do nothing.
    void Command(const QString &command);
    int Mode() const;
    bool isOpen() const { return m_open; }
    static constexpr int kPlaying = 526;
    static constexpr int kStopped = 525;
    static constexpr int kNotOpen = 524;

    // Length of a PCM wave file in milliseconds from its header; 0 when the
    // header cannot be read.
    static qint64 laengeMs(const QByteArray &wave);

signals:
    // A "Play" reached an open player (with or without a device).
    void gespielt();

private:
    void schliessen();
    QSoundEffect *m_effekt = nullptr;
    bool m_open = false;
    bool m_spielt = false;
    qint64 m_laenge = 0;
    QElapsedTimer m_seit;
};
