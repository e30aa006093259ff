// The map window's wiring: "New" with its popup, the field-size dialog,
// the scroll buttons, clicks on symbols, closing.
#include "core/form3.h"
#include "core/globals.h"
#include "core/windowmenu.h"
#include "mainwindow/form1.h"
#include "map/groesse.h"
#include "map/karte.h"
#include "map/ladenmenu.h"
#include "testmain.h"
#include "testsupport.h"

#include <QtTest>

using namespace kartenmodell;

class TstKarte : public QObject {
    Q_OBJECT
    Dialoge dlg;
    Karte *k = nullptr;

    // "New" with a size, answering the popup with its first or second entry.
    void neu(const QString &w, const QString &h, int eintrag = 1)
    {
        k->Text1->setText(w);
        k->Text2->setText(h);
        QTimer::singleShot(0, [eintrag] {
            if (eintrag == 1)
                LadenMenu::instance()->Label1_Click();
            else
                LadenMenu::instance()->Label2_Click();
        });
        k->Command1_Click();
    }

    void klick(int feld)
    {
        const QRectF z = zelle(spalteVon(feld), zeileVon(feld));
        k->Picture1_MouseDown(1, 0, float(z.center().x()), float(z.center().y()));
    }

private slots:
    void initTestCase()
    {
        k = Karte::instance();
        k->show();
    }

    void init()
    {
        dlg.leeren();
        FeldBreite = FeldHoehe = 5000;
    }

    void hundertMalHundert()
    {
        neu(QStringLiteral("100"), QStringLiteral("100"));
        QCOMPARE(dlg.boxen.size(), 0);
        QVERIFY(SpaltenAnzahl == 100 && ZeilenAnzahl == 100);
        QCOMPARE(k->bildTwips().size(), QSizeF(50060, 50060));
        // the window stays on the screen, its toolbar in reach
        QVERIFY(k->screen()->availableGeometry().contains(k->frameGeometry()));
        QVERIFY(k->TxtTerrain->isEnabled() && k->isEnabled());
    }

    // Refused before the popup, so nothing answers it; the map stays.
    void abgelehnt_data()
    {
        QTest::addColumn<QString>("breite");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("101 x 100") << "101" << "Nicht mehr als 10000 Felder möglich.";
        QTest::newRow("abc") << "abc" << "Nur ganze Zahlen und keine anderen Zeichen möglich.";
    }
    void abgelehnt()
    {
        QFETCH(QString, breite);
        QFETCH(QString, meldung);
        neu(QStringLiteral("10"), QStringLiteral("10"));
        k->Text1->setText(breite);
        k->Text2->setText(QStringLiteral("100"));
        k->Command1_Click();
        QCOMPARE(dlg.prompts(), QStringList{meldung});
        QCOMPARE(SpaltenAnzahl, qint16(10));
    }

    void halbeWerte_data()
    {
        QTest::addColumn<QString>("breite");
        QTest::addColumn<int>("spalten");
        QTest::newRow("2,5") << "2,5" << 2;
        QTest::newRow("3,5") << "3,5" << 4;
    }
    void halbeWerte()
    {
        QFETCH(QString, breite);
        QFETCH(int, spalten);
        const QLocale vorher;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        neu(breite, QStringLiteral("3"));
        QLocale::setDefault(vorher);
        QCOMPARE(int(SpaltenAnzahl), spalten);
        QCOMPARE(k->Picture1->gitterSpalten(), spalten);
    }

    void leeresFeldSperrtNeu()
    {
        k->Text1->setText(QString());
        QVERIFY(!k->Command1->isEnabled());
        k->Text1->setText(QStringLiteral("4"));
        k->Text2->setText(QStringLiteral("4"));
        QVERIFY(k->Command1->isEnabled());
    }

    void nurLinienBehaeltSymbole()
    {
        neu(QStringLiteral("5"), QStringLiteral("5"));
        klick(7);
        k->TxtTerrain->setCurrentIndex(7);
        neu(QStringLiteral("5"), QStringLiteral("5"), 2);
        QCOMPARE(Felder[7].Terrain, qint16(7));
        QVERIFY(k->feldtafel.symbole.sichtbar(Wald, 7));
        neu(QStringLiteral("5"), QStringLiteral("5"), 1);
        QCOMPARE(Felder[7].Terrain, qint16(0));
        QCOMPARE(k->feldtafel.symbole.anzahlGeladen(), 0);
    }

