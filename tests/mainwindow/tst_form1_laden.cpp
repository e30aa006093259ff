// The main window's report load, paging, repair and saving back.
#include "core/form3.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "mainwindow/leer.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
QByteArray langerBericht(int zeilen)
{
    QByteArray t("Auswertung f\xFCr Spieler 7\r\n#BEF 42 17 7 >Gr\xFCn>\r\n");
    for (int i = 0; i < zeilen; ++i)
        t += "Zeile " + QByteArray::number(i) + ": Die Bauern ernten K\xF6rner und M\xE4use fliehen.\r\n";
    return t;
}
} // namespace

class TstForm1Laden : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    Dialoge *dlg = nullptr;
    Form1 *f = nullptr;

    void schreibe(const QString &name, const QByteArray &bytes) { schreibeDatei(dir.filePath(name), bytes); }
    QByteArray lies(const QString &name) { return liesDatei(dir.filePath(name)); }
    // Runs fn at the first yield of the line load (right after the head line).
    void imZeilenLaden(std::function<void()> fn)
    {
        auto *c = new QMetaObject::Connection;
        *c = connect(f->Text1, &TextBox::changed, f, [this, c, fn] {
            if (f->Text1->text().isEmpty())
                return;
            disconnect(*c);
            delete c;
            QTimer::singleShot(0, f, fn);
        });
    }
    void lade(const QString &name)
    {
        f->File1->refresh();
        f->File1->selectFile(name);
    }

private slots:
    void initTestCase();
    void init();
    void loadsHeadLineAndWholeText();
    void oemReportShowsItsOwnLetters();
    void reportWithoutHeadLine();
    void savesBackByteForByte_data();
    void savesBackByteForByte();
    void refusesToSaveOrRepairEmptyStore();
    void pagesThroughHalves();
    void pagingIgnoredWhileBusy();
    void abortStopsTheLoad();
    void busyQuestionYesLoadsTheNewReport();
    void busyQuestionNoKeepsLoading();
    void otherFileOperationIsNotAborted();
    void vanishedFileIsReported();
    void failedLineLoadEndsTheLoad();
    void newLoadResetsPaging();
    void repairOfLfOnlyReport();
    void startUpLoadUsesAbsolutePath();
    void unsavedOrdersAskBeforeLoading();
    void sectionFinderNeedsAReport();
    void endQuestions();
    void folderClickDuringLoadStopsIt();
    void folderClickWhileIdleChangesNothing();
    void refreshShowsNewFiles();
    void longPathHidesOrdersHeading();
    void menuKeysWinOverTextBoxes();
};

void TstForm1Laden::initTestCase()
{
    QVERIFY(dir.isValid());
    dlg = new Dialoge;
    Form1::endProgram = [] {};
    StandardPfad = dir.path();
    f = Form1::instance();
    // A change of folder marks the orders as changed.
    f->verandert = 0;
    f->speichern->setEnabled(false);
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("erst")));
    f->Dir1->setPath(dir.filePath(QStringLiteral("erst")));
    QCOMPARE(f->verandert, qint16(1));
    QVERIFY(f->speichern->isEnabled());
    f->Dir1->setPath(dir.path());
    // The offscreen screen is narrower than 1024 pixels.
    QCOMPARE(dlg->boxen.size(), 1);
    QVERIFY(dlg->letzter().startsWith(QStringLiteral("Dieses Programm ist optimiert für eine Auflösung von 1024 x 768 Pixeln. Deine Auflösung (")));
    QVERIFY(dlg->letzter().endsWith(QStringLiteral(") ist etwas zu niedrig, um Befehlswart optimal nutzen zu können.")));
    QVERIFY(f->Label8->caption().startsWith(QStringLiteral("Bildschirmauflösung: ")));
    QCOMPARE(f->Text5->text(), QStringLiteral("Befehle.txt"));
}

void TstForm1Laden::init()
{
    dlg->leeren();
    dlg->antworten.clear();
    dlg->standardAntwort = platform::Yes;
    f->verandert = 0;
    f->Text1->setText(QString());
    f->verandert = 0;
    BestaetigungsKlangAn = 0;
}

