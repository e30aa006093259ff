// The map window's wiring: "New" with its popup, the field-size dialog,
// the scroll buttons, clicks on symbols, closing.
#include "core/globals.h"
#include "core/windowmenu.h"
#include "mainwindow/form1.h"
#include "map/dateidialog.h"
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
        QObject bisZumEnde; // a refused size opens no popup: the answer goes with this
        QTimer::singleShot(0, &bisZumEnde, [=] { popupKlick(eintrag); });
        k->Command1_Click();
    }

    void rad(QWidget *w, QPoint winkel, Qt::KeyboardModifiers m = {})
    {
        QWheelEvent e({5, 5}, w->mapToGlobal(QPointF(5, 5)), {}, winkel, Qt::NoButton, m, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }

    void klick(int feld)
    {
        const QRectF z = zelle(spalteVon(feld), zeileVon(feld));
        k->Picture1_MouseDown(1, 0, float(z.center().x()), float(z.center().y()));
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        k = Karte::instance();
        k->show();
    }

    void init()
    {
        dlg.leeren();
        FeldBreite = FeldHoehe = 5000;
    }
    // Whatever a test leaves, the next starts from the same map.
    void cleanup() { leereKarte(); }

    // A refused size keeps the map; a half rounds to the even number. A size
    // that passes asks first: the map drawn before is new, not saved
    // (answered Yes).
    void neueGroesse_data()
    {
        QTest::addColumn<QString>("breite");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<int>("spalten");
        const QString frage = QStringLiteral(
            "Karte noch nicht gespeichert.\r\nWirklich neue Karte zeichnen und Änderungen an der Karte verwerfen?");
        QTest::newRow("101 x 100") << "101" << "Nicht mehr als 10000 Felder möglich." << 10;
        QTest::newRow("abc") << "abc" << "Nur ganze Zahlen und keine anderen Zeichen möglich." << 10;
        QTest::newRow("2,5") << "2,5" << frage << 2;
        QTest::newRow("3,5") << "3,5" << frage << 4;
    }
    void neueGroesse()
    {
        QFETCH(QString, breite);
        QFETCH(QString, meldung);
        QFETCH(int, spalten);
        neu(QStringLiteral("10"), QStringLiteral("10"));
        dlg.leeren();
        if (meldung.startsWith(QLatin1String("Karte")))
            dlg.antworten << platform::Yes;
        neu(breite, QStringLiteral("100"));
        QCOMPARE(dlg.prompts(), meldung.isEmpty() ? QStringList() : QStringList{meldung});
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

    // The lines alone keep records and symbols; drawn at a new field size, every symbol moves to its cell.
    void nurLinienBehaeltSymbole()
    {
        neu(QStringLiteral("5"), QStringLiteral("5"));
        klick(7);
        k->TxtTerrain->setCurrentIndex(6); // Sumpf, hidden again by Wald
        k->TxtTerrain->setCurrentIndex(7);
        FeldBreite = 7000; // as "OK" in the size dialog sets it, which redraws nothing
        neu(QStringLiteral("5"), QStringLiteral("5"), 2);
        QVERIFY(dlg.boxen.isEmpty()); // nothing is dropped: no question
        QCOMPARE(Felder[7].Terrain, qint16(7));
        for (Symbol s : {Wald, Sumpf})
            QCOMPARE(k->feldtafel.symbole.element(s, 7).ort, QPointF(1120, 550));
    }

    void popupEintraege()
    {
        LadenMenu *m = LadenMenu::instance();
        QTimer::singleShot(0, [m, this] {
            popupUeber(2);
            QCOMPARE(k->StatusBar1->currentMessage(), QStringLiteral("Nur die Linien und Feldnummern nachzeichnen"));
            QVERIFY(!k->StatusBar1->isHidden() && !k->isEnabled() && m->Label3->isHidden());
            popupKlick(2);
        });
        QCOMPARE(m->waehlen(k->Command1, {"Neue Karte zeichnen", "Nur die Linien neu zeichnen"}), 1);
        QVERIFY(k->StatusBar1->isHidden() && k->isEnabled());

        QTimer::singleShot(0, [m, this] {
            QVERIFY(!m->Label3->isHidden());
            popupUeber(1);
            QCOMPARE(k->StatusBar1->currentMessage(),
                     QStringLiteral("Eine vorher gespeicherte Karte im Format '.bwk' laden"));
            popupUeber(3);
            QVERIFY(k->StatusBar1->currentMessage().startsWith(QStringLiteral("Lädt alle folgenden Dateien")));
            popupKlick(2);
        });
        const QStringList laden{"Neue Karte laden", "Morveldatei laden", "Alle Morveldateien laden"};
        QCOMPARE(m->waehlen(k->Command8, laden), 1);
    }

    // The field size is taken only from "Ok" with good values; however the dialog goes, the map is free.
    void feldGroesse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("weg"); // 0: "Ok", 1: close box, 2: minimised, 3: Fenster > alle minimieren
        QTest::addColumn<bool>("gilt");
        QTest::newRow("0,4") << "0,4" << 0 << false;
        QTest::newRow("-5") << "-5" << 0 << false;
        QTest::newRow("32768") << "32768" << 0 << false;
        QTest::newRow("abc") << "abc" << 0 << false;
        QTest::newRow("1") << "1" << 0 << true;
        QTest::newRow("32767") << "32767" << 0 << true;
        QTest::newRow("Schliessen") << "1" << 1 << false;
        QTest::newRow("Minimieren") << "1" << 2 << false;
        QTest::newRow("Fenster > alle minimieren") << "1" << 3 << false;
    }
    void feldGroesse()
    {
        QFETCH(QString, text);
        QFETCH(int, weg);
        QFETCH(bool, gilt);
        k->Command2_Click();
        Groesse *g = Groesse::instance();
        QCOMPARE(QApplication::activeModalWidget(), g);
        QCOMPARE(g->Text1->text(), QStringLiteral("5000"));
        g->Text1->setText(text);
        g->Text2->setText(QStringLiteral("6000"));
        if (weg == 0)
            g->Command1_Click();
        else if (weg == 1)
            g->close();
        else if (weg == 2)
            g->setWindowState(Qt::WindowMinimized);
        else
            FensterMinimieren();
        QTRY_COMPARE(g->isVisible(), weg == 0 && !gilt);
        QCOMPARE(FeldBreite, gilt ? QLocale::c().toDouble(text) : 5000.0);
        QCOMPARE(FeldHoehe, gilt ? 6000.0 : 5000.0);
        QCOMPARE(dlg.prompts().contains(QStringLiteral("Bitte gültige Werte angeben")), g->isVisible());
        g->hide();
        k->setFensterZustand(0);
        k->show();
        const QPoint groesse = k->Command2->mapTo(k, k->Command2->rect().center());
        QTest::mouseClick(k->windowHandle(), Qt::LeftButton, {}, groesse); // the window system's click comes through
        QVERIFY(g->isVisible());
        g->hide();
    }

    void rollen()
    {
        neu(QStringLiteral("100"), QStringLiteral("100"));
        QCOMPARE(k->bildTwips(), QRectF(0, 0, 50060, 50060));
        QVERIFY(k->screen()->availableGeometry().contains(k->frameGeometry())); // the toolbar in reach
        QTest::mouseClick(k->Command4, Qt::LeftButton); // the left edge: no step
        QTest::mouseClick(k->Command5, Qt::LeftButton);
        QCOMPARE(k->bildTwips().topLeft(), QPointF(0, 0));
        QTest::mouseClick(k->Command3, Qt::LeftButton); // a quick double click: two fields
        QTest::mouseDClick(k->Command3, Qt::LeftButton);
        QTest::mouseClick(k->Command6, Qt::LeftButton); // a click: exactly one field
        QTest::qWait(250);
        QCOMPARE(k->bildTwips().topLeft(), QPointF(-1000, -500));
        QTest::mousePress(k->Command4, Qt::LeftButton);
        QTRY_COMPARE(k->bildTwips().left(), 0.0); // held: a step every 100 ms
        QTest::mouseRelease(k->Command4, Qt::LeftButton);
        rad(k->Picture2, {0, -120}); // a notch down over the frame: one row
        rad(k->Picture1, {0, -120}, Qt::ShiftModifier); // over the map with shift: one column
        QCOMPARE(k->bildTwips().topLeft(), QPointF(-500, -1000));
        k->setRahmenGroesseTwips(3000, 3000); // made short by a title bar: the last row still comes in
        rad(k->Picture1, {0, -120 * 120});
        QVERIFY(k->bildTwips().bottom() - 60 <= 3000);
    }

    void panelFolgtDenRegeln()
    {
        FeldBreite = FeldHoehe = 1000; // cells of 100: a symbol reaches into the neighbour
        dlg.antworten << platform::Yes; // the field size is a change of the map: "New" asks first
        neu(QStringLiteral("4"), QStringLiteral("4"));
        klick(6);
        QVERIFY(QTest::qWaitForWindowActive(k));
        rad(k->TxtBurgArt, {0, -120}); // the wheel changes a list only while it has the focus
        QCOMPARE(Felder[6].BurgArt, qint16(0));
        k->TxtBurgArt->setFocus();
        rad(k->TxtBurgArt, {0, -120});
        QCOMPARE(k->TxtBesitzer->text(), QStringLiteral("6"));
        k->TxtBesonderheiten->setCurrentIndex(1);
        QCOMPARE(spalteAusX(k->feldtafel.symbole.element(Bes, 6).ort.x()), 1);
        k->TxtSpielerName->setText(QStringLiteral("Harald"));
        klick(7);
        QCOMPARE(Felder[6].SpielerName, festerText(QStringLiteral("Harald")));
        QCOMPARE(k->TxtBurgArt->currentIndex(), 0);
        k->setFocus(); // the panel's boxes show what a click brings
        k->symbolMouseDown(Bes, 6);
        QCOMPARE(AktuellesFeld, qint16(6));
        QCOMPARE(k->TxtFeldNummer->text(), QStringLiteral("6"));
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
        dlg.antworten << platform::Yes; // drop the changes
        neu(QStringLiteral("3"), QStringLiteral("3"));
        QCOMPARE(dlg.boxen.size(), 1);
        QCOMPARE(k->feldtafel.symbole.anzahlGeladen(), 0);
        QCOMPARE(Felder[99].Terrain, qint16(0));
        k->TxtFeldName->setText(QStringLiteral("Ecke")); // field 99 lies outside the new map: field 1 is shown
        klick(5);
        QCOMPARE(Felder[1].FeldName, festerText(QStringLiteral("Ecke")));
        QCOMPARE(Felder[99].FeldName, festerText(QString()));
    }

    // "Alle Dateien" in the open dialog lists every file, one without a dot too, as the dialog matches.
    void alleDateien()
    {
        const QString filter = dateidialog::dialogFilter(QStringLiteral("K (*.bwk)|*.bwk|Alle Dateien (*.*)|*.*"));
        const QStringList f = filter.split(QStringLiteral(";;"));
        auto passt = [&f](int i, const QString &name) { return QDir::match(f[i].section(u'(', -1).chopped(1), name); };
        QVERIFY(passt(1, "karte") && passt(1, "a.bwk") && passt(0, "a.bwk") && !passt(0, "karte"));
    }

    void schliessenVersteckt()
    {
        QTemporaryDir dir;
        Form1 *f = hauptfenster(dir.path());
        neu(QStringLiteral("4"), QStringLiteral("4"));
        klick(3);
        k->TxtFeldName->setText(QStringLiteral("Moor"));
        k->close();
        QVERIFY(!k->isVisible());
        f->starttt->trigger();
        QVERIFY(k->isVisible());
        QCOMPARE(k->TxtFeldName->text(), QStringLiteral("Moor"));
        QCOMPARE(AktuellesFeld, qint16(3));
    }
};

BW_TEST_MAIN(TstKarte)
#include "tst_karte.moc"
