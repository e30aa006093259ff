// Sound players, play routines, the sound switches and "Testen", with no
// audio device at all.
#include "core/form3.h"
#include "core/globals.h"
#include "core/sound.h"
#include "mainwindow/form1.h"
#include "platform/waveplayer.h"
#include "testsupport.h"
#include "wavedatei.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

OHNE_TON;

class TestKlang : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    Dialoge m_dialoge;
    int m_ende = 0;

    // A fresh start settings window over the given sound files.
    Form3 *neu(const QStringList &klaenge)
    {
        if (Form3::exists())
            delete Form3::instance();
        QDir(ProgrammPfad + "sounds").removeRecursively();
        for (const QString &k : klaenge)
            schreibeWave(ProgrammPfad + QStringLiteral("sounds/") + k, 60);
        Form3 *f = Form3::instance();
        m_dialoge.leeren();
        return f;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        ProgrammPfad = m_dir.path() + QStringLiteral("/prog/");
        schreibeDatei(ProgrammPfad + "Tramsel's Homepage.url", "[InternetShortcut]\r\nURL=https://example.org/\r\n");
        schreibeDatei(ProgrammPfad + "Tramsel's GubMail.url", "[InternetShortcut]\r\nURL=mailto:a@example.org\r\n");
        Form1::endProgram = [this] { ++m_ende; };
    }

    void waveLaengeAusDemKopf()
    {
        QCOMPARE(WavePlayer::laengeMs(waveBytes(250)), qint64(250));
        QCOMPARE(WavePlayer::laengeMs(waveBytes(1000, 22050)), qint64(1000));
        QCOMPARE(WavePlayer::laengeMs("RIFF\0\0\0\0WAVE"), qint64(0));
        QCOMPARE(WavePlayer::laengeMs("kein Klang"), qint64(0));
        // Header says more than the file holds: the bytes present count.
        QCOMPARE(WavePlayer::laengeMs(waveBytes(400).left(44 + 1600)), qint64(100));
    }

    void spielerOhneGeraet()
    {
        WavePlayer m(QStringLiteral("M"));
        QSignalSpy gespielt(&m, &WavePlayer::gespielt);
        m.Command(QStringLiteral("Play"));
        m.FileName = m_dir.filePath(QStringLiteral("fehlt.wav"));
        m.Command(QStringLiteral("Open"));
        QCOMPARE(m.Mode(), WavePlayer::kNotOpen);
        m.FileName = m_dir.filePath(QStringLiteral("da.wav"));
        schreibeWave(m.FileName, 500);
        m.Command(QStringLiteral("Open"));
        QCOMPARE(m.Mode(), WavePlayer::kStopped);
        m.Command(QStringLiteral("Play"));
        m.Command(QStringLiteral("Prev"));
        QCOMPARE(m.Mode(), WavePlayer::kStopped); // nothing to wait for
        m.Command(QStringLiteral("close"));
        QCOMPARE(m.Mode(), WavePlayer::kNotOpen);
        m.Command(QStringLiteral("Play"));
        // Only the play while open counts.
        QCOMPARE(gespielt.count(), 1);
    }

    void spielroutinenNurMitSchalter()
    {
        Form3 *f = neu({QStringLiteral("Klick.wav"), QStringLiteral("Trööt.wav"), QStringLiteral("FELD.wav"),
                        QStringLiteral("gubhort.wav")});
        QCOMPARE((QList<qint16>{f->vorhandenklick, f->vorhandentipp, f->vorhandenbest}), (QList<qint16>{1, 0, 0}));
        QList<QSignalSpy *> spies;
        for (WavePlayer *m : {f->MMControl5, f->MMControl6, f->MMControl7, f->MMControl8})
            spies << new QSignalSpy(m, &WavePlayer::gespielt);
        for (qint16 an : {0, 1}) {
            KlickKlangAn = an;
            KlickSpielen();
            TroeoetSpielen();
            FeldSpielen();
            GubHortSpielen();
            for (QSignalSpy *s : spies)
                QCOMPARE(s->count(), int(an));
        }
        qDeleteAll(spies);
        KlickKlangAn = 0;
    }

    void hakenPerCodeWirdAngenommen()
    {
        Form3 *f = neu({});
        QVERIFY(!f->Command5->isEnabled());
        f->Check2->setChecked(true);
        QVERIFY(f->Check2->isChecked() && f->Command5->isEnabled());
        QCOMPARE(TippKlangAn, qint16(1));
        f->Check2->setChecked(false);
        QCOMPARE(TippKlangAn, qint16(0));
        QVERIFY(!f->Command5->isEnabled());
    }

    void hakenPerMausOhneDateiWirdAbgelehnt()
    {
        Form3 *f = neu({QStringLiteral("Klick.wav")});
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QTest::mouseClick(f->Check2, Qt::LeftButton);
        QCOMPARE(f->manuell, qint16(1));
        QVERIFY(!f->Check2->isChecked() && !f->Command5->isEnabled());
        QCOMPARE(TippKlangAn, qint16(0));
        QCOMPARE(f->Label1->caption(), QStringLiteral("Es existiert keine entsprechende Sounddatei auf deinem Computer."));
        f->Check2_LostFocus();
        QCOMPARE(f->Label1->caption(), QString());
        // "klick.wav" is found whatever its case on disk.
        QTest::mouseClick(f->Check4, Qt::LeftButton);
        QVERIFY(f->Check4->isChecked() && f->Command5->isEnabled());
        QCOMPARE(KlickKlangAn, qint16(1));
        QTest::mouseClick(f->Check3, Qt::LeftButton);
        QVERIFY(!f->Check3->isChecked() && f->Command5->isEnabled()); // Check4 still ticked
        QTest::mouseClick(f->Check4, Qt::LeftButton);
        QVERIFY(!f->Command5->isEnabled());
        QCOMPARE(KlickKlangAn, qint16(0));
        f->hide();
    }

    void testenSpieltNurGub2()
    {
        Form3 *f = neu({QStringLiteral("gub2.wav"), QStringLiteral("Klick.wav")});
        f->Check3->setChecked(true);
        QStringList gespielt;
        for (WavePlayer *m : {f->MMControl1, f->MMControl2, f->MMControl3, f->MMControl4, f->MMControl5,
                              f->MMControl6, f->MMControl7, f->MMControl8})
            connect(m, &WavePlayer::gespielt, this, [&, m] { gespielt << m->objectName() + ':' + f->Label1->caption(); });
        QElapsedTimer t;
        t.start();
        f->Command5_Click();
        QVERIFY2(t.elapsed() < 60 + 1000 + 500 + 1500, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(gespielt, QStringList{QStringLiteral("MMControl2:GUB 2")});
        QCOMPARE(f->Label1->caption(), QString());
        QVERIFY(m_dialoge.boxen.isEmpty());
    }

    void testenMeldetFehlendeGruppen()
    {
        Form3 *f = neu({});
        f->Check2->setChecked(true);
        f->Command5_Click();
        QCOMPARE(m_dialoge.prompts(), QStringList{QStringLiteral("Keine Sounddateien verfügbar.")});

        f = neu({QStringLiteral("klick.wav")});
        QSignalSpy klick(f->MMControl5, &WavePlayer::gespielt);
        f->Check2->setChecked(true); // by code: not refused
        f->Check4->setChecked(true);
        f->Command5_Click();
        f->Check4->setChecked(false);
        f->Command5_Click();
        QCOMPARE(m_dialoge.prompts(), QStringList(2, QStringLiteral("Tipp-Sounddatei nicht verfügbar.")));
        QCOMPARE(klick.count(), 1);
    }

    // Last: "Ok" opens the main window.
    void okBeendetDenTest()
    {
        Form3 *f = neu({QStringLiteral("dui.wav"), QStringLiteral("gub1.wav")});
        const QString ordner = m_dir.path() + QStringLiteral("/spiel/");
        schreibeDatei(ordner + "Befehle.txt", "Befehle\r\n");
        f->Text1->setText(ordner);
        f->Check2->setChecked(true);
        f->Check3->setChecked(true);
        QSignalSpy tipp(f->MMControl4, &WavePlayer::gespielt), gub1(f->MMControl3, &WavePlayer::gespielt);
        QTimer::singleShot(100, f, [f] { f->Command3_Click(); });
        f->Command5_Click();
        QCOMPARE(tipp.count(), 1);
        QCOMPARE(gub1.count(), 0);
        QCOMPARE(f->schluss, qint16(1));
        QVERIFY(Form1::exists() && !f->isVisible());
        QCOMPARE(m_ende, 0);
    }
};

QTEST_MAIN(TestKlang)
#include "tst_klang.moc"
