#include "core/form7.h"
#include "core/form3.h"
#include "core/form5.h"
#include "core/globals.h"
#include "platform/errors.h"
#include "platform/yield.h"
#include "platform/units.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QUrl>

FilmControl::FilmControl(QWidget *parent)
    : QVideoWidget(parent), m_player(new QMediaPlayer(this)), m_ablauf(new start::FilmAblauf(this))
{
    setAspectRatioMode(Qt::IgnoreAspectRatio);
    m_player->setVideoOutput(this);
    connect(m_ablauf, &start::FilmAblauf::StateChange, this, &FilmControl::StateChange);
    connect(m_ablauf, &start::FilmAblauf::StateChange, this, [this](int, int newState) {
        // A film ended by the watchdog may still be running.
        if (newState == start::FilmAblauf::Gestoppt && m_player->playbackState() != QMediaPlayer::StoppedState)
            m_player->stop();
    });
    // The player reports some changes from inside play(); they are taken as
    // events through the loop, after the caller has set up the sound.
    connect(m_player, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState s) {
        if (s == QMediaPlayer::PlayingState)
            m_ablauf->gestartet();
        else if (s == QMediaPlayer::StoppedState && m_ablauf->istGestartet())
            m_ablauf->beendet();
    }, Qt::QueuedConnection);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus s) {
        if (s == QMediaPlayer::EndOfMedia || s == QMediaPlayer::InvalidMedia)
            m_ablauf->beendet();
    }, Qt::QueuedConnection);
    connect(m_player, &QMediaPlayer::errorOccurred, m_ablauf, &start::FilmAblauf::beendet, Qt::QueuedConnection);
    connect(m_player, &QMediaPlayer::durationChanged, m_ablauf, &start::FilmAblauf::dauerBekannt, Qt::QueuedConnection);
}

void FilmControl::setFileName(const QString &fileName)
{
    m_fileName = fileName;
    m_ablauf->laden();
    if (!m_player->isAvailable()) {
        // No backend: the film ends as soon as the caller is done.
        QTimer::singleShot(0, m_ablauf, &start::FilmAblauf::beendet);
        return;
    }
    m_player->setSource(QUrl::fromLocalFile(fileName));
    m_player->play();
}

void FilmControl::Stop()
{
    m_player->stop();
    // A film that was not playing yet ends with the click all the same.
    m_ablauf->beendet();
}

void FilmControl::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit Click();
    QVideoWidget::mouseReleaseEvent(e);
}

Form7 *Form7::instance()
{
    static Form7 *f = new Form7();
    return f;
}

Form7::Form7() : Form(QStringLiteral("Form7"))
{
    // The pictures live in the library, which keeps them only when asked.
    Q_INIT_RESOURCE(startup);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);

    ActiveMovie1 = new FilmControl(client());
    ActiveMovie1->setObjectName(QStringLiteral("ActiveMovie1"));

    // Size template of the window only; it lies outside the visible area.
    Picture1 = new QLabel(client());
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(QPixmap(QStringLiteral(":/start/intro.png")));
    Picture1->adjustSize();
    Picture1->move(platform::twipsX(3960), 0);
    Picture1->hide();

    MMControl1 = new WavePlayer(QStringLiteral("MMControl1"), this);

    connect(ActiveMovie1, &FilmControl::StateChange, this, &Form7::ActiveMovie1_StateChange);
    connect(ActiveMovie1, &FilmControl::Click, this, &Form7::ActiveMovie1_Click);
}

void Form7::setVisible(bool visible)
{
    if (visible && !m_geladen)
        Form_Load();
    Form::setVisible(visible);
}

void Form7::Form_Load()
{
    m_geladen = true;
    QSize groesse = Picture1->pixmap().isNull() ? QSize(168, 190) : Picture1->pixmap().size();
    client()->setFixedSize(groesse);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The film fills the window; it starts a little left of the edge.
    int links = platform::twipsX(-20);
    ActiveMovie1->setGeometry(links, 0, groesse.width() - links, groesse.height());
    adjustSize();
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    platform::DoEvents();

    film = 0;
    ActiveMovie1->setFileName(ProgrammPfad + start::kFilm);

    // Without its sound file the film plays silently.
    m_klangOffen = false;
    if (start::vorhanden(ProgrammPfad + start::kFilmKlang)) {
        MMControl1->Notify = false;
        MMControl1->Wait = true;
        MMControl1->FileName = ProgrammPfad + start::kFilmKlang;
        m_klangOffen = true;
        klang(QStringLiteral("Open"));
    }
    Form5::instance()->hide();
}

void Form7::ActiveMovie1_StateChange(qint32 oldState, qint32 newState)
{
    Q_UNUSED(oldState);
    Q_UNUSED(newState);
    // Our player starts a sound afresh on every "Play": only the start of
    // the film plays it, so the end does not replay a blip of it.
    if (film == 0)
        klang(QStringLiteral("Play"));
    film = qint16(film + 1);
    if (film == 2) {
        platform::DoEvents();
        klang(QStringLiteral("Close"));
        m_klangOffen = false;
        Form3::instance()->show();
    }
}

void Form7::ActiveMovie1_Click()
{
    ActiveMovie1->Stop();
}

void Form7::klang(const QString &command)
{
    if (!m_klangOffen)
        return;
    try {
        MMControl1->Command(command);
    } catch (const platform::Error &) {
        // A sound that cannot be played leaves the film silent.
        m_klangOffen = false;
    }
}
