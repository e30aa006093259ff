// The army order: the path rules (neighbours, cost, the wizard's arithmetic)
// and the wizard with the map: its steps with good and bad answers, the path
// clicked on the map, "Fertig", "Abbrechen" and the close box.
#include "core/form3.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "map/heerespfad.h"
#include "map/herst.h"
#include "map/karte.h"
#include "map/ladenmenu.h"
#include "platform/waveplayer.h"
#include "testmain.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace heerespfad;

namespace {
const QString kUngueltig = QStringLiteral("Bitte gültige Werte angeben");
const QString kUeberlauf = QStringLiteral("Laufzeitfehler Nr.6: Überlauf");
} // namespace

class TstHErst : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Dialoge dlg;
    HErst *h = nullptr;
    Form1 *f1 = nullptr;
    Karte *k = nullptr;

    // A start-settings player counts its plays once it is open; one that
    // found no sound file is opened on a file of its own. An open player is
    // never opened again: closing a sound on a device can wait for long.
    WavePlayer *spieler(WavePlayer *m)
    {
        if (m->isOpen())
            return m;
        schreibeDatei(dir.filePath(m->objectName()), "RIFF");
        m->FileName = dir.filePath(m->objectName());
        m->Command(QStringLiteral("Open"));
        return m;
    }
    void antworte(QLineEdit *box, const QString &text)
    {
        box->clear();
        QTest::keyClicks(box, text);
    }
    // Opens the wizard and answers up to the step; 12 Gubs march.
    void bisSchritt(int schritt, const QString &preis = QStringLiteral("1"))
    {
        f1->HBefErst_Click();
        const QList<std::function<void()>> antworten{
            [&] { antworte(h->Text1, preis); h->Command2->click(); },
            [&] { h->List1->setCurrentRow(0); h->Command2->click(); },
            [&] { antworte(h->Text1, QStringLiteral("10")); },
            [&] { h->Command2->click(); },
            [&] { // Enter in the soldiers' box goes on to the mercenaries'
                h->activateWindow();
                antworte(h->Text2, QStringLiteral("10"));
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
    void klick(int feld)
    {
        const QRectF z = kartenmodell::zelle(kartenmodell::spalteVon(feld), kartenmodell::zeileVon(feld));
        k->Picture1_MouseDown(1, 0, float(z.center().x()), float(z.center().y()));
    }

private slots:
    void initTestCase()
    {
        f1 = hauptfenster(dir.path());
        f1->show();
        k = Karte::instance();
        h = HErst::instance();
        k->Text1->setText(QStringLiteral("10"));
        k->Text2->setText(QStringLiteral("10"));
        QTimer::singleShot(0, [] { LadenMenu::instance()->Label1_Click(); });
        k->Command1_Click();
        QCOMPARE(SpaltenAnzahl * ZeilenAnzahl, 100);
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

    // 12 Gubs march: each costing step adds 12/5, 36/5, 108/5.
    void pathThenFertig_data()
    {
        QTest::addColumn<QString>("befehle");
        QTest::addColumn<QList<int>>("felder");
        QTest::addColumn<int>("hort");
        QTest::addColumn<QStringList>("kosten");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("empty orders, castle alone") << "" << QList<int>{13} << 0 << QStringList{"0"} << "RG V10 S2 B13 W";
        QTest::newRow("one line") << "#BEF 1" << QList<int>{13, 14, 15, 25} << 0 << QStringList{"0", "2,4", "9,6", "31,2"}
                                  << "#BEF 1\r\nRG V10 S2 B13 W14 15 25 ";
        QTest::newRow("ending in a line end, a GubHort on the way")
            << "#BEF 1\r\n" << QList<int>{13, 23, 33} << 23 << QStringList{"0", "0", "2,4"}
            << "#BEF 1\r\n\r\nRG V10 S2 B13 W23 33 ";
    }
    void pathThenFertig()
    {
        QFETCH(QString, befehle);
        QFETCH(QList<int>, felder);
        QFETCH(int, hort);
        QFETCH(QStringList, kosten);
        QFETCH(QString, ergebnis);
        f1->Text1->setText(befehle);
        if (hort)
            Felder[hort].GubHortFlag = 1;
        bisSchritt(6);
        QVERIFY(k->isVisible() && k->Text3->isVisible());
        QCOMPARE(FelderKlickModus, qint16(1));
        QCOMPARE(MarkierFarbe, qint32(0xC0FFC0));
        QVERIFY(!h->Command2->isEnabled() && !h->Text1->isEnabled());
        QSignalSpy troeoets(spieler(Form3::instance()->MMControl6), &WavePlayer::gespielt);
        QSignalSpy horte(spieler(Form3::instance()->MMControl8), &WavePlayer::gespielt);
        KlickKlangAn = 1;
        for (int i = 0; i < felder.size(); ++i) {
            klick(felder[i]);
            QCOMPARE(k->windowTitle(), QStringLiteral("Karte              Kosten für Heeresbewegung: ") + kosten[i]);
            QCOMPARE(horte.count(), int(felder[i] == hort));
            horte.clear();
            klick(i ? felder[i] + 20 : felder[i]); // the same field again, or two rows away: refused
            QCOMPARE(troeoets.count(), i + 1);
            QCOMPARE(h->Text1->text(), k->Text3->text());
            QVERIFY(ergebnis.mid(ergebnis.indexOf(QLatin1String("RG"))).startsWith(k->Text3->text()));
        }
        if (hort)
            Felder[hort].GubHortFlag = 0;
        QCOMPARE(h->Command2->text(), QStringLiteral("Fertig"));
        WavePlayer *dui = spieler(Form3::instance()->MMControl4);
        QSignalSpy duis(dui, &WavePlayer::gespielt);
        TippKlangAn = 1;
        f1->verandert = 0;
        h->Command2->click();
        QCOMPARE(f1->Text1->text(), ergebnis);
        QCOMPARE(f1->verandert, qint16(1));
        QCOMPARE(duis.count(), 1);
        QVERIFY(!h->isVisible() && !k->Text3->isVisible() && k->Text3->text().isEmpty());
        QCOMPARE(k->fensterZustand(), 1);
        QCOMPARE(k->windowTitle(), QStringLiteral("Karte"));
        QVERIFY(k->FeldVorher == 0 && k->Kosten == 0 && k->FelderAnzahl == -2);
        QVERIFY(HeeresSchritt == 0 && FelderKlickModus == 0 && MarkierFarbe == 0xE0E0E0);
        QCOMPARE(h->Command2->text(), QStringLiteral("Weiter -->"));
    }

    void badAnswers_data()
    {
        QTest::addColumn<int>("schritt");
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("price empty") << 0 << "" << kUngueltig;
        QTest::newRow("price no number") << 0 << "abc" << kUngueltig;
        QTest::newRow("price too high") << 0 << "40000" << kUeberlauf;
        QTest::newRow("defenders empty") << 3 << "" << kUngueltig;
        QTest::newRow("mercenaries too dear") << 5 << "40000" << kUeberlauf;
    }
    void badAnswers()
    {
        QFETCH(int, schritt);
        QFETCH(QString, antwort);
        QFETCH(QString, meldung);
        bisSchritt(schritt);
        antworte(h->Text1, antwort);
        h->Command2->click();
        QCOMPARE(dlg.prompts(), QStringList{meldung});
        QCOMPARE(HeeresSchritt, qint16(schritt));
        QVERIFY(h->Command2->isEnabled());
        antworte(h->Text1, QStringLiteral("4")); // mended, the step goes on
        h->Command2->click();
        QVERIFY(HeeresSchritt > schritt);
    }

    void cancelOrCloseBox_data()
    {
        QTest::addColumn<bool>("schliessfeld");
        QTest::newRow("Abbrechen") << false;
        QTest::newRow("close box") << true;
    }
    void cancelOrCloseBox()
    {
        QFETCH(bool, schliessfeld);
        bisSchritt(6);
        klick(13);
        schliessfeld ? void(h->close()) : h->Command1->click();
        QVERIFY(!h->isVisible());
        QVERIFY(HeeresSchritt == 0 && FelderKlickModus == 0 && MarkierFarbe == 0xE0E0E0);
        QVERIFY(k->FeldVorher == 0 && k->FelderAnzahl == -2 && k->windowTitle() == QStringLiteral("Karte"));
        QCOMPARE(f1->Text1->text(), QStringLiteral("#BEF 1"));
        QCOMPARE(f1->verandert, qint16(0));
        k->setFensterZustand(0);
        h->close(); // shut already: the map stays as it is
        QCOMPARE(k->fensterZustand(), 0);
        bisSchritt(1);
        QVERIFY(!h->Label2->isVisible() && !h->Text2->isVisible());
        QCOMPARE(h->List1->count(), 5);
    }

    // On a 10 x 10 map; field 11 is the first of row 2, field 20 its last.
    void neighbours_data()
    {
        QTest::addColumn<int>("p");
        QTest::addColumn<QList<int>>("ja");
        QTest::addColumn<QList<int>>("nein");
        QTest::newRow("inside") << 45 << QList<int>{34, 35, 36, 44, 46, 54, 55, 56} << QList<int>{45, 47, 65, 57, 23};
        QTest::newRow("left edge") << 11 << QList<int>{1, 2, 12, 21, 22} << QList<int>{10, 20, 30};
        QTest::newRow("right edge") << 20 << QList<int>{9, 10, 19, 29, 30} << QList<int>{11, 21, 31};
        QTest::newRow("top left corner") << 1 << QList<int>{2, 11, 12} << QList<int>{10, 20};
        QTest::newRow("bottom right corner") << 100 << QList<int>{89, 90, 99} << QList<int>{91, 81};
    }
    void neighbours()
    {
        QFETCH(int, p);
        QFETCH(QList<int>, ja);
        QFETCH(QList<int>, nein);
        for (int f : ja)
            QVERIFY2(istNachbar(p, f, 10) && istNachbar(f, p, 10), qPrintable(QString::number(f)));
        for (int f : nein)
            QVERIFY2(!istNachbar(p, f, 10) && !istNachbar(f, p, 10), qPrintable(QString::number(f)));
    }

    // K = 12: the start costs 0, then 12/5, 36/5, 108/5; "-" is a refused click.
    void costAfterEachClick_data()
    {
        QTest::addColumn<QList<int>>("felder");
        QTest::addColumn<int>("gubHort");
        QTest::addColumn<QStringList>("kosten");
        QTest::newRow("start and three moves") << QList<int>{13, 14, 15, 25} << 0 << QStringList{"0", "2,4", "9,6", "31,2"};
        QTest::newRow("GubHort start") << QList<int>{13, 14, 15} << 13 << QStringList{"0", "0", "2,4"};
        QTest::newRow("round the edge") << QList<int>{11, 10, 20, 1} << 0 << QStringList{"0", "-", "-", "2,4"};
        QTest::newRow("back and forth") << QList<int>{13, 14, 13} << 0 << QStringList{"0", "2,4", "9,6"};
    }
    void costAfterEachClick()
    {
        QFETCH(QList<int>, felder);
        QFETCH(int, gubHort);
        QFETCH(QStringList, kosten);
        heerespfad::Pfad pfad;
        QStringList ist;
        for (int f : felder) {
            const heerespfad::Pfad vorher = pfad;
            const Schritt s = heerespfad::klick(pfad, f, vorher.feldVorher == 0, f == gubHort, 12, 10);
            QCOMPARE(s == Schritt::GubHort, f == gubHort && s != Schritt::Abgelehnt);
            if (s == Schritt::Abgelehnt)
                QVERIFY(pfad.feldVorher == vorher.feldVorher && pfad.kosten == vorher.kosten
                        && pfad.felderAnzahl == vorher.felderAnzahl);
            ist << (s == Schritt::Abgelehnt ? QStringLiteral("-") : kostenText(pfad.kosten));
        }
        QCOMPARE(ist, kosten);
    }

    // Far past the range of a number the cost stays endless; the counter
    // never wraps round to a negative value that would make it 0 again.
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
        // no grouping, up to fifteen digits, an exponent past them
        QCOMPARE(kostenText(1234567.5), QStringLiteral("1234567,5"));
        QCOMPARE(kostenText(2.0 / 3.0), QStringLiteral("0,666666666666667"));
        QCOMPARE(kostenText(1.5e20), QStringLiteral("1,5E+20"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(kostenText(12 * (1.0 / 5.0)), QStringLiteral("2.4"));
    }

    // 2.5 at 3 is 7.5, rounded to 8 before 8 / 3 + 10 = 12.67 gives 13;
    // a price too high, a price of nothing and too large an army overflow.
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
