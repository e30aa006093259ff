// The enlarged view: filling it from the main window, the copy back, and
// printing the report and the orders (into a PDF file read back).
#include "core/drucken.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "mainwindow/form6.h"
#include "pdftext.h"
#include "testsupport.h"

#include <QInputDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
const QString kFrage = QStringLiteral("Im maximierten Fenster wurde etwas verändert.\nSoll es übertragen werden?");
const QString kBemerkungFrage = QStringLiteral("Hier kannst du noch Bemerkungen zum Ausdruck hinzufügen.");
const QString kKeinDrucker = QStringLiteral(
    "Natürlich musst du schon einen Drucker haben und ihn unter Windows als Standard installiert haben.\n"
    "Dies scheint nicht der Fall zu sein.\nMöglich ist auch, dass der Drucker nicht eingeschaltet ist.");

QStringList volleZeilen(const QString &text)
{
    QStringList out;
    for (const QString &z : text.split(QLatin1Char('\n')))
        if (!z.trimmed().isEmpty())
            out << z.trimmed();
    return out;
}
} // namespace

class TstForm6 : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    Dialoge *dlg = nullptr;
    Form1 *f = nullptr;
    Form6 *g = nullptr;
    QString m_pdf;
    int m_pdfNr = 0;

    void aktiviere(Form *w)
    {
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTRY_COMPARE(Form::lastActive(), w);
    }
    int fragen() const { return int(dlg->prompts().count(kFrage)); }
    void lade(const QString &name, const QByteArray &bytes)
    {
        schreibeDatei(dir.filePath(name), bytes);
        f->verandert = 0;
        f->File1->refresh();
        f->File1->selectFile(name);
        QTRY_COMPARE(f->arbeit, 0);
    }
    // The lines of the body of the last printout, after the head and rule.
    QStringList ausdruckZeilen()
    {
        if (!QFileInfo::exists(m_pdf))
            return {QStringLiteral("<kein Ausdruck>")};
        return volleZeilen(pdfText(m_pdf));
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fillsTheView_data();
    void fillsTheView();
    void copyBackAfterFocusChange_data();
    void copyBackAfterFocusChange();
    void noQuestionOverTheRemarkBox();
    void noQuestionWhileLoading();
    void referenceTextNeverGoesBack_data();
    void referenceTextNeverGoesBack();
    void closingAsksAndEmptiesTheView();
    void printOrders_data();
    void printOrders();
    void nothingToPrint_data();
    void nothingToPrint();
    void viewStateAfterPrinting_data();
    void viewStateAfterPrinting();
    void splitReportPrintsTheWholeStore();
    void reportWithoutStorePrintsWhatIsShown();
    void printerThatCannotStart();
};

void TstForm6::initTestCase()
{
    QVERIFY(dir.isValid());
    dlg = new Dialoge;
    Form1::endProgram = [] {};
    StandardPfad = dir.path();
    f = Form1::instance();
    f->Dir1->setPath(dir.path());
    g = Form6::instance();
    druckerOeffnen = [this]() {
        m_pdf = dir.filePath(QStringLiteral("druck%1.pdf").arg(++m_pdfNr));
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(m_pdf);
        return p;
    };
}

void TstForm6::init()
{
    aktiviere(f);
    dlg->leeren();
    dlg->antworten.clear();
    dlg->eingaben.clear();
    dlg->standardAntwort = platform::No;
    f->Text1->setText(QStringLiteral("#BEF 1 2 3\r\nAB 12 Körner"));
    f->Text2->setText(QStringLiteral("Auswertung für Spieler 3\r\nGold: 500"));
    f->Label3->setCaption(QString());
    m_pdf.clear();
}

void TstForm6::cleanup()
{
    g->Unload();
    f->arbeit = 0;
}

