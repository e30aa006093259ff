// What a new player meets first in the main window: Esc in an open list,
// the window's place, exact selections between CR and LF, capitals, a
// stopped load's font, German error texts and quitting during a load.
#include "core/form3.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "platform/errors.h"
#include "platform/yield.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TstErsteSchritte : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    Dialoge *dlg = nullptr;
    Form1 *f = nullptr;

    void lade(const QString &name, const QByteArray &bytes)
    {
        schreibeDatei(dir.filePath(name), bytes);
        f->File1->refresh();
        f->File1->selectFile(name);
    }

private slots:
    void initTestCase();
    void init();
    void escInOffenerListeBeendetNicht_data();
    void escInOffenerListeBeendetNicht();
    void hauptfensterMittig();
    void naechsterTeilWaehltDasLf();
    void abschnittAbZeilenanfang();
    void grossbuchstabenNurMitWindowsByte_data();
    void grossbuchstabenNurMitWindowsByte();
    void nichtsGetipptesWirdFragezeichen();
    void abbruchImKopfGibtCourierNew();
    void fehlertexteDeutsch_data();
    void fehlertexteDeutsch();
    // Last: it ends the program.
    void beendenWaehrendDesLadens_data();
    void beendenWaehrendDesLadens();
};

void TstErsteSchritte::initTestCase()
{
    QVERIFY(dir.isValid());
    dlg = new Dialoge;
    Form1::endProgram = [] {};
    ProgrammPfad = dir.path() + QLatin1Char('/');
    Form3::instance();
    StandardPfad = dir.path();
    f = Form1::instance();
    f->show();
    QVERIFY(QTest::qWaitForWindowActive(f));
}

void TstErsteSchritte::init()
{
    dlg->leeren();
    dlg->antworten.clear();
    dlg->standardAntwort = platform::No;
}

void TstErsteSchritte::escInOffenerListeBeendetNicht_data()
{
    QTest::addColumn<QString>("liste");
    QTest::newRow("Combo3") << "Combo3";
    QTest::newRow("Combo2") << "Combo2";
}

void TstErsteSchritte::escInOffenerListeBeendetNicht()
{
    QFETCH(QString, liste);
    auto *box = f->findChild<QComboBox *>(liste);
    QVERIFY(box);
    box->setFocus();
    box->showPopup();
    QTRY_VERIFY(QApplication::activePopupWidget());
    // The key as the window system brings it: to the popup's own window.
    QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QVERIFY2(dlg->boxen.isEmpty(), qPrintable(dlg->letzter()));
    // With nothing open, Esc is the quit button again.
    QTest::qWait(1);
    f->findChild<QAction *>(QStringLiteral("Command2_Cancel"))->trigger();
    QCOMPARE(dlg->boxen.size(), 1);
    QVERIFY(dlg->letzter().endsWith(QStringLiteral("Wirklich beenden?")));
}

void TstErsteSchritte::hauptfensterMittig()
{
    const QRect bildschirm = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint abstand = f->geometry().center() - bildschirm.center();
    QVERIFY2(qAbs(abstand.x()) <= 2 && qAbs(abstand.y()) <= 2, qPrintable(QStringLiteral("%1,%2").arg(abstand.x()).arg(abstand.y())));
}

void TstErsteSchritte::naechsterTeilWaehltDasLf()
{
    dlg->standardAntwort = platform::Yes;
    // Store: CR LF "#BEF 1" CR LF 15089 a CR LF 14900 b, 30001 characters:
    // halves of 15100, the second from position 14901 on.
    lade(QStringLiteral("haelften.txt"), "#BEF 1\r\n" + QByteArray(15089, 'a') + "\r\n" + QByteArray(14900, 'b') + "\r\n");
    QCOMPARE(f->ZuViel, qint16(1));
    f->Command4_Click();
    QCOMPARE(f->Text2->text().mid(198, 3), QStringLiteral("\r\nb"));
    QCOMPARE(f->Text2->selStart(), 199);
    QCOMPARE(f->Text2->selLength(), 1);
    QCOMPARE(f->Text2->selText(), QStringLiteral("\n"));
}

