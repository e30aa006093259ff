// The orders box of the main window: save, load, abort, busy flag, counting
// and capitals mode.
#include "platform/errors.h"
#include "platform/codepage.h"
#include "core/form3.h"
#include "core/globals.h"
#include "mainwindow/befehlsdatei.h"
#include "mainwindow/form1.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
const QString kName = QStringLiteral("Befehle.txt");
const QString kBeschaeftigt = QStringLiteral("Es ist gerade eine Datei geöffnet!");

QByteArray vieleBefehle(int zeilen)
{
    QByteArray t("#BEF 42 17 7\r\n");
    for (int i = 0; i < zeilen; ++i)
        t += "AB " + QByteArray::number(i) + " K\xF6rner;\xAEversteckt " + QByteArray::number(i) + "\r\n";
    return t;
}
// Typed keys with their text, umlauts included.
void tippe(QWidget *w, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &druck);
        QKeyEvent los(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &los);
    }
}
} // namespace

class TstBefehleFenster : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    Dialoge *dlg = nullptr;
    Form1 *f = nullptr;
    std::function<QByteArray(const QString &)> leseOriginal;

    void schreibe(const QString &name, const QByteArray &bytes) { schreibeDatei(dir.filePath(name), bytes); }
    QByteArray lies(const QString &name) { return liesDatei(dir.filePath(name)); }
    bool dateiMenus() const
    {
        return f->aktu->isEnabled() && f->speichern->isEnabled() && f->laden->isEnabled()
               && f->auswertungspeicherrrrn->isEnabled();
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void saveThenLoadGivesTheOrdersBack();
    void emptyOrdersSaveHeaderAndLineEnd();
    void overwriteQuestion();
    void failedSaveKeepsTheOldOrders();
    void folderOfTheSameName();
    void loadOfMissingFile();
    void otherLoadErrorEndsTheLoad();
    void sizeWarning_data();
    void sizeWarning();
    void loadAsksOnlyForChangedOrders();
    void abortKeepsWhatWasRead();
    void reportLoadCannotBeStoppedByOrders();
    void ordersLoadRefusesReportLoad();
    void countingIntoLabel13();
    void capitalsMode();
    void fileNameBox();
};

void TstBefehleFenster::initTestCase()
{
    QVERIFY(dir.isValid());
    dlg = new Dialoge;
    Form1::endProgram = [] {};
    StandardPfad = dir.path();
    // The start settings window changes the folder when it is made.
    Form3::instance();
    f = Form1::instance();
    QDir::setCurrent(dir.path());
    f->Dir1->setPath(dir.path());
    leseOriginal = Form1::befehleLesen;
}

void TstBefehleFenster::init()
{
    dlg->leeren();
    dlg->antworten.clear();
    dlg->standardAntwort = platform::Yes;
    QDir::setCurrent(dir.path());
    f->Text5->setText(kName);
    f->Text1->setText(QString());
    f->verandert = 0;
    f->arbeit = 0;
    f->abbruch = 0;
    f->gross = 0;
    f->grossbuchstststaben->setChecked(false);
    f->enableFileMenus(true);
    QFile::remove(dir.filePath(kName));
    BestaetigungsKlangAn = 0;
    TippKlangAn = 0;
}

void TstBefehleFenster::cleanup() { Form1::befehleLesen = leseOriginal; }

void TstBefehleFenster::saveThenLoadGivesTheOrdersBack()
{
    const QString befehle = QStringLiteral("#BEF 42 17 7 >Grün>\r\nAB 1 Ödland\r\n;Kommentar ß\r\n;;zwei\r\nCD 2;");
    f->Text1->setText(befehle);
    QCOMPARE(f->verandert, qint16(1));
    QVERIFY(f->speichern->isEnabled());

    f->speichern_Click();
    QVERIFY(dlg->boxen.isEmpty());
    QCOMPARE(lies(kName), befehlsdatei::kopfzeile(KontaktSeite, KontaktMail) + codepage::encode(befehle) + "\r\n");
    QVERIFY(KontaktSeite.contains(QLatin1String("example.org")) && KontaktMail.contains(QLatin1String("example.org")));
    QCOMPARE(f->Label3->caption(), QStringLiteral("GESPEICHERT"));
    QCOMPARE(f->verandert, qint16(0));
    QCOMPARE(f->arbeit, 0);
    QVERIFY(!f->speichern->isEnabled());
    QVERIFY(f->aktu->isEnabled() && f->laden->isEnabled() && f->auswertungspeicherrrrn->isEnabled());

    f->Text1->setText(QStringLiteral("etwas anderes"));
    f->laden_Click();
    QCOMPARE(dlg->prompts(), QStringList{QStringLiteral("Neue Datei wirklich laden?")});
    QCOMPARE(f->Text1->text(), befehle + QStringLiteral("\r\n"));
    QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
    QCOMPARE(f->Label1->caption(), kName + QStringLiteral(" , ") + QString::number(lies(kName).size()) + QStringLiteral(" Bytes"));
    QCOMPARE(f->verandert, qint16(0));
    QCOMPARE(f->arbeit, 0);
    QVERIFY(!f->speichern->isEnabled());
    QVERIFY(f->laden->isEnabled() && f->aktu->isEnabled());
    QVERIFY(f->Command3->isHidden());
    QVERIFY(!f->barVisible());
    QVERIFY(f->Label8->caption().startsWith(QStringLiteral("Bildschirmauflösung: ")));
}

