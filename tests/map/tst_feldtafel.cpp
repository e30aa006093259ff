// The map's records and geometry, the field panel's rules and their symbols, without a window.
#include "map/feldtafel.h"
#include "testsupport.h"

#include <QtTest>
#include <memory>

using namespace kartenmodell;
using Liste = Feldtafel::SymbolListe;

class TstFeldtafel : public QObject {
    Q_OBJECT
    std::unique_ptr<Feldtafel> t;

    // A StammesBurg without player (0), with a player (1) and a record outside the panel's lists (2), as a
    // load leaves it with its symbols drawn on field 45; then the player's click on it.
    FeldDaten geladenUndGewaehlt(int satz)
    {
        FeldDaten f{.SpielerNummer = 4, .FeldName = festerText(QStringLiteral("Burg")), .Terrain = 1, .BurgArt = 1,
                    .Burgklasse = 3, .Besitzer = QStringLiteral("45"), .SpielerName = festerText(QStringLiteral("Tramsel")),
                    .SpielerRang = 2, .EchtBit = qint16(satz), .Erzmagier = 1, .Drufelbatze = 1};
        if (satz == 2)
            f = {.Terrain = 42, .BurgArt = 9, .Burgklasse = 2, .Besitzer = QStringLiteral("7"), .SpielerRang = 77,
                 .EchtBit = 2};
        return geladenUndGewaehlt(f);
    }
    FeldDaten geladenUndGewaehlt(FeldDaten f)
    {
        Felder[45] = f;
        AktuellesFeld = 45;
        AktuelleSpalte = 5;
        AktuelleZeile = 5;
        t->laden = 1;
        t->BurgZeichnenBeimLADEN();
        t->TerrainZeichnenBeimLADEN();
        t->BesZeichnenBeimLADEN();
        t->laden = 0;
        t->feldWaehlen(45);
        f.FeldNummer = 45;
        return f;
    }

private slots:
    // A 10 x 10 map with field 23 selected, as after a click.
    void init()
    {
        t = std::make_unique<Feldtafel>();
        SpaltenAnzahl = ZeilenAnzahl = 10;
        FeldBreite = FeldHoehe = 5000;
        Massstab = 10;
        MarkierFarbe = kMarkierGrau;
        t->FelderWerteInitialisieren();
        t->EnableFalsen();
        QVERIFY(t->feldWaehlen(23));
        t->EnableTruen();
    }

    // A StammesBurg presets the player; a NebenBurg after it keeps the archmage's tick.
    void stammesBurgDannNebenBurg()
    {
        t->setBurgArt(1);
        const Tafel &p = t->tafel;
        QCOMPARE(p.TxtBurgklasse.text, QStringLiteral("1"));
        QCOMPARE(p.TxtSpielerRang.index, qint16(2));
        QCOMPARE(p.TxtEchtBit.index, qint16(1));
        QCOMPARE(p.TxtBesitzer.text, QStringLiteral("23"));
        QVERIFY(!p.TxtBesitzer.enabled);
        QVERIFY(p.TxtErzmagier.enabled && p.TxtDrufelbatze.enabled && p.TxtSpielerName.enabled);
        QVERIFY(t->symbole.sichtbar(SBurg, 23));
        QCOMPARE(t->symbole.fokussiert(), (SymbolTreffer{SBurg, 23}));
        const FeldDaten &f = Felder[23]; // stored at once
        QVERIFY(f.BurgArt == 1 && f.Burgklasse == 1 && f.SpielerRang == 2 && f.EchtBit == 1);
        QCOMPARE(f.Besitzer, QStringLiteral("23"));
        t->setErzmagier(1);
        t->setBurgArt(2);
        QVERIFY(!p.TxtErzmagier.enabled && !p.TxtDrufelbatze.enabled && p.TxtBesitzer.enabled);
        QCOMPARE(p.TxtErzmagier.value, qint16(1));
        QCOMPARE(p.TxtBesitzer.text, QStringLiteral("23"));
        QVERIFY(f.Erzmagier == 1 && f.BurgArt == 2);
        QVERIFY(!t->symbole.sichtbar(SBurg, 23) && t->symbole.sichtbar(NBurg, 23));
        t->setBurgArt(1); // the tick taken back after it was stored goes into the record too
        t->setErzmagier(0);
        QVERIFY(t->feldWaehlen(24));
        QCOMPARE(f.Erzmagier, qint16(0));
    }

