// The army order: the path rules and the wizard's arithmetic, and the wizard with the map:
// its steps with good and bad answers, the path clicked on the map, "Fertig", "Abbrechen", the close box.
#include "core/form3.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "map/heerespfad.h"
#include "map/herst.h"
#include "map/karte.h"
#include "platform/waveplayer.h"
#include "testmain.h"
#include "testsupport.h"

#include <QtTest>
#include <cmath>

using namespace heerespfad;

class TstHErst : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Dialoge dlg;
    HErst *h = nullptr;
    Form1 *f1 = nullptr;
    Karte *k = nullptr;

    // Opens the wizard and answers up to the step; 12 Gubs march.
    void bisSchritt(int schritt)
    {
        f1->HBefErst_Click();
        QTRY_VERIFY(h->isActiveWindow()); // the focus moves on as the player answers
        const QList<std::function<void()>> antworten{
            [&] { h->Text1->setText(QStringLiteral("1")); h->Command2->click(); },
            [&] { // a player's choice: the first Down takes the first kind, the second the next
                QTest::keyClick(h->List1, Qt::Key_Down);
                QCOMPARE(h->List1->selectedItems().value(0)->text(), QStringLiteral("Goldraubzug (RG)"));
                QTest::keyClick(h->List1, Qt::Key_Down);
                h->Command2->click();
            },
            [&] { h->Text1->setText(QStringLiteral("10")); },
            [&] { h->Command2->click(); },
            [&] { // Enter in the soldiers' box goes on to the mercenaries'
                h->Text2->setText(QStringLiteral("10"));
                QTest::keyClick(h->Text2, Qt::Key_Return);
                QCOMPARE(h->focusWidget(), h->Text1);
                QTest::keyClicks(h->Text1, QStringLiteral("2"));
            },
            [&] { h->Command2->click(); },
        };
        for (int i = 0; i < schritt; ++i)
            antworten[i]();
        QCOMPARE(HeeresSchritt, qint16(schritt));
    }