void TstForm1Laden::loadsHeadLineAndWholeText()
{
    schreibe(QStringLiteral("a.txt"), "K\xF6pf\r\n#BEF 1 2 3 >geheim>\r\nText \xE4\xF6\xFC\r\n");
    lade(QStringLiteral("a.txt"));
    QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
    QCOMPARE(f->Text1->text(), QStringLiteral("#BEF 1 2 3 >geheim>\r\n"));
    QCOMPARE(f->Text2->text(), QStringLiteral("\r\nKöpf\r\n#BEF 1 2 3 >geheim>\r\nText äöü"));
    QCOMPARE(f->Label5->caption(), QStringLiteral("Windows - Zeichensatz"));
    QCOMPARE(f->u, 1);
    QCOMPARE(f->arbeit, 0);
    QCOMPARE(f->verandert, qint16(1));
    QVERIFY(f->speichern->isEnabled() && f->aktu->isEnabled() && f->laden->isEnabled()
            && f->auswertungspeicherrrrn->isEnabled());
    QVERIFY(f->Command3->isHidden());
    QVERIFY(f->Label13->caption().isEmpty());
    QCOMPARE(f->Label14->caption(), QStringLiteral("Benötigte Zeit: 0 Sekunden"));
    QVERIFY(f->Label1->caption().endsWith(QStringLiteral(" , 37 Bytes")));
    QVERIFY(!f->barVisible());
    QCOMPARE(f->ZuViel, qint16(0));
    QVERIFY(f->Command1->isHidden() && f->Command4->isHidden());
}

void TstForm1Laden::oemReportShowsItsOwnLetters()
{
    f->Text3->setText(QStringLiteral("x")); // not a number: the default size serves
    schreibe(QStringLiteral("oem.txt"), "#BEF 5 6 7 >M\x84use>\r\nK\x94rner \xE1\r\n");
    lade(QStringLiteral("oem.txt"));
    QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
    QCOMPARE(f->u, 2);
    QCOMPARE(f->Label5->caption(), QStringLiteral("Oem - Zeichensatz (DOS)"));
    QCOMPARE(f->Combo2->currentText(), QStringLiteral("Terminal"));
    QCOMPARE(f->Text2->fontName(), QStringLiteral("Terminal"));
    QCOMPARE(f->Text2->fontSize(), 7.0);
    QCOMPARE(f->Text2->text(), QStringLiteral("\r\n#BEF 5 6 7 >Mäuse>\r\nKörner ß"));
    // The orders keep the report's own bytes.
    QCOMPARE(codepage::encode(f->Text1->text()), QByteArray("#BEF 5 6 7 >M\x84use>\r\n"));
    f->Text3->setText(QStringLiteral("7"));
}

void TstForm1Laden::reportWithoutHeadLine()
{
    schreibe(QStringLiteral("ohne.txt"), "nur Text\r\nohne Kopf;\xAE versteckt\r\nletzte #BEF 1 2 3");
    lade(QStringLiteral("ohne.txt"));
    QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
    QVERIFY(f->Text1->text().isEmpty());
    QCOMPARE(f->Text2->text(), QStringLiteral("nur Text\r\nohne Kopfletzte #BEF 1 2 3"));
    QVERIFY(f->store().isEmpty());
    QCOMPARE(f->Label5->caption(), QStringLiteral("Kein eindeutiges Format"));
    QCOMPARE(f->arbeit, 0);
}

void TstForm1Laden::savesBackByteForByte_data()
{
    QTest::addColumn<QByteArray>("kopf");
    QTest::newRow("windows") << QByteArray("#BEF 1 2 3 \xE4\r\n");
    QTest::newRow("oem") << QByteArray("#BEF 1 2 3 \x84\r\n");
}

void TstForm1Laden::savesBackByteForByte()
{
    QFETCH(QByteArray, kopf);
    QByteArray alle;
    for (int b = 0x20; b <= 0xFF; ++b)
        alle.append(char(b));
    const QByteArray inhalt = kopf + alle + "\r\n" + alle + "\r\n";
    schreibe(QStringLiteral("voll.txt"), inhalt);
    lade(QStringLiteral("voll.txt"));
    QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
    dlg->antworten = {platform::Yes};
    f->auswertungspeicherrrrn_Click();
    QCOMPARE(f->Label3->caption(), QStringLiteral("GESPEICHERT"));
    QVERIFY(dlg->boxen.first().prompt.contains(QStringLiteral("'") + dir.filePath(QStringLiteral("voll.txt")) + QStringLiteral("'")));
    // Saving adds one empty line at the top, nothing else.
    QCOMPARE(lies(QStringLiteral("voll.txt")), QByteArray("\r\n") + inhalt);
}