    // Without a player a NebenBurg stays and a StammesBurg goes.
    void keinSpieler()
    {
        t->setBurgArt(2);
        t->setEchtBit(0);
        QVERIFY(Felder[23].BurgArt == 2 && Felder[23].EchtBit == 0);
        QVERIFY(t->tafel.TxtBurgArt.index == 2 && t->symbole.sichtbar(NBurg, 23));
        t->setBurgArt(1);
        t->setEchtBit(0);
        QVERIFY(Felder[23].BurgArt == 0 && Felder[23].EchtBit == 0);
        QVERIFY(t->tafel.TxtBurgArt.index == 0 && !t->symbole.sichtbar(SBurg, 23));
    }

    // Only an Unterhäuptling has an overlord.
    void rangRegel()
    {
        t->setBurgArt(1);
        t->setSpielerRang(1);
        t->setText(&Tafel::TxtOberHerr, QStringLiteral("44"));
        QVERIFY(t->tafel.TxtOberHerr.enabled && t->tafel.Label7.enabled);
        t->setSpielerRang(2);
        QVERIFY(!t->tafel.TxtOberHerr.enabled && !t->tafel.Label7.enabled);
        QCOMPARE(t->tafel.TxtOberHerr.text, QStringLiteral("0"));
    }

    void klassenRegel_data()
    {
        QTest::addColumn<int>("burg");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("steht");
        QTest::newRow("0 mit Burg") << 1 << "0" << "1";
        QTest::newRow("Minus") << 1 << "-" << "-";
        QTest::newRow("0 ohne Burg") << 0 << "0" << "0";
    }
    void klassenRegel()
    {
        QFETCH(int, burg);
        QFETCH(QString, getippt);
        QFETCH(QString, steht);
        t->setBurgArt(burg);
        t->setBurgklasse(QStringLiteral("7"));
        t->setBurgklasse(getippt);
        QCOMPARE(t->tafel.TxtBurgklasse.text, steht);
    }

    void zeigenSchreibtNichts()
    {
        FeldDaten vorher{.GubHortFlag = 1, .Besonderheiten = 6, .BurgArt = 2, .Burgklasse = 3,
                         .Besitzer = QStringLiteral("9"), .SpielerRang = 1, .OberHerr = 17, .EchtBit = 2};
        Felder[31] = vorher;
        QVERIFY(t->feldWaehlen(31));
        vorher.FeldNummer = 31; // the only thing showing writes
        QVERIFY(Felder[31] == vorher);
        QCOMPARE(t->tafel.TxtOberHerr.text, QStringLiteral("17"));
        QCOMPARE(t->tafel.TxtBurgklasse.text, QStringLiteral("3"));
    }

    void stammesBurgOhneSpielerBeimZeigen()
    {
        Felder[40].BurgArt = 1;
        Felder[40].Burgklasse = 2;
        QVERIFY(t->feldWaehlen(40));
        QCOMPARE(t->tafel.TxtBurgArt.index, qint16(0));
        QCOMPARE(t->tafel.TxtBurgklasse.text, QStringLiteral("0"));
        QVERIFY(!t->tafel.TxtSpielerName.enabled);
        QVERIFY(t->feldWaehlen(41)); // only looked at: the record stays as it was
        QVERIFY(Felder[40].BurgArt == 1 && Felder[40].Burgklasse == 2);
    }

