// The path rules of an army order without any window: neighbours, cost
// and the wizard's arithmetic; the order line is tested with the wizard.
#include "map/heerespfad.h"
#include "testsupport.h"

#include <QtTest>
#include <cmath>

using namespace heerespfad;

class TstHeerespfad : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

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
        Pfad pfad;
        QStringList ist;
        for (int f : felder) {
            const Pfad vorher = pfad;
            const Schritt s = klick(pfad, f, vorher.feldVorher == 0, f == gubHort, 12, 10);
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
        Pfad pfad;
        klick(pfad, 1, true, false, 12, 10);
        for (int m = 1; m <= 40000; ++m) {
            QVERIFY(klick(pfad, m % 2 ? 2 : 1, false, false, 12, 10) == Schritt::Feld);
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

QTEST_GUILESS_MAIN(TstHeerespfad)
#include "tst_heerespfad.moc"
