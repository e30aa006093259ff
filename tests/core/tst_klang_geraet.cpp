// The players on whatever audio output the machine has (a null sink under
// "make test", none at all elsewhere): playing never hangs, and "Testen"
// waits no longer than each sound plus a second.
#include "core/form3.h"
#include "core/globals.h"
#include "platform/waveplayer.h"
#include "mainwindow/form1.h"
#include "testsupport.h"
#include "wavedatei.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTest>

class TestKlangGeraet : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    Dialoge m_dialoge;

private slots:
    void initTestCase()
    {
        ProgrammPfad = m_dir.path() + QStringLiteral("/prog/");
        schreibeKlaenge(ProgrammPfad, 200);
        Form1::endProgram = [] {};
        qInfo() << "audio outputs:" << QMediaDevices::audioOutputs().size();
    }

    void spielenEndetRechtzeitig()
    {
        WavePlayer m(QStringLiteral("M"));
        m.FileName = ProgrammPfad + "sounds/gub1.wav";
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

QTEST_MAIN(TestKlangGeraet)
#include "tst_klang_geraet.moc"