    // A field only looked at, or changed in one thing, keeps the rest of its record as loaded.
    void nurAngesehenBleibtWieGeladen_data()
    {
        QTest::addColumn<int>("satz");
        QTest::addColumn<QString>("name"); // typed, or none
        QTest::addColumn<int>("terrain");  // chosen, or -1
        for (int satz : {0, 2}) {
            const char *art = satz == 0 ? "StammesBurg ohne Spieler, " : "ausserhalb der Listen, ";
            QTest::addRow("%sangesehen", art) << satz << QString() << -1;
            QTest::addRow("%sName", art) << satz << QStringLiteral("Furt") << -1;
            QTest::addRow("%sWald", art) << satz << QString() << 7;
            QTest::addRow("%sWald mit NG", art) << satz << QString() << 8; // shown already for 42
        }
    }
    void nurAngesehenBleibtWieGeladen()
    {
        QFETCH(int, satz);
        QFETCH(QString, name);
        QFETCH(int, terrain);
        FeldDaten f = geladenUndGewaehlt(satz);
        if (!name.isEmpty())
            t->setText(&Tafel::TxtFeldName, name);
        if (terrain >= 0)
            t->eintragWaehlen(Liste::Terrain, terrain);
        QVERIFY(t->feldWaehlen(46));
        if (!name.isEmpty())
            f.FeldName = festerText(name);
        if (terrain >= 0)
            f.Terrain = qint16(terrain);
        QVERIFY(Felder[45] == f);
        QCOMPARE(t->symbole.sichtbar(SBurg, 45), satz == 0);
    }

    // "Keine Burg", "Hochgebirge" or "See" takes a StammesBurg away, also one shown as "Keine Burg" already.
    void burgWeg_data()
    {
        QTest::addColumn<int>("satz");
        QTest::addColumn<int>("terrain"); // 0: "Keine Burg" chosen
        for (int satz : {0, 1})
            for (int terrain : {0, 4, 5})
                QTest::addRow("%s, %s", satz == 0 ? "ohne Spieler" : "Echtspieler",
                              terrain == 0 ? "Keine Burg" : terrain == 4 ? "Hochgebirge" : "See") << satz << terrain;
    }
    void burgWeg()
    {
        QFETCH(int, satz);
        QFETCH(int, terrain);
        geladenUndGewaehlt(satz);
        QVERIFY(t->symbole.sichtbar(SBurg, 45));
        terrain == 0 ? t->eintragWaehlen(Liste::BurgArt, 0) : t->eintragWaehlen(Liste::Terrain, terrain);
        QVERIFY(!t->symbole.sichtbar(SBurg, 45));
        QVERIFY(t->feldWaehlen(46));
        const FeldDaten &f = Felder[45];
        QCOMPARE((QList<qint16>{f.BurgArt, f.Burgklasse, f.SpielerNummer, f.SpielerRang, f.EchtBit, f.Erzmagier,
                                f.Drufelbatze}),
                 QList<qint16>(7, 0));
        QCOMPARE(f.SpielerName, festerText(QString()));
        QCOMPARE(f.FeldName, festerText(QStringLiteral("Burg")));
    }

    // The entry a list shows for a record value outside it, chosen: the record takes it and the symbol follows.
    void gezeigterEintragGewaehlt_data()
    {
        QTest::addColumn<int>("liste");
        QTest::addColumn<int>("wert");    // in the record
        QTest::addColumn<int>("eintrag"); // the nearest entry, shown and chosen
        QTest::addColumn<int>("symbol");
        QTest::addColumn<bool>("sichtbar");
        QTest::newRow("Terrain 42") << int(Liste::Terrain) << 42 << 8 << int(WaldNG) << true;
        QTest::newRow("Besonderheit -2") << int(Liste::Besonderheiten) << -2 << 0 << int(Bes) << false;
        QTest::newRow("Besonderheit 12") << int(Liste::Besonderheiten) << 12 << 8 << int(Bes) << true;
        QTest::newRow("BurgArt 9") << int(Liste::BurgArt) << 9 << 2 << int(NBurg) << true;
    }
    void gezeigterEintragGewaehlt()
    {
        QFETCH(int, liste);
        QFETCH(int, wert);
        QFETCH(int, eintrag);
        QFETCH(int, symbol);
        QFETCH(bool, sichtbar);
        const std::pair<TafelListe Tafel::*, qint16 FeldDaten::*> listen[] = {
            {&Tafel::TxtTerrain, &FeldDaten::Terrain},
            {&Tafel::TxtBesonderheiten, &FeldDaten::Besonderheiten},
            {&Tafel::TxtBurgArt, &FeldDaten::BurgArt},
        };
        const auto [box, glied] = listen[liste];
        FeldDaten f;
        f.*glied = qint16(wert);
        geladenUndGewaehlt(f);
        QCOMPARE((t->tafel.*box).index, qint16(eintrag));
        t->eintragWaehlen(Liste(liste), eintrag);
        QCOMPARE(Felder[45].*glied, qint16(eintrag));
        QCOMPARE(t->symbole.sichtbar(Symbol(symbol), 45), sichtbar);
    }