void TstForm6::fillsTheView_data()
{
    QTest::addColumn<int>("taste");
    QTest::addColumn<bool>("leer");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("kopf");
    QTest::addColumn<QString>("inhalt");
    QTest::newRow("F6 report") << int(Qt::Key_F6) << false << "Maximierte Auswertung"
                               << "Maximierte Auswertung, geladen mit Befehlswart, Version " << "Auswertung";
    QTest::newRow("F6 empty report") << int(Qt::Key_F6) << true << "Maximierte Auswertung"
                                     << "Maximierte Auswertung (in der leider nichts steht...), geladen mit Befehlswart, Version "
                                     << "Auswertung";
    QTest::newRow("F7 orders") << int(Qt::Key_F7) << false << "Maximierte Befehlsdatei"
                               << "Maximierte Befehlsdatei, geladen mit Befehlswart, Version " << "Befehl";
    QTest::newRow("F7 empty orders") << int(Qt::Key_F7) << true << "Maximierte Befehlsdatei"
                                     << "Maximierte Befehlsdatei (in der leider nichts steht...), geladen mit Befehlswart, Version "
                                     << "Befehl";
}

void TstForm6::fillsTheView()
{
    QFETCH(int, taste);
    QFETCH(bool, leer);
    QFETCH(QString, titel);
    QFETCH(QString, kopf);
    QFETCH(QString, inhalt);
    TextBox *quelle = taste == Qt::Key_F6 ? f->Text2 : f->Text1;
    if (leer)
        quelle->setText(QString());
    quelle->setFontName(QStringLiteral("Courier New"));
    quelle->setFontSize(12);
    g->drr->setVisible(false);
    g->setFensterZustand(1);

    QTest::keyClick(f, Qt::Key(taste));
    QVERIFY(g->isVisible());
    QCOMPARE(g->fensterZustand(), 0);
    QTRY_COMPARE(Form::lastActive(), g);
    QCOMPARE(g->Text1->text(), quelle->text());
    QCOMPARE(g->Text1->fontName(), QStringLiteral("Courier New"));
    QCOMPARE(g->Text1->fontSize(), 12.0);
    QCOMPARE(g->Label1->caption(), kopf + ProgrammVersion + QStringLiteral(", zu finden unter ") + HeimatSeite + QStringLiteral("."));
    QCOMPARE(g->windowTitle(), titel);
    QVERIFY(g->drr->isVisible());
    QVERIFY(g->Text1->locked());
    QCOMPARE(FensterInhalt, inhalt);
}

void TstForm6::copyBackAfterFocusChange_data()
{
    QTest::addColumn<bool>("bericht");
    QTest::addColumn<int>("antwort");
    QTest::newRow("orders, yes") << false << int(platform::Yes);
    QTest::newRow("orders, no") << false << int(platform::No);
    QTest::newRow("report, yes") << true << int(platform::Yes);
}

void TstForm6::copyBackAfterFocusChange()
{
    QFETCH(bool, bericht);
    QFETCH(int, antwort);
    TextBox *ziel = bericht ? f->Text2 : f->Text1;
    bericht ? f->auswmax_Click() : f->befmax_Click();
    QTRY_COMPARE(Form::lastActive(), g);
    const QString gross = g->Text1->text();
    // Leaving the view with both texts alike asks nothing.
    aktiviere(f);
    QCOMPARE(fragen(), 0);

    aktiviere(g);
    g->Text1->setText(gross + QStringLiteral("\r\nXX neu"));
    f->verandert = 0;
    dlg->antworten << antwort;
    aktiviere(f);
    QCOMPARE(fragen(), 1);
    const QString erwartet = antwort == platform::Yes ? gross + QStringLiteral("\r\nXX neu") : gross;
    QCOMPARE(ziel->text(), erwartet);
    if (!bericht && antwort == platform::Yes)
        QCOMPARE(f->verandert, qint16(1));
    // Asked once: the change mark is gone.
    aktiviere(g);
    aktiviere(f);
    QCOMPARE(fragen(), 1);
}