void TstForm1Laden::refusesToSaveOrRepairEmptyStore()
{
    schreibe(QStringLiteral("ohne2.txt"), "kein Kopf hier\r\n");
    lade(QStringLiteral("ohne2.txt"));
    dlg->leeren();
    f->auswertungspeicherrrrn_Click();
    QCOMPARE(dlg->prompts(), QStringList{QStringLiteral("Keine Auswertung vorhanden!")});
    QCOMPARE(lies(QStringLiteral("ohne2.txt")), QByteArray("kein Kopf hier\r\n"));
    dlg->leeren();
    f->leerzeichfuegein_Click();
    QCOMPARE(dlg->prompts(), QStringList{QStringLiteral("Keine Auswertung vorhanden!")});
    QCOMPARE(f->Text2->text(), QStringLiteral("kein Kopf hier\r\n"));
}

void TstForm1Laden::pagesThroughHalves()
{
    QByteArray t("#BEF 1 2 3\r\n");
    while (t.size() < 40000)
        t += "abcdefghij\r\n";
    schreibe(QStringLiteral("halb.txt"), t);
    lade(QStringLiteral("halb.txt"));
    QCOMPARE(f->ZuViel, qint16(1));
    QCOMPARE(f->Teil, qint16(1));
    QVERIFY(f->Command1->isVisible() || !f->isVisible());
    QVERIFY(!f->Command1->isEnabled() && f->Command4->isEnabled());
    QCOMPARE(f->Label15->caption(), QStringLiteral("1"));
    const QString first = f->Text2->text();
    QCOMPARE(first, f->reportText(f->L));

    f->Command4_Click();
    QCOMPARE(f->Teil, qint16(2));
    QCOMPARE(f->Text2->text(), f->reportText(f->R));
    QCOMPARE(f->Text2->selStart(), 199);
    QCOMPARE(f->Text2->selLength(), 1);
    // The selected character was the last one of the part before.
    QCOMPARE(f->Text2->selText().at(0), first.at(first.size() - 1));
    QVERIFY(!f->Command4->isEnabled() && f->Command1->isEnabled());

    f->Command1_Click();
    QCOMPARE(f->Teil, qint16(1));
    QCOMPARE(f->Text2->selStart(), f->Text2->length() - 200);
    QCOMPARE(f->Text2->selText().at(0), f->reportText(f->R).at(0));
    QVERIFY(!f->Command1->isEnabled());
}

void TstForm1Laden::pagingIgnoredWhileBusy()
{
    QVERIFY(f->ZuViel >= 1);
    const QString before = f->Text2->text();
    f->arbeit = 1;
    f->Command4_Click();
    f->arbeit = 0;
    QCOMPARE(f->Text2->text(), before);
}

void TstForm1Laden::abortStopsTheLoad()
{
    schreibe(QStringLiteral("gross.txt"), langerBericht(40000));
    imZeilenLaden([this] {
        QVERIFY(f->Command3->isVisibleTo(f));
        f->Command3->click();
    });
    QElapsedTimer t;
    t.start();
    lade(QStringLiteral("gross.txt"));
    QVERIFY(t.elapsed() < 2000);
    QCOMPARE(f->Label3->caption(), QStringLiteral("ABGEBROCHEN"));
    QCOMPARE(f->arbeit, 0);
    QCOMPARE(f->abbruch, qint16(0));
    QVERIFY(f->aktu->isEnabled() && f->laden->isEnabled());
    QVERIFY(f->Command3->isHidden());
    QVERIFY(f->Label14->caption().startsWith(QStringLiteral("Benötigte Zeit: ")));
    QVERIFY(f->Text2->text().startsWith(QStringLiteral("\r\nAuswertung für Spieler 7")));
    QVERIFY(f->Inhalt.size() < langerBericht(40000).size());
}

void TstForm1Laden::busyQuestionYesLoadsTheNewReport()
{
    schreibe(QStringLiteral("gross.txt"), langerBericht(40000));
    schreibe(QStringLiteral("klein.txt"), "#BEF 9 9 9\r\nklein\r\n");
    f->File1->refresh();
    imZeilenLaden([this] { f->File1->selectFile(QStringLiteral("klein.txt")); });
    dlg->antworten = {platform::Yes, platform::Yes};
    lade(QStringLiteral("gross.txt"));
    QVERIFY(dlg->prompts().contains(QStringLiteral("Den aktuellen Ladevorgang wirklich abbrechen?")));
    QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
    QCOMPARE(f->Text1->text(), QStringLiteral("#BEF 9 9 9\r\n"));
    QCOMPARE(f->Text2->text(), QStringLiteral("\r\n#BEF 9 9 9\r\nklein"));
    QCOMPARE(f->arbeit, 0);
}

