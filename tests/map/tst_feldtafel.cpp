// The map's records and geometry, the field panel's rules and the symbols
// they place, driven without a window.
#include "map/feldtafel.h"
#include "platform/errors.h"

#include <QtTest>

using namespace kartenmodell;

class TstFeldtafel : public QObject {
    Q_OBJECT
    Feldtafel *t = nullptr;

    // A 10 x 10 map with field `feld` selected, as after a click.
    void karte(int feld = 23)
    {
        delete t;
        t = new Feldtafel;
        SpaltenAnzahl = ZeilenAnzahl = 10;
        FeldBreite = FeldHoehe = 5000;
        Massstab = 10;
        MarkierFarbe = kMarkierGrau;
        AktuellesFeld = AktuelleSpalte = AktuelleZeile = 0;
        t->GarNichtsMachen = 1;
        t->FelderWerteInitialisieren();
        t->EnableFalsen();
        t->EnableTruen();
        t->GarNichtsMachen = 0;
        QVERIFY(t->feldWaehlen(feld));
    }

private slots:
    void cleanupTestCase() { delete t; }

    void stammesBurgSetztSpielerVoraus()
    {
        karte(7);
        t->setBurgArt(1);
        const Tafel &p = t->tafel;
        QCOMPARE(p.TxtBurgklasse.text, QStringLiteral("1"));
        QCOMPARE(p.TxtSpielerRang.index, qint16(2));
        QCOMPARE(p.TxtEchtBit.index, qint16(1));
        QCOMPARE(p.TxtBesitzer.text, QStringLiteral("7"));
        QVERIFY(!p.TxtBesitzer.enabled);
        QVERIFY(p.TxtErzmagier.enabled && p.TxtDrufelbatze.enabled && p.TxtSpielerName.enabled);
        QVERIFY(t->symbole.sichtbar(SBurg, 7));
        QCOMPARE(t->symbole.fokussiert(), (SymbolTreffer{SBurg, 7}));
        const FeldDaten &f = Felder[7]; // stored at once
        QVERIFY(f.BurgArt == 1 && f.Burgklasse == 1 && f.SpielerRang == 2 && f.EchtBit == 1);
        QCOMPARE(f.Besitzer, QStringLiteral("7"));
    }

    void nebenBurgBehaeltHaken()
    {
        karte(7);
        t->setBurgArt(1);
        t->setErzmagier(1);
        t->setBurgArt(2);
        QVERIFY(!t->tafel.TxtErzmagier.enabled && !t->tafel.TxtDrufelbatze.enabled);
        QCOMPARE(t->tafel.TxtErzmagier.value, qint16(1));
        QVERIFY(t->tafel.TxtBesitzer.enabled);
        QCOMPARE(t->tafel.TxtBesitzer.text, QStringLiteral("7"));
        QVERIFY(Felder[7].Erzmagier == 1 && Felder[7].BurgArt == 2);
        QVERIFY(!t->symbole.sichtbar(SBurg, 7) && t->symbole.sichtbar(NBurg, 7));
    }

    void keinSpieler_data()
    {
        QTest::addColumn<int>("burg");
        QTest::addColumn<int>("burgDanach");
        QTest::newRow("StammesBurg verschwindet") << 1 << 0;
        QTest::newRow("NebenBurg bleibt") << 2 << 2;
    }
    void keinSpieler()
    {
        QFETCH(int, burg);
        QFETCH(int, burgDanach);
        karte(12);
        t->setBurgArt(burg);
        t->setEchtBit(0);
        QCOMPARE(int(Felder[12].BurgArt), burgDanach);
        QCOMPARE(Felder[12].EchtBit, qint16(0));
        QCOMPARE(int(t->tafel.TxtBurgArt.index), burgDanach);
        QCOMPARE(t->symbole.sichtbar(burg == 1 ? SBurg : NBurg, 12), burgDanach != 0);
    }

