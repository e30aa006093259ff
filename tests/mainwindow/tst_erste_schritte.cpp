// What a new player meets first: the splash, the start settings and their "Ok", then the main window:
// Esc in an open list, selections between CR and LF, German error texts, side windows, quitting in a load.
#include "core/form3.h"
#include "core/form5.h"
#include "core/globals.h"
#include "core/startup.h"
#include "mainwindow/form1.h"
#include "mainwindow/leer.h"
#include "orderref/form2.h"
#include "platform/errors.h"
#include "platform/yield.h"
#include "testmain.h"
#include "testsupport.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QtTest>

namespace {
// Set in a process that runs one case of ending the program.
constexpr char kEigenerProzess[] = "BW_ENDE_EIGENER_PROZESS";

bool mittig(QWidget *w)
{
    const QPoint d = w->geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    return qAbs(d.x()) <= 2 && qAbs(d.y()) <= 2;
}
} // namespace

class TstErsteSchritte : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Dialoge dlg;
    QString spiel;
    Form1 *f = nullptr;

    Form3 *neu()
    {
        delete Form3::instance();
        dlg.leeren();
        return Form3::instance();
    }

private slots:
    void initTestCase()
    {
        Form1::endProgram = [] {};
        ProgrammPfad = dir.path() + QStringLiteral("/prog/");
        schreibeDatei(ProgrammPfad + "Tramsel's Homepage.url", "URL=https://example.org/gub\r\n");
        schreibeDatei(ProgrammPfad + "Tramsel's GubMail.url", "URL=mailto:gub@example.org\r\n");
        spiel = dir.path() + QStringLiteral("/spiel/");
        QVERIFY(QDir().mkpath(spiel));
    }

    void linkOhneProgramm()
    {
        Form3 *f3 = neu();
        Form3::linkOeffnen = [](const QUrl &) { return false; };
        f3->Label5_Click();
        Form3::linkOeffnen = [](const QUrl &) { return true; };
        QCOMPARE(dlg.prompts(), QStringList{QStringLiteral("Es wurde kein Programm gefunden, das diesen Link "
                                                           "öffnen kann:\r\nhttps://example.org/gub")});
        QCOMPARE(dlg.boxen[0].title, QStringLiteral("Befehlswart"));
        QCOMPARE(Form2::instance()->fensterZustand(), 0);
    }

    // The splash only until it is drawn, then the start settings, where Enter goes to the focused button.
    void splashUndStartEinstellungen()
    {
        neu();
        start::setAnwendungsPfad(dir.path() + QStringLiteral("/prog")); // no film
        QDeadlineTimer frist(1000);
        Form5::instance()->Form_Load();
        QVERIFY(Form5::instance()->gezeichnet());
        QVERIFY(!frist.hasExpired());
        Form3 *f3 = Form3::instance();
        QVERIFY(QTest::qWaitForWindowExposed(f3));
        QVERIFY(mittig(f3));
        f3->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f3));
        f3->Text1->setText(spiel);
        f3->Check2->setChecked(true); // set by code: "Testen" comes on
        // "Testen" takes Enter itself (there is no sound here); a box does not.
        f3->Command5->setFocus();
        QTest::keyClick(f3->Command5, Qt::Key_Return);
        f3->Text1->setFocus();
        QTest::keyClick(f3->Text1, Qt::Key_Return);
        const QString film = QStringLiteral("Die Videodatei befindet sich nicht im Programmverzeichnis.");
        const QString fehlen = QStringLiteral("Die ausgewählten und angegebenen Dateien müssen sich beide");
        QCOMPARE(dlg.prompts().mid(0, 2), QStringList({film, "Keine Sounddateien verfügbar."}));
        QVERIFY(dlg.prompts().size() == 3 && dlg.letzter().startsWith(fehlen));
        f3->Check1->setChecked(true); // empty names pass the check: the main window opens
        f3->Text3->setText(QString());
        f3->Text2->setText(QString());
        QTest::keyClick(f3->Text1, Qt::Key_Return);
        QCOMPARE(dlg.prompts().filter(fehlen).size(), 1);
        QVERIFY(Form1::exists());
        f = Form1::instance();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QVERIFY(mittig(f));
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        dlg.standardAntwort = platform::Yes;
    }

    void escInOffenerListeBeendetNicht()
    {
        for (QComboBox *box : {f->Combo3, f->Combo2}) {
            dlg.leeren();
            box->setFocus();
            box->showPopup();
            QTRY_VERIFY(QApplication::activePopupWidget());
            // The key as the window system brings it: to the popup's own window.
            QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), Qt::Key_Escape);
            QTRY_VERIFY(!QApplication::activePopupWidget());
            QVERIFY2(dlg.boxen.isEmpty(), qPrintable(dlg.letzter()));
            // With nothing open, Esc is the quit button again.
            QTest::qWait(1);
            f->findChild<QAction *>(QStringLiteral("Command2_Cancel"))->trigger();
            QVERIFY(dlg.letzter().endsWith(QStringLiteral("Wirklich beenden?")));
        }
    }

    void auswahlZwischenCrUndLf()
    {
        // A store of 30001 characters in halves of 15100: the second starts at 14901, its 199 is the LF.
        ladeBericht(f, QStringLiteral("haelften.txt"), "#BEF 1\r\n" + QByteArray(15089, 'a') + "\r\n" + QByteArray(14900, 'b'));
        f->Command4_Click();
        QCOMPARE(f->Text2->selStart(), 199);
        QCOMPARE(f->Text2->selLength(), 1);
        QCOMPARE(f->Text2->selText(), QStringLiteral("\n"));
        // A heading at a line start: from the LF before it to before "Gold:".
        ladeBericht(f, QStringLiteral("produkte.txt"), "#BEF 1\r\nabc\r\n-Produkte-\r\nKorn 5\r\nGold: 7\r\n");
        const QString text = f->Text2->text();
        const int s = int(text.indexOf(QStringLiteral("-Produkte-"))) - 1;
        f->proodukte_Click();
        QCOMPARE(f->Text2->selStart(), s);
        QCOMPARE(f->Text2->selLength(), int(text.indexOf(QStringLiteral("Gold:"))) - s);
    }

    void fehlertexteDeutsch()
    {
        const QList<QPair<int, QString>> texte = {{53, "Datei nicht gefunden"}, {62, "Lesen über das Dateiende hinaus"},
                                                  {76, "Pfad nicht gefunden"}, {9999, "Anwendungs- oder objektdefinierter Fehler"}};
        for (const auto &[nummer, text] : texte)
            QCOMPARE(platform::errorDescription(nummer), text);
    }

    void nebenfenster()
    {
        Leer *l = Leer::instance();
        l->show();
        QVERIFY(QTest::qWaitForWindowExposed(l));
        QVERIFY(mittig(l));
        l->resize(l->size() + QSize(80, 40)); // a sizable tool window
        QTRY_COMPARE(l->client()->width(), qRound(4236 / 15.0) + 80);
        l->hide();
        QDeadlineTimer frist(300); // 121 steps of the indicator, one yield each and no pause
        Form2::instance()->Command1_Click();
        QVERIFY(!frist.hasExpired());
    }

    // Last: it ends the program. The end holds for the rest of the process, so each case runs in a
    // process of its own, started as this one: the start settings' "Ok", then the load.
    void beendenWaehrendDesLadens_data()
    {
        QTest::addColumn<QString>("wo");
        QTest::newRow("Kopfzeile") << "Kopfzeile";
        QTest::newRow("Zeilen") << "Zeilen";
        QTest::newRow("Befehle") << "Befehle";
    }

    void beendenWaehrendDesLadens()
    {
        QFETCH(QString, wo);
        if (!qEnvironmentVariableIsSet(kEigenerProzess)) {
            QProcess fall;
            QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
            umgebung.insert(QString::fromLatin1(kEigenerProzess), QStringLiteral("1"));
            fall.setProcessEnvironment(umgebung);
            fall.setProcessChannelMode(QProcess::MergedChannels);
            fall.start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("splashUndStartEinstellungen"), QStringLiteral("beendenWaehrendDesLadens:") + wo});
            QVERIFY(fall.waitForFinished(240000));
            const QByteArray ausgabe = fall.readAll();
            const QByteArray bestanden = "PASS   : TstErsteSchritte::beendenWaehrendDesLadens(" + wo.toUtf8() + ')';
            QVERIFY2(fall.exitStatus() == QProcess::NormalExit && fall.exitCode() == 0 && ausgabe.contains(bestanden),
                     ausgabe.constData());
            return;
        }
        Form1::endProgram = [] { platform::programmBeenden(); };
        BestaetigungsKlangAn = 1;
        f->Label14->setCaption(QString());
        QByteArray zeilen = "#BEF 1\r\n";
        for (int i = 0; i < 60000; ++i)
            zeilen += "Zeile " + QByteArray::number(i) + "\r\n";
        QObject nachKopf; // the first yield after the head line
        connect(f->Text1, &TextBox::changed, &nachKopf, [&] {
            if (wo == QLatin1String("Zeilen") && !f->Text1->text().isEmpty()) {
                f->Text1->disconnect(&nachKopf);
                QTimer::singleShot(0, f, &Form1::ButtonEnde);
            }
        });
        if (wo != QLatin1String("Zeilen"))
            QTimer::singleShot(0, f, &Form1::ButtonEnde); // "Wirklich beenden?": yes
        QDeadlineTimer frist(2000);
        if (wo == QLatin1String("Befehle")) {
            schreibeDatei(spiel + QStringLiteral("ende.txt"), QByteArray(200000, 'x'));
            f->Text5->setText(spiel + QStringLiteral("ende.txt"));
            f->laden_Click();
        } else {
            ladeBericht(f, QStringLiteral("ende.txt"), wo == QLatin1String("Kopfzeile") ? QByteArray(400000, 'x') + zeilen : zeilen);
        }
        QVERIFY(platform::programmEndet());
        QVERIFY(!frist.hasExpired());
        QCOMPARE(f->Label3->caption(), QStringLiteral("LÄDT")); // ended at once: no end of the load, no time
        QVERIFY(f->Label14->caption().isEmpty());
    }
};

BW_TEST_MAIN(TstErsteSchritte)
#include "tst_erste_schritte.moc"
