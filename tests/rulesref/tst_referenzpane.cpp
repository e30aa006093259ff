// The reference pane of the main window: choosing categories, clicking
// entries, and the rules tables in the enlarged view.
#include "core/drucken.h"
#include "core/form3.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "mainwindow/form6.h"
#include "platform/waveplayer.h"
#include "rulesref/referenz.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kCrLf = QStringLiteral("\r\n");

struct Schrift {
    QString name;
    double groesse;
};
} // namespace

Q_DECLARE_METATYPE(Schrift)

class TstReferenzPane : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    Dialoge *dlg = nullptr;
    Form1 *f = nullptr;

    // The player picks a category in the box.
    void waehle(int position)
    {
        f->Combo3->setCurrentIndex(position);
        emit f->Combo3->activated(position);
    }
    // The player clicks an entry of the list with the mouse.
    void klicke(int zeile)
    {
        QListWidgetItem *item = f->List1->item(zeile);
        QVERIFY(item);
        f->List1->scrollToItem(item);
        QTest::mouseClick(f->List1->viewport(), Qt::LeftButton, {}, f->List1->visualItemRect(item).center());
    }
    Schrift listenSchrift() const { return {f->List1->font().family(), f->List1->font().pointSizeF()}; }
    Schrift pane() const { return {f->Text6->fontName(), f->Text6->fontSize()}; }
    QSize listenGroesse() const { return f->List1->size(); }
    WavePlayer *bestaetigung()
    {
        WavePlayer *m = Form3::instance()->MMControl4;
        schreibeDatei(dir.filePath(QStringLiteral("dui.wav")), "RIFF");
        m->FileName = dir.filePath(QStringLiteral("dui.wav"));
        m->Command(QStringLiteral("Open"));
        return m;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        dlg = new Dialoge;
        Form1::endProgram = [] {};
        StandardPfad = dir.path();
        Form3::instance();
        f = Form1::instance();
        f->show();
    }
    void cleanupTestCase() { delete dlg; }
    void init()
    {
        dlg->leeren();
        BestaetigungsKlangAn = 0;
        KlickKlangAn = 0;
    }

    void startsWithTheHashCommands()
    {
        QCOMPARE(f->Combo3->currentText(), QStringLiteral("#-Commandos"));
        QCOMPARE(f->Combo3->count(), 14);
        QCOMPARE(f->List1->count(), 22);
        QCOMPARE(listenSchrift().name, QStringLiteral("Courier New"));
        QCOMPARE(f->Text6->text(), QString());
        QCOMPARE(pane().name, QStringLiteral("MS Sans Serif"));
        QVERIFY(f->Text6->locked());
    }

    void listCategories_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("eintraege");
        QTest::addColumn<Schrift>("liste");
        QTest::addColumn<QString>("erster");
        QTest::addColumn<QString>("letzter");
        QTest::newRow("#-Commandos") << 0 << 22 << Schrift{"Courier New", 8} << "#BEF" << "#ANFANG";
        QTest::newRow("Verarbeitungsreihenfolge")
            << 12 << 89 << Schrift{"Small Fonts", 6} << "Plündere Tempel" << "Gewinnprüfung";
        QTest::newRow("Zaubersprüche") << 13 << 36 << Schrift{"Courier New", 8} << "1  Schirm" << "72 Wir sind das Volk";
    }
    void listCategories()
    {
        QFETCH(int, position);
        QFETCH(int, eintraege);
        QFETCH(Schrift, liste);
        QFETCH(QString, erster);
        QFETCH(QString, letzter);
        const QSize groesse = listenGroesse();
        // twice in a row: the same list, never doubled, the box emptied again
        for (int mal = 0; mal < 2; ++mal) {
            f->Text6->setText(QStringLiteral("vorher"));
            waehle(position);
            QCOMPARE(f->List1->count(), eintraege);
            QCOMPARE(f->List1->item(0)->text(), erster);
            QCOMPARE(f->List1->item(eintraege - 1)->text(), letzter);
            QCOMPARE(listenSchrift().name, liste.name);
            QCOMPARE(listenSchrift().groesse, liste.groesse);
            QCOMPARE(f->Text6->text(), QString());
            QCOMPARE(pane().name, QStringLiteral("MS Sans Serif"));
            QCOMPARE(pane().groesse, 8.0);
            QCOMPARE(listenGroesse(), groesse);
            QCOMPARE(f->List1->selectedItems().size(), 0);
        }
    }

    void tableCategories_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("ueberschrift");
        QTest::addColumn<Schrift>("gross");
        QTest::addColumn<double>("paneGroesse"); // 0: the pane stays empty
        const Schrift courier{"Courier New", 10};
        auto zeile = [&](int p, const char *key, const char *titel, double pane) {
            QTest::newRow(key) << p << QString::fromUtf8(key) << QString::fromUtf8(titel) << QString::fromUtf8(titel)
                               << courier << pane;
        };
        zeile(1, "Kampfablauf", "Ablauf eines Kampfes", 3);
        zeile(2, "HDAufstieg", "Aufsteigen der Helden", 3);
        zeile(3, "BCD", "Bildung von B- , C- und D- Produkten", 3);
        zeile(4, "BurgErw", "Burgerweiterung", 4);
        QTest::newRow("Eigenschaften") << 5 << "Eigenschaften" << "Eigenschaften der Monster und Helden"
                                       << "Erkärung der Eigenschaften der Monster und Helden"
                                       << Schrift{"Verdana", 9} << 0.0;
        zeile(6, "Einzeln", "Einzelne Formeln", 3);
        zeile(7, "Prodtabelle", "Grosse Produktionstabelle", 3);
        zeile(8, "Nachschub", "Nachschubkosten", 4);
        zeile(9, "Rang", "Rangtabelle", 3);
        zeile(10, "EE", "Stammerweiterungen", 3);
        zeile(11, "Terrain", "Terraintabelle", 3);
    }
    void tableCategories()
    {
        QFETCH(int, position);
        QFETCH(QString, schluessel);
        QFETCH(QString, titel);
        QFETCH(QString, ueberschrift);
        QFETCH(Schrift, gross);
        QFETCH(double, paneGroesse);
        rulesref::Tafel tafel;
        for (const rulesref::Tafel &t : rulesref::alleTafeln())
            if (t.schluessel == schluessel)
                tafel = t;
        QCOMPARE(tafel.schluessel, schluessel);

        waehle(0);
        const QSize groesse = listenGroesse();
        Form6 *g = Form6::instance();
        for (int mal = 0; mal < 2; ++mal) {
            // the second time the view was minimised, or closed
            if (mal == 1) {
                g->setFensterZustand(1);
                g->Command2_Click();
            }
            f->Text6->setText(QStringLiteral("vorher"));
            waehle(position);
            QCOMPARE(f->List1->count(), 0);
            QCOMPARE(listenGroesse(), groesse);
            if (paneGroesse > 0) {
                QCOMPARE(f->Text6->text(), tafel.block.join(kCrLf));
                QCOMPARE(pane().name, QStringLiteral("Courier New"));
                QCOMPARE(pane().groesse, paneGroesse);
            } else {
                QCOMPARE(f->Text6->text(), QString());
            }
            QVERIFY(g->isVisible());
            QCOMPARE(g->fensterZustand(), 0);
            QCOMPARE(g->windowTitle(), titel);
            QCOMPARE(g->Label1->caption(), ueberschrift);
            QCOMPARE(g->Text1->text(), tafel.ansicht);
            QCOMPARE(g->Text1->fontName(), gross.name);
            QCOMPARE(g->Text1->fontSize(), gross.groesse);
            QVERIFY(g->Text1->locked());
            QVERIFY(!g->drr->isVisible());
            QCOMPARE(FensterInhalt, schluessel);
        }
    }

    void drumfOpensTheEnlargedView()
    {
        waehle(0);
        f->List1->setCurrentRow(3);
        const QString vorher = f->Text6->text();
        QVERIFY(!vorher.isEmpty());
        Form6 *g = Form6::instance();
        g->Command2_Click();
        for (int mal = 0; mal < 2; ++mal) {
            // the same entry again, after the view was closed
            klicke(rulesref::drumfPosition);
            QVERIFY(g->isVisible());
            QCOMPARE(g->fensterZustand(), 0);
            QCOMPARE(g->windowTitle(), QStringLiteral("Das #DRUMF - Kommando"));
            QCOMPARE(g->Label1->caption(), QStringLiteral("Erklärung zum #DRUMF - Kommando:"));
            QCOMPARE(g->Text1->text(), rulesref::drumfText());
            QCOMPARE(g->Text1->fontName(), QStringLiteral("Verdana"));
            QCOMPARE(g->Text1->fontSize(), 9.0);
            QVERIFY(g->Text1->locked());
            QVERIFY(!g->drr->isVisible());
            QCOMPARE(FensterInhalt, QStringLiteral("#"));
            QCOMPARE(f->Text6->text(), vorher);
            // closed by its button, then through its frame
            if (mal == 0)
                g->Command2_Click();
            else
                g->close();
            QVERIFY(!g->isVisible());
        }
    }

    void clickingEntries()
    {
        waehle(0);
        for (int i = 0; i < 22; ++i) {
            f->List1->setCurrentRow(i);
            if (i != rulesref::drumfPosition)
                QCOMPARE(f->Text6->text(), rulesref::kommandoText(i));
        }
        Form6::instance()->Command2_Click();

        waehle(12);
        const QStringList &s = rulesref::verarbeitung();
        const int gubhorte = s.indexOf(QStringLiteral("Gubhorte"));
        klicke(gubhorte);
        QCOMPARE(f->Text6->text(), QStringLiteral("Gubhorte"));
        f->List1->setCurrentRow(1);
        QCOMPARE(f->Text6->text(), s[1]);

        waehle(13);
        for (int i = 0; i < 36; ++i) {
            f->List1->setCurrentRow(i);
            QCOMPARE(f->Text6->text(), rulesref::zauberText(i));
        }
        klicke(10);
        QVERIFY(f->Text6->text().startsWith(QStringLiteral("24 Feste\r\n(MM: 20; Natt: 3; nicht offensiv)\r\n\r\n")));
        // the keys walk the list too
        QTest::keyClick(f->List1, Qt::Key_Down);
        QCOMPARE(f->Text6->text(), rulesref::zauberText(11));
    }

    void keysChooseCategories()
    {
        waehle(0);
        f->Combo3->setFocus();
        QTest::keyClick(f->Combo3, Qt::Key_End);
        QCOMPARE(f->Combo3->currentIndex(), 13);
        QCOMPARE(f->List1->count(), 36);
    }

    void confirmationSound()
    {
        WavePlayer *m = bestaetigung();
        QSignalSpy gespielt(m, &WavePlayer::gespielt);
        waehle(13);
        BestaetigungsKlangAn = 1;
        klicke(2);
        QCOMPARE(gespielt.count(), 1);
        klicke(2); // the entry already chosen
        QCOMPARE(gespielt.count(), 2);
        QTest::keyClick(f->List1, Qt::Key_Down);
        QCOMPARE(gespielt.count(), 3);
        // choosing a category plays nothing, nor does refilling the list
        waehle(13);
        waehle(12);
        waehle(7);
        QCOMPARE(gespielt.count(), 3);
        BestaetigungsKlangAn = 0;
        waehle(13);
        klicke(4);
        QCOMPARE(gespielt.count(), 3);
        QCOMPARE(f->Text6->text(), rulesref::zauberText(4));
        m->Command(QStringLiteral("Close"));
    }

    void referenceKeysAskNothing()
    {
        waehle(9);
        Form6 *g = Form6::instance();
        g->Text1->setText(g->Text1->text() + QStringLiteral("!"));
        QCOMPARE(g->verandert, qint16(1));
        g->ueuebertragen();
        QVERIFY(dlg->boxen.isEmpty());
        f->List1->setCurrentRow(-1);
        waehle(0);
        klicke(rulesref::drumfPosition);
        g->Text1->setText(QStringLiteral("anders"));
        g->ueuebertragen();
        QVERIFY(dlg->boxen.isEmpty());
        // a printout of a reference text has its head but no body
        QVERIFY(!druckVorlage(QStringLiteral("Nix")).mitKoerper);
        g->Command2_Click();
    }

    void ordersAfterATableOfferPrinting()
    {
        waehle(11);
        Form6 *g = Form6::instance();
        QVERIFY(!g->drr->isVisible());
        f->Text1->setText(QStringLiteral("#BEF 1 2 3"));
        f->befmax_Click();
        QCOMPARE(FensterInhalt, QStringLiteral("Befehl"));
        QVERIFY(g->drr->isVisible());
        QVERIFY(g->Text1->locked());
        g->Command2_Click();
    }
};

QTEST_MAIN(TstReferenzPane)
#include "tst_referenzpane.moc"