void TstForm6::noQuestionOverTheRemarkBox()
{
    f->befmax_Click();
    aktiviere(g);
    f->Text1->setText(QStringLiteral("anders"));
    // A real input box opens over the view; the player cancels it.
    platform::setInputBoxHook({});
    bool gesehen = false;
    QTimer::singleShot(50, this, [&] {
        QTRY_VERIFY(qobject_cast<QInputDialog *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        gesehen = box->labelText() == kBemerkungFrage && box->textValue() == QStringLiteral("Nix");
        box->reject();
    });
    g->drr_Click();
    delete dlg;
    dlg = new Dialoge;
    QVERIFY(gesehen);
    QCOMPARE(fragen(), 0);
    QCOMPARE(dlg->boxen.size(), 0);
    QCOMPARE(f->Label3->caption(), QStringLiteral("ABGEBROCHEN"));
    QCOMPARE(f->Text1->text(), QStringLiteral("anders"));
}

void TstForm6::noQuestionWhileLoading()
{
    f->befmax_Click();
    aktiviere(g);
    f->arbeit = 1;
    f->Text1->setText(QStringLiteral("#BEF 9 9 9\r\n"));
    aktiviere(f);
    QCOMPARE(fragen(), 0);
    // Once the load is over, the old text is not offered either.
    f->arbeit = 0;
    aktiviere(g);
    aktiviere(f);
    QCOMPARE(fragen(), 0);
    QCOMPARE(f->Text1->text(), QStringLiteral("#BEF 9 9 9\r\n"));
}

void TstForm6::referenceTextNeverGoesBack_data()
{
    QTest::addColumn<QString>("schluessel");
    for (const char *k : {"#", "Rang", "Eigenschaften", "Kampfablauf"})
        QTest::newRow(k) << QString::fromLatin1(k);
}

void TstForm6::referenceTextNeverGoesBack()
{
    QFETCH(QString, schluessel);
    aktiviere(g);
    g->Text1->setText(QStringLiteral("Tabelle"));
    g->Text1->setLocked(true);
    g->drr->setVisible(false);
    FensterInhalt = schluessel;
    aktiviere(f);
    g->close();
    QCOMPARE(fragen(), 0);
    QCOMPARE(f->Text1->text(), QStringLiteral("#BEF 1 2 3\r\nAB 12 Körner"));
    QCOMPARE(f->Text2->text(), QStringLiteral("Auswertung für Spieler 3\r\nGold: 500"));
}

void TstForm6::closingAsksAndEmptiesTheView()
{
    f->befmax_Click();
    QTRY_COMPARE(Form::lastActive(), g);
    g->Text1->setText(QStringLiteral("AB 1 neu"));
    dlg->antworten << platform::Yes;
    g->close();
    QCOMPARE(fragen(), 1);
    QCOMPARE(f->Text1->text(), QStringLiteral("AB 1 neu"));
    QVERIFY(!g->isVisible());
    QVERIFY(g->Text1->text().isEmpty());
    QCOMPARE(g->windowTitle(), QStringLiteral("Maximierte Auswertung / Befehle"));
    QCOMPARE(FensterInhalt, QStringLiteral("Befehl"));
    // The next filling finds a fresh window.
    f->befmax_Click();
    QCOMPARE(g->Text1->text(), QStringLiteral("AB 1 neu"));
}

void TstForm6::printOrders_data()
{
    QTest::addColumn<QString>("bemerkung");
    QTest::addColumn<bool>("gedruckt");
    QTest::newRow("Nix") << "Nix" << true;
    QTest::newRow("nix") << "nix" << true;
    QTest::newRow("own remark") << "Zug 17" << true;
    QTest::newRow("emptied or cancelled") << "" << false;
}

void TstForm6::printOrders()
{
    QFETCH(QString, bemerkung);
    QFETCH(bool, gedruckt);
    dlg->eingaben << bemerkung;
    QTest::keyClick(f, Qt::Key_F12);
    QCOMPARE(dlg->eingabeFragen, QStringList{kBemerkungFrage});
    if (!gedruckt) {
        QCOMPARE(f->Label3->caption(), QStringLiteral("ABGEBROCHEN"));
        QCOMPARE(dlg->prompts(), QStringList{QStringLiteral("Druckauftrag abgebrochen.")});
        QVERIFY(m_pdf.isEmpty());
        return;
    }
    QCOMPARE(f->Label3->caption(), QStringLiteral("GEDRUCKT"));
    QCOMPARE(dlg->boxen.size(), 0);
    const QStringList z = ausdruckZeilen();
    QVERIFY2(z.size() > 4, qPrintable(z.join('|')));
    QCOMPARE(z.first(), QStringLiteral("Befehlswart, Version ") + ProgrammVersion);
    QCOMPARE(z.contains(bemerkung), bemerkung != QLatin1String("Nix"));
    QCOMPARE(z.mid(z.size() - 2), (QStringList{"#BEF 1 2 3", "AB 12 Körner"}));
}

void TstForm6::nothingToPrint_data()
{
    QTest::addColumn<int>("wo");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("F11") << 0 << "Keine Auswertung vorhanden!";
    QTest::newRow("F12") << 1 << "Keine Befehle vorhanden!";
    QTest::newRow("view") << 2 << "Kein Text enthalten zum Drucken!";
}

void TstForm6::nothingToPrint()
{
    QFETCH(int, wo);
    QFETCH(QString, meldung);
    f->Text2->setText(QString());
    f->Text1->setText(QString());
    if (wo == 0)
        f->auswdruck_Click();
    else if (wo == 1)
        f->befdruck_Click();
    else
        g->drr_Click();
    QCOMPARE(dlg->prompts(), QStringList{meldung});
    QVERIFY(dlg->eingabeFragen.isEmpty());
    QVERIFY(m_pdf.isEmpty());
}

void TstForm6::viewStateAfterPrinting_data()
{
    QTest::addColumn<bool>("offen");
    QTest::newRow("hidden stays hidden") << false;
    QTest::newRow("open ends minimised") << true;
}

void TstForm6::viewStateAfterPrinting()
{
    QFETCH(bool, offen);
    if (offen)
        aktiviere(g);
    dlg->eingaben << QStringLiteral("Nix");
    f->befdruck_Click();
    QCOMPARE(f->Label3->caption(), QStringLiteral("GEDRUCKT"));
    QCOMPARE(g->isVisible(), offen);
    QCOMPARE(g->fensterZustand(), 1);
    QTRY_COMPARE(Form::lastActive(), f);
    QCOMPARE(fragen(), 0);
}

void TstForm6::splitReportPrintsTheWholeStore()
{
    QByteArray t("Erste Zeile des Berichts\r\n#BEF 1 2 3\r\n");
    for (int i = 0; i < 4000; ++i)
        t += "Zeile " + QByteArray::number(i) + " mit K\xF6rnern\r\n";
    t += "Letzte Zeile des Berichts\r\n";
    lade(QStringLiteral("lang.txt"), t);
    QVERIFY(f->ZuViel != 0);
    QVERIFY(!f->Text2->text().contains(QStringLiteral("Letzte Zeile")));
    dlg->eingaben << QStringLiteral("Nix");
    QTest::keyClick(f, Qt::Key_F11);
    QCOMPARE(f->Label3->caption(), QStringLiteral("GEDRUCKT"));
    const QStringList z = ausdruckZeilen();
    QVERIFY(z.contains(QStringLiteral("Erste Zeile des Berichts")));
    QVERIFY(z.contains(QStringLiteral("Zeile 2000 mit Körnern")));
    QCOMPARE(z.last(), QStringLiteral("Letzte Zeile des Berichts"));
    QVERIFY(pdfSeiten(m_pdf) > 20);
}

void TstForm6::reportWithoutStorePrintsWhatIsShown()
{
    lade(QStringLiteral("ohne.txt"), "nur Text\r\nohne Kopf\r\n");
    QVERIFY(f->store().isEmpty());
    dlg->eingaben << QStringLiteral("Nix");
    f->auswdruck_Click();
    QCOMPARE(f->Label3->caption(), QStringLiteral("GEDRUCKT"));
    QCOMPARE(ausdruckZeilen().mid(ausdruckZeilen().size() - 2), (QStringList{"nur Text", "ohne Kopf"}));
}

void TstForm6::printerThatCannotStart()
{
    auto vorher = druckerOeffnen;
    druckerOeffnen = [] {
        auto p = std::make_unique<QPrinter>();
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(QStringLiteral("/nicht/da/druck.pdf"));
        return p;
    };
    dlg->eingaben << QStringLiteral("Nix");
    f->befdruck_Click();
    druckerOeffnen = vorher;
    QCOMPARE(dlg->eingabeFragen.size(), 1);
    QCOMPARE(dlg->prompts(), QStringList{kKeinDrucker});
    QVERIFY(f->Label3->caption() != QStringLiteral("GEDRUCKT"));
}

QTEST_MAIN(TstForm6)
#include "tst_form6.moc"
