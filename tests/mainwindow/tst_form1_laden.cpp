// The main window's report load, paging, repair, saving back, section finders and quitting.
#include "core/form3.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "mainwindow/leer.h"
#include "platform/units.h"
#include "testmain.h"
#include "testsupport.h"
#include "wavedatei.h"

#include <QtTest>
#include <cmath>

namespace {
QByteArray langerBericht()
{
    QByteArray t("Auswertung f\xFCr Spieler 7\r\n#BEF 42 17 7 >Gr\xFCn>\r\n");
    for (int i = 0; i < 40000; ++i)
        t += "Zeile " + QByteArray::number(i) + ": Die Bauern ernten K\xF6rner und M\xE4use fliehen.\r\n";
    return t;
}
const QString kAbbrechen = QStringLiteral("Den aktuellen Ladevorgang wirklich abbrechen?");
// The start is taken to the nearest second, so a quick load shows 0 or 1.
const QRegularExpression kZeit(QStringLiteral("^Benötigte Zeit: [01] Sekunden$"));
} // namespace

class TstForm1Laden : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Dialoge *dlg = nullptr;
    Form1 *f = nullptr;
    std::unique_ptr<QSignalSpy> fertigKlang;
    QMetaObject::Connection warten;

    void schreibe(const QString &name, const QByteArray &bytes) { schreibeDatei(dir.filePath(name), bytes); }
    QByteArray lies(const QString &name) { return liesDatei(dir.filePath(name)); }
    // Loads a long report and runs fn at the first yield of its line load (right after the head line).
    void ladeGrossUnd(std::function<void()> fn)
    {
        warten = connect(f->Text1, &TextBox::changed, f, [this, fn] {
            if (!f->Text1->text().isEmpty() && disconnect(warten))
                QTimer::singleShot(0, f, fn);
        });
        ladeBericht(f, QStringLiteral("gross.txt"), langerBericht());
    }
    void vorbei(const char *status)
    {
        QCOMPARE(f->Label3->caption(), QString::fromUtf8(status));
        QCOMPARE(f->arbeit, 0);
        QCOMPARE(f->abbruch, qint16(0));
        QVERIFY(dateiMenusAn(f) && f->Command3->isHidden() && !f->barVisible());
        if (qstrcmp(status, "FERTIG") == 0) // read through, by either road
            QVERIFY(kZeit.match(f->Label14->caption()).hasMatch() && f->Label13->caption().isEmpty() && fertigKlang->count() == 1);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        dlg = new Dialoge;
        // The start settings open their players on these sounds.
        ProgrammPfad = dir.filePath(QStringLiteral("prog/"));
        schreibeKlaenge(ProgrammPfad, 40);
        f = hauptfenster(dir.path());
        // The offscreen screen is narrower than 1024 pixels.
        QVERIFY(dlg->letzter().endsWith(QStringLiteral(") ist etwas zu niedrig, um Befehlswart optimal nutzen zu können.")));
        QCOMPARE(f->Text5->text(), QStringLiteral("Befehle.txt"));
        f->verandert = 0;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("unter")));
        f->Dir1->setPath(dir.filePath(QStringLiteral("unter")));
        QCOMPARE(f->verandert, qint16(1));
        f->Dir1->setPath(dir.path());
    }

    void init()
    {
        dlg->leeren();
        dlg->antworten.clear();
        dlg->standardAntwort = platform::Yes;
        f->Text1->setText(QString());
        f->verandert = 0;
        BestaetigungsKlangAn = 1;
        fertigKlang = std::make_unique<QSignalSpy>(Form3::instance()->MMControl1, &WavePlayer::gespielt);
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
    }

    void loadsHeadLineAndWholeText()
    {
        ladeBericht(f, QStringLiteral("a.txt"), "K\xF6pf\r\n#BEF 1 2 3 >geheim>\r\nText \xE4\xF6\xFC\r\n");
        vorbei("FERTIG");
        QCOMPARE(f->Text2->text(), QStringLiteral("\r\nKöpf\r\n#BEF 1 2 3 >geheim>\r\nText äöü"));
        QCOMPARE(f->Label5->caption(), QStringLiteral("Windows - Zeichensatz"));
        QVERIFY(f->Command1->isHidden() && f->Command4->isHidden());
        QVERIFY(f->Label1->caption().endsWith(QStringLiteral(" , 37 Bytes")));
    }

    void oemReportShowsItsOwnLetters()
    {
        f->Text3->setText(QStringLiteral("x")); // not a number: the default size serves
        ladeBericht(f, QStringLiteral("oem.txt"), "#BEF 5 6 7 >M\x84use>\r\nK\x94rner \xE1\r\n");
        QCOMPARE(f->Label5->caption(), QStringLiteral("Oem - Zeichensatz (DOS)"));
        QCOMPARE(f->Combo2->currentText(), QStringLiteral("Terminal"));
        QCOMPARE(f->Text2->fontName(), QStringLiteral("Terminal"));
        QCOMPARE(f->Text2->fontSize(), 7.0);
        QCOMPARE(f->Text2->text(), QStringLiteral("\r\n#BEF 5 6 7 >Mäuse>\r\nKörner ß"));
        // The orders keep the report's own bytes.
        QCOMPARE(codepage::encode(f->Text1->text()), QByteArray("#BEF 5 6 7 >M\x84use>\r\n"));
        // A report without marks after it goes back to the default font.
        f->Text3->setText(QStringLiteral("9"));
        ladeBericht(f, QStringLiteral("ohne.txt"), "#BEF 1\r\nText\r\n");
        QCOMPARE(f->Text2->fontName(), QStringLiteral("Courier New"));
        QCOMPARE(f->Text2->fontSize(), 7.0);
    }

    void reportWithoutHeadLine()
    {
        ladeBericht(f, QStringLiteral("ohne.txt"), "nur Text\r\nohne Kopf;\xAE versteckt\r\nletzte #BEF 1 2 3");
        vorbei("FERTIG");
        QVERIFY(f->Text1->text().isEmpty() && f->store().isEmpty());
        QCOMPARE(f->Text2->text(), QStringLiteral("nur Text\r\nohne Kopfletzte #BEF 1 2 3"));
        QCOMPARE(f->Label5->caption(), QStringLiteral("Kein eindeutiges Format"));
        f->auswertungspeicherrrrn_Click();
        f->leerzeichfuegein_Click();
        QCOMPARE(dlg->prompts(), QStringList(2, QStringLiteral("Keine Auswertung vorhanden!")));
        QCOMPARE(lies(QStringLiteral("ohne.txt")), QByteArray("nur Text\r\nohne Kopf;\xAE versteckt\r\nletzte #BEF 1 2 3"));
        QCOMPARE(f->Text2->text(), QStringLiteral("nur Text\r\nohne Kopfletzte #BEF 1 2 3"));
    }

    void savesBackByteForByte_data()
    {
        QTest::addColumn<QByteArray>("bericht");
        QTest::newRow("windows") << QByteArray("#BEF 1 2 3 \xE4\r\n");
        QTest::newRow("oem") << QByteArray("#BEF 1 2 3 \x84\r\n");
    }
    void savesBackByteForByte()
    {
        QFETCH(QByteArray, bericht);
        for (int b = 0x20; b <= 0xFF; ++b) // a line of every byte from the blank up
            bericht.append(char(b));
        bericht += "\r\n";
        ladeBericht(f, QStringLiteral("voll.txt"), bericht);
        // No saves nothing.
        dlg->antworten = {platform::No};
        f->auswertungspeicherrrrn_Click();
        QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
        f->auswertungspeicherrrrn_Click();
        QVERIFY(dlg->boxen.last().prompt.contains(QLatin1Char('\'') + dir.filePath(QStringLiteral("voll.txt")) + QLatin1Char('\'')));
        QCOMPARE(dlg->boxen.last().buttons, platform::YesNo | platform::Warning);
        // The file comes back as it was, with no empty line added on top.
        QCOMPARE(lies(QStringLiteral("voll.txt")), bericht);
        vorbei("GESPEICHERT");
        // A folder now stands where the report was: the write fails.
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("voll.txt"))));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("voll.txt")));
        f->Label3->setCaption(QStringLiteral("FERTIG"));
        f->auswertungspeicherrrrn_Click();
        QCOMPARE(dlg->letzter(), QStringLiteral("Dateiname beinhaltet ungültige Zeichen oder es existiert ein VERZEICHNIS mit gleichem Namen."));
        vorbei("FERTIG");
        QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("voll.txt")));
    }

    void pagesThroughAllParts_data()
    {
        QTest::addColumn<QByteArray>("kopf");
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("h"); // a half: N / 2 + 100, to the nearest, a half to even
        QTest::addColumn<int>("q"); // a quarter: h / 2 + 100 the same way; 0 for halves
        // Lines end in LF alone, so no part boundary falls inside a CR LF.
        // N = 2 + the head line + 7 per line: the store begins with CR LF.
        // Parts of an odd length overlap by 199 or 201 characters, so the one
        // selected after paging is not always the last of the part before.
        QTest::addColumn<bool>("je200");
        QTest::newRow("Hälften") << QByteArray("#BEF 1 2 3\n") << 5001 << 17610 << 0 << true; // N 35020
        QTest::newRow("Hälften, halb") << QByteArray("#BEF 1 2 3456\n") << 5001 << 17612 << 0 << false; // N 35023
        QTest::newRow("Viertel") << QByteArray("#BEF 1 2 3\n") << 9997 << 35096 << 17648 << true; // N 69992
        QTest::newRow("Viertel, halb") << QByteArray("#BEF 1 2 3 >Pw1>\n") << 9997 << 35099 << 17650 << false; // N 69998
    }
    void pagesThroughAllParts()
    {
        QFETCH(QByteArray, kopf);
        QFETCH(int, zeilen);
        QFETCH(int, h);
        QFETCH(int, q);
        QFETCH(bool, je200);
        const int teile = q == 0 ? 2 : 4;
        QByteArray t = kopf;
        for (int i = 0; i < zeilen; ++i)
            t += 'z' + QByteArray::number(10000 + i) + '\n';
        ladeBericht(f, QStringLiteral("teile.txt"), t);
        const QString text = QString::fromLatin1("\r\n" + t);
        QStringList erwartet{text.left(h), text.right(h)};
        if (teile == 4)
            erwartet = {erwartet[0].left(q), erwartet[0].right(q), erwartet[1].left(q), erwartet[1].right(q)};
        QCOMPARE(f->Text2->text(), erwartet[0]);
        QVERIFY(!f->Command1->isHidden() && !f->Command1->isEnabled() && f->Command4->isEnabled());
        // Selected after a page: the last character of the part before, or the first of the part after.
        auto blaettere = [&](bool vor, int teil) {
            vor ? f->Command4_Click() : f->Command1_Click();
            QCOMPARE(f->Text2->text(), erwartet[teil - 1]);
            QCOMPARE(f->Label15->caption(), QString::number(teil));
            QCOMPARE(f->Text2->selStart(), vor ? 199 : erwartet[teil - 1].size() - 200);
            QCOMPARE(f->Text2->selLength(), 1);
            if (je200)
                QCOMPARE(f->Text2->selText(), vor ? erwartet[teil - 2].right(1) : erwartet[teil].left(1));
            QCOMPARE(f->Command4->isEnabled(), teil < teile);
            QCOMPARE(f->Command1->isEnabled(), teil > 1);
        };
        for (int teil = 2; teil <= teile; ++teil)
            blaettere(true, teil);
        // Busy: no paging.
        f->arbeit = 1;
        f->Command1_Click();
        f->arbeit = 0;
        QCOMPARE(f->Text2->text(), erwartet.last());
        for (int teil = teile - 1; teil >= 1; --teil)
            blaettere(false, teil);
        // The next report is shown whole: nothing of this one pages in.
        ladeBericht(f, QStringLiteral("kaputt.txt"), "kein Kopf\r\n");
        QVERIFY(f->Command4->isHidden());
        f->Command4_Click();
        QCOMPARE(f->Text2->text(), QStringLiteral("kein Kopf\r\n"));
    }

    void abortDuringTheHeadScan()
    {
        // After a DOS report; then no '#' and no character-set mark far in.
        ladeBericht(f, QStringLiteral("dos.txt"), "#BEF 1 2 3 M\x84use\r\n");
        f->Text3->setText(QStringLiteral("9"));
        // The orders box takes no keys till the head line is found.
        QTimer::singleShot(0, f, [this] {
            QVERIFY(f->arbeit == 1 && f->Label3->caption() == QStringLiteral("LÄDT"));
            QVERIFY(f->Text1->isReadOnly());
            f->Command3->click();
        });
        ladeBericht(f, QStringLiteral("ohneKopf.txt"), QByteArray(400000, 'x') + "\r\n#BEF 1\r\n");
        vorbei("ABGEBROCHEN");
        QVERIFY(!f->Text1->isReadOnly());
        QVERIFY(f->Text2->length() > 0 && f->Text2->length() < 400000);
        QCOMPARE(f->Label5->caption(), QStringLiteral("Unbekanntes Format."));
        QCOMPARE(f->Text2->fontName(), QStringLiteral("Courier New"));
        QCOMPARE(f->Text2->fontSize(), 7.0);
        QVERIFY(kZeit.match(f->Label14->caption()).hasMatch());
    }

    void busyQuestion_data()
    {
        QTest::addColumn<bool>("ja");
        QTest::newRow("Ja lädt den neuen Bericht") << true;
        QTest::newRow("Nein lädt weiter") << false;
    }
    void busyQuestion()
    {
        QFETCH(bool, ja);
        schreibe(QStringLiteral("klein.txt"), "#BEF 9 9 9\r\nklein\r\n");
        // The report's size is warned of, the changed orders are given up.
        dlg->antworten = {platform::Ok, platform::Yes, ja ? platform::Yes : platform::No};
        ladeGrossUnd([this] { f->File1->selectFile(QStringLiteral("klein.txt")); });
        QCOMPARE(dlg->prompts().count(kAbbrechen), 1);
        vorbei("FERTIG");
        QCOMPARE(f->Text1->text(), QString::fromUtf8(ja ? "#BEF 9 9 9\r\n" : "#BEF 42 17 7 >Grün>\r\n"));
        QCOMPARE(f->store(), ja ? QByteArray("\r\n#BEF 9 9 9\r\nklein") : "\r\n" + langerBericht().chopped(2));
    }

    void vanishingFile_data()
    {
        QTest::addColumn<bool>("nachKopf");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("vor dem Laden") << false << "Datei nicht gefunden: ";
        QTest::newRow("nach der Kopfzeile") << true << "Laufzeitfehler Nr.53: ";
    }
    void vanishingFile()
    {
        QFETCH(bool, nachKopf);
        QFETCH(QString, meldung);
        const QString pfad = dir.filePath(QStringLiteral("flüchtig.txt"));
        schreibe(QStringLiteral("flüchtig.txt"), "#BEF 1 1 1\r\nText\r\n");
        f->File1->refresh();
        if (!nachKopf)
            QVERIFY(QFile::remove(pfad));
        // Otherwise it vanishes once its head line is taken, before the line load.
        auto c = connect(f->Text1, &TextBox::changed, f, [&] {
            if (!f->Text1->text().isEmpty())
                QFile::remove(pfad);
        });
        f->File1->selectFile(QStringLiteral("flüchtig.txt"));
        disconnect(c);
        QCOMPARE(dlg->prompts().size(), 1);
        QVERIFY2(dlg->letzter().startsWith(meldung), qPrintable(dlg->letzter()));
        vorbei(nachKopf ? "FEHLER" : "ABGEBROCHEN");
        // Locked while the head line was sought, the orders box takes keys again after the fault.
        QVERIFY(!f->Text1->isReadOnly());
    }

    void repairOfLfOnlyReport()
    {
        ladeBericht(f, QStringLiteral("lf.txt"), "#BEF 3 3 3\nerste\nzweite\n");
        QCOMPARE(f->store(), QByteArray("\r\n#BEF 3 3 3\nerste\nzweite\n"));
        f->leerzeichfuegein_Click();
        QCOMPARE(f->Text2->text(), QStringLiteral("\r\n#BEF 3 3 3\r\nerste\r\nzweite\r\n"));
        QVERIFY(f->isEnabled() && Leer::instance()->isHidden());
    }

    void startUpLoadUsesAbsolutePath()
    {
        schreibe(QStringLiteral("start.txt"), "#BEF 4 4 4\r\nStart\r\n");
        f->File1->setListIndex(-1);
        QDir::setCurrent(dir.path());
        StartAuswertung = QStringLiteral("start.txt");
        f->lad();
        StartAuswertung.clear();
        vorbei("FERTIG");
        QCOMPARE(f->datei, dir.filePath(QStringLiteral("start.txt")));
    }

    void unsavedOrdersAskBeforeLoading()
    {
        f->Text1->setText(QStringLiteral("XY 1 2\r\n"));
        dlg->antworten = {platform::No};
        ladeBericht(f, QStringLiteral("neu.txt"), "#BEF 8 8 8\r\n");
        QCOMPARE(dlg->prompts(), QStringList{QStringLiteral("Befehle noch nicht gespeichert.\r\nWirklich neue Auswertung laden und Änderungen bei den Befehlen verwerfen?")});
        QCOMPARE(dlg->boxen.first().buttons, platform::YesNo | platform::Warning);
        QCOMPARE(f->Text1->text(), QStringLiteral("XY 1 2\r\n"));
        // An empty orders box loads without a question.
        dlg->leeren();
        f->Text1->setText(QString());
        ladeBericht(f, QStringLiteral("neu.txt"), "#BEF 8 8 8\r\n");
        QVERIFY(dlg->boxen.isEmpty());
        QCOMPARE(f->Text1->text(), QStringLiteral("#BEF 8 8 8\r\n"));
    }

    void sectionFinder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("antwort");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("auswahl");
        QTest::newRow("nichts geladen") << QString() << 0 << "Lade am Besten erst mal eine Auswertung." << "";
        QTest::newRow("kein Kopf") << "abc Monster" << 0 << "Nichts gefunden." << "";
        QTest::newRow("gefunden") << "abc\r\nHelden: Ragnar\r\nMonster" << 0 << "" << "Helden: Ragnar\r\n";
        QTest::newRow("ohne Ende, Ja") << "ab Helden: Ragnar" << int(platform::Yes)
                                        << "Nichts gefunden, trotzdem weitermachen?" << "Helden";
        QTest::newRow("ohne Ende, Nein") << "ab Helden: Ragnar" << int(platform::No)
                                          << "Nichts gefunden, trotzdem weitermachen?" << "a";
    }
    void sectionFinder()
    {
        QFETCH(QString, text);
        QFETCH(int, antwort);
        QFETCH(QString, meldung);
        QFETCH(QString, auswahl);
        f->Text2->setText(text);
        f->Text2->setSelStart(0);
        f->Text2->setSelLength(text.isEmpty() ? 0 : 1);
        dlg->antworten = {antwort};
        f->hhhelden->trigger();
        QCOMPARE(dlg->prompts(), meldung.isEmpty() ? QStringList() : QStringList{meldung});
        QCOMPARE(f->Text2->selText(), auswahl.isEmpty() && !text.isEmpty() ? text.left(1) : auswahl);
    }

    // A large text goes into the report box by pieces, with the player's
    // input let through between them: the paging controls already stand
    // where they end up, paging waits for the load, "Abbruch" stops it and
    // keeps what is shown, another report takes over.
    void whileTheReportGoesIn_data()
    {
        QTest::addColumn<bool>("kopf");    // with a head line: a part goes in, else the whole text
        QTest::addColumn<QString>("tat");  // done at the first pause of the showing
        QTest::addColumn<QString>("status");
        QTest::newRow("Teil, blättern") << true << "blättern" << "FERTIG";
        QTest::newRow("Teil, Abbruch") << true << "Abbruch" << "ABGEBROCHEN";
        QTest::newRow("Teil, anderer Bericht") << true << "klein.txt" << "FERTIG";
        QTest::newRow("ohne Kopfzeile, Abbruch") << false << "Abbruch" << "ABGEBROCHEN";
        QTest::newRow("ohne Kopfzeile, anderer Bericht") << false << "klein.txt" << "FERTIG";
    }
    void whileTheReportGoesIn()
    {
        QFETCH(bool, kopf);
        QFETCH(QString, tat);
        QFETCH(QString, status);
        QByteArray bericht(kopf ? "Kopf\r\n#BEF 3 4 5\r\n" : "Kopf\r\n");
        for (int i = 0; i < 100000; ++i)
            bericht += "Zeile " + QByteArray::number(i) + "\r\n";
        // The whole text, or its first quarter: N = 1288908 characters (the
        // lines 8 each plus 488890 digits, the head 18), a half 644554, a
        // quarter 322377.
        const QByteArray gespeichert = "\r\n" + bericht.chopped(2);
        QVERIFY(!kopf || gespeichert.size() == 1288908);
        const QString soll = QString::fromLatin1(kopf ? gespeichert.left(322377) : bericht);
        schreibe(QStringLiteral("klein.txt"), "#BEF 9 9 9\r\nklein\r\n");
        bool gesehen = false;
        QTimer takt;
        connect(&takt, &QTimer::timeout, f, [&] {
            // The showing runs: the box takes no typing meanwhile.
            if (gesehen || f->arbeit != 1 || !f->Text2->isReadOnly())
                return;
            gesehen = true;
            QCOMPARE(f->Text2->isReadOnly(), true);
            QCOMPARE(f->Command4->isVisible(), kopf);
            QCOMPARE(f->Text2->width(), kopf ? platform::twipsX(8412) : platform::twipsX(8772));
            if (tat == QLatin1String("Abbruch"))
                f->Command3->click();
            else if (tat == QLatin1String("blättern"))
                f->Command4->click();
            else
                f->File1->selectFile(tat);
        });
        takt.start(0);
        ladeBericht(f, QStringLiteral("gross.txt"), bericht);
        QVERIFY(gesehen);
        vorbei(status.toUtf8().constData());
        QVERIFY(!f->Text2->isReadOnly());
        if (tat == QLatin1String("klein.txt")) {
            QCOMPARE(dlg->prompts().count(kAbbrechen), 1);
            QCOMPARE(f->Text2->text(), QStringLiteral("\r\n#BEF 9 9 9\r\nklein"));
            return;
        }
        const QString t = f->Text2->text();
        if (status == QLatin1String("FERTIG")) {
            QCOMPARE(t, soll);
            QCOMPARE(f->Label15->caption(), QStringLiteral("1"));
            return;
        }
        // Stopped: what was shown stays, whole lines from the start.
        QVERIFY2(t.size() > 0 && t.size() < soll.size() && soll.startsWith(t) && t.endsWith(QStringLiteral("\r\n")),
                 qPrintable(QString::number(t.size())));
        QCOMPARE(f->Text2->document()->blockCount(), int(t.count(QStringLiteral("\r\n"))) + 1);
    }

    // A stop ends the load the same at every step: nothing to page, nothing
    // in the store, the report box as wide as for a whole text.
    void aStopEndsTheSameAtEveryStep_data()
    {
        QTest::addColumn<QString>("schritt");
        QTest::newRow("Kopfzeile suchen") << "Kopfzeile";
        QTest::newRow("Zeilen lesen") << "Zeilen";
        QTest::newRow("einen Teil zeigen") << "Teil";
        QTest::newRow("den ganzen Text zeigen") << "ganz";
    }
    void aStopEndsTheSameAtEveryStep()
    {
        QFETCH(QString, schritt);
        QByteArray zeilen;
        for (int i = 0; i < 100000; ++i)
            zeilen += "Zeile " + QByteArray::number(i) + "\r\n";
        const QByteArray bericht = schritt == QLatin1String("Kopfzeile") ? zeilen + "#BEF 3 4 5\r\n"
                                   : schritt == QLatin1String("ganz")    ? "Kopf\r\n" + zeilen
                                                                         : "Kopf\r\n#BEF 3 4 5\r\n" + zeilen;
        // The step that runs at a pause of the load.
        auto laeuft = [&] {
            if (f->arbeit != 1)
                return false;
            if (schritt == QLatin1String("Kopfzeile"))
                return f->Text1->text().isEmpty();
            if (schritt == QLatin1String("Zeilen"))
                return !f->Text1->text().isEmpty() && !f->Text2->fuellt();
            return f->Text2->fuellt();
        };
        bool gestoppt = false, gesperrt = false;
        QTimer takt;
        connect(&takt, &QTimer::timeout, f, [&] {
            if (!gestoppt && laeuft()) {
                gestoppt = true;
                gesperrt = f->Text1->isReadOnly();
                f->Command3->click();
            }
        });
        takt.start(0);
        ladeBericht(f, QStringLiteral("gross.txt"), bericht);
        QVERIFY(gestoppt);
        vorbei("ABGEBROCHEN");
        // The orders box takes keys again once it holds the head line, and after any stop.
        QCOMPARE(gesperrt, schritt == QLatin1String("Kopfzeile"));
        QVERIFY(!f->Text1->isReadOnly());
        QVERIFY(f->Command1->isHidden() && f->Command4->isHidden() && f->Label15->isHidden());
        QCOMPARE(f->ZuViel, qint16(0));
        QCOMPARE(f->Text2->width(), platform::twipsX(8772));
        QVERIFY(f->store().isEmpty());
        // What the stopped load held is let go; only what is shown stays.
        QVERIFY(f->Alles.isEmpty() && f->Inhalt.isEmpty());
        for (const QByteArray *teil : {&f->L, &f->LL, &f->LR, &f->R, &f->RR, &f->RL})
            QVERIFY(teil->isEmpty());
        QCOMPARE(f->Teil, qint16(0));
        const QString gezeigt = f->Text2->text();
        QVERIFY(!gezeigt.isEmpty());
        f->Command4_Click();
        QCOMPARE(f->Text2->text(), gezeigt);
        // Nothing of the stopped report is saved back over it.
        f->auswertungspeicherrrrn_Click();
        QCOMPARE(dlg->letzter(), QStringLiteral("Keine Auswertung vorhanden!"));
        QCOMPARE(lies(QStringLiteral("gross.txt")), bericht);
    }

    void quitting_data()
    {
        QTest::addColumn<QString>("weg");
        QTest::addColumn<bool>("ja"); // the rows answered No have changed orders
        for (const char *weg : {"Beenden", "Esc", "Schliessen"}) {
            QTest::addRow("%s, Nein", weg) << QString::fromLatin1(weg) << false;
            QTest::addRow("%s, Ja", weg) << QString::fromLatin1(weg) << true;
        }
    }
    void quitting()
    {
        QFETCH(QString, weg);
        QFETCH(bool, ja);
        int ended = 0;
        Form1::endProgram = [&] { ++ended; };
        Form3 *f3 = Form3::instance();
        const QList<WavePlayer *> spieler{f3->MMControl1, f3->MMControl2, f3->MMControl3, f3->MMControl4};
        for (WavePlayer *m : spieler)
            m->Command(QStringLiteral("Open"));
        f->Text1->setText(QStringLiteral("AB 1"));
        f->verandert = !ja;
        dlg->antworten = {ja ? platform::Yes : platform::No};
        if (weg == QLatin1String("Beenden"))
            f->beend->trigger();
        else if (weg == QLatin1String("Esc"))
            QTest::keyClick(f->Text1, Qt::Key_Escape);
        else
            f->close();
        QCOMPARE(dlg->prompts(), QStringList{ja ? QStringLiteral("Wirklich beenden?")
                                                : QStringLiteral("Befehle noch nicht gespeichert.\r\nWirklich beenden?")});
        QCOMPARE(dlg->boxen[0].buttons, ja ? int(platform::YesNo) : platform::YesNo | platform::Warning);
        QCOMPARE(ended, ja ? 1 : 0);
        // Closing the window closes the start settings' players; nothing is saved or emptied.
        const bool geschlossen = weg == QLatin1String("Schliessen") && ja;
        for (WavePlayer *m : spieler)
            QCOMPARE(m->Mode(), geschlossen ? WavePlayer::kNotOpen : WavePlayer::kStopped);
        QCOMPARE(f->isVisible(), !geschlossen);
        QCOMPARE(f->Text1->text(), QStringLiteral("AB 1"));
        Form1::endProgram = [] {};
    }

    // Stopped during the line load, what was read stays.
    void folderClickDuringLoadStopsIt()
    {
        ladeGrossUnd([this] {
            QVERIFY(f->Command3->isVisibleTo(f));
            f->Dir1->setCurrentRow(f->Dir1->count() - 1); // the subfolder
            emit f->Dir1->clicked();
        });
        QVERIFY(dlg->prompts().contains(kAbbrechen));
        vorbei("ABGEBROCHEN");
        QVERIFY(f->Text2->text().startsWith(QStringLiteral("\r\nAuswertung für Spieler 7")) && f->Text2->length() < langerBericht().size());
        for (const QString &pfad : {f->Dir1->path(), f->File1->path(), QDir::currentPath()})
            QCOMPARE(pfad, dir.filePath(QStringLiteral("unter")));
        // While nothing loads, a click only selects.
        f->Dir1->setPath(dir.path());
        dlg->leeren();
        f->Dir1->setCurrentRow(f->Dir1->count() - 1);
        emit f->Dir1->clicked();
        QVERIFY(dlg->boxen.isEmpty());
        QCOMPARE(f->Dir1->path(), dir.path());
    }

    void refreshShowsNewFiles()
    {
        // Activation refreshes the list but keeps unchanged items: the activating click still lands.
        QListWidgetItem *erstes = f->File1->item(0);
        f->Form_Activate();
        QCOMPARE(f->File1->item(0), erstes);
        auto zeile = [this](const char *name) {
            const auto treffer = f->File1->findItems(QString::fromLatin1(name), Qt::MatchExactly);
            return treffer.isEmpty() ? -1 : f->File1->row(treffer.first());
        };
        for (const char *name : {"Neu_von_aussen.txt", ".versteckt", "a_klein.txt", "B_gross.txt"})
            schreibe(QString::fromLatin1(name), "x");
        f->aktu->trigger();
        QVERIFY(zeile("Neu_von_aussen.txt") >= 0);
        // Hidden files stay out, names sort without regard to case.
        QCOMPARE(zeile(".versteckt"), -1);
        QVERIFY(zeile("a_klein.txt") < zeile("B_gross.txt"));
    }

    // A report chosen in the list by keys opens as by a click.
    void reportChosenByKeys_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<QString>("bericht");
        QTest::newRow("Ab") << int(Qt::Key_Down) << "k2.txt";
        QTest::newRow("Auf") << int(Qt::Key_Up) << "k1.txt";
    }
    void reportChosenByKeys()
    {
        QFETCH(int, taste);
        QFETCH(QString, bericht);
        schreibe(QStringLiteral("k1.txt"), "#BEF 1 1 1\r\n");
        schreibe(QStringLiteral("k2.txt"), "#BEF 2 2 2\r\n");
        f->File1->refresh();
        f->File1->selectFile(taste == Qt::Key_Down ? QStringLiteral("k1.txt") : QStringLiteral("k2.txt"));
        f->Text1->setText(QString()); // no question before the load
        f->File1->setFocus();
        QTest::keyClick(f->File1, Qt::Key(taste));
        QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
        QCOMPARE(f->datei, dir.filePath(bericht));
        QCOMPARE(f->Text1->text(), bericht == QLatin1String("k2.txt") ? "#BEF 2 2 2\r\n" : "#BEF 1 1 1\r\n");
        QCOMPARE(f->focusWidget(), f->Text2);
    }

    void longPathHidesOrdersHeading()
    {
        const QString lang = QStringLiteral("ein_sehr_langer_ordnername_der_kein_ende_nimmt_und_weiter_geht");
        QVERIFY(QDir(dir.path()).mkdir(lang));
        f->Dir1->setPath(dir.filePath(lang));
        ladeBericht(f, QStringLiteral("bericht_mit_langem_namen.txt"), "#BEF 1 1 1\r\n");
        QVERIFY(f->Label2->isHidden());
        f->Dir1->setPath(dir.path());
        ladeBericht(f, QStringLiteral("a.txt"), "#BEF 1 1 1\r\n");
        QVERIFY(!f->Label2->isHidden());
    }

    void menuKeysWinOverTextBoxes()
    {
        f->Text2->setText(QStringLiteral("abc"));
        f->Text2->setFocus();
        QSignalSpy anordnen(f->winwinanord, &QAction::triggered);
        QTest::keyClick(f->Text2, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(anordnen.count(), 1);
        QCOMPARE(f->Text2->selLength(), 0);
    }
};

BW_TEST_MAIN(TstForm1Laden)
#include "tst_form1_laden.moc"