    void waldSumpfWald()
    {
        t->setTerrain(7);
        const QPointF ort = t->symbole.element(Wald, 23).ort;
        FeldBreite = FeldHoehe = 7000; // a new size, not drawn yet: a symbol shown again keeps its place
        t->setTerrain(6);
        QVERIFY(!t->symbole.sichtbar(Wald, 23) && t->symbole.sichtbar(Sumpf, 23));
        QCOMPARE(t->symbole.fokussiert(), (SymbolTreffer{Sumpf, 23}));
        QCOMPARE(t->symbole.element(Sumpf, 23).farbe, quint32(kMarkierGrau));
        t->setTerrain(7);
        QVERIFY(t->symbole.sichtbar(Wald, 23) && !t->symbole.sichtbar(Sumpf, 23));
        QCOMPARE(t->symbole.element(Wald, 23).ort, ort);
        // the old one comes back without the focus
        QCOMPARE(t->symbole.fokussiert(), (SymbolTreffer{Sumpf, 23}));
    }

    // Hochgebirge clears and locks the field; See then opens owner, hoard and specials, Ebene the castle too.
    void hochgebirgeRaeumtAbSeeOeffnet()
    {
        t->setBurgArt(1);
        t->setGubhort(1);
        t->setBesonderheiten(3);
        t->setTerrain(4);
        const Tafel &p = t->tafel;
        for (const QString &null : {p.TxtBesitzer.text, p.TxtBurgklasse.text, p.TxtSpielerNummer.text, p.TxtOberHerr.text})
            QCOMPARE(null, QStringLiteral("0"));
        QCOMPARE((QList<qint16>{p.TxtBurgArt.index, p.TxtSpielerRang.index, p.TxtEchtBit.index,
                                p.TxtBesonderheiten.index, p.TxtErzmagier.value, p.TxtDrufelbatze.value,
                                p.TxtGubhort.value}),
                 QList<qint16>(7, 0));
        for (bool an : {p.TxtBesitzer.enabled, p.TxtGubhort.enabled, p.TxtBesonderheiten.enabled,
                        p.TxtBurgArt.enabled, p.TxtSpielerName.enabled})
            QVERIFY(!an);
        QVERIFY(!t->symbole.sichtbar(SBurg, 23) && !t->symbole.sichtbar(GubHort, 23) && !t->symbole.sichtbar(Bes, 23));
        QVERIFY(t->symbole.sichtbar(HochGebirge, 23));
        const FeldDaten &f = Felder[23];
        QCOMPARE(f.Terrain, qint16(4));
        QCOMPARE((QList<qint16>{f.BurgArt, f.GubHortFlag, f.Besonderheiten, f.EchtBit}), QList<qint16>(4, 0));
        t->setTerrain(5);
        QVERIFY(p.TxtBesitzer.enabled && p.TxtGubhort.enabled && p.TxtBesonderheiten.enabled);
        QVERIFY(!p.TxtBurgArt.enabled);
        t->setTerrain(1);
        QVERIFY(p.TxtBurgArt.enabled);
    }

    void besonderheitEinSymbol()
    {
        t->setBesonderheiten(2);
        t->setBesonderheiten(8);
        QVERIFY(t->symbole.sichtbar(Bes, 23));
        QCOMPARE(Felder[23].Besonderheiten, qint16(8));
        t->setBesonderheiten(0);
        QVERIFY(!t->symbole.sichtbar(Bes, 23));
    }