void TstBefehleFenster::emptyOrdersSaveHeaderAndLineEnd()
{
    f->speichern_Click();
    QCOMPARE(lies(kName), befehlsdatei::kopfzeile(KontaktSeite, KontaktMail) + "\r\n");
    f->laden_Click();
    QCOMPARE(f->Text1->text(), QStringLiteral("\r\n"));
}

void TstBefehleFenster::overwriteQuestion()
{
    schreibe(kName, "alt\r\n");
    f->Text1->setText(QStringLiteral("AB 1"));
    dlg->antworten = {platform::No};
    f->speichern_Click();
    QCOMPARE(dlg->prompts(), QStringList{QStringLiteral("Alte Datei wirklich überschreiben?")});
    QCOMPARE(lies(kName), QByteArray("alt\r\n"));
    QCOMPARE(f->verandert, qint16(1));
    QCOMPARE(f->arbeit, 0);

    dlg->leeren();
    f->speichern_Click();
    QCOMPARE(dlg->prompts(), QStringList{QStringLiteral("Alte Datei wirklich überschreiben?")});
    QVERIFY(lies(kName).endsWith("AB 1\r\n"));
}

void TstBefehleFenster::failedSaveKeepsTheOldOrders()
{
    // A name at the length limit leaves no room for the temporary file,
    // so the write fails even where permissions would not stop it.
    const QString lang(255, QLatin1Char('b'));
    schreibe(lang, "alte Befehle\r\n");
    f->Text5->setText(lang);
    f->Text1->setText(QStringLiteral("AB neu"));
    f->speichern_Click();
    QCOMPARE(dlg->letzter(),
             QStringLiteral("Dateiname beinhaltet ungültige Zeichen oder es existiert ein VERZEICHNIS mit gleichem Namen."));
    QCOMPARE(lies(lang), QByteArray("alte Befehle\r\n"));
    QCOMPARE(f->arbeit, 0);
    QCOMPARE(f->verandert, qint16(1));
    QVERIFY(dateiMenus());
    QFile::remove(dir.filePath(lang));
}

void TstBefehleFenster::folderOfTheSameName()
{
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Ordner")));
    f->Text5->setText(QStringLiteral("Ordner"));
    f->Text1->setText(QStringLiteral("AB 1"));
    f->speichern_Click();
    QCOMPARE(dlg->prompts(),
             QStringList{QStringLiteral("Dateiname beinhaltet ungültige Zeichen oder es existiert ein VERZEICHNIS mit gleichem Namen.")});
    QCOMPARE(f->arbeit, 0);
    QVERIFY(dateiMenus());

    dlg->leeren();
    f->verandert = 0;
    f->laden_Click();
    QCOMPARE(dlg->prompts(), QStringList{QStringLiteral("Datei nicht vorhanden.")});
    QCOMPARE(f->arbeit, 0);
}

void TstBefehleFenster::loadOfMissingFile()
{
    f->Text1->setText(QStringLiteral("AB 1"));
    f->verandert = 0;
    f->enableFileMenus(false);
    f->laden->setEnabled(true);
    f->laden_Click();
    QCOMPARE(dlg->prompts(), QStringList{QStringLiteral("Datei nicht vorhanden.")});
    QCOMPARE(f->Text1->text(), QStringLiteral("AB 1"));
    QCOMPARE(f->Label3->caption(), QStringLiteral("FEHLER"));
    QCOMPARE(f->arbeit, 0);
    QVERIFY(f->Command3->isHidden());
    // The file menus stay as they were: the load never switched them off.
    QVERIFY(!f->aktu->isEnabled());
}