void TstErsteSchritte::abschnittAbZeilenanfang()
{
    dlg->standardAntwort = platform::Yes;
    lade(QStringLiteral("produkte.txt"), "#BEF 1\r\nabc\r\n-Produkte-\r\nKorn 5\r\nGold: 7\r\n");
    const QString text = f->Text2->text();
    // From the character before the heading, here the LF of the line end
    // before it, to the character before "Gold:".
    const int s = int(text.indexOf(QStringLiteral("-Produkte-"))) + 1 - 2;
    const int e = int(text.indexOf(QStringLiteral("Gold:"))) + 1 - 1;
    QCOMPARE(text.at(s), QLatin1Char('\n'));
    f->proodukte_Click();
    QCOMPARE(f->Text2->selStart(), s);
    QCOMPARE(f->Text2->selLength(), e - s);
}

void TstErsteSchritte::grossbuchstabenNurMitWindowsByte_data()
{
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("steht");
    QTest::newRow("a") << QStringLiteral("a") << QStringLiteral("A");
    QTest::newRow("ä") << QStringLiteral("ä") << QStringLiteral("Ä");
    QTest::newRow("ÿ") << QStringLiteral("ÿ") << QStringLiteral("Ÿ");
    QTest::newRow("œ") << QStringLiteral("œ") << QStringLiteral("Œ");
    QTest::newRow("µ") << QStringLiteral("µ") << QStringLiteral("µ");
    QTest::newRow("ƒ") << QStringLiteral("ƒ") << QStringLiteral("ƒ");
    QTest::newRow("ß") << QStringLiteral("ß") << QStringLiteral("ß");
}

void TstErsteSchritte::grossbuchstabenNurMitWindowsByte()
{
    QFETCH(QString, getippt);
    QFETCH(QString, steht);
    f->gross = 1;
    f->Text1->setText(QString());
    QKeyEvent taste(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, getippt);
    QApplication::sendEvent(f->Text1, &taste);
    f->gross = 0;
    QCOMPARE(f->Text1->text(), steht);
}

void TstErsteSchritte::nichtsGetipptesWirdFragezeichen()
{
    f->gross = 1;
    f->Text1->setText(QString());
    for (const QString &t : {QStringLiteral("µ"), QStringLiteral("ł"), QStringLiteral("ƒ"), QStringLiteral("ÿ")}) {
        QKeyEvent taste(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, t);
        QApplication::sendEvent(f->Text1, &taste);
    }
    f->gross = 0;
    f->Text5->setText(dir.filePath(QStringLiteral("gross.txt")));
    f->arbeit = 0;
    f->speichern_Click();
    const QByteArray datei = liesDatei(dir.filePath(QStringLiteral("gross.txt")));
    QVERIFY2(datei.endsWith("\xB5\x83\x9F\r\n"), datei.toHex().constData());
    QVERIFY(!datei.contains('?'));
}

void TstErsteSchritte::abbruchImKopfGibtCourierNew()
{
    dlg->standardAntwort = platform::Yes;
    lade(QStringLiteral("dos.txt"), "#BEF 1 2 3 M\x84use\r\nK\x94rner\r\n");
    QCOMPARE(f->Text2->fontName(), QStringLiteral("Terminal"));
    f->Text3->setText(QStringLiteral("9"));
    // No mark byte and a head line far in: the stop comes during the scan.
    schreibeDatei(dir.filePath(QStringLiteral("weit.txt")), QByteArray(400000, 'x') + "\r\n#BEF 1\r\n");
    f->File1->refresh();
    QTimer::singleShot(0, f, [this] { f->Command3->click(); });
    f->File1->selectFile(QStringLiteral("weit.txt"));
    QCOMPARE(f->Label3->caption(), QStringLiteral("ABGEBROCHEN"));
    QVERIFY(f->Text1->text().isEmpty());
    QCOMPARE(f->Label5->caption(), QStringLiteral("Unbekanntes Format."));
    QCOMPARE(f->Combo2->currentText(), QStringLiteral("Courier New"));
    QCOMPARE(f->Text2->fontName(), QStringLiteral("Courier New"));
    QCOMPARE(f->Text2->fontSize(), 7.0);
    QCOMPARE(f->Text3->text(), QStringLiteral("7"));
}