    // A number box left empty keeps its member when the selection moves on; the other changes are stored.
    void leereZahlBehaeltIhrenWert()
    {
        t->setBurgArt(2); // stores class 1
        t->setBurgklasse(QString());
        t->setSpielerRang(5);
        QVERIFY(t->feldWaehlen(24));
        QCOMPARE(Felder[23].Burgklasse, qint16(1));
        QCOMPARE(Felder[23].SpielerRang, qint16(5));
    }

    // A damaged record shows whole, a value outside its list as the nearest entry, and no box keeps the text
    // of the field shown before; moving on without a change keeps the record as loaded.
    void kaputterWertGanzGezeigt()
    {
        t->setBurgArt(1);
        t->setText(&Tafel::TxtSpielerName, QStringLiteral("Vorher"));
        FeldDaten kaputt{.FeldName = festerText(QString()), .Terrain = 12, .Besonderheiten = -2, .BurgArt = 2,
                         .Besitzer = QStringLiteral("0"), .SpielerName = festerText(QStringLiteral("Nachher")),
                         .SpielerRang = 25, .EchtBit = 7};
        Felder[50] = kaputt;
        QVERIFY(t->feldWaehlen(50));
        QVERIFY(t->tafel.TxtTerrain.index == 8 && t->tafel.TxtSpielerRang.index == 20 && t->tafel.TxtEchtBit.index == 2);
        QCOMPARE(t->tafel.TxtSpielerName.text, festerText(QStringLiteral("Nachher")));
        QVERIFY(t->feldWaehlen(51));
        kaputt.FeldNummer = 50;
        QVERIFY(Felder[50] == kaputt);
    }

