// The enlarged view: filling it, the copy back, and printing the report and the orders into a PDF
// file that is read back; where no printer answers, the remark is asked, then the player is told.
#include "core/drucken.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "mainwindow/form6.h"
#include "pdftext.h"
#include "testmain.h"
#include "testsupport.h"

#include <QInputDialog>
#include <QPrinterInfo>
#include <QtTest>

namespace {
// No print system answers this process: the real printer is never reached.
const bool g_ohneDrucker = [] { return qputenv("CUPS_SERVER", "/nonexistent/cups.sock"); }();
const QString kFrage = QStringLiteral("Im maximierten Fenster wurde etwas verändert.\nSoll es übertragen werden?");
const QString kBemerkung = QStringLiteral("Hier kannst du noch Bemerkungen zum Ausdruck hinzufügen.");
} // namespace

class TstForm6 : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Dialoge *dlg = nullptr;
    Form1 *f = nullptr;
    Form6 *g = nullptr;
    QString m_pdf, m_ziel;
    std::function<std::unique_ptr<QPrinter>()> m_echt = druckerOeffnen, m_pdfDrucker;

    void aktiviere(Form *w)
    {
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTRY_COMPARE(Form::lastActive(), w);
    }
    int fragen() const { return int(dlg->prompts().count(kFrage)); }