void TstErsteSchritte::fehlertexteDeutsch_data()
{
    QTest::addColumn<int>("nummer");
    QTest::addColumn<QString>("text");
    QTest::newRow("7") << 7 << QStringLiteral("Nicht genügend Speicher");
    QTest::newRow("13") << 13 << QStringLiteral("Typen unverträglich");
    QTest::newRow("53") << 53 << QStringLiteral("Datei nicht gefunden");
    QTest::newRow("62") << 62 << QStringLiteral("Lesen über das Dateiende hinaus");
    QTest::newRow("75") << 75 << QStringLiteral("Fehler beim Zugriff auf Pfad oder Datei");
    QTest::newRow("76") << 76 << QStringLiteral("Pfad nicht gefunden");
    QTest::newRow("unbekannt") << 9999 << QStringLiteral("Anwendungs- oder objektdefinierter Fehler");
}

void TstErsteSchritte::fehlertexteDeutsch()
{
    QFETCH(int, nummer);
    QFETCH(QString, text);
    try {
        platform::raise(nummer);
        QFAIL("no error raised");
    } catch (const platform::Error &e) {
        QCOMPARE(e.number, nummer);
        QCOMPARE(e.description, text);
    }
}

void TstErsteSchritte::beendenWaehrendDesLadens_data()
{
    QTest::addColumn<QString>("wo");
    QTest::newRow("Kopfzeile") << "Kopfzeile";
    QTest::newRow("Zeilen") << "Zeilen";
    QTest::newRow("Befehle") << "Befehle";
}

void TstErsteSchritte::beendenWaehrendDesLadens()
{
    QFETCH(QString, wo);
    Form1::endProgram = [] { platform::programmBeenden(); };
    BestaetigungsKlangAn = 1;
    f->Label3->setCaption(QString());
    f->Label14->setCaption(QString());
    int ende = 0;
    auto beenden = [this, &ende] {
        dlg->antworten = {platform::Yes};
        f->ButtonEnde();
        ende = int(platform::programmEndet());
    };
    QByteArray gross = "#BEF 1\r\n";
    for (int i = 0; i < 60000; ++i)
        gross += "Zeile " + QByteArray::number(i) + "\r\n";
    if (wo == QLatin1String("Kopfzeile")) {
        schreibeDatei(dir.filePath(QStringLiteral("ende.txt")), QByteArray(400000, 'x') + gross);
        QTimer::singleShot(0, f, beenden);
    } else if (wo == QLatin1String("Zeilen")) {
        schreibeDatei(dir.filePath(QStringLiteral("ende.txt")), gross);
        auto *c = new QMetaObject::Connection;
        *c = connect(f->Text1, &TextBox::changed, f, [this, c, beenden] {
            if (f->Text1->text().isEmpty())
                return;
            disconnect(*c);
            delete c;
            QTimer::singleShot(0, f, beenden);
        });
    } else {
        schreibeDatei(dir.filePath(QStringLiteral("ende.txt")), QByteArray(200000, 'x'));
        f->Text5->setText(dir.filePath(QStringLiteral("ende.txt")));
        f->verandert = 0;
        QTimer::singleShot(0, f, beenden);
    }
    QElapsedTimer uhr;
    uhr.start();
    dlg->standardAntwort = platform::Yes;
    if (wo == QLatin1String("Befehle")) {
        f->laden_Click();
    } else {
        f->File1->refresh();
        f->File1->selectFile(QStringLiteral("ende.txt"));
    }
    QVERIFY2(ende == 1, qPrintable(dlg->prompts().join(QLatin1Char('|'))));
    QVERIFY(uhr.elapsed() < 2000);
    // Ended at once: no end of the load, no time, no status.
    QCOMPARE(f->Label3->caption(), QStringLiteral("LÄDT"));
    QVERIFY(f->Label14->caption().isEmpty());
    platform::programmEndeVergessen();
    f->arbeit = 0;
    f->abbruch = 0;
}

QTEST_MAIN(TstErsteSchritte)
#include "tst_erste_schritte.moc"