    void rangRegel_data()
    {
        QTest::addColumn<int>("rang");
        QTest::addColumn<bool>("oberHerr");
        QTest::newRow("Unterhäuptling") << 1 << true;
        QTest::newRow("Häuptling") << 2 << false;
    }
    void rangRegel()
    {
        QFETCH(int, rang);
        QFETCH(bool, oberHerr);
        karte();
        t->setBurgArt(1);
        t->setSpielerRang(1);
        t->setText(&Tafel::TxtOberHerr, QStringLiteral("44"));
        t->setSpielerRang(rang);
        QCOMPARE(t->tafel.TxtOberHerr.enabled, oberHerr);
        QCOMPARE(t->tafel.Label7.enabled, oberHerr);
        QCOMPARE(t->tafel.TxtOberHerr.text, oberHerr ? QStringLiteral("44") : QStringLiteral("0"));
    }

    void klassenRegel_data()
    {
        QTest::addColumn<int>("burg");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("steht");
        QTest::newRow("0 mit Burg") << 1 << "0" << "1";
        QTest::newRow("Buchstaben") << 1 << "abc" << "abc";
        QTest::newRow("leer") << 2 << "" << "";
        QTest::newRow("0 ohne Burg") << 0 << "0" << "0";
    }
    void klassenRegel()
    {
        QFETCH(int, burg);
        QFETCH(QString, getippt);
        QFETCH(QString, steht);
        karte();
        t->setBurgArt(burg);
        t->setBurgklasse(QStringLiteral("7"));
        t->setBurgklasse(getippt);
        QCOMPARE(t->tafel.TxtBurgklasse.text, steht);
    }

    void zeigenSchreibtNichts()
    {
        karte(5);
        FeldDaten &f = Felder[31];
        f.BurgArt = 2;
        f.Burgklasse = 3;
        f.Besitzer = QStringLiteral("9");
        f.SpielerRang = 1;
        f.OberHerr = 17;
        f.EchtBit = 2;
        f.GubHortFlag = 1;
        f.Besonderheiten = 6;
        const FeldDaten vorher = f;
        QVERIFY(t->feldWaehlen(31));
        FeldDaten nachher = Felder[31];
        nachher.FeldNummer = vorher.FeldNummer;
        QVERIFY(nachher == vorher);
        QCOMPARE(Felder[31].FeldNummer, qint16(31));
        QCOMPARE(t->tafel.TxtOberHerr.text, QStringLiteral("17"));
        QCOMPARE(t->tafel.TxtBurgklasse.text, QStringLiteral("3"));
    }

    void stammesBurgOhneSpielerBeimZeigen()
    {
        karte(5);
        Felder[40].BurgArt = 1;
        Felder[40].EchtBit = 0;
        Felder[40].Burgklasse = 2;
        QVERIFY(t->feldWaehlen(40));
        QCOMPARE(t->tafel.TxtBurgArt.index, qint16(0));
        QCOMPARE(t->tafel.TxtBurgklasse.text, QStringLiteral("0"));
        QVERIFY(!t->tafel.TxtSpielerName.enabled);
        QCOMPARE(Felder[40].BurgArt, qint16(1)); // until the selection moves on
        QVERIFY(t->feldWaehlen(41));
        QVERIFY(Felder[40].BurgArt == 0 && Felder[40].Burgklasse == 0);
    }

    void waldSumpfWald()
    {
        karte(23);
        t->setTerrain(7);
        QVERIFY(t->symbole.sichtbar(Wald, 23));
        const QPointF ort = t->symbole.element(Wald, 23).ort;
        t->setTerrain(6);
        QVERIFY(!t->symbole.sichtbar(Wald, 23) && t->symbole.sichtbar(Sumpf, 23));
        QCOMPARE(t->symbole.fokussiert(), (SymbolTreffer{Sumpf, 23}));
        QCOMPARE(t->symbole.element(Sumpf, 23).farbe, quint32(kMarkierGrau));
        t->setTerrain(7);
        QVERIFY(t->symbole.sichtbar(Wald, 23) && !t->symbole.sichtbar(Sumpf, 23));
        QCOMPARE(t->symbole.element(Wald, 23).ort, ort);
        // the old one comes back without the focus
        QCOMPARE(t->symbole.fokussiert(), (SymbolTreffer{Sumpf, 23}));
        QCOMPARE(Felder[23].Terrain, qint16(7));
    }