void TstBefehleFenster::otherLoadErrorEndsTheLoad()
{
    schreibe(kName, "AB 1\r\n");
    Form1::befehleLesen = [](const QString &) -> QByteArray { platform::raise(5); };
    f->laden_Click();
    QVERIFY(dlg->boxen.isEmpty());
    QCOMPARE(f->arbeit, 0);
    QVERIFY(dateiMenus());
    QVERIFY(f->Command3->isHidden());
    QCOMPARE(f->Label3->caption(), QStringLiteral("FEHLER"));

    Form1::befehleLesen = [](const QString &) -> QByteArray { throw std::bad_alloc(); };
    f->laden_Click();
    QCOMPARE(f->arbeit, 0);
    QVERIFY(dateiMenus());
}

void TstBefehleFenster::sizeWarning_data()
{
    QTest::addColumn<int>("groesse");
    QTest::addColumn<bool>("warnung");
    QTest::newRow("1200") << 1200 << false;
    QTest::newRow("1201") << 1201 << true;
}

void TstBefehleFenster::sizeWarning()
{
    QFETCH(int, groesse);
    QFETCH(bool, warnung);
    schreibe(kName, QByteArray(groesse - 2, 'A') + "\r\n");
    QString waehrend;
    QColor farbe;
    Form1::befehleLesen = [&](const QString &pfad) {
        waehrend = f->Label8->caption();
        farbe = f->Label8->palette().color(QPalette::WindowText);
        return leseOriginal(pfad);
    };
    f->laden_Click();
    QCOMPARE(waehrend == QStringLiteral("Ist die Datei nicht ein wenig zu gross, nur für Gub-Befehle?"), warnung);
    if (warnung)
        QCOMPARE(farbe, QColor(255, 0, 0));
    QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
    QCOMPARE(f->Text1->text().size(), groesse);
    QCOMPARE(f->Label8->caption(), QStringLiteral("Bildschirmauflösung: ") + QString::number(BildschirmBreite)
                                       + QStringLiteral("x") + QString::number(BildschirmHoehe));
}

void TstBefehleFenster::loadAsksOnlyForChangedOrders()
{
    schreibe(kName, "AB neu\r\n");
    f->Text1->setText(QStringLiteral("AB alt"));
    f->verandert = 0;
    f->laden_Click();
    QVERIFY(dlg->boxen.isEmpty());
    QCOMPARE(f->Text1->text(), QStringLiteral("AB neu\r\n"));

    f->Text1->setText(QString());
    QCOMPARE(f->verandert, qint16(1));
    f->laden_Click();
    QVERIFY(dlg->boxen.isEmpty());

    f->Text1->setText(QStringLiteral("AB alt"));
    dlg->antworten = {platform::No};
    f->laden_Click();
    QCOMPARE(dlg->prompts(), QStringList{QStringLiteral("Neue Datei wirklich laden?")});
    QCOMPARE(f->Text1->text(), QStringLiteral("AB alt"));
    QCOMPARE(f->verandert, qint16(1));
}

void TstBefehleFenster::abortKeepsWhatWasRead()
{
    const QByteArray datei = vieleBefehle(60000);
    schreibe(kName, datei);
    QTimer::singleShot(0, f, [this] {
        QVERIFY(!f->Command3->isHidden());
        QCOMPARE(f->Label3->caption(), QStringLiteral("LÄDT"));
        QCOMPARE(f->arbeit, 1);
        QVERIFY(!f->laden->isEnabled());
        f->Command3_Click();
    });
    f->laden_Click();
    QCOMPARE(f->Label3->caption(), QStringLiteral("ABGEBROCHEN"));
    const QString gelesen = f->Text1->text();
    QVERIFY(!gelesen.isEmpty());
    const QString alles = codepage::decode(befehlsdatei::lesen(datei));
    QVERIFY(gelesen.size() < alles.size());
    QVERIFY(alles.startsWith(gelesen));
    QCOMPARE(f->verandert, qint16(1));
    QCOMPARE(f->arbeit, 0);
    QCOMPARE(f->abbruch, qint16(0));
    QVERIFY(dateiMenus());
    QVERIFY(!f->barVisible());
}

