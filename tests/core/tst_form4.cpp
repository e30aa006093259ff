// The folder and file picker in its three modes, and "Ok" with a picked start report.
#include "core/form3.h"
#include "core/form4.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "testmain.h"
#include "testsupport.h"
#include "wavedatei.h"

#include <QTemporaryDir>
#include <QTest>

OHNE_TON;

class TestForm4 : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    Dialoge m_dialoge;
    QString m_a;

    void klickOrdner(Form4 *f, const QString &pfad)
    {
        int i = f->Dir1->count() - 1;
        while (i >= 0 && f->Dir1->entryPath(i) != pfad)
            --i;
        QVERIFY2(i >= 0, qPrintable(pfad));
        f->Dir1->setCurrentRow(i);
        f->Dir1_Click();
    }

private slots:
    void initTestCase()
    {
        ProgrammPfad = m_dir.path() + QStringLiteral("/prog/");
        QDir().mkpath(ProgrammPfad);
        m_a = m_dir.path() + QStringLiteral("/a");
        schreibeDatei(m_a + "/Befehle.txt", "x");
        schreibeDatei(m_a + "/Zug 8.txt", "x");
        schreibeDatei(m_a + "/b/Auswertung.txt", "x");
        Form1::endProgram = [] {};
        Form3::instance()->Text1->setText(m_a + "/");
    }

    void ordnerWaehlen()
    {
        Form3 *f3 = Form3::instance();
        f3->Command1_Click(0);
        Form4 *f = Form4::instance();
        f->Form_Activate();
        QVERIFY(f->isVisible() && f->Dir1->isEnabled() && !f->File1->isEnabled());
        QCOMPARE(f->Dir1->path(), m_a);

        klickOrdner(f, m_a + "/b");
        QTest::keyClicks(f->Text1, "x"); // the box only shows the pick
        QCOMPARE(f->Text1->text(), m_a + "/b/");
        QCOMPARE(f3->Text1->text(), m_a + "/b/");
        QCOMPARE(f->Dir1->path(), m_a); // a single click does not move the lists

        klickOrdner(f, QStringLiteral("/"));
        QCOMPARE(f3->Text1->text(), QStringLiteral("/"));

        // A double click opens the folder; the file list follows.
        f->Dir1->setPath(m_a + "/b");
        QCOMPARE(QDir::currentPath(), m_a + "/b");
        f->Command1_Click();
        QVERIFY(!f->isVisible());
    }

    void dateiWaehlen()
    {
        Form3 *f3 = Form3::instance();
        f3->Command1_Click(1);
        Form4 *f = Form4::instance();
        f->Form_Activate();
        QVERIFY(!f->Dir1->isEnabled() && f->File1->isEnabled());
        // The lists stay where the folder list was last moved.
        QCOMPARE(f->File1->path(), m_a + "/b");
        f->File1->selectFile(QStringLiteral("Auswertung.txt"));
        QCOMPARE(f3->Text3->text(), QStringLiteral("Auswertung.txt"));
        QCOMPARE(f->Text1->text(), QStringLiteral("Auswertung.txt"));

        f3->Command1_Click(2);
        f->File1->setPath(m_a);
        f->File1->selectFile(QStringLiteral("Befehle.txt"));
        QCOMPARE(f3->Text2->text(), QStringLiteral("Befehle.txt"));
        QCOMPARE(f3->Text3->text(), QStringLiteral("Auswertung.txt"));
        f->File1_DblClick();
        QVERIFY(!f->isVisible());

        // By keys: Down chooses the next file, Return takes it as "Ok" does.
        f3->Command1_Click(2);
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->File1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f->File1, Qt::Key_Down);
        QCOMPARE(f3->Text2->text(), QStringLiteral("Zug 8.txt"));
        QTest::keyClick(f->File1, Qt::Key_Return);
        QVERIFY(!f->isVisible());
        QCOMPARE(f3->Text2->text(), QStringLiteral("Zug 8.txt"));
    }

    void schliessenEntlaedt()
    {
        Form4 *f = Form4::instance();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(m_a);
        QCOMPARE(Form4::instance()->Dir1->path(), m_a);
    }

    void fehlenderOrdnerZeigtPickerTrotzdem()
    {
        Form3::instance()->Text1->setText(m_dir.path() + "/gibtsnicht/");
        Form3::instance()->Command1_Click(0);
        QVERIFY(Form4::instance()->isVisible());
        QCOMPARE(QDir::currentPath(), QDir::homePath());
        QCOMPARE(AuswahlModus, qint16(0));
    }
    // Last, as the main window comes only once: "Ok" loads the start report on the progress bar.
    void okLaedtStartbericht()
    {
        schreibeWave(ProgrammPfad + "sounds/gub3.wav", 40);
        schreibeDatei(m_a + "/Runde 7.txt", "Gub Auswertung\r\n#BEF 12 34 Spieler\r\nRest\r\n");
        // Settings as the player saved them, with confirmation sounds on.
        schreibeDatei(ProgrammPfad + "Tramsel's Einstellungen.dat",
                      "\"" + m_a.toLatin1() + "\"\r\n\"Befehle.txt\"\r\n\"Runde 7.txt\"\r\n1\r\n1\r\n0\r\n0\r\n");
        delete Form3::instance();
        Form3 *f = Form3::instance();
        f->show();
        m_dialoge.leeren();
        f->Command3_Click();
        QVERIFY2(Form1::exists(), qPrintable(m_dialoge.prompts().join('|')));
        QCOMPARE(StartAuswertung, QStringLiteral("Runde 7.txt"));
        QCOMPARE(StandardPfad, m_a + "/");
        QVERIFY(Form1::instance()->Text1->text().startsWith(QStringLiteral("#BEF 12 34 Spieler")));
        QVERIFY(f->ProgressBar1->value() > 0);
    }
};

BW_TEST_MAIN(TestForm4)
#include "tst_form4.moc"
