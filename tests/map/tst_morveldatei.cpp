// The management-file interpreter: every key, sections and comments, the
// owner search, numbers that do not fit, the naming of a series, and the
// seed corpus of both file readers.
#include "map/kartendatei.h"
#include "map/morveldatei.h"

#include <QDirIterator>
#include <QtTest>

namespace {

int wert(const FeldDaten &f, const QString &mitglied)
{
    if (mitglied == QLatin1String("Terrain")) return f.Terrain;
    if (mitglied == QLatin1String("Besonderheiten")) return f.Besonderheiten;
    if (mitglied == QLatin1String("BurgArt")) return f.BurgArt;
    if (mitglied == QLatin1String("Burgklasse")) return f.Burgklasse;
    if (mitglied == QLatin1String("GubHortFlag")) return f.GubHortFlag;
    if (mitglied == QLatin1String("SpielerNummer")) return f.SpielerNummer;
    if (mitglied == QLatin1String("SpielerRang")) return f.SpielerRang;
    if (mitglied == QLatin1String("EchtBit")) return f.EchtBit;
    if (mitglied == QLatin1String("Besitzer")) return f.Besitzer.toInt();
    qFatal("unbekanntes Mitglied");
}

QString fest(const QString &t) { return t.leftJustified(30, QLatin1Char(' ')); }

// A fresh 5 x 4 map and a fresh interpreter state.
struct Lauf {
    morveldatei::Zustand zustand;
    Lauf()
    {
        Felder.FelderWerteInitialisieren();
        Felder[0] = FeldDaten();
        SpaltenAnzahl = 5;
        ZeilenAnzahl = 4;
    }
    void lies(const QByteArray &text)
    {
        morveldatei::Einleser e(zustand, Felder);
        e.datei(text);
    }
};

QByteArray korpusDatei(const QString &name)
{
    QFile f(QFINDTESTDATA(QStringLiteral("korpus/morveldatei/") + name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestMorveldatei : public QObject {
    Q_OBJECT
private slots:
    void schluessel_data();
    void schluessel();
    void name();
    void ausserhalbDerKarte_data();
    void ausserhalbDerKarte();
    void groesse_data();
    void groesse();
    void besitzerSuche();
    void spielerOhneBurg();
    void reiheMitZustand();
    void zahl_data();
    void zahl();
    void naechsteEndung_data();
    void naechsteEndung();
    void korpus();
};

void TestMorveldatei::schluessel_data()
{
    QTest::addColumn<QByteArray>("zeilen");
    QTest::addColumn<QString>("mitglied");
    QTest::addColumn<int>("erwartet");
    const QByteArray f = "#F 12\r\n";
    QTest::newRow("Terr 1 See") << f + "Terr=1" << "Terrain" << 5;
    QTest::newRow("Terr 2 Ebene") << f + "Terr=2" << "Terrain" << 1;
    QTest::newRow("Terr 3 Wald") << f + "Terr=3" << "Terrain" << 7;
    QTest::newRow("Terr 4 Gebirge") << f + "Terr=4" << "Terrain" << 2;
    QTest::newRow("Terr 5 Sumpf") << f + "Terr=5" << "Terrain" << 6;
    QTest::newRow("Terr 6 Hochgebirge") << f + "Terr=6" << "Terrain" << 4;
    QTest::newRow("Terr 7 nichts") << f + "Terr=7" << "Terrain" << 0;
    QTest::newRow("Terr Blank davor") << f + "Terr= 1" << "Terrain" << 5;
    QTest::newRow("Terr keine Zahl") << f + "Terr=See" << "Terrain" << 0;
    QTest::newRow("KannGM dann Terr") << f + "KannGM=+\r\nTerr=4" << "Terrain" << 3;
    QTest::newRow("Terr dann KannGM") << f + "Terr=4\r\nKannGM=+" << "Terrain" << 3;
    QTest::newRow("KannGM nicht +") << f + "KannGM=ja" << "Terrain" << 0;
    QTest::newRow("KannGrube dann Terr") << f + "KannGrube=+\r\nTerr=1" << "Terrain" << 8;
    QTest::newRow("OHBes leer") << f + "OHBes=" << "GubHortFlag" << 1;
    QTest::newRow("OHStaerke") << f + "OHStaerke=17" << "GubHortFlag" << 1;
    QTest::newRow("Spieler") << f + "Spieler=9" << "SpielerNummer" << 9;
    QTest::newRow("Spieler keine Zahl") << f + "Spieler=neun" << "SpielerNummer" << 0;
    QTest::newRow("Sambalia") << f + "Sambalia=+" << "Besonderheiten" << 1;
    QTest::newRow("Einsiedler +") << f + "Einsiedler=+" << "Besonderheiten" << 2;
    QTest::newRow("Einsiedler 3") << f + "Einsiedler=3" << "Besonderheiten" << 3;
    QTest::newRow("Einsiedler 4") << f + "Einsiedler=4" << "Besonderheiten" << 4;
    QTest::newRow("Einsiedler 2") << f + "Einsiedler=2" << "Besonderheiten" << 5;
    QTest::newRow("Einsiedler 5") << f + "Einsiedler=5" << "Besonderheiten" << 6;
    QTest::newRow("Einsiedler 1") << f + "Einsiedler=1" << "Besonderheiten" << 7;
    QTest::newRow("Einsiedler 6") << f + "Einsiedler=6" << "Besonderheiten" << 0;
    QTest::newRow("Boerse") << f + "Boerse=+" << "Besonderheiten" << 8;
    QTest::newRow("BK NebenBurg") << f + "BK=3" << "BurgArt" << 2;
    QTest::newRow("BK Klasse") << f + "BK=3" << "Burgklasse" << 3;
    QTest::newRow("BK auf StammesBurg") << "#S 1\r\nStammesLS=12\r\n" + f + "BK=3" << "BurgArt" << 1;
    QTest::newRow("Kleinschreibung") << QByteArray("#f 12\r\nterr=1") << "Terrain" << 5;
    QTest::newRow("Blank vor =") << f + "Terr =1" << "Terrain" << 0;
    QTest::newRow("## im Kopf") << f + "#F 13 ## Notiz\r\nTerr=1" << "Terrain" << 5;
    QTest::newRow("Kommentar") << f + "##F 13\r\nTerr=1" << "Terrain" << 5;
    QTest::newRow("nur CR") << QByteArray("#F 12\rTerr=1\r") << "Terrain" << 5;
    QTest::newRow("LF bleibt") << QByteArray("#F 12\nTerr=1") << "Terrain" << 0;
    QTest::newRow("StammesLS") << QByteArray("#S 3\r\nStammesLS=12") << "BurgArt" << 1;
    QTest::newRow("Mensch +") << QByteArray("#S 3\r\nStammesLS=12\r\nMensch=+") << "EchtBit" << 1;
    QTest::newRow("Mensch -") << QByteArray("#S 3\r\nStammesLS=12\r\nMensch=-") << "EchtBit" << 2;
    QTest::newRow("Mensch ?") << QByteArray("#S 3\r\nStammesLS=12\r\nMensch=?") << "EchtBit" << 0;
    QTest::newRow("Rang") << QByteArray("#S 3\r\nStammesLS=12\r\nRang=20") << "SpielerRang" << 20;
    QTest::newRow("Rang gerundet") << QByteArray("#S 3\r\nStammesLS=12\r\nRang=2.5") << "SpielerRang" << 2;
    QTest::newRow("Rang 21") << QByteArray("#S 3\r\nStammesLS=12\r\nRang=21") << "SpielerRang" << 0;
}

void TestMorveldatei::schluessel()
{
    QFETCH(QByteArray, zeilen);
    QFETCH(QString, mitglied);
    QFETCH(int, erwartet);
    Lauf lauf;
    lauf.lies(zeilen);
    QCOMPARE(wert(Felder[12], mitglied), erwartet);
    QCOMPARE(wert(Felder[13], mitglied), 0);
}

void TestMorveldatei::name()
{
    Lauf lauf;
    lauf.lies("#F 4\r\nName=Alte_M\xfchle\r\n#S 2\r\nStammesLS=4\r\nName=Tramsel_der_Gro\xdf" "e");
    QCOMPARE(Felder[4].FeldName, fest(QStringLiteral("Alte Mühle")));
    QCOMPARE(Felder[4].SpielerName, fest(QStringLiteral("Tramsel der Große")));
    lauf.lies("#F 4\r\nName=" + QByteArray(40, 'x'));
    QCOMPARE(Felder[4].FeldName, QString(30, QLatin1Char('x')));
}

void TestMorveldatei::ausserhalbDerKarte_data()
{
    QTest::addColumn<QByteArray>("zeilen");
    QTest::newRow("Feld 0") << QByteArray("#F 0\r\nTerr=1\r\nName=Kopf");
    QTest::newRow("Feld 21") << QByteArray("#F 21\r\nTerr=1");
    QTest::newRow("Feld -1") << QByteArray("#F -1\r\nTerr=1");
    QTest::newRow("Feld 99999") << QByteArray("#F 99999\r\nTerr=1");
    QTest::newRow("Feld x") << QByteArray("#F x\r\nTerr=1");
    QTest::newRow("StammesLS 21") << QByteArray("#S 1\r\nStammesLS=21");
    QTest::newRow("StammesLS 0") << QByteArray("#S 1\r\nStammesLS=0");
    QTest::newRow("Breite 0") << QByteArray("#Allgemeine Daten\r\nBreite=0\r\nHoehe=70000");
    QTest::newRow("Breite keine Zahl") << QByteArray("#Allgemeine Daten\r\nBreite=viele\r\nHoehe=");
    QTest::newRow("leer") << QByteArray();
    QTest::newRow("nur Zeilenenden") << QByteArray("\r\n\r\r\n");
}

void TestMorveldatei::ausserhalbDerKarte()
{
    QFETCH(QByteArray, zeilen);
    Lauf lauf;
    const FeldDaten kopf = Felder[0];
    lauf.lies(zeilen);
    QCOMPARE(SpaltenAnzahl, 5);
    QCOMPARE(ZeilenAnzahl, 4);
    QCOMPARE(lauf.zustand.LS, 0);
    QVERIFY(Felder[0] == kopf);
    for (int i = 1; i <= 10000; ++i)
        QVERIFY2(Felder[i].Terrain == 0 && Felder[i].BurgArt == 0, qPrintable(QString::number(i)));
}

void TestMorveldatei::groesse_data()
{
    QTest::addColumn<int>("w0");
    QTest::addColumn<int>("h0");
    QTest::addColumn<QByteArray>("zeilen");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    const QByteArray a = "#Allgemeine Daten\r\n";
    QTest::newRow("neu") << 0 << 0 << a + "Breite=40\r\nHoehe=25" << 40 << 25;
    QTest::newRow("erst zu breit") << 100 << 100 << a + "Breite=200\r\nHoehe=50" << 200 << 50;
    QTest::newRow("zu gross") << 100 << 100 << a + "Breite=200\r\nHoehe=100" << 100 << 100;
    QTest::newRow("nur Hoehe") << 10 << 10 << a + "Hoehe=30" << 10 << 30;
    QTest::newRow("Blank vor =") << 10 << 10 << a + "Breite =30" << 10 << 10;
}

void TestMorveldatei::groesse()
{
    QFETCH(int, w0);
    QFETCH(int, h0);
    QFETCH(QByteArray, zeilen);
    QFETCH(int, w);
    QFETCH(int, h);
    Lauf lauf;
    SpaltenAnzahl = qint16(w0);
    ZeilenAnzahl = qint16(h0);
    lauf.lies(zeilen);
    QCOMPARE(SpaltenAnzahl, w);
    QCOMPARE(ZeilenAnzahl, h);
}

void TestMorveldatei::besitzerSuche()
{
    Lauf lauf;
    // Player 4's castles on fields 20 (the last) and 9; the search counts from 1.
    lauf.lies("#S 4\r\nStammesLS=20\r\n#F 20\r\nSpieler=4\r\n#F 3\r\nVktr=4");
    QCOMPARE(Felder[3].SpielerNummer, 4);
    QCOMPARE(Felder[3].Besitzer, QStringLiteral("20"));
    lauf.lies("#S 4\r\nStammesLS=9\r\n#F 9\r\nSpieler=4\r\n#F 2\r\nVktr=4");
    QCOMPARE(Felder[2].Besitzer, QStringLiteral("9"));
    // A NebenBurg of player 5 is no StammesBurg: the owner stays.
    lauf.lies("#F 7\r\nBK=2\r\nSpieler=5\r\n#F 8\r\nVktr=5");
    QCOMPARE(Felder[8].SpielerNummer, 5);
    QCOMPARE(Felder[8].Besitzer, QStringLiteral("0"));
    // The castle changes hands within one import.
    lauf.lies("#F 1\r\nVktr=4\r\n#F 9\r\nSpieler=5\r\n#F 10\r\nVktr=4\r\n#F 11\r\nVktr=5");
    QCOMPARE(Felder[1].Besitzer, QStringLiteral("9"));
    QCOMPARE(Felder[10].Besitzer, QStringLiteral("20"));
    QCOMPARE(Felder[11].Besitzer, QStringLiteral("9"));
}

void TestMorveldatei::spielerOhneBurg()
{
    Lauf lauf;
    lauf.lies("#S 2\r\nName=Vorab\r\nMensch=-\r\nRang=3");
    QCOMPARE(Felder[0].SpielerName, fest(QStringLiteral("Vorab")));
    QCOMPARE(Felder[0].EchtBit, 2);
    QCOMPARE(Felder[0].SpielerRang, 3);
    // After a castle, a later section without one writes to that castle.
    lauf.lies("#S 2\r\nStammesLS=6\r\n#S 3\r\nName=Folger");
    QCOMPARE(Felder[6].SpielerName, fest(QStringLiteral("Folger")));
}

void TestMorveldatei::reiheMitZustand()
{
    Lauf lauf;
    SpaltenAnzahl = ZeilenAnzahl = 0;
    Felder[5].FeldName = fest(QStringLiteral("bleibt"));
    lauf.lies(korpusDatei(QStringLiteral("V002s003.z00")));
    QCOMPARE(SpaltenAnzahl, 4);
    QCOMPARE(ZeilenAnzahl, 3);
    QCOMPARE(lauf.zustand.SpielerAnzahl, 2);
    QCOMPARE(Felder[1].Terrain, 3);
    QCOMPARE(Felder[6].BurgArt, 1);
    QCOMPARE(Felder[6].Burgklasse, 4);
    QCOMPARE(Felder[6].Terrain, 7);
    QCOMPARE(Felder[6].SpielerName, fest(QStringLiteral("Tramsel der Große")));
    QCOMPARE(Felder[6].FeldName, fest(QStringLiteral("Alte Mühle")));
    QCOMPARE(Felder[7].Besitzer, QStringLiteral("6"));
    QCOMPARE(Felder[7].GubHortFlag, 1);
    QCOMPARE(Felder[11].SpielerRang, 2);
    QCOMPARE(Felder[11].Besonderheiten, 4);
    // The entry after the comment still belongs to field 12.
    QCOMPARE(Felder[12].Terrain, 6);
    QCOMPARE(Felder[5].FeldName, fest(QStringLiteral("bleibt")));
    // The next file goes on in the state the first one left.
    lauf.lies(korpusDatei(QStringLiteral("V002s003.z01")));
    QCOMPARE(Felder[2].Terrain, 8);
    QCOMPARE(Felder[2].Besonderheiten, 8);
    QCOMPARE(Felder[11].SpielerRang, 4);
    QCOMPARE(Felder[3].Terrain, 6);
    QCOMPARE(Felder[3].SpielerNummer, 2);
}

void TestMorveldatei::zahl_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("erwartet"); // -99999: none
    QTest::newRow("12") << "12" << 12;
    QTest::newRow("Blanks") << "  12 " << 12;
    QTest::newRow("minus") << "-3" << -3;
    QTest::newRow("2.5") << "2.5" << 2;
    QTest::newRow("3.5") << "3.5" << 4;
    QTest::newRow("32767") << "32767" << 32767;
    QTest::newRow("32768") << "32768" << -99999;
    QTest::newRow("1e3") << "1e3" << -99999;
    QTest::newRow("leer") << "" << -99999;
    QTest::newRow("breite Ziffern") << QStringLiteral("１２") << -99999;
}

void TestMorveldatei::zahl()
{
    QFETCH(QString, text);
    QFETCH(int, erwartet);
    const auto z = morveldatei::zahl(text);
    QCOMPARE(z ? int(*z) : -99999, erwartet);
}

void TestMorveldatei::naechsteEndung_data()
{
    QTest::addColumn<QString>("endung");
    QTest::addColumn<QString>("naechste");
    QTest::newRow("z00") << "z00" << "z01";
    QTest::newRow("Z05") << "Z05" << "z06";
    QTest::newRow("z09") << "z09" << "z10";
    QTest::newRow("z10") << "z10" << "z11";
    QTest::newRow("z98") << "z98" << "z99";
    QTest::newRow("z99 Ende") << "z99" << "";
    QTest::newRow("keine Ziffern") << "txt" << "";
    QTest::newRow("andere Buchstabe") << "x07" << "z08";
}

void TestMorveldatei::naechsteEndung()
{
    QFETCH(QString, endung);
    QFETCH(QString, naechste);
    QCOMPARE(morveldatei::naechsteEndung(endung), naechste);
}

// Every seed of the fuzz runs through both readers.
void TestMorveldatei::korpus()
{
    int anzahl = 0;
    QDirIterator it(QFINDTESTDATA("korpus"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        Lauf lauf;
        kartendatei::lies(b);
        lauf.lies(b);
        ++anzahl;
    }
    QVERIFY(anzahl >= 6);
}

QTEST_GUILESS_MAIN(TestMorveldatei)
#include "tst_morveldatei.moc"