void TstBefehleFenster::reportLoadCannotBeStoppedByOrders()
{
    QByteArray bericht("#BEF 1 2 3\r\n");
    for (int i = 0; i < 40000; ++i)
        bericht += "Zeile " + QByteArray::number(i) + " der Auswertung mit etwas Text.\r\n";
    schreibe(QStringLiteral("bericht.txt"), bericht);
    schreibe(kName, "AB 1\r\n");
    bool gefragt = false;
    auto c = connect(f->Text1, &TextBox::changed, f, [&] {
        if (gefragt || f->Text1->text().isEmpty())
            return;
        gefragt = true;
        QTimer::singleShot(0, f, [this] {
            QCOMPARE(f->arbeit, 1);
            f->laden_Click();
            f->speichern_Click();
        });
    });
    f->File1->refresh();
    f->File1->selectFile(QStringLiteral("bericht.txt"));
    disconnect(c);
    QVERIFY(gefragt);
    // (The report loader may warn about the report's size on its own.)
    QCOMPARE(dlg->prompts().count(kBeschaeftigt), 2);
    QVERIFY(!dlg->prompts().contains(QStringLiteral("Den aktuellen Ladevorgang wirklich abbrechen?")));
    QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
    QCOMPARE(f->Text1->text(), QStringLiteral("#BEF 1 2 3\r\n"));
    QVERIFY(!QFile::exists(dir.filePath(kName)) || lies(kName) == "AB 1\r\n");
    f->File1->clearSelection();
    f->File1->setCurrentRow(-1);
}

void TstBefehleFenster::ordersLoadRefusesReportLoad()
{
    schreibe(kName, vieleBefehle(60000));
    schreibe(QStringLiteral("bericht2.txt"), "#BEF 1 2 3\r\nText\r\n");
    f->File1->refresh();
    QTimer::singleShot(0, f, [this] {
        QCOMPARE(f->arbeit, 1);
        f->lad();
        f->speichern_Click();
    });
    f->laden_Click();
    QCOMPARE(dlg->prompts(), (QStringList{QStringLiteral("Es wird gerade eine andere Datei geladen/gespeichert."), kBeschaeftigt}));
    QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
    QCOMPARE(f->abbruch, qint16(0));
    QCOMPARE(f->Text1->text(), codepage::decode(befehlsdatei::lesen(lies(kName))));
}

void TstBefehleFenster::countingIntoLabel13()
{
    f->Text1->setText(QStringLiteral("#BEF 1 2 3\r\nAB 1\r\n;Kommentar\r\n\r\nCD 2"));
    f->zaehlzaehl_Click();
    QCOMPARE(f->Label13->caption(), QStringLiteral("2 Befehle"));
    f->Text1->setText(QStringLiteral("#BEF 1 2 3\r\nAB 1\r\n"));
    f->zaehlzaehl->trigger();
    QCOMPARE(f->Label13->caption(), QStringLiteral("1 Befehl"));
    f->Text1->setText(QStringLiteral("AB 1"));
    f->zaehlzaehl_Click();
    QCOMPARE(f->Label13->caption(), QString());
}

void TstBefehleFenster::capitalsMode()
{
    f->grossbuchstststaben->trigger();
    QCOMPARE(f->gross, qint16(1));
    QVERIFY(f->grossbuchstststaben->isChecked());
    tippe(f->Text1, QStringLiteral("ab ßäöü 1;x"));
    QCOMPARE(f->Text1->text(), QStringLiteral("AB ßÄÖÜ 1;X"));
    QCOMPARE(f->verandert, qint16(1));
    // Text put in by code is not changed.
    f->Text1->setText(QStringLiteral("klein"));
    QCOMPARE(f->Text1->text(), QStringLiteral("klein"));

    f->grossbuchstststaben_Click();
    QCOMPARE(f->gross, qint16(0));
    QVERIFY(!f->grossbuchstststaben->isChecked());
    f->Text1->setText(QString());
    QTest::keyClicks(f->Text1, QStringLiteral("ab"));
    QCOMPARE(f->Text1->text(), QStringLiteral("ab"));
}

void TstBefehleFenster::fileNameBox()
{
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    f->verandert = 0;
    f->speichern->setEnabled(false);
    f->Text5->setFocus();
    f->Text5->selectAll();
    tippe(f->Text5, QStringLiteral("Züge.txt"));
    QCOMPARE(StandardBefehlsdatei, QStringLiteral("Züge.txt"));
    QCOMPARE(f->verandert, qint16(1));
    QVERIFY(f->speichern->isEnabled());
    QTest::keyClick(f->Text5, Qt::Key_Return);
    QVERIFY(f->Text1->hasFocus());

    f->Text1->setText(QStringLiteral("AB Zug"));
    f->speichern_Click();
    QCOMPARE(lies(QStringLiteral("Züge.txt")), befehlsdatei::kopfzeile(KontaktSeite, KontaktMail) + "AB Zug\r\n");
    f->hide();
}

QTEST_MAIN(TstBefehleFenster)
#include "tst_befehle_fenster.moc"