    void hochgebirgeRaeumtAb()
    {
        karte(23);
        t->setBurgArt(1);
        t->setGubhort(1);
        t->setBesonderheiten(3);
        t->setTerrain(4);
        const Tafel &p = t->tafel;
        for (const QString &null : {p.TxtBesitzer.text, p.TxtBurgklasse.text, p.TxtSpielerNummer.text, p.TxtOberHerr.text})
            QCOMPARE(null, QStringLiteral("0"));
        QCOMPARE(p.TxtBurgArt.index + p.TxtSpielerRang.index + p.TxtEchtBit.index + p.TxtBesonderheiten.index, 0);
        QCOMPARE(p.TxtErzmagier.value + p.TxtDrufelbatze.value + p.TxtGubhort.value, 0);
        for (const TafelSteuer *s : {static_cast<const TafelSteuer *>(&p.TxtBesitzer),
                                     static_cast<const TafelSteuer *>(&p.TxtGubhort),
                                     static_cast<const TafelSteuer *>(&p.TxtBesonderheiten),
                                     static_cast<const TafelSteuer *>(&p.TxtBurgArt),
                                     static_cast<const TafelSteuer *>(&p.TxtSpielerName)})
            QVERIFY(!s->enabled);
        QVERIFY(!t->symbole.sichtbar(SBurg, 23) && !t->symbole.sichtbar(GubHort, 23) && !t->symbole.sichtbar(Bes, 23));
        QVERIFY(t->symbole.sichtbar(HochGebirge, 23));
        const FeldDaten &f = Felder[23];
        QCOMPARE(f.Terrain, qint16(4));
        QCOMPARE(f.BurgArt + f.GubHortFlag + f.Besonderheiten + f.EchtBit, 0);
    }

    void seeLaesstBesitzer()
    {
        karte(23);
        t->setTerrain(5);
        QVERIFY(t->tafel.TxtBesitzer.enabled && t->tafel.TxtGubhort.enabled && t->tafel.TxtBesonderheiten.enabled);
        QVERIFY(!t->tafel.TxtBurgArt.enabled);
        t->setTerrain(1);
        QVERIFY(t->tafel.TxtBurgArt.enabled);
    }

    void besonderheitEinSymbol()
    {
        karte(23);
        t->setBesonderheiten(2);
        t->setBesonderheiten(8);
        QVERIFY(t->symbole.sichtbar(Bes, 23));
        QCOMPARE(Felder[23].Besonderheiten, qint16(8));
        t->setBesonderheiten(0);
        QVERIFY(!t->symbole.sichtbar(Bes, 23));
    }

    void speichernEndetAmFehler()
    {
        karte(9);
        t->setBurgArt(2);
        t->setBurgklasse(QStringLiteral("4"));
        t->setText(&Tafel::TxtSpielerNummer, QStringLiteral("xy"));
        t->setSpielerRang(5);
        try {
            t->FelderDatenSpeichern();
            QFAIL("no error");
        } catch (const platform::Error &e) {
            QCOMPARE(e.number, 13);
        }
        QCOMPARE(Felder[9].Burgklasse, qint16(4));
        QCOMPARE(Felder[9].SpielerRang, qint16(2)); // after the faulty box: as it was
    }

    // A damaged record is shown as the nearest valid values, whole, and
    // the next click stores that field, not a mix with the one before.
    void kaputterWertGanzGezeigt()
    {
        karte(2);
        t->setBurgArt(1);
        t->setText(&Tafel::TxtSpielerName, QStringLiteral("Vorher"));
        FeldDaten &f = Felder[50];
        f.Terrain = 12;
        f.SpielerRang = -3;
        f.EchtBit = 7;
        f.BurgArt = 2;
        f.SpielerName = festerText(QStringLiteral("Nachher"));
        QVERIFY(t->feldWaehlen(50));
        QVERIFY(t->tafel.TxtTerrain.index == 8 && t->tafel.TxtSpielerRang.index == 0 && t->tafel.TxtEchtBit.index == 2);
        QCOMPARE(t->tafel.TxtSpielerName.text, festerText(QStringLiteral("Nachher")));
        QVERIFY(t->feldWaehlen(51));
        QCOMPARE(Felder[50].SpielerName, festerText(QStringLiteral("Nachher")));
        QVERIFY(Felder[50].Terrain == 8 && Felder[50].EchtBit == 2);
    }