private slots:
    void initTestCase()
    {
        dlg = new Dialoge;
        f = Form1::instance();
        f->Dir1->setPath(dir.path());
        g = Form6::instance();
        druckerOeffnen = [this] {
            m_pdf = m_ziel;
            auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
            p->setOutputFileName(m_pdf); // ".pdf": a PDF file
            return p;
        };
        m_pdfDrucker = druckerOeffnen;
    }
    void init()
    {
        dlg->leeren(); // what the start told
        aktiviere(f);
        f->Text1->setText(QStringLiteral("#BEF 1 2 3\rAB\t12 Körner\nXY 3"));
        f->Text2->setText(QStringLiteral("Auswertung für Spieler 3"));
        m_pdf.clear();
        m_ziel = dir.filePath(QStringLiteral("druck.pdf"));
    }
    void cleanup()
    {
        druckerOeffnen = m_pdfDrucker;
        delete dlg; // a fresh one answers every box, also after a real input box
        dlg = new Dialoge;
        g->Unload();
        f->arbeit = 0;
    }

    // F6 and F7 fill the view from the report or the orders; leaving it asks to copy its text back.
    void fillsAndCopiesBack_data()
    {
        QTest::addColumn<QString>("inhalt");
        QTest::addColumn<bool>("leer");
        QTest::addColumn<int>("antwort"); // 0: no question
        QTest::addColumn<bool>("laedt");
        QTest::addColumn<bool>("schliessen");
        QTest::newRow("orders, yes") << "Befehl" << false << int(platform::Yes) << false << false;
        QTest::newRow("empty orders, no") << "Befehl" << true << int(platform::No) << false << false;
        QTest::newRow("report, yes, closed") << "Auswertung" << false << int(platform::Yes) << false << true;
        QTest::newRow("orders while a load runs") << "Befehl" << false << 0 << true << false;
        QTest::newRow("rules table, closed") << "Rang" << false << 0 << false << true;
    }
    void fillsAndCopiesBack()
    {
        QFETCH(QString, inhalt);
        QFETCH(bool, leer);
        QFETCH(int, antwort);
        QFETCH(bool, laedt);
        QFETCH(bool, schliessen);
        const bool bericht = inhalt == QLatin1String("Auswertung");
        TextBox *ziel = bericht ? f->Text2 : f->Text1;
        if (leer)
            ziel->setText(QString());
        ziel->setFontName(QStringLiteral("Courier New"));
        ziel->setFontSize(12);
        g->drr->setVisible(false); // after a rules table: minimised, without its print menu
        g->setFensterZustand(1);
        QTest::keyClick(f, bericht ? Qt::Key_F6 : Qt::Key_F7);
        QTRY_COMPARE(Form::lastActive(), g);
        QVERIFY(g->isVisible() && g->fensterZustand() == 0 && g->drr->isVisible() && g->Text1->locked());
        QCOMPARE(g->Text1->text(), ziel->text());
        QCOMPARE(g->Text1->font().pointSizeF(), 12.0);
        QCOMPARE(g->Text1->fontName(), QStringLiteral("Courier New"));
        const QString titel = QLatin1String(bericht ? "Maximierte Auswertung" : "Maximierte Befehlsdatei");
        QCOMPARE(g->windowTitle(), titel);
        const QString schluss = QStringLiteral(", geladen mit Befehlswart, Version ") + ProgrammVersion
                                + QStringLiteral(", zu finden unter ") + HeimatSeite + u'.';
        QCOMPARE(g->Label1->caption(), titel + (leer ? " (in der leider nichts steht...)" : "") + schluss);
        QCOMPARE(FensterInhalt, bericht ? QStringLiteral("Auswertung") : QStringLiteral("Befehl"));
        FensterInhalt = inhalt;
        aktiviere(f); // both texts alike: nothing to ask
        aktiviere(g);
        const QString vorher = ziel->text();
        g->Text1->setText(QStringLiteral("XX neu"));
        f->arbeit = laedt;
        dlg->antworten = {antwort};
        schliessen ? void(g->close()) : aktiviere(f);
        QCOMPARE(fragen(), int(antwort != 0));
        QCOMPARE(ziel->text(), antwort == platform::Yes ? QStringLiteral("XX neu") : vorher);
        f->arbeit = 0; // asked at most once, also once the load is over
        aktiviere(g);
        aktiviere(f);
        QCOMPARE(fragen(), int(antwort != 0));
        QCOMPARE(g->Text1->text().isEmpty(), schliessen);
    }

    // Filling the view is no change of the player's: once the main window's
    // text has changed (paging, another load), leaving or closing the view
    // asks nothing and leaves that text alone.
    void fillingIsNoChange_data()
    {
        QTest::addColumn<bool>("bericht");
        QTest::addColumn<bool>("schliessen");
        QTest::newRow("report, left") << true << false;
        QTest::newRow("report, closed") << true << true;
        QTest::newRow("orders, left") << false << false;
        QTest::newRow("orders, closed") << false << true;
    }
    void fillingIsNoChange()
    {
        QFETCH(bool, bericht);
        QFETCH(bool, schliessen);
        TextBox *ziel = bericht ? f->Text2 : f->Text1;
        QTest::keyClick(f, bericht ? Qt::Key_F6 : Qt::Key_F7);
        QTRY_COMPARE(Form::lastActive(), g);
        QCOMPARE(g->verandert, qint16(0));
        ziel->setText(QStringLiteral("Teil 2"));
        schliessen ? void(g->close()) : aktiviere(f);
        QCOMPARE(fragen(), 0);
        QCOMPARE(ziel->text(), QStringLiteral("Teil 2"));
    }

    void noQuestionOverTheRemarkBox()
    {
        f->befmax_Click();
        aktiviere(g);
        // Changed in the view: leaving it would ask to copy the text back.
        g->Text1->setText(QStringLiteral("anders"));
        platform::setInputBoxHook({}); // a real input box, cancelled
        QString gesehen;
        QTimer wache;
        connect(&wache, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
                gesehen = box->labelText() + u'|' + box->textValue();
                box->reject();
            }
        });
        wache.start(20);
        g->drr_Click();
        wache.stop();
        QCOMPARE(gesehen, kBemerkung + QStringLiteral("|Nix"));
        aktiviere(g);
        QCOMPARE(fragen(), 0);
        QCOMPARE(g->verandert, qint16(1)); // still to be asked once the view is left
    }

    // Printed into a PDF file, from a printer that answers none, or from one that cannot start.
    void printing_data()
    {
        QTest::addColumn<int>("wo"); // F11, F12, the enlarged view's menu, the same just after a dialog over it
        QTest::addColumn<int>("drucker"); // PDF file, none, cannot start
        QTest::addColumn<QString>("bemerkung");
        QTest::addColumn<bool>("offen");
        QTest::addColumn<QByteArray>("bericht"); // loaded first
        QByteArray lang("#BEF 1 2 3\r\n");
        for (int i = 0; i < 4000; ++i)
            lang += "Zeile " + QByteArray::number(i) + " mit K\xF6rnern\r\n";
        QTest::newRow("orders, Nix, view hidden") << 1 << 0 << "Nix" << false << QByteArray();
        QTest::newRow("orders, nix, view open") << 1 << 0 << "nix" << true << QByteArray();
        QTest::newRow("orders, emptied or cancelled") << 1 << 0 << "" << true << QByteArray();
        QTest::newRow("split report: the whole store") << 0 << 0 << "Nix" << false << lang;
        QTest::newRow("no head line, no store: what is shown")
            << 0 << 0 << "Nix" << false << QByteArray("nur Text\r\nohne Kopf\r\n");
        QTest::newRow("no printer, F11") << 0 << 1 << "Zug 17" << false << QByteArray();
        QTest::newRow("no printer, enlarged view") << 2 << 1 << "Zug 17" << false << QByteArray();
        QTest::newRow("no printer, enlarged view, none active") << 3 << 1 << "Zug 17" << false << QByteArray();
        QTest::newRow("printer that cannot start") << 1 << 2 << "Zug 17" << false << QByteArray();
    }
    void printing()
    {
        QFETCH(int, wo);
        QFETCH(int, drucker);
        QFETCH(QString, bemerkung);
        QFETCH(bool, offen);
        QFETCH(QByteArray, bericht);
        if (!bericht.isEmpty()) {
            f->verandert = 0;
            ladeBericht(f, QStringLiteral("a.txt"), bericht);
            QTRY_COMPARE(f->arbeit, 0);
            QVERIFY(f->ZuViel != 0 || f->store().isEmpty());
            dlg->leeren(); // what the load told
        }
        if (offen) {
            aktiviere(g);
            aktiviere(f);
        }
        QVERIFY(g_ohneDrucker && QPrinterInfo::defaultPrinter().isNull());
        if (drucker == 1)
            druckerOeffnen = m_echt;
        else if (drucker == 2)
            m_ziel = QStringLiteral("/nicht/da/druck.pdf");
        dlg->eingaben = {bemerkung};
        f->Label3->setCaption(QStringLiteral("FERTIG"));
        if (wo >= 2) {
            f->befmax_Click();
            if (wo == 3) {
                aktiviere(g);
                // Changed in the view: leaving it would ask to copy the text back.
                g->Text1->setText(QStringLiteral("anders"));
                QVERIFY(dialogGeschlossen());
            }
            g->drr_Click();
        } else {
            QTest::keyClick(f, wo ? Qt::Key_F12 : Qt::Key_F11);
        }
        QCOMPARE(dlg->eingabeFragen, QStringList{kBemerkung});
        QCOMPARE(dlg->ueber, QList<QWidget *>(dlg->ueber.size(), g)); // over the view, which has or had the focus
        if (wo == 3)
            QVERIFY(QTest::qWaitForWindowActive(g));
        if (drucker) {
            QCOMPARE(dlg->prompts(), QStringList{QStringLiteral(
                "Natürlich musst du schon einen Drucker haben und ihn unter Windows als Standard installiert haben.\n"
                "Dies scheint nicht der Fall zu sein.\nMöglich ist auch, dass der Drucker nicht eingeschaltet ist.")});
            QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
            return;
        }
        QVERIFY(g->isVisible() == offen && g->fensterZustand() == 1); // hidden when it was, else minimised
        QTRY_COMPARE(Form::lastActive(), f);
        QCOMPARE(f->Label3->caption(), bemerkung.isEmpty() ? QStringLiteral("ABGEBROCHEN") : QStringLiteral("GEDRUCKT"));
        QCOMPARE(dlg->prompts(), bemerkung.isEmpty() ? QStringList{"Druckauftrag abgebrochen."} : QStringList());
        QCOMPARE(m_pdf.isEmpty(), bemerkung.isEmpty());
        if (bemerkung.isEmpty())
            return;
        PDF_WERKZEUGE_PRUEFEN();
        const QStringList z = pdfZeilen(m_pdf);
        QCOMPARE(z.first(), QStringLiteral("Befehlswart, Version ") + ProgrammVersion);
        const auto regel = [](const QString &s) { return s.startsWith(QLatin1String("-----")); };
        QCOMPARE(int(std::count_if(z.cbegin(), z.cend(), regel)), bemerkung == QLatin1String("Nix") ? 1 : 2);
        QCOMPARE(z.contains(bemerkung), bemerkung != QLatin1String("Nix"));
        // every line, in order, across all pages; new lines at CR and LF, the tab reaches the ninth column
        const QStringList erwartet = bericht.isEmpty()
                                         ? QStringList{"#BEF 1 2 3", "AB      12 Körner", "XY 3"}
                                         : QString::fromLatin1(bericht).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(z.mid(z.size() - erwartet.size()), erwartet);
        QVERIFY(erwartet.size() < 100 || pdfSeiten(m_pdf) > 20);
    }
};

BW_TEST_MAIN(TstForm6)
#include "tst_form6.moc"
