// "Ok" with a start report: the main window opens on the chosen folder and
// loads the report on the start settings window's progress bar.
#include "core/form3.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "testsupport.h"
#include "wavedatei.h"

#include <QTemporaryDir>
#include <QTest>

OHNE_TON;

class TestForm3Start : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    Dialoge m_dialoge;
    int m_ende = 0;

private slots:
    void okLaedtStartbericht()
    {
        ProgrammPfad = m_dir.path() + QStringLiteral("/prog/");
        schreibeWave(ProgrammPfad + "sounds/gub3.wav", 40);
        const QString spiel = m_dir.path() + QStringLiteral("/spiel/");
        const QByteArray bericht = "Gub Auswertung\r\n#BEF 12 34 Spieler\r\nRest\r\n";
        schreibeDatei(spiel + "Befehle.txt", "; Befehle\r\n");
        schreibeDatei(spiel + "Runde 7.txt", bericht);
        // Settings as the player saved them, with confirmation sounds on.
        schreibeDatei(ProgrammPfad + "Tramsel's Einstellungen.dat",
                      "\"" + spiel.toLatin1() + "\"\r\n\"Befehle.txt\"\r\n\"Runde 7.txt\"\r\n1\r\n1\r\n0\r\n0\r\n");
        Form1::endProgram = [this] { ++m_ende; };

        Form3 *f = Form3::instance();
        QVERIFY(f->Check1->isChecked());
        QVERIFY(f->Check3->isChecked());
        f->show();
        f->Command3_Click();
        QVERIFY2(Form1::exists(), qPrintable(m_dialoge.prompts().join('|')));
        QVERIFY(Form1::instance()->isVisible());
        QVERIFY(!f->isVisible());
        QCOMPARE(StartAuswertung, QStringLiteral("Runde 7.txt"));
        QVERIFY(Form1::instance()->Text1->text().startsWith(QStringLiteral("#BEF 12 34 Spieler")));
        QVERIFY(f->ProgressBar1->value() > 0);
        QCOMPARE(QDir::currentPath() + "/", spiel);
        QCOMPARE(m_ende, 0);
    }
};

QTEST_MAIN(TestForm3Start)
#include "tst_form3_start.moc"
