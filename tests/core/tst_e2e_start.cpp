// The whole start from splash to main window, the intro window's ends, and the players on whatever
// audio output there is (a null sink under "make test"): playing never hangs.
#include "core/form3.h"
#include "core/form5.h"
#include "core/form7.h"
#include "core/globals.h"
#include "core/startup.h"
#include "mainwindow/form1.h"
#include "platform/units.h"
#include "platform/waveplayer.h"
#include "testmain.h"
#include "testsupport.h"
#include "wavedatei.h"

#include <QApplication>
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The build puts the media beside the programs; a copy replaces what is there.
bool kopieren(const QString &ordner, const QString &name)
{
    QFile::remove(ordner + name);
    return QFile::copy(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name, ordner + name);
}
// By name, so that the test does not create the start settings before the chain does.
QWidget *fenster(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}
bool sichtbar(const QString &name) { return fenster(name) && fenster(name)->isVisible(); }
} // namespace

class TestE2eStart : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_pfad;
    QTemporaryDir m_filmDir;
    QString m_film;
    Dialoge m_dialoge;

    // The intro window hands over to the start settings at the film's end, its sound closed.
    Form7 *starten()
    {
        ProgrammPfad = m_film;
        Form3::instance()->hide();
        Form7 *f = Form7::instance();
        f->Form_Load();
        f->show();
        return f;
    }
    void endetBeiDenStarteinstellungen(Form7 *f)
    {
        QTRY_VERIFY_WITH_TIMEOUT(Form3::instance()->isVisible(), 15000);
        QCOMPARE(f->film, qint16(2));
        QCOMPARE(f->MMControl1->Mode(), WavePlayer::kNotOpen);
    }
    bool videoMeldung() const
    {
        return m_dialoge.prompts().contains(QStringLiteral("Die Videodatei befindet sich nicht im Programmverzeichnis."));
    }

