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

class TstReferenzPane : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Dialoge dlg;
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
        f->List1->scrollToItem(item);
        QTest::mouseClick(f->List1->viewport(), Qt::LeftButton, {}, f->List1->visualItemRect(item).center());
    }
    QString listenSchrift() const
    {
        return f->List1->font().family() + QString::number(f->List1->font().pointSizeF());
    }
    QString pane() const { return f->Text6->fontName() + QString::number(f->Text6->fontSize()); }

private slots:
    void initTestCase()
    {
        Form1::endProgram = [] {};
        StandardPfad = dir.path();
        Form3::instance();
        f = Form1::instance();
        f->show();
        // the pane starts with the #-commands and an empty explanation
        QCOMPARE(f->Combo3->currentText(), QStringLiteral("#-Commandos"));
        QCOMPARE(f->List1->count(), 22);
        QCOMPARE(listenSchrift(), QStringLiteral("Courier New8"));
        QVERIFY(f->Text6->text().isEmpty() && f->Text6->locked());
        QCOMPARE(pane(), QStringLiteral("MS Sans Serif8"));
    }
    void init()
    {
        dlg.leeren();
        BestaetigungsKlangAn = 0;
    }

    void listCategories_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("eintraege");
        QTest::addColumn<QString>("schrift");
        QTest::newRow("#-Commandos") << 0 << 22 << "Courier New8";
        QTest::newRow("Verarbeitungsreihenfolge") << 12 << 89 << "Small Fonts6";
        QTest::newRow("Zaubersprüche") << 13 << 36 << "Courier New8";
    }
    void listCategories()
    {
        QFETCH(int, position);
        QFETCH(int, eintraege);
        QFETCH(QString, schrift);
        const QSize groesse = f->List1->size();
        // twice in a row: the same list, never doubled, the box emptied again
        for (int mal = 0; mal < 2; ++mal) {
            f->Text6->setText(QStringLiteral("vorher"));
            waehle(position);
            QCOMPARE(f->List1->count(), eintraege);
            QCOMPARE(listenSchrift(), schrift);
            QVERIFY(f->Text6->text().isEmpty() && f->List1->selectedItems().isEmpty());
            QCOMPARE(pane(), QStringLiteral("MS Sans Serif8"));
            QCOMPARE(f->List1->size(), groesse);
        }
    }

    void tableCategories_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<double>("paneGroesse"); // 0: the pane stays empty
        QTest::newRow("Kampfablauf") << 1 << "Kampfablauf" << "Ablauf eines Kampfes" << 3.0;
        QTest::newRow("HDAufstieg") << 2 << "HDAufstieg" << "Aufsteigen der Helden" << 3.0;
        QTest::newRow("BCD") << 3 << "BCD" << "Bildung von B- , C- und D- Produkten" << 3.0;
        QTest::newRow("BurgErw") << 4 << "BurgErw" << "Burgerweiterung" << 4.0;
        QTest::newRow("Eigenschaften") << 5 << "Eigenschaften" << "Eigenschaften der Monster und Helden" << 0.0;
        QTest::newRow("Einzeln") << 6 << "Einzeln" << "Einzelne Formeln" << 3.0;
        QTest::newRow("Prodtabelle") << 7 << "Prodtabelle" << "Grosse Produktionstabelle" << 3.0;
        QTest::newRow("Nachschub") << 8 << "Nachschub" << "Nachschubkosten" << 4.0;
        QTest::newRow("Rang") << 9 << "Rang" << "Rangtabelle" << 3.0;
        QTest::newRow("EE") << 10 << "EE" << "Stammerweiterungen" << 3.0;
        QTest::newRow("Terrain") << 11 << "Terrain" << "Terraintabelle" << 3.0;
    }
    void tableCategories()
    {
        QFETCH(int, position);
        QFETCH(QString, schluessel);
        QFETCH(QString, titel);
        QFETCH(double, paneGroesse);
        rulesref::Tafel tafel;
        for (const rulesref::Tafel &t : rulesref::alleTafeln())
            if (t.schluessel == schluessel)
                tafel = t;
        QCOMPARE(tafel.schluessel, schluessel);
        const bool eigenschaften = paneGroesse == 0;
        waehle(0);
        const QSize groesse = f->List1->size();
        Form6 *g = Form6::instance();
        // the second time the view was minimised, then closed
        for (int mal = 0; mal < 2; ++mal) {
            if (mal == 1) {
                g->setFensterZustand(1);
                g->Command2_Click();
            }
            f->Text6->setText(QStringLiteral("vorher"));
            waehle(position);
            QVERIFY(f->List1->count() == 0 && f->List1->size() == groesse);
            QCOMPARE(f->Text6->text(), tafel.block.join(QStringLiteral("\r\n")));
            if (!eigenschaften)
                QCOMPARE(pane(), QStringLiteral("Courier New") + QString::number(paneGroesse));
            QVERIFY(g->isVisible() && g->fensterZustand() == 0);
            QCOMPARE(g->windowTitle(), titel);
            QCOMPARE(g->Label1->caption(), eigenschaften ? QStringLiteral("Erkärung der Eigenschaften der Monster und Helden") : titel);
            QCOMPARE(g->Text1->text(), tafel.ansicht);
            QCOMPARE(g->Text1->fontName() + QString::number(g->Text1->fontSize()),
                     eigenschaften ? QStringLiteral("Verdana9") : QStringLiteral("Courier New10"));
            QVERIFY(g->Text1->locked() && !g->drr->isVisible());
            QCOMPARE(FensterInhalt, schluessel);
            // a reference text prints no body
            QVERIFY(!druckVorlage(QStringLiteral("Nix")).mitKoerper);
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
        // the same entry twice, the view closed by its button, then through its frame
        for (int mal = 0; mal < 2; ++mal) {
            klicke(rulesref::drumfPosition);
            QVERIFY(g->isVisible() && g->fensterZustand() == 0);
            QCOMPARE(g->windowTitle(), QStringLiteral("Das #DRUMF - Kommando"));
            QCOMPARE(g->Label1->caption(), QStringLiteral("Erklärung zum #DRUMF - Kommando:"));
            QCOMPARE(g->Text1->text(), rulesref::drumfText());
            QCOMPARE(g->Text1->fontName() + QString::number(g->Text1->fontSize()), QStringLiteral("Verdana9"));
            QVERIFY(g->Text1->locked() && !g->drr->isVisible());
            QCOMPARE(FensterInhalt, QStringLiteral("#"));
            QCOMPARE(f->Text6->text(), vorher);
            mal == 0 ? g->Command2_Click() : void(g->close());
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
        // a processing step explains itself, nothing added
        waehle(12);
        klicke(67);
        QCOMPARE(f->Text6->text(), QStringLiteral("Gubhorte"));
        waehle(13);
        for (int i = 0; i < 36; ++i) {
            f->List1->setCurrentRow(i);
            QCOMPARE(f->Text6->text(), rulesref::zauberText(i));
            QVERIFY(f->Text6->text().startsWith(f->List1->item(i)->text() + QStringLiteral("\r\n(MM: ")));
        }
        klicke(10);
        QVERIFY(f->Text6->text().startsWith(QStringLiteral("24 Feste\r\n(MM: 20; Natt: 3; nicht offensiv)\r\n\r\n")));
        // the keys walk the list and the categories too
        QTest::keyClick(f->List1, Qt::Key_Down);
        QCOMPARE(f->Text6->text(), rulesref::zauberText(11));
        waehle(0);
        f->Combo3->setFocus();
        QTest::keyClick(f->Combo3, Qt::Key_End);
        QCOMPARE(f->List1->count(), 36);
    }

    void confirmationSound()
    {
        WavePlayer *m = Form3::instance()->MMControl4;
        schreibeDatei(dir.filePath(QStringLiteral("dui.wav")), "RIFF");
        m->FileName = dir.filePath(QStringLiteral("dui.wav"));
        m->Command(QStringLiteral("Open"));
        QSignalSpy gespielt(m, &WavePlayer::gespielt);
        waehle(13);
        BestaetigungsKlangAn = 1;
        klicke(2);
        klicke(2); // the entry already chosen
        QTest::keyClick(f->List1, Qt::Key_Down);
        QCOMPARE(gespielt.count(), 3);
        // choosing a category plays nothing, nor does refilling the list
        waehle(13);
        waehle(7);
        QCOMPARE(gespielt.count(), 3);
        BestaetigungsKlangAn = 0;
        waehle(13);
        klicke(4);
        QCOMPARE(gespielt.count(), 3);
        QCOMPARE(f->Text6->text(), rulesref::zauberText(4));
        m->Command(QStringLiteral("Close"));
    }
};

QTEST_MAIN(TstReferenzPane)
#include "tst_referenzpane.moc"
