// Wave-audio player with the old command protocol ("Open", "Play", "Prev",
// "Stop", "Close") and Mode (526 while playing).
#pragma once

#include <QObject>
#include <QString>

class MMControl : public QObject {
    Q_OBJECT
public:
    explicit MMControl(const QString &name, QObject *parent = nullptr);
    QString FileName;
    bool Notify = false;
    bool Wait = false;
    QString DeviceType = QStringLiteral("WaveAudio");
    void Command(const QString &command);
    int Mode() const;
    static constexpr int kPlaying = 526;
    static constexpr int kStopped = 525;
    static constexpr int kNotOpen = 524;
};