    // A click off the grid, or with no map, changes nothing and leaves the guard open.
    void klickNebenDasGitter_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("spalten");
        QTest::newRow("x = 0") << 0.0 << 700.0 << 10;
        QTest::newRow("y = 0") << 700.0 << 0.0 << 10;
        QTest::newRow("Streifen") << 5030.0 << 700.0 << 10;
        QTest::newRow("ohne Karte") << 700.0 << 700.0 << 0;
    }
    void klickNebenDasGitter()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, spalten);
        t->setText(&Tafel::TxtFeldName, QStringLiteral("Furt"));
        const FeldDaten letztes = Felder[100];
        SpaltenAnzahl = qint16(spalten);
        QVERIFY(!t->AufKarteKlicken(x, y));
        QCOMPARE(t->GarNichtsMachen, qint16(0));
        QCOMPARE(AktuellesFeld, qint16(23));
        SpaltenAnzahl = 10;
        QVERIFY(t->AufKarteKlicken(1250, 1250));
        QCOMPARE(Felder[23].FeldName, festerText(QStringLiteral("Furt")));
        QVERIFY(Felder[100] == letztes);
    }

    // After a load or a reset the panel belongs to no field: the next click stores it nowhere.
    void panelGehoertKeinemAnderenFeld_data()
    {
        QTest::addColumn<bool>("zuruecksetzen");
        QTest::newRow("Feld durch Code gewechselt") << false;
        QTest::newRow("nach dem Zurücksetzen") << true;
    }
    void panelGehoertKeinemAnderenFeld()
    {
        QFETCH(bool, zuruecksetzen);
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

    void fuerDieWachePanelOhneSymbole()
    {
        t->GarNichtsMachen = 1;
        t->setTerrain(7);
        t->setGubhort(1);
        QCOMPARE(Felder[23].Terrain, qint16(0));
        QVERIFY(!t->symbole.geladen(Wald, 23) && !t->symbole.geladen(GubHort, 23));
    }

    void leererFeldBehaeltNummer()
    {
        Felder[0].FeldName = QStringLiteral("Kopf");
        for (int i : {1, 77, 10000})
            Felder[i] = {.FeldNummer = qint16(i), .SpielerNummer = 9, .BurgArt = 2,
                         .Besitzer = QStringLiteral("12"), .SpielerName = festerText(QStringLiteral("Olaf"))};
        Felder.FelderWerteInitialisieren();
        const QString blank(30, QLatin1Char(' '));
        for (int i : {1, 77, 10000}) {
            const FeldDaten leer{.FeldNummer = qint16(i), .FeldName = blank, .Besitzer = QStringLiteral("0"),
                                 .SpielerName = blank};
            QVERIFY2(Felder[i] == leer, qPrintable(QString::number(i)));
        }
        QCOMPARE(Felder[0].FeldName, QStringLiteral("Kopf"));
        Felder[0] = FeldDaten();
        for (int index : {-1, 10001})
            QCOMPARE(fehlerNummer([index] { Felder[index]; }), 9);
    }

    // Row by row from 1: the field in row r, column c is (r - 1) * W + c; a cell off the map is no field.
    void feldnummern_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("spalte");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("feld"); // 0: off the map
        QTest::newRow("3x2 letzte der Zeile 1") << 3 << 2 << 3 << 1 << 3;
        QTest::newRow("3x2 erste der Zeile 2") << 3 << 2 << 1 << 2 << 4;
        QTest::newRow("3x2 letztes") << 3 << 2 << 3 << 2 << 6;
        QTest::newRow("3x2 Spalte 4") << 3 << 2 << 4 << 1 << 0;
        QTest::newRow("3x2 Zeile 3") << 3 << 2 << 1 << 3 << 0;
        QTest::newRow("2x3 Zeile 2") << 2 << 3 << 1 << 2 << 3;
        QTest::newRow("2x3 letztes") << 2 << 3 << 2 << 3 << 6;
        QTest::newRow("2x3 Spalte 3") << 2 << 3 << 3 << 1 << 0;
        QTest::newRow("7x5 Mitte") << 7 << 5 << 3 << 4 << 24;
        QTest::newRow("7x5 letzte der Zeile 1") << 7 << 5 << 7 << 1 << 7;
        QTest::newRow("7x5 erste der Zeile 5") << 7 << 5 << 1 << 5 << 29;
        QTest::newRow("7x5 Zeile 6") << 7 << 5 << 2 << 6 << 0;
        QTest::newRow("7x5 Spalte 0") << 7 << 5 << 0 << 2 << 0;
        QTest::newRow("7x5 Zeile 0") << 7 << 5 << 2 << 0 << 0;
        QTest::newRow("7x5 Spalte -1") << 7 << 5 << -1 << 3 << 0;
        QTest::newRow("100x100 erstes") << 100 << 100 << 1 << 1 << 1;
        QTest::newRow("100x100 Mitte") << 100 << 100 << 37 << 58 << 5737;
        QTest::newRow("100x100 letztes") << 100 << 100 << 100 << 100 << 10000;
        QTest::newRow("100x100 Spalte 101") << 100 << 100 << 101 << 1 << 0;
        QTest::newRow("1x9 Zeile 9") << 1 << 9 << 1 << 9 << 9;
        QTest::newRow("1x9 Spalte 2") << 1 << 9 << 2 << 1 << 0;
        QTest::newRow("9x1 Spalte 9") << 9 << 1 << 9 << 1 << 9;
        QTest::newRow("9x1 Zeile 2") << 9 << 1 << 1 << 2 << 0;
    }
    void feldnummern()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, spalte);
        QFETCH(int, zeile);
        QFETCH(int, feld);
        SpaltenAnzahl = qint16(w);
        ZeilenAnzahl = qint16(h);
        QCOMPARE(feldAus(spalte, zeile), feld);
        if (feld == 0)
            return;
        QCOMPARE(spalteVon(feld), spalte);
        QCOMPARE(zeileVon(feld), zeile);
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

    void symbolOrte_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QPointF>("ort");
        // cell (1, 1) at 5000 x 5000: centre (250, 250)
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
        QVERIFY(qAbs(o.x() - ort.x()) < 0.01 && qAbs(o.y() - ort.y()) < 0.01);
    }
};

QTEST_GUILESS_MAIN(TstFeldtafel)
#include "tst_feldtafel.moc"
