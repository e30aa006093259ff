// The intro window: film with sound, its end, a click on it, a film that
// cannot be played and a film without its sound; then the players on
// whatever audio output the machine has (a null sink under "make test", none
// at all elsewhere): playing never hangs, and "Testen" waits no longer than
// each sound plus a second.
#include "core/form3.h"
#include "core/form5.h"
#include "core/form7.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "platform/waveplayer.h"
#include "testsupport.h"
#include "wavedatei.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QTest>

class TestStartFilm : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_pfad;
    Dialoge m_dialoge;

    // Copies a medium from beside the programs, where the build puts them.
    bool kopieren(const char *name)
    {
        return QFile::copy(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromLatin1(name),
                           m_pfad + QString::fromLatin1(name));
    }
    // Shows the intro window; it hands over to the start settings at the
    // film's end, and the film's sound is closed by then.
    Form7 *starten()
    {
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

private slots:
    void initTestCase()
    {
        m_pfad = m_dir.path() + QLatin1Char('/');
        ProgrammPfad = m_pfad;
        schreibeKlaenge(m_pfad, 200);
        Form1::endProgram = [] {};
        qInfo() << "audio outputs:" << QMediaDevices::audioOutputs().size();
        // The start settings find their shortcuts and stay quiet.
        QVERIFY(kopieren("Tramsel's Homepage.url") && kopieren("Tramsel's GubMail.url"));
    }
    void init()
    {
        QFile::remove(m_pfad + QStringLiteral("film.avi"));
        QFile::remove(m_pfad + QStringLiteral("tramsel2.wav"));
        m_dialoge.leeren();
    }

    void filmLaeuftBisZumEnde()
    {
        QVERIFY(kopieren("film.avi") && kopieren("tramsel2.wav"));
        QElapsedTimer uhr;
        uhr.start();
        Form7 *f = starten();
        QVERIFY(f->isVisible() && !Form5::instance()->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(f->film, qint16(1), 8000);
        QVERIFY(!Form3::instance()->isVisible());
        // The sound plays where there is a device to hear it.
        if (f->MMControl1->Mode() != WavePlayer::kNotOpen && !QMediaDevices::audioOutputs().isEmpty())
            QTRY_COMPARE_WITH_TIMEOUT(f->MMControl1->Mode(), int(WavePlayer::kPlaying), 2000);
        endetBeiDenStarteinstellungen(f);
        // Played to its end of about four seconds, not cut off by the watchdog.
        QCOMPARE(f->ActiveMovie1->player()->mediaStatus(), QMediaPlayer::EndOfMedia);
        QVERIFY2(uhr.elapsed() >= 3000, qPrintable(QString::number(uhr.elapsed())));
    }

    void klickBeendetFilm()
    {
        QVERIFY(kopieren("film.avi") && kopieren("tramsel2.wav"));
        Form7 *f = starten();
        QTRY_COMPARE_WITH_TIMEOUT(f->film, qint16(1), 8000);
        QElapsedTimer uhr;
        uhr.start();
        QTest::mouseClick(f->ActiveMovie1, Qt::LeftButton);
        endetBeiDenStarteinstellungen(f);
        QVERIFY(uhr.elapsed() < 1000);
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
        schreibeDatei(m_pfad + QStringLiteral("film.avi"), muell);
        QVERIFY(kopieren("tramsel2.wav"));
        endetBeiDenStarteinstellungen(starten());
    }

    void filmOhneKlang()
    {
        QVERIFY(kopieren("film.avi"));
        Form7 *f = starten();
        QTRY_COMPARE_WITH_TIMEOUT(f->film, qint16(1), 8000);
        QCOMPARE(f->MMControl1->Mode(), WavePlayer::kNotOpen);
        endetBeiDenStarteinstellungen(f);
        QVERIFY(m_dialoge.boxen.isEmpty());
    }

    void spielenEndetRechtzeitig()
    {
        WavePlayer m(QStringLiteral("M"));
        m.FileName = m_pfad + "sounds/gub1.wav";
        m.Command(QStringLiteral("Open"));
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
        m.Command(QStringLiteral("Close"));
        QCOMPARE(m.Mode(), WavePlayer::kNotOpen);
        if (QMediaDevices::audioOutputs().isEmpty())
            QSKIP("no audio output: nothing can be heard playing");
        QVERIFY(lief);
    }

    void testenAllerGruppenHatEinEnde()
    {
        Form3 *f = Form3::instance();
        m_dialoge.leeren();
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

QTEST_MAIN(TestStartFilm)
#include "tst_start_film.moc"
