// Intro window: plays the film once with its sound, then opens the start
// settings.
#pragma once

#include "platform/form.h"
#include "platform/waveplayer.h"
#include "core/startup.h"

#include <QLabel>
#include <QVideoWidget>

class QMediaPlayer;

// The film control: starts the film as soon as it gets a file name and
// reports one state change for the start and one for the end.
class FilmControl : public QVideoWidget {
    Q_OBJECT
public:
    explicit FilmControl(QWidget *parent = nullptr);

    QString FileName() const { return m_fileName; }
    void setFileName(const QString &fileName);
    void Stop();

    QMediaPlayer *player() const { return m_player; }

signals:
    void StateChange(int oldState, int newState);
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QMediaPlayer *m_player;
    start::FilmAblauf *m_ablauf;
    QString m_fileName;
};

class Form7 : public Form {
    Q_OBJECT
public:
    static Form7 *instance();

    FilmControl *ActiveMovie1;
    QLabel *Picture1;
    WavePlayer *MMControl1;

    qint16 film = 0;

    void Form_Load();
    void ActiveMovie1_StateChange(qint32 oldState, qint32 newState);
    void ActiveMovie1_Click();

    // The first showing loads the window.
    void setVisible(bool visible) override;

private:
    Form7();
    void klang(const QString &command);
    bool m_geladen = false;
    bool m_klangOffen = false;
};