void TstForm1Laden::busyQuestionNoKeepsLoading()
{
    schreibe(QStringLiteral("gross.txt"), langerBericht(40000));
    schreibe(QStringLiteral("klein.txt"), "#BEF 9 9 9\r\nklein\r\n");
    f->File1->refresh();
    imZeilenLaden([this] { f->File1->selectFile(QStringLiteral("klein.txt")); });
    dlg->antworten = {platform::Yes, platform::No};
    lade(QStringLiteral("gross.txt"));
    QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
    QCOMPARE(f->Text1->text(), QStringLiteral("#BEF 42 17 7 >Grün>\r\n"));
    QCOMPARE(f->store(), "\r\n" + langerBericht(40000).chopped(2));
    QCOMPARE(f->ZuViel, qint16(2));
}

void TstForm1Laden::otherFileOperationIsNotAborted()
{
    f->arbeit = 1; // an orders load or save is running
    f->lad();
    QCOMPARE(dlg->prompts(), QStringList{QStringLiteral("Es wird gerade eine andere Datei geladen/gespeichert.")});
    QCOMPARE(f->abbruch, qint16(0));
    QCOMPARE(f->neuedatei, qint16(0));
    f->arbeit = 0;
}

void TstForm1Laden::vanishedFileIsReported()
{
    schreibe(QStringLiteral("weg.txt"), "#BEF 1 1 1\r\n");
    f->File1->refresh();
    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("weg.txt"))));
    f->Text1->setText(QString());
    f->File1->selectFile(QStringLiteral("weg.txt"));
    QCOMPARE(dlg->prompts(), QStringList{QStringLiteral("Datei nicht gefunden: ") + dir.filePath(QStringLiteral("weg.txt"))});
    QCOMPARE(f->Label3->caption(), QStringLiteral("ABGEBROCHEN"));
    QVERIFY(f->aktu->isEnabled() && f->speichern->isEnabled() && f->laden->isEnabled());
    QVERIFY(f->Text1->text().isEmpty());
    QCOMPARE(f->arbeit, 0);
}

void TstForm1Laden::failedLineLoadEndsTheLoad()
{
    schreibe(QStringLiteral("flüchtig.txt"), "#BEF 1 1 1\r\nText\r\n");
    // The file vanishes once its head line is taken, before the line load.
    auto c = connect(f->Text1, &TextBox::changed, f, [this] {
        if (!f->Text1->text().isEmpty())
            QFile::remove(dir.filePath(QStringLiteral("flüchtig.txt")));
    });
    lade(QStringLiteral("flüchtig.txt"));
    disconnect(c);
    QCOMPARE(dlg->prompts().size(), 1);
    QVERIFY(dlg->letzter().startsWith(QStringLiteral("Laufzeitfehler Nr.53: ")));
    QCOMPARE(f->Label3->caption(), QStringLiteral("FEHLER"));
    QCOMPARE(f->arbeit, 0);
    QVERIFY(f->aktu->isEnabled() && f->laden->isEnabled() && f->auswertungspeicherrrrn->isEnabled());
    QVERIFY(f->Command3->isHidden());
    // A new load can start again.
    schreibe(QStringLiteral("danach.txt"), "#BEF 2 2 2\r\n");
    lade(QStringLiteral("danach.txt"));
    QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
}

void TstForm1Laden::newLoadResetsPaging()
{
    QByteArray t("#BEF 1 2 3\r\n");
    while (t.size() < 70000)
        t += "abcdefghij\r\n";
    schreibe(QStringLiteral("viertel.txt"), t);
    lade(QStringLiteral("viertel.txt"));
    QCOMPARE(f->ZuViel, qint16(2));
    schreibe(QStringLiteral("kaputt.txt"), "kein Kopf\r\n");
    lade(QStringLiteral("kaputt.txt"));
    QCOMPARE(f->ZuViel, qint16(0));
    QVERIFY(f->Command4->isHidden());
    const QString shown = f->Text2->text();
    f->Command4_Click();
    QCOMPARE(f->Text2->text(), shown);
}