    void popupEintraege()
    {
        LadenMenu *m = LadenMenu::instance();
        QTimer::singleShot(0, [m, this] {
            m->Label2_MouseMove();
            QCOMPARE(k->StatusBar1->currentMessage(), QStringLiteral("Nur die Linien und Feldnummern nachzeichnen"));
            QVERIFY(!k->StatusBar1->isHidden() && !k->isEnabled() && m->Label3->isHidden());
            QCOMPARE(m->Label1->caption(), QStringLiteral("Neue Karte zeichnen"));
            m->Label2_Click();
        });
        QCOMPARE(m->waehlen(k->Command1, {QStringLiteral("Neue Karte zeichnen"),
                                          QStringLiteral("Nur die Linien neu zeichnen")}),
                 1);
        QVERIFY(k->StatusBar1->isHidden() && k->isEnabled());

        QTimer::singleShot(0, [m, this] {
            QCOMPARE(MenuArt, qint16(1));
            QVERIFY(!m->Label3->isHidden());
            m->Label1_MouseMove();
            QCOMPARE(k->StatusBar1->currentMessage(),
                     QStringLiteral("Eine vorher gespeicherte Karte im Format '.bwk' laden"));
            m->Label3_MouseMove();
            QVERIFY(k->StatusBar1->currentMessage().startsWith(QStringLiteral("Lädt alle folgenden Dateien")));
            m->Label2_Click();
        });
        QCOMPARE(m->waehlen(k->Command8, {QStringLiteral("Neue Karte laden"), QStringLiteral("Morveldatei laden"),
                                          QStringLiteral("Alle Morveldateien laden")}),
                 1);
        QCOMPARE(MenuArt, qint16(0));
    }