    void klickNebenDasGitter_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("x = 0") << 0.0 << 700.0;
        QTest::newRow("y = 0") << 700.0 << 0.0;
        QTest::newRow("Streifen") << 5030.0 << 700.0;
    }
    void klickNebenDasGitter()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        karte(23);
        t->setText(&Tafel::TxtFeldName, QStringLiteral("Furt"));
        const FeldDaten letztes = Felder[100];
        QVERIFY(!t->AufKarteKlicken(x, y));
        QCOMPARE(t->GarNichtsMachen, qint16(0));
        QCOMPARE(AktuellesFeld, qint16(23));
        QVERIFY(t->AufKarteKlicken(1250, 1250));
        QCOMPARE(Felder[23].FeldName, festerText(QStringLiteral("Furt")));
        QVERIFY(Felder[100] == letztes);
    }

    // After a load moved the selection by code, or after a reset, the
    // panel belongs to no field: the next click stores it nowhere.
    void panelGehoertKeinemAnderenFeld_data()
    {
        QTest::addColumn<bool>("zuruecksetzen");
        QTest::newRow("Feld durch Code gewechselt") << false;
        QTest::newRow("nach dem Zurücksetzen") << true;
    }
    void panelGehoertKeinemAnderenFeld()
    {
        QFETCH(bool, zuruecksetzen);
        karte(5);
        t->setText(&Tafel::TxtFeldName, QStringLiteral("Alt"));
        if (zuruecksetzen)
            t->FelderWerteInitialisieren();
        Felder[100].FeldName = festerText(QStringLiteral("Geladen"));
        AktuellesFeld = 100;
        AktuelleSpalte = AktuelleZeile = 10;
        QVERIFY(t->AufKarteKlicken(1, 1));
        QCOMPARE(Felder[100].FeldName, festerText(QStringLiteral("Geladen")));
        QCOMPARE(AktuellesFeld, qint16(1));
    }

    void ohneKarteBleibtDieWache()
    {
        karte(5);
        SpaltenAnzahl = 0;
        QVERIFY(!t->AufKarteKlicken(700, 700));
        QCOMPARE(t->GarNichtsMachen, qint16(0));
        QCOMPARE(AktuellesFeld, qint16(5));
    }

    void fuerDieWachePanelOhneSymbole()
    {
        karte(23);
        t->GarNichtsMachen = 1;
        t->setTerrain(7);
        t->setGubhort(1);
        QCOMPARE(Felder[23].Terrain, qint16(0));
        QVERIFY(!t->symbole.geladen(Wald, 23) && !t->symbole.geladen(GubHort, 23));
        t->GarNichtsMachen = 0;
    }

    // ---- the records and the map's geometry

    void leererFeldBehaeltNummer()
    {
        Felder[0].FeldName = QStringLiteral("Kopf");
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
            QVERIFY(f.FeldNummer == i && f.BurgArt == 0 && f.SpielerNummer == 0);
            QCOMPARE(f.Besitzer, QStringLiteral("0"));
            QCOMPARE(f.FeldName, QString(30, QLatin1Char(' ')));
            QCOMPARE(f.SpielerName, QString(30, QLatin1Char(' ')));
        }
        QCOMPARE(Felder[0].FeldName, QStringLiteral("Kopf"));
        Felder[0] = FeldDaten();
        for (int index : {-1, 10001}) {
            try {
                Felder[index];
                QFAIL("no error");
            } catch (const platform::Error &e) {
                QCOMPARE(e.number, 9);
            }
        }
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
        karte();
        QCOMPARE(leinwand(10, 10), QRectF(0, 0, 5060, 5060));
        QCOMPARE(zelle(3, 3), QRectF(1000, 1000, 500, 500));
        QVERIFY(feldAus(3, 3) == 23 && spalteVon(23) == 3 && zeileVon(23) == 3 && feldAus(10, 10) == 100);
        QVERIFY(feldAus(0, 1) == 0 && feldAus(11, 1) == 0 && feldAus(1, 11) == 0);
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
        karte();
        QCOMPARE(spalteAusX(x), spalte);
        QCOMPARE(zeileAusY(x), spalte);
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
        karte();
        const QPointF o = symbolOrt(Symbol(art), 1, 1);
        QVERIFY(qAbs(o.x() - ort.x()) < 0.01 && qAbs(o.y() - ort.y()) < 0.01);
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
        QCOMPARE(symboleVon(f).mid(0, 2), (QList<Symbol>{HochGebirge, SBurg}));
    }
};

QTEST_GUILESS_MAIN(TstFeldtafel)
#include "tst_feldtafel.moc"