void TstForm1Laden::repairOfLfOnlyReport()
{
    BestaetigungsKlangAn = 1;
    schreibe(QStringLiteral("lf.txt"), "#BEF 3 3 3\nerste\nzweite\n");
    lade(QStringLiteral("lf.txt"));
    QCOMPARE(f->Text1->text(), QStringLiteral("#BEF 3 3 3\r\n"));
    QCOMPARE(f->store(), QByteArray("\r\n#BEF 3 3 3\nerste\nzweite\n"));
    f->leerzeichfuegein_Click();
    QCOMPARE(f->store(), QByteArray("\r\n#BEF 3 3 3\r\nerste\r\nzweite\r\n"));
    QCOMPARE(f->Text2->text(), QStringLiteral("\r\n#BEF 3 3 3\r\nerste\r\nzweite\r\n"));
    QVERIFY(f->isEnabled());
    QVERIFY(Leer::instance()->isHidden());
    QCOMPARE(Leer::instance()->LeerAbbruch, qint16(0));
}

void TstForm1Laden::startUpLoadUsesAbsolutePath()
{
    schreibe(QStringLiteral("start.txt"), "#BEF 4 4 4\r\nStart\r\n");
    f->File1->setListIndex(-1);
    QDir::setCurrent(dir.path());
    StartAuswertung = QStringLiteral("start.txt");
    f->lad();
    StartAuswertung.clear();
    QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
    QCOMPARE(f->datei, dir.filePath(QStringLiteral("start.txt")));
    QVERIFY(!f->ladAusListe());
    QVERIFY(f->Label13->caption().isEmpty());
    ProgressBar *pb = Form3::instance()->ProgressBar1;
    QVERIFY(pb->value() >= pb->min() && pb->value() <= pb->max());
}

void TstForm1Laden::unsavedOrdersAskBeforeLoading()
{
    schreibe(QStringLiteral("neu.txt"), "#BEF 8 8 8\r\n");
    f->Text1->setText(QStringLiteral("XY 1 2\r\n"));
    QCOMPARE(f->verandert, qint16(1));
    dlg->antworten = {platform::No};
    lade(QStringLiteral("neu.txt"));
    QCOMPARE(dlg->boxen.size(), 1);
    QCOMPARE(dlg->boxen.first().prompt, QStringLiteral("Befehle noch nicht gespeichert.\r\nWirklich neue Auswertung laden und Änderungen bei den Befehlen verwerfen?"));
    QCOMPARE(dlg->boxen.first().buttons, platform::YesNo | platform::Warning);
    QCOMPARE(f->Text1->text(), QStringLiteral("XY 1 2\r\n"));
    // An empty orders box loads without a question.
    dlg->leeren();
    f->Text1->setText(QString());
    lade(QStringLiteral("neu.txt"));
    QVERIFY(dlg->boxen.isEmpty());
    QCOMPARE(f->Text1->text(), QStringLiteral("#BEF 8 8 8\r\n"));
}

void TstForm1Laden::sectionFinderNeedsAReport()
{
    f->Text2->setText(QString());
    f->hhhelden->trigger();
    QCOMPARE(dlg->prompts(), QStringList{QStringLiteral("Lade am Besten erst mal eine Auswertung.")});
    f->Text2->setText(QStringLiteral("abc\r\nHelden: Ragnar\r\nMonster"));
    dlg->leeren();
    f->hhhelden->trigger();
    QVERIFY(dlg->boxen.isEmpty());
    QCOMPARE(f->Text2->selText(), QStringLiteral("Helden: Ragnar\r\n"));
}

void TstForm1Laden::endQuestions()
{
    int ended = 0;
    Form1::endProgram = [&] { ++ended; };
    f->verandert = 1;
    dlg->antworten = {platform::No};
    f->beend_Click();
    QCOMPARE(dlg->letzter(), QStringLiteral("Befehle noch nicht gespeichert.\r\nWirklich beenden?"));
    QCOMPARE(ended, 0);
    f->verandert = 0;
    dlg->antworten = {platform::Yes};
    f->beend_Click();
    QCOMPARE(dlg->letzter(), QStringLiteral("Wirklich beenden?"));
    QCOMPARE(ended, 1);
    qint16 cancel = 0;
    dlg->antworten = {platform::No};
    f->Form_QueryUnload(cancel, 0);
    QCOMPARE(cancel, qint16(1));
    Form1::endProgram = [] {};
}

