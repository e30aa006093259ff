// The map's records, its geometry and where symbols go, as the model
// gives them.
#include "map/kartenmodell.h"
#include "platform/errors.h"

#include <QtTest>

using namespace kartenmodell;

class TstKartenmodell : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        FeldBreite = FeldHoehe = 5000;
        Massstab = 10;
        SpaltenAnzahl = ZeilenAnzahl = 10;
    }

    void leererFeldBehaeltNummer()
    {
        Felder[0].FeldName = QStringLiteral("Kopf");
        Felder[0].SpielerNummer = 3;
        for (int i : {1, 77, 10000}) {
            Felder[i].FeldNummer = qint16(i);
            Felder[i].BurgArt = 2;
            Felder[i].Besitzer = QStringLiteral("12");
            Felder[i].SpielerName = festerText(QStringLiteral("Olaf"));
            Felder[i].SpielerNummer = 9;
        }
        Felder.FelderWerteInitialisieren();
        for (int i : {1, 77, 10000}) {
            const FeldDaten &f = Felder[i];
            QCOMPARE(f.FeldNummer, qint16(i));
            QCOMPARE(f.BurgArt, qint16(0));
            QCOMPARE(f.SpielerNummer, qint16(0));
            QCOMPARE(f.Besitzer, QStringLiteral("0"));
            QCOMPARE(f.FeldName, QString(30, QLatin1Char(' ')));
            QCOMPARE(f.SpielerName, QString(30, QLatin1Char(' ')));
        }
        QCOMPARE(Felder[0].FeldName, QStringLiteral("Kopf"));
        QCOMPARE(Felder[0].SpielerNummer, qint16(3));
    }

    void indexAusserhalb_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("-1") << -1;
        QTest::newRow("10001") << 10001;
    }
    void indexAusserhalb()
    {
        QFETCH(int, index);
        try {
            Felder[index];
            QFAIL("no error");
        } catch (const platform::Error &e) {
            QCOMPARE(e.number, 9);
        }
    }

    void festerTextHatDreissig_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fest");
        QTest::newRow("kurz") << "Alte Mühle" << QStringLiteral("Alte Mühle") + QString(20, QLatin1Char(' '));
        QTest::newRow("lang") << QString(35, QLatin1Char('x')) << QString(30, QLatin1Char('x'));
        QTest::newRow("leer") << QString() << QString(30, QLatin1Char(' '));
    }
    void festerTextHatDreissig()
    {
        QFETCH(QString, text);
        QFETCH(QString, fest);
        QCOMPARE(festerText(text), fest);
    }

    void listenHabenIhreLaenge()
    {
        QCOMPARE(kTerrain.size(), 9);
        QCOMPARE(kBesonderheiten.size(), 9);
        QCOMPARE(kBurgArt.size(), 3);
        QCOMPARE(kEchtBit.size(), 3);
        QCOMPARE(kSpielerRang.size(), 21);
        for (const QStringList *l : {&kTerrain, &kBesonderheiten, &kBurgArt, &kEchtBit, &kSpielerRang})
            for (const QString &e : *l)
                QVERIFY(!e.isEmpty() && e.trimmed() == e);
    }

    void leinwandVonZehnMalZehn()
    {
        QCOMPARE(leinwand(10, 10), QRectF(0, 0, 5060, 5060));
        QCOMPARE(zelle(3, 3), QRectF(1000, 1000, 500, 500));
        QCOMPARE(feldAus(3, 3), 23);
        QCOMPARE(spalteVon(23), 3);
        QCOMPARE(zeileVon(23), 3);
    }

    void spalteAmRand_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("spalte");
        QTest::newRow("in Spalte 1") << 1.0 << 1;
        QTest::newRow("in Spalte 3") << 1250.0 << 3;
        QTest::newRow("Linie 2|3") << 1000.0 << 2;
        QTest::newRow("Linie 3|4") << 1500.0 << 4;
        QTest::newRow("erstes Pixel") << 0.0 << 0;
        QTest::newRow("Streifen rechts") << 5030.0 << 11;
    }
    void spalteAmRand()
    {
        QFETCH(double, x);
        QFETCH(int, spalte);
        QCOMPARE(spalteAusX(x), spalte);
        QCOMPARE(zeileAusY(x), spalte);
    }

    void ausserhalbIstKeinFeld()
    {
        QCOMPARE(feldAus(0, 1), 0);
        QCOMPARE(feldAus(11, 1), 0);
        QCOMPARE(feldAus(1, 11), 0);
        QCOMPARE(feldAus(10, 10), 100);
    }

    void symbolOrte_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QPointF>("ort");
        // cell (1, 1) at 5000 x 5000: centre (250, 250)
        QTest::newRow("Wald") << int(Wald) << QPointF(300, 50);
        QTest::newRow("HochGebirge") << int(HochGebirge) << QPointF(250 - 5000.0 / 60, 150);
        QTest::newRow("SBurg") << int(SBurg) << QPointF(300, 300);
        QTest::newRow("GubHort") << int(GubHort) << QPointF(50, 300);
        QTest::newRow("Bes") << int(Bes) << QPointF(196, 196);
    }
    void symbolOrte()
    {
        QFETCH(int, art);
        QFETCH(QPointF, ort);
        const QPointF o = symbolOrt(Symbol(art), 1, 1);
        QVERIFY(qAbs(o.x() - ort.x()) < 0.01);
        QVERIFY(qAbs(o.y() - ort.y()) < 0.01);
    }

    void symboleEinesFeldes()
    {
        FeldDaten f;
        f.leeren();
        QVERIFY(symboleVon(f).isEmpty());
        f.Terrain = 8;
        f.BurgArt = 2;
        f.GubHortFlag = 1;
        f.Besonderheiten = 5;
        QCOMPARE(symboleVon(f), (QList<Symbol>{WaldNG, NBurg, GubHort, Bes}));
        f.Terrain = 4;
        f.BurgArt = 1;
        f.GubHortFlag = 0;
        f.Besonderheiten = 0;
        QCOMPARE(symboleVon(f), (QList<Symbol>{HochGebirge, SBurg}));
    }
};

QTEST_GUILESS_MAIN(TstKartenmodell)
#include "tst_kartenmodell.moc"