    void feldGroesse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("gilt");
        QTest::newRow("0,4") << "0,4" << false;
        QTest::newRow("-5") << "-5" << false;
        QTest::newRow("32768") << "32768" << false;
        QTest::newRow("abc") << "abc" << false;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("32767") << "32767" << true;
    }
    void feldGroesse()
    {
        QFETCH(QString, text);
        QFETCH(bool, gilt);
        const QLocale vorher;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        k->Command2_Click();
        Groesse *g = Groesse::instance();
        QCOMPARE(g->Text1->text(), QStringLiteral("5000"));
        g->Text1->setText(text);
        g->Text2->setText(QStringLiteral("6000"));
        g->Command1_Click();
        QLocale::setDefault(vorher);
        QCOMPARE(g->isVisible(), !gilt);
        QCOMPARE(FeldBreite, gilt ? QLocale::c().toDouble(text) : 5000.0);
        QCOMPARE(FeldHoehe, gilt ? 6000.0 : 5000.0);
        if (!gilt)
            QCOMPARE(dlg.letzter(), QStringLiteral("Bitte gültige Werte angeben"));
        g->hide();
    }

    void groesseZuGibtKarteFrei_data()
    {
        QTest::addColumn<int>("weg");
        QTest::newRow("Schliessen") << 0;
        QTest::newRow("Minimieren") << 1;
        QTest::newRow("Fenster > alle minimieren") << 2;
    }
    void groesseZuGibtKarteFrei()
    {
        QFETCH(int, weg);
        k->Command2_Click();
        Groesse *g = Groesse::instance();
        QVERIFY(g->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), g);
        if (weg == 0)
            g->close();
        else if (weg == 1)
            g->setWindowState(Qt::WindowMinimized);
        else
            FensterMinimieren();
        QTRY_VERIFY(!g->isVisible());
        QVERIFY(k->isEnabled());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        k->setFensterZustand(0);
        k->show();
    }

    void rollen()
    {
        neu(QStringLiteral("100"), QStringLiteral("100"));
        QCOMPARE(k->bildTwips().topLeft(), QPointF(0, 0));
        k->Command4_MouseDown(); // the left edge: no step
        k->Command4_MouseUp();
        k->Command5_MouseDown();
        k->Command5_MouseUp();
        QCOMPARE(k->bildTwips().topLeft(), QPointF(0, 0));
        k->Command3_MouseDown(); // a click: exactly one field
        k->Command3_MouseUp();
        k->Command6_MouseDown();
        k->Command6_MouseUp();
        QTest::qWait(250);
        QCOMPARE(k->bildTwips().topLeft(), QPointF(-500, -500));
        k->Command4_MouseDown();
        QTest::qWait(250); // held: on every 100 ms, stopped at the edge
        k->Command4_MouseUp();
        QCOMPARE(k->bildTwips().left(), 0.0);
        // A frame made short by the window's title bar: the last row comes into it.
        k->setRahmenGroesseTwips(3000, 3000);
        for (int i = 0; i < 120; ++i) {
            k->Command6_MouseDown();
            k->Command6_MouseUp();
        }
        QVERIFY(k->bildTwips().bottom() - 60 <= 3000);
    }

    void symbolWaehltSeinFeld()
    {
        FeldBreite = FeldHoehe = 1000; // cells of 100: the mark reaches into the neighbour
        neu(QStringLiteral("3"), QStringLiteral("3"));
        klick(2);
        k->TxtBesonderheiten->setCurrentIndex(1);
        QVERIFY(k->feldtafel.symbole.sichtbar(Bes, 2));
        QCOMPARE(spalteAusX(k->feldtafel.symbole.element(Bes, 2).ort.x()), 1);
        klick(9);
        k->Bes_MouseDown(2);
        QCOMPARE(AktuellesFeld, qint16(2));
        QCOMPARE(k->TxtFeldNummer->text(), QStringLiteral("2"));
    }

    void panelFolgtDenRegeln()
    {
        neu(QStringLiteral("4"), QStringLiteral("4"));
        klick(6);
        k->TxtBurgArt->setCurrentIndex(1);
        QCOMPARE(k->TxtBesitzer->text(), QStringLiteral("6"));
        QVERIFY(!k->TxtBesitzer->isEnabled());
        QCOMPARE(k->TxtSpielerRang->currentIndex(), 2);
        QVERIFY(k->feldtafel.symbole.sichtbar(SBurg, 6));
        k->TxtSpielerName->setText(QStringLiteral("Harald"));
        klick(7);
        QCOMPARE(Felder[6].SpielerName, festerText(QStringLiteral("Harald")));
        QCOMPARE(k->TxtBurgArt->currentIndex(), 0);
        k->setFocus(); // the panel's boxes show what a click brings
        klick(6);
        QCOMPARE(k->TxtSpielerName->text(), festerText(QStringLiteral("Harald")));
        QCOMPARE(k->TxtSpielerName->cursorPosition(), 0); // "Harald" in view, not its blanks
        k->TxtSpielerName->setFocus();
        k->TxtSpielerName_GotFocus();
        QCOMPARE(k->TxtSpielerName->text(), QStringLiteral("Harald"));
    }

    void kleinereKarteNachGroesserer()
    {
        neu(QStringLiteral("10"), QStringLiteral("10"));
        klick(99);
        k->TxtTerrain->setCurrentIndex(2);
        k->TxtBurgArt->setCurrentIndex(2);
        neu(QStringLiteral("3"), QStringLiteral("3"));
        QCOMPARE(k->feldtafel.symbole.anzahlGeladen(), 0);
        QCOMPARE(Felder[99].Terrain, qint16(0));
        // the selected cell lay outside the new map: field 1 is selected
        QCOMPARE(AktuellesFeld, qint16(1));
        QCOMPARE(k->TxtFeldNummer->text(), QStringLiteral("1"));
        k->TxtFeldName->setText(QStringLiteral("Ecke"));
        klick(5);
        QCOMPARE(Felder[1].FeldName, festerText(QStringLiteral("Ecke")));
        QCOMPARE(Felder[99].FeldName, festerText(QString()));
    }

    void ausDemHauptfenster()
    {
        QTemporaryDir dir;
        Form1::endProgram = [] {};
        StandardPfad = dir.path();
        Form3::instance();
        k->hide();
        Form1::instance()->starttt->trigger();
        QVERIFY(k->isVisible());
        QCOMPARE(k->fensterZustand(), 0);
    }

    void schliessenVersteckt()
    {
        neu(QStringLiteral("4"), QStringLiteral("4"));
        klick(3);
        k->TxtFeldName->setText(QStringLiteral("Moor"));
        k->close();
        QVERIFY(!k->isVisible());
        QCOMPARE(Karte::instance(), k);
        k->show();
        QCOMPARE(k->TxtFeldName->text(), QStringLiteral("Moor"));
        QCOMPARE(AktuellesFeld, qint16(3));
    }
};

BW_TEST_MAIN(TstKarte)
#include "tst_karte.moc"