void TstForm1Laden::folderClickDuringLoadStopsIt()
{
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("unter")));
    f->Dir1->setPath(dir.path());
    schreibe(QStringLiteral("gross.txt"), langerBericht(40000));
    imZeilenLaden([this] {
        const int row = f->Dir1->count() - 1; // the subfolder
        f->Dir1->setCurrentRow(row);
        emit f->Dir1->clicked();
    });
    dlg->antworten = {platform::Yes};
    lade(QStringLiteral("gross.txt"));
    QVERIFY(dlg->prompts().contains(QStringLiteral("Den aktuellen Ladevorgang wirklich abbrechen?")));
    QCOMPARE(f->Label3->caption(), QStringLiteral("ABGEBROCHEN"));
    QCOMPARE(f->Dir1->path(), dir.filePath(QStringLiteral("unter")));
    QCOMPARE(f->File1->path(), dir.filePath(QStringLiteral("unter")));
    QCOMPARE(QDir::currentPath(), dir.filePath(QStringLiteral("unter")));
    QVERIFY(f->aktu->isEnabled());
    f->Dir1->setPath(dir.path());
}

void TstForm1Laden::folderClickWhileIdleChangesNothing()
{
    f->Dir1->setPath(dir.path());
    f->Dir1->setCurrentRow(f->Dir1->count() - 1);
    emit f->Dir1->clicked();
    QVERIFY(dlg->boxen.isEmpty());
    QCOMPARE(f->Dir1->path(), dir.path());
}

void TstForm1Laden::refreshShowsNewFiles()
{
    f->File1->refresh();
    // Activating the window refreshes the list: an unchanged listing keeps
    // its items, so the click that activated the window still reaches one.
    QListWidgetItem *erstes = f->File1->item(0);
    f->Form_Activate();
    QCOMPARE(f->File1->item(0), erstes);
    schreibe(QStringLiteral("Neu_von_aussen.txt"), "x");
    QVERIFY(f->File1->findItems(QStringLiteral("Neu_von_aussen.txt"), Qt::MatchExactly).isEmpty());
    f->aktu->trigger();
    QCOMPARE(f->File1->findItems(QStringLiteral("Neu_von_aussen.txt"), Qt::MatchExactly).size(), 1);
    // Hidden files stay out, names sort without regard to case.
    schreibe(QStringLiteral(".versteckt"), "x");
    schreibe(QStringLiteral("a_klein.txt"), "x");
    schreibe(QStringLiteral("B_gross.txt"), "x");
    f->aktu->trigger();
    QVERIFY(f->File1->findItems(QStringLiteral(".versteckt"), Qt::MatchExactly).isEmpty());
    const int a = f->File1->row(f->File1->findItems(QStringLiteral("a_klein.txt"), Qt::MatchExactly).first());
    const int b = f->File1->row(f->File1->findItems(QStringLiteral("B_gross.txt"), Qt::MatchExactly).first());
    QVERIFY(a < b);
}

void TstForm1Laden::longPathHidesOrdersHeading()
{
    const QString lang = QStringLiteral("ein_sehr_langer_ordnername_der_kein_ende_nimmt_und_weiter_geht");
    QVERIFY(QDir(dir.path()).mkpath(lang));
    f->Dir1->setPath(dir.filePath(lang));
    schreibe(lang + QStringLiteral("/bericht_mit_langem_namen.txt"), "#BEF 1 1 1\r\n");
    f->File1->refresh();
    f->File1->selectFile(QStringLiteral("bericht_mit_langem_namen.txt"));
    QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
    QVERIFY(f->Label2->isHidden());
    f->Dir1->setPath(dir.path());
    lade(QStringLiteral("a.txt"));
    QVERIFY(!f->Label2->isHidden());
}

void TstForm1Laden::menuKeysWinOverTextBoxes()
{
    f->show();
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    f->Text2->setText(QStringLiteral("abc"));
    f->Text2->setFocus();
    QSignalSpy karte(f->starttt, &QAction::triggered);
    QTest::keyClick(f->Text2, Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(karte.count(), 1);
    QSignalSpy spy(f->winwinanord, &QAction::triggered);
    QTest::keyClick(f->Text2, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(f->Text2->selLength(), 0);
}

QTEST_MAIN(TstForm1Laden)
#include "tst_form1_laden.moc"
