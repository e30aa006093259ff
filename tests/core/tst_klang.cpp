// Sound players, play routines, the sound switches and "Testen", with no
// audio device at all.
#include "core/form3.h"
#include "core/globals.h"
#include "platform/waveplayer.h"
#include "core/sound.h"
#include "mainwindow/form1.h"
#include "testsupport.h"
#include "wavedatei.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
// No sound server: the players must stay silent and never wait.
const bool g_ohneTon = [] {
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse");
    return true;
}();
} // namespace

class TestKlang : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    Dialoge m_dialoge;
    int m_ende = 0;

    QString klang(const QString &name) const { return ProgrammPfad + QStringLiteral("sounds/") + name; }

    // A fresh start settings window over the given sound files.
    Form3 *neu(const QStringList &klaenge)
    {
        if (Form3::exists())
            delete Form3::instance();
        QDir(ProgrammPfad + "sounds").removeRecursively();
        QDir().mkpath(ProgrammPfad + "sounds");
        for (const QString &k : klaenge)
            schreibeWave(klang(k), 60);
        Form3 *f = Form3::instance();
        m_dialoge.leeren();
        return f;
    }

    static QList<WavePlayer *> spieler(Form3 *f)
    {
        return {f->MMControl1, f->MMControl2, f->MMControl3, f->MMControl4,
                f->MMControl5, f->MMControl6, f->MMControl7, f->MMControl8};
    }

private slots:
    void initTestCase()
    {
        Q_UNUSED(g_ohneTon);
        QVERIFY(m_dir.isValid());
        ProgrammPfad = m_dir.path() + QStringLiteral("/prog/");
        QDir().mkpath(ProgrammPfad);
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
        QCOMPARE(m.Mode(), WavePlayer::kNotOpen);
        m.Command(QStringLiteral("Play"));
        QCOMPARE(gespielt.count(), 0);

        m.FileName = m_dir.filePath(QStringLiteral("fehlt.wav"));
        m.Command(QStringLiteral("Open"));
        QCOMPARE(m.Mode(), WavePlayer::kNotOpen);

        m.FileName = m_dir.filePath(QStringLiteral("da.wav"));
        schreibeWave(m.FileName, 500);
        m.Command(QStringLiteral("Open"));
        QCOMPARE(m.Mode(), WavePlayer::kStopped);
        m.Command(QStringLiteral("Play"));
        m.Command(QStringLiteral("Prev"));
        QCOMPARE(gespielt.count(), 1);
        QCOMPARE(m.Mode(), WavePlayer::kStopped); // nothing to wait for
        m.Command(QStringLiteral("close"));
        QCOMPARE(m.Mode(), WavePlayer::kNotOpen);
        m.Command(QStringLiteral("Play"));
        QCOMPARE(gespielt.count(), 1);
    }

    void spielroutinenNurMitSchalter()
    {
        Form3 *f = neu({QStringLiteral("Klick.wav"), QStringLiteral("Trööt.wav"), QStringLiteral("FELD.wav"),
                        QStringLiteral("gubhort.wav")});
        QCOMPARE(f->vorhandenklick, qint16(1));
        QCOMPARE(f->vorhandentipp, qint16(0));
        QCOMPARE(f->vorhandenbest, qint16(0));
        QSignalSpy s5(f->MMControl5, &WavePlayer::gespielt), s6(f->MMControl6, &WavePlayer::gespielt),
            s7(f->MMControl7, &WavePlayer::gespielt), s8(f->MMControl8, &WavePlayer::gespielt);
        KlickKlangAn = 0;
        KlickSpielen();
        TroeoetSpielen();
        FeldSpielen();
        GubHortSpielen();
        QCOMPARE(s5.count() + s6.count() + s7.count() + s8.count(), 0);
        KlickKlangAn = 1;
        KlickSpielen();
        TroeoetSpielen();
        FeldSpielen();
        GubHortSpielen();
        QCOMPARE(s5.count(), 1);
        QCOMPARE(s6.count(), 1);
        QCOMPARE(s7.count(), 1);
        QCOMPARE(s8.count(), 1);
        KlickKlangAn = 0;
    }

    void hakenPerCodeWirdAngenommen()
    {
        Form3 *f = neu({});
        QVERIFY(!f->Command5->isEnabled());
        f->Check2->setChecked(true);
        QVERIFY(f->Check2->isChecked());
        QCOMPARE(TippKlangAn, qint16(1));
        QVERIFY(f->Command5->isEnabled());
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
        QVERIFY(!f->Check2->isChecked());
        QCOMPARE(TippKlangAn, qint16(0));
        QCOMPARE(f->Label1->caption(), QStringLiteral("Es existiert keine entsprechende Sounddatei auf deinem Computer."));
        QVERIFY(!f->Command5->isEnabled());
        f->Check2_LostFocus();
        QCOMPARE(f->Label1->caption(), QString());

        // "klick.wav" is found whatever its case on disk.
        QTest::mouseClick(f->Check4, Qt::LeftButton);
        QVERIFY(f->Check4->isChecked());
        QCOMPARE(KlickKlangAn, qint16(1));
        QVERIFY(f->Command5->isEnabled());

        QTest::mouseClick(f->Check3, Qt::LeftButton);
        QVERIFY(!f->Check3->isChecked());
        QVERIFY(f->Command5->isEnabled()); // Check4 still ticked
        QTest::mouseClick(f->Check4, Qt::LeftButton);
        QVERIFY(!f->Command5->isEnabled());
        QCOMPARE(KlickKlangAn, qint16(0));
        f->hide();
    }

    void testenSpieltNurGub2()
    {
        Form3 *f = neu({QStringLiteral("gub2.wav"), QStringLiteral("Klick.wav")});
        f->Check3->setChecked(true);
        QStringList beschriftung;
        QList<int> zaehler(8, 0);
        const auto alle = spieler(f);
        for (int i = 0; i < 8; ++i)
            connect(alle[i], &WavePlayer::gespielt, this, [&, i] {
                ++zaehler[i];
                beschriftung << f->Label1->caption();
            });
        QElapsedTimer t;
        t.start();
        f->Command5_Click();
        QVERIFY2(t.elapsed() < 60 + 1000 + 500 + 1500, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(zaehler, QList<int>({0, 1, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(beschriftung, QStringList{QStringLiteral("GUB 2")});
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
        QCOMPARE(m_dialoge.prompts(), QStringList{QStringLiteral("Tipp-Sounddatei nicht verfügbar.")});
        QCOMPARE(klick.count(), 1);

        m_dialoge.leeren();
        f->Check4->setChecked(false);
        f->Command5_Click();
        QCOMPARE(m_dialoge.prompts(), QStringList{QStringLiteral("Tipp-Sounddatei nicht verfügbar.")});
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
        QVERIFY(Form1::exists());
        QVERIFY(!f->isVisible());
        QCOMPARE(m_ende, 0);
    }
};

QTEST_MAIN(TestKlang)
#include "tst_klang.moc"