private slots:
    void initTestCase()
    {
        f1 = hauptfenster(dir.path());
        f1->show();
        // Players count their plays once open: a shut one gets a file; an open one stays (closing is slow).
        Form3 *f3 = Form3::instance();
        for (WavePlayer *m : {f3->MMControl4, f3->MMControl6, f3->MMControl8}) {
            if (m->isOpen())
                continue;
            m->FileName = dir.filePath(m->objectName());
            schreibeDatei(m->FileName, "RIFF");
            m->Command(QStringLiteral("Open"));
        }
        k = Karte::instance();
        h = HErst::instance();
        neueKarte(10, 10);
    }
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        h->abbrechen();
        dlg.leeren();
        KlickKlangAn = TippKlangAn = BestaetigungsKlangAn = 0;
        f1->Text1->setText(QStringLiteral("#BEF 1"));
        QCoreApplication::processEvents(); // the orders box reports its change late
        f1->verandert = 0;
    }

    // 12 Gubs: steps add 12/5, 36/5, 108/5; the title keeps its cost over a refused click ("-") and a GubHort.
    void pathThenFertigOrCancel_data()
    {
        QTest::addColumn<int>("ende"); // 0: "Fertig", 1: Enter on "Abbrechen", 2: close box
        QTest::addColumn<QString>("befehle");
        QTest::addColumn<QList<int>>("felder");
        QTest::addColumn<int>("hort");
        QTest::addColumn<QStringList>("kosten");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("empty orders, castle alone") << 0 << "" << QList<int>{13, 13} << 0
                                                    << QStringList{"0", "-"} << "RS V10 S2 B13 W";
        QTest::newRow("one line") << 0 << "#BEF 1" << QList<int>{13, 14, 34, 15, 25, 45} << 0
                                  << QStringList{"0", "2,4", "-", "9,6", "31,2", "-"}
                                  << "#BEF 1\r\nRS V10 S2 B13 W14 15 25 ";
        QTest::newRow("ending in a line end, a GubHort on the way")
            << 0 << "#BEF 1\r\n" << QList<int>{13, 23, 43, 33} << 23 << QStringList{"0", "0", "-", "2,4"}
            << "#BEF 1\r\n\r\nRS V10 S2 B13 W23 33 ";
        QTest::newRow("GubHort start") << 0 << "" << QList<int>{13, 14, 15} << 13
                                       << QStringList{"0", "0", "2,4"} << "RS V10 S2 B13 W14 15 ";
        QTest::newRow("round the edge") << 0 << "" << QList<int>{11, 10, 20, 1} << 0
                                        << QStringList{"0", "-", "-", "2,4"} << "RS V10 S2 B11 W1 ";
        QTest::newRow("back and forth") << 0 << "" << QList<int>{13, 14, 13} << 0
                                        << QStringList{"0", "2,4", "9,6"} << "RS V10 S2 B13 W14 13 ";
        QTest::newRow("Enter on Abbrechen") << 1 << "#BEF 1" << QList<int>{13} << 0 << QStringList{"0"}
                                            << "RS V10 S2 B13 W";
        QTest::newRow("close box") << 2 << "#BEF 1" << QList<int>{13} << 0 << QStringList{"0"}
                                   << "RS V10 S2 B13 W";
    }
    void pathThenFertigOrCancel()
    {
        QFETCH(int, ende);
        QFETCH(QString, befehle);
        QFETCH(QList<int>, felder);
        QFETCH(int, hort);
        QFETCH(QStringList, kosten);
        QFETCH(QString, ergebnis);
        f1->Text1->setText(QString());
        eingeben(*f1->Text1, QStringLiteral("Einfuegen"), befehle); // a step to undo
        Felder[hort].GubHortFlag = 1; // none: field 0, never on the map
        h->move(k->Picture1->mapToGlobal(QPoint())); // where a window manager puts it: over the map
        bisSchritt(6);
        const QRect gitter(k->Picture1->mapToGlobal(QPoint()), k->Picture1->size());
        QVERIFY(k->isVisible() && k->Text3->isVisible() && !h->frameGeometry().intersects(gitter));
        QVERIFY(FelderKlickModus == 1 && MarkierFarbe == 0xC0FFC0 && !h->Command2->isEnabled() && !h->Text1->isEnabled());
        QSignalSpy troeoets(Form3::instance()->MMControl6, &WavePlayer::gespielt);
        QSignalSpy horte(Form3::instance()->MMControl8, &WavePlayer::gespielt);
        KlickKlangAn = TippKlangAn = 1;
        const QString kopf = QStringLiteral("Karte              Kosten für Heeresbewegung: ");
        for (int i = 0; i < felder.size(); ++i) {
            const QString titel = k->windowTitle();
            const QRectF z =
                kartenmodell::zelle(kartenmodell::spalteVon(felder[i]), kartenmodell::zeileVon(felder[i]));
            k->Picture1_MouseDown(1, 0, float(z.center().x()), float(z.center().y()));
            QCOMPARE(k->windowTitle(), kosten[i] == "-" || felder[i] == hort ? titel : kopf + kosten[i]);
            QCOMPARE(troeoets.count(), kosten.mid(0, i + 1).count(QStringLiteral("-")));
            QCOMPARE(horte.count(), felder.mid(0, i + 1).count(hort));
            QCOMPARE(h->Text1->text(), k->Text3->text());
            QVERIFY(ergebnis.mid(ergebnis.indexOf(QLatin1String("RS"))).startsWith(k->Text3->text()));
        }
        Felder[hort].GubHortFlag = 0;
        QCOMPARE(h->Command2->text(), QStringLiteral("Fertig"));
        QSignalSpy duis(Form3::instance()->MMControl4, &WavePlayer::gespielt);
        f1->verandert = 0;
        QVERIFY(h->Command1->isDefault() && !h->Command2->isDefault()); // the focus is on it: Enter cancels
        ende == 0 ? h->Command2->click() : ende == 1 ? QTest::keyClick(h->Command1, Qt::Key_Return) : void(h->close());
        QCOMPARE(f1->Text1->text(), ende ? befehle : ergebnis);
        QCOMPARE(f1->verandert, qint16(ende == 0));
        QCOMPARE(duis.count(), int(ende == 0));
        // The line is one step to undo; the steps before it stay.
        if (ende == 0)
            QTest::keyClick(f1->Text1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f1->Text1->text(), befehle);
        QTest::keyClick(f1->Text1, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(f1->Text1->text().isEmpty());
        QVERIFY(!h->isVisible() && !k->Text3->isVisible() && k->Text3->text().isEmpty());
        QCOMPARE(k->fensterZustand(), 1);
        QVERIFY(k->FeldVorher == 0 && k->Kosten == 0 && k->FelderAnzahl == -2 && k->windowTitle() == "Karte");
        QVERIFY(HeeresSchritt == 0 && FelderKlickModus == 0 && MarkierFarbe == 0xE0E0E0);
        QCOMPARE(h->Command2->text(), QStringLiteral("Weiter -->"));
        k->setFensterZustand(0);
        h->close(); // shut already: the map stays as it is
        QCOMPARE(k->fensterZustand(), 0);
        bisSchritt(1);
        QVERIFY(!h->Label2->isVisible() && !h->Text2->isVisible());
        QCOMPARE(h->List1->count(), 5);
    }

    // "Fertig" while an orders file loads is refused and the wizard stays at its step: every loaded line
    // stays whole, and the line goes in once the player finishes after the load.
    void fertigWaitsForALoad()
    {
        QByteArray datei = "#BEF 1\r\n";
        for (int i = 0; datei.size() < 1'000'000; ++i)
            datei += "GR 81 " + QByteArray::number(i) + "\r\n";
        schreibeDatei(dir.filePath(QStringLiteral("z.txt")), datei);
        f1->Text5->setText(QStringLiteral("z.txt"));
        bisSchritt(6);
        const QRectF z = kartenmodell::zelle(kartenmodell::spalteVon(13), kartenmodell::zeileVon(13));
        k->Picture1_MouseDown(1, 0, float(z.center().x()), float(z.center().y()));
        QTimer::singleShot(0, h, [this] { h->Command2->click(); });
        f1->verandert = 0; // nothing to ask before the load
        f1->laden_Click();
        QCOMPARE(f1->Label3->caption(), QStringLiteral("FERTIG"));
        QCOMPARE(f1->Text1->text(), QString::fromLatin1(datei));
        QCOMPARE(dlg.prompts(), QStringList{QStringLiteral("Es ist gerade eine Datei geöffnet!")});
        QVERIFY(h->isVisible() && HeeresSchritt == 7 && f1->verandert == 0);
        h->Command2->click();
        QCOMPARE(f1->Text1->text(), QString::fromLatin1(datei) + QStringLiteral("\r\nRS V10 S2 B13 W"));
        QVERIFY(!h->isVisible() && HeeresSchritt == 0 && f1->verandert == 1);
    }

    // The list taking the focus, and Enter, choose no kind ("Weiter -->" stays off); a key does; Ctrl+Space keeps it.
    void orderKindOnlyByChoice_data()
    {
        QTest::addColumn<QKeySequence>("tasten");
        QTest::addColumn<QString>("art"); // empty: none chosen
        QTest::newRow("Enter twice") << QKeySequence(Qt::Key_Return, Qt::Key_Return) << "";
        QTest::newRow("Space on the framed row") << QKeySequence(Qt::Key_Space) << "RG";
        QTest::newRow("kept") << QKeySequence(QKeyCombination(Qt::Key_Space), Qt::CTRL | Qt::Key_Space) << "RG";
    }
    void orderKindOnlyByChoice()
    {
        QFETCH(QKeySequence, tasten);
        QFETCH(QString, art);
        bisSchritt(1);
        k->setEnabled(false); // the map's popup is open: the wizard is disabled with it
        k->setEnabled(true);
        QCOMPARE(h->focusWidget(), h->List1);
        QTest::keySequence(h->List1, tasten);
        QCOMPARE(HeeresSchritt, qint16(1));
        QCOMPARE(h->Command2->isEnabled() ? h->Art : QString(), art);
    }

    // Beside the map where the screen has room, else below or above, else over its panel (right 200 px); never on the grid.
    void wizardLeavesGridFree_data()
    {
        QTest::addColumn<QRect>("karte");
        QTest::addColumn<QPoint>("lage");
        QTest::newRow("right") << QRect(270, 180, 484, 410) << QPoint(754, 180);
        QTest::newRow("left") << QRect(600, 100, 420, 410) << QPoint(410, 100);
        QTest::newRow("below") << QRect(141, 100, 742, 480) << QPoint(141, 580);
        QTest::newRow("above, kept on the screen") << QRect(141, 140, 742, 489) << QPoint(141, 0);
        QTest::newRow("over the panel") << QRect(0, 100, 1024, 600) << QPoint(834, 100);
    }
    void wizardLeavesGridFree()
    {
        QFETCH(QRect, karte);
        QFETCH(QPoint, lage);
        QCOMPARE(HErst::lage(QRect(0, 0, 1024, 768), karte, karte.adjusted(8, 50, -200, -20), QSize(190, 160)), lage);
    }

    void badAnswers_data()
    {
        QTest::addColumn<int>("schritt");
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("price empty") << 0 << "" << "Bitte gültige Werte angeben";
        QTest::newRow("price too high") << 0 << "40000" << "Laufzeitfehler Nr.6: Überlauf";
        QTest::newRow("defenders empty") << 3 << "" << "Bitte gültige Werte angeben";
        QTest::newRow("mercenaries too dear") << 5 << "40000" << "Laufzeitfehler Nr.6: Überlauf";
    }
    void badAnswers()
    {
        QFETCH(int, schritt);
        QFETCH(QString, antwort);
        QFETCH(QString, meldung);
        bisSchritt(schritt);
        h->Text1->setText(antwort);
        h->Command2->click();
        QCOMPARE(dlg.prompts(), QStringList{meldung});
        QCOMPARE(HeeresSchritt, qint16(schritt));
        QVERIFY(h->Command2->isEnabled());
        h->Text1->setText(QStringLiteral("4")); // mended, the step goes on
        h->Command2->click();
        QVERIFY(HeeresSchritt > schritt);
    }

    // On a 10 x 10 map, every field a neighbour of p and no other; field 11 starts row 2, field 20 ends it.
    void neighbours_data()
    {
        QTest::addColumn<int>("p");
        QTest::addColumn<QList<int>>("nachbarn");
        QTest::newRow("inside") << 45 << QList<int>{34, 35, 36, 44, 46, 54, 55, 56};
        QTest::newRow("left edge") << 11 << QList<int>{1, 2, 12, 21, 22};
        QTest::newRow("right edge") << 20 << QList<int>{9, 10, 19, 29, 30};
        QTest::newRow("top left corner") << 1 << QList<int>{2, 11, 12};
        QTest::newRow("bottom right corner") << 100 << QList<int>{89, 90, 99};
    }
    void neighbours()
    {
        QFETCH(int, p);
        QFETCH(QList<int>, nachbarn);
        for (int f = 1; f <= 100; ++f) {
            QCOMPARE(istNachbar(p, f, 10), nachbarn.contains(f));
            QCOMPARE(istNachbar(f, p, 10), nachbarn.contains(f));
        }
    }

    // Far past the range of a number the cost stays endless; the counter never wraps round to 0.
    void veryLongPathNeverOverflows()
    {
        heerespfad::Pfad pfad;
        heerespfad::klick(pfad, 1, true, false, 12, 10);
        for (int m = 1; m <= 40000; ++m) {
            QVERIFY(heerespfad::klick(pfad, m % 2 ? 2 : 1, false, false, 12, 10) == Schritt::Feld);
            if (m == 20) // K (3^m - 1) / 10
                QVERIFY(qFuzzyCompare(pfad.kosten, 12 * 3486784400.0 / 10));
        }
        QVERIFY(pfad.felderAnzahl > 0 && std::isinf(pfad.kosten));
        QCOMPARE(kartenTitel(pfad.kosten), QStringLiteral("Karte              Kosten für Heeresbewegung: ∞"));
    }

    void costText()
    {
        QCOMPARE(kostenText(1234567.5), QStringLiteral("1234567,5")); // no grouping
        QCOMPARE(kostenText(2.0 / 3.0), QStringLiteral("0,666666666666667")); // fifteen digits
        QCOMPARE(kostenText(1.5e20), QStringLiteral("1,5E+20")); // an exponent past them
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(kostenText(12 * (1.0 / 5.0)), QStringLiteral("2.4"));
    }

    // 2.5 at 3: 7.5 rounds to 8, 8 / 3 + 10 = 12.67 gives 13; too dear, free or too many overflow.
    void mercenaries()
    {
        QCOMPARE(gubAnzahl(soeldnerSumme(2.5, 3), 3, 10), qint16(13));
        auto fehler = [](double anzahl, qint16 preis, qint16 soldaten) {
            return fehlerNummer([=] { gubAnzahl(soeldnerSumme(anzahl, preis), preis, soldaten); });
        };
        QCOMPARE(QList<int>({fehler(1000, 100, 0), fehler(4, 0, 3), fehler(1, 1, 32767)}), QList<int>({6, 6, 6}));
    }
};

BW_TEST_MAIN(TstHErst)
#include "tst_herst.moc"