private slots:
    void initTestCase()
    {
        m_pfad = m_dir.path() + QLatin1Char('/');
        // The intro window's folder: short sounds, and shortcuts that keep the start settings quiet.
        m_film = m_filmDir.path() + QLatin1Char('/');
        schreibeKlaenge(m_film, 200);
        for (const QString &ordner : {m_pfad, m_film})
            for (const char *d : {"film.avi", "tramsel2.wav", "Tramsel's Homepage.url", "Tramsel's GubMail.url"})
                QVERIFY2(kopieren(ordner, QString::fromLatin1(d)), d);
        // The program file sits in this folder, as the platform would say.
        start::setAnwendungsPfad(m_dir.path());
        Form1::endProgram = [] {};
    }
    void init()
    {
        QVERIFY(kopieren(m_film, "film.avi") && kopieren(m_film, "tramsel2.wav"));
        m_dialoge.leeren();
    }

    void ersterStartZeigtDenFilm()
    {
        Form5 *splash = Form5::instance();
        splash->Form_Load();
        QCOMPARE(ProgrammPfad, m_pfad);
        QCOMPARE(QFileInfo(m_pfad + QStringLiteral("no.film")).size(), 0);
        QCOMPARE(FilmGezeigt.toInt(), 1);
        // The splash fits its picture with a margin on every side.
        QVERIFY(!splash->Picture1->pixmap().isNull() && !Form7::instance()->Picture1->pixmap().isNull());
        QCOMPARE(splash->Picture1->size(), QSize(500, 191));
        QCOMPARE(splash->client()->size(), QSize(500 + 2 * platform::twipsX(240), 191 + 2 * platform::twipsY(240)));
        Form7 *intro = Form7::instance();
        QVERIFY(intro->isVisible() && !splash->isVisible() && !sichtbar(QStringLiteral("Form3")));
        QCOMPARE(intro->size(), QSize(168, 190));
        QTRY_COMPARE_WITH_TIMEOUT(intro->film, qint16(1), 8000);
        QElapsedTimer uhr;
        uhr.start();
        // The sound plays where there is a device to hear it.
        if (intro->MMControl1->Mode() != WavePlayer::kNotOpen && !QMediaDevices::audioOutputs().isEmpty())
            QTRY_COMPARE_WITH_TIMEOUT(intro->MMControl1->Mode(), int(WavePlayer::kPlaying), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(sichtbar(QStringLiteral("Form3")), 15000);
        endetBeiDenStarteinstellungen(intro);
        // The start settings hide the intro window once they show.
        QVERIFY(!intro->isVisible());
        QVERIFY(!videoMeldung());
        // Played to its end of about four seconds, not cut off by the watchdog.
        QCOMPARE(intro->ActiveMovie1->player()->mediaStatus(), QMediaPlayer::EndOfMedia);
        QVERIFY2(uhr.elapsed() >= 3000, qPrintable(QString::number(uhr.elapsed())));
    }

    void okFuehrtZumHauptfenster()
    {
        auto *form3 = static_cast<Form3 *>(fenster(QStringLiteral("Form3")));
        QVERIFY(form3);
        // Without a settings file the orders file is "Befehle.txt" and no report loads.
        schreibeDatei(m_pfad + QStringLiteral("Befehle.txt"), QByteArray());
        form3->Text1->setText(m_pfad);
        form3->Command3->click();
        QTRY_VERIFY_WITH_TIMEOUT(sichtbar(QStringLiteral("Form1")), 5000);
        QVERIFY(!form3->isVisible());
        QCOMPARE(StandardPfad, m_pfad);
    }

    void weitereStarteOhneFilm()
    {
        fenster(QStringLiteral("Form1"))->hide();
        fenster(QStringLiteral("Form3"))->hide();
        Form5::instance()->Form_Load();
        QCOMPARE(FilmGezeigt, QVariant(0));
        QVERIFY(sichtbar(QStringLiteral("Form3")) && !Form7::instance()->isVisible());
        QCOMPARE(Form7::instance()->film, qint16(2)); // not started again
        QVERIFY(!videoMeldung());
        // Without the film file the marker is still there, but the missing film is told first.
        fenster(QStringLiteral("Form3"))->hide();
        QVERIFY(QFile::remove(m_pfad + QStringLiteral("film.avi")));
        Form5::instance()->Form_Load();
        QVERIFY(videoMeldung());
        QCOMPARE(m_dialoge.boxen.first().buttons, int(platform::OkOnly));
        QCOMPARE(m_dialoge.boxen.first().title, platform::kTitel);
        QVERIFY(!FilmGezeigt.isValid());
        QVERIFY(sichtbar(QStringLiteral("Form3")) && !Form7::instance()->isVisible());
    }

    void filmOhneKlang()
    {
        QVERIFY(QFile::remove(m_film + QStringLiteral("tramsel2.wav")));
        Form7 *f = starten();
        QTRY_COMPARE_WITH_TIMEOUT(f->film, qint16(1), 8000);
        QCOMPARE(f->MMControl1->Mode(), WavePlayer::kNotOpen);
        endetBeiDenStarteinstellungen(f);
        QVERIFY(m_dialoge.boxen.isEmpty());
    }

    void klickBeendetFilm()
    {
        Form7 *f = starten();
        QTRY_COMPARE_WITH_TIMEOUT(f->film, qint16(1), 8000);
        QElapsedTimer uhr;
        uhr.start();
        QTest::mouseClick(f->ActiveMovie1, Qt::LeftButton);
        endetBeiDenStarteinstellungen(f);
        QVERIFY2(uhr.elapsed() < 1000, qPrintable(QString::number(uhr.elapsed())));
        QCOMPARE(f->ActiveMovie1->player()->playbackState(), QMediaPlayer::StoppedState);
        // Later reports of the stopped film change nothing.
        QTest::qWait(300);
        QCOMPARE(f->film, qint16(2));
    }

    void kaputterFilmFuehrtZuDenStarteinstellungen()
    {
        QByteArray muell("RIFF\x10\0\0\0AVI LIST", 16);
        for (int i = 0; i < 64 * 1024; ++i)
            muell += char((i * 7919 + 13) % 251);
        schreibeDatei(m_film + QStringLiteral("film.avi"), muell);
        endetBeiDenStarteinstellungen(starten());
    }

    void spielenEndetRechtzeitig()
    {
        WavePlayer m(QStringLiteral("M"));
        m.FileName = m_film + "sounds/gub1.wav";
        m.Command(QStringLiteral("Open"));
        m.Command(QStringLiteral("Play"));
        // A second Open of the same sound leaves it ready to play.
        m.Command(QStringLiteral("Open"));
        QCOMPARE(m.Mode(), WavePlayer::kStopped);
        m.Command(QStringLiteral("Play"));
        m.Command(QStringLiteral("Prev"));
        // Where there is an output the sound really plays, and ends in time.
        bool lief = false;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 5000 && (m.Mode() == WavePlayer::kPlaying || (!lief && t.elapsed() < 1000))) {
            lief = lief || m.Mode() == WavePlayer::kPlaying;
            QTest::qWait(5);
        }
        QVERIFY2(t.elapsed() < 200 + 1000 + 300, qPrintable(QString::number(t.elapsed())));
        // Playing again right away starts over; stopping ends it at once.
        m.Command(QStringLiteral("Play"));
        m.Command(QStringLiteral("Stop"));
        QCOMPARE(m.Mode(), WavePlayer::kStopped);
        // A file that is no wave opens and "plays" in silence, and closes at once.
        m.FileName = m_film + QStringLiteral("kaputt.wav");
        schreibeDatei(m.FileName, "RIFF");
        m.Command(QStringLiteral("Open"));
        QSignalSpy gespielt(&m, &WavePlayer::gespielt);
        m.Command(QStringLiteral("Play"));
        QCOMPARE(gespielt.size(), 1);
        QTest::qWait(50);
        QCOMPARE(m.Mode(), WavePlayer::kStopped);
        t.restart();
        m.Command(QStringLiteral("Close"));
        QCOMPARE(m.Mode(), WavePlayer::kNotOpen);
        QVERIFY(t.elapsed() < 500);
        if (QMediaDevices::audioOutputs().isEmpty())
            QSKIP("no audio output: nothing can be heard playing");
        QVERIFY(lief);
    }

    void testenAllerGruppenHatEinEnde()
    {
        ProgrammPfad = m_film;
        delete Form3::instance();
        Form3 *f = Form3::instance();
        f->Check2->setChecked(true);
        f->Check3->setChecked(true);
        f->Check4->setChecked(true);
        QElapsedTimer t;
        t.start();
        f->Command5_Click();
        // Five sounds, each at most its length plus a second, and the pauses.
        QVERIFY2(t.elapsed() < 5 * (200 + 1000 + 500) + 1000, qPrintable(QString::number(t.elapsed())));
        QVERIFY(m_dialoge.boxen.isEmpty());
    }
};

BW_TEST_MAIN(TestE2eStart)
#include "tst_e2e_start.moc"
