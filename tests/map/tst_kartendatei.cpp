// The map file codec against a file laid out by hand (karte_3x2.py) and
// against bytes built here from the record layout; the management-file
// interpreter: every key, sections and comments, the owner search, numbers
// that do not fit, the naming of a series; the seed corpus of both readers.
#include "map/kartendatei.h"
#include "map/morveldatei.h"

#include <QDirIterator>
#include <QtEndian>
#include <QtTest>

namespace {
QByteArray beispiel()
{
    QFile f(QFINDTESTDATA("korpus/kartendatei/karte_3x2.bwk"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString fest(const QString &t) { return t.leftJustified(30, QLatin1Char(' ')); }

FeldDaten feld(qint16 nr, qint16 spieler, qint16 hort, const QString &name, qint16 terrain, qint16 bes,
               qint16 burg, qint16 klasse, const QString &besitzer, const QString &sname, qint16 rang,
               qint16 ober, qint16 echt, qint16 erz, qint16 drufel)
{
    // the members in the order of the record
    return {nr, spieler, hort, fest(name), terrain, bes, burg, klasse, besitzer, fest(sname), rang, ober, echt, erz,
            drufel};
}

// The six fields that karte_3x2.py writes.
QList<FeldDaten> handFelder()
{
    return {
        feld(1, 4, 0, QStringLiteral("Alte Mühle"), 1, 0, 1, 3, QStringLiteral("1"), QStringLiteral("Tramsel"), 2,
             0, 1, 1, 1),
        feld(2, 4, 0, QStringLiteral("Vorposten"), 7, 0, 2, 2, QStringLiteral("1"), QStringLiteral("Tramsel"), 1, -3,
             2, 0, 0),
        feld(3, 0, 1, QStringLiteral("Bucht"), 5, 8, 0, 0, QStringLiteral("12"), QString(), 0, 0, 0, 0, 0),
        feld(0, 0, 0, QString(), 0, 0, 0, 0, QStringLiteral("0"), QString(), 0, 0, 0, 0, 0),
        feld(5, 0, 0, QStringLiteral("Grat"), 3, 3, 0, 0, QStringLiteral("0"), QString(), 0, 0, 0, 0, 0),
        // 0x81 and 0x8D have no character in windows-1252 and pass as U+0081, U+008D
        feld(6, -1, 0, QStringLiteral("Ein Name mit genau 30 Zeichen!"), 8, 0, 0, 0, QString(),
             QStringLiteral("€ßÿ\u0081\u008d"), 0, 0, 0, 0, 0),
    };
}

void kopfUndFelderSetzen(const QList<FeldDaten> &felder, int w, int h)
{
    Felder.FelderWerteInitialisieren();
    Felder[0] = FeldDaten(); // zeros, names of 30 zero characters
    for (int i = 0; i < felder.size(); ++i)
        Felder[i + 1] = felder[i];
    kartendatei::kopfSetzen(Felder[0], w, h, 5000.0, 5000.0);
}

qint16 i16(const QByteArray &b, int o) { return qFromLittleEndian<qint16>(b.constData() + o); }


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

class TestDateien : public QObject {
    Q_OBJECT
private slots:
    void beispiel3x2()
    {
        const QByteArray datei = beispiel();
        QCOMPARE(datei.size(), 1232);
        QString fehler;
        const auto k = kartendatei::lies(datei, &fehler);
        QVERIFY2(k, qPrintable(fehler));
        QVERIFY(k->spalten == 3 && k->zeilen == 2 && k->feldBreite == 5000 && k->feldHoehe == 5000);
        QCOMPARE(k->kopf.Besitzer, QStringLiteral("3"));
        QCOMPARE(k->kopf.FeldName, QString(30, QChar(0)));
        const QList<FeldDaten> hand = handFelder();
        QCOMPARE(int(k->felder.size()), 6);
        for (int i = 0; i < 6; ++i)
            QVERIFY2(k->felder[i] == hand[i], qPrintable(QStringLiteral("Feld %1").arg(i + 1)));
        // and the same fields written give the same bytes
        kopfUndFelderSetzen(hand, 3, 2);
        QCOMPARE(kartendatei::schreiben(Felder, 3, 2), datei);
    }

    void besitzerVerschiebt_data()
    {
        QTest::addColumn<QString>("besitzer");
        QTest::addColumn<int>("namensOrt");
        QTest::newRow("leer") << QString() << 46;
        QTest::newRow("12") << QStringLiteral("12") << 48;
        QTest::newRow("90 Zeichen") << QString(90, QLatin1Char('7')) << 136;
    }
    void besitzerVerschiebt()
    {
        QFETCH(QString, besitzer);
        QFETCH(int, namensOrt);
        FeldDaten f = feld(9, 0, 0, QString(), 0, 0, 0, 0, besitzer, QStringLiteral("Kurt"), 20, 7, 2, 1, 1);
        const QByteArray b = kartendatei::satz(f);
        QCOMPARE(b.size(), 176);
        QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 44), quint16(besitzer.size()));
        QCOMPARE(b.mid(46, besitzer.size()), besitzer.toLatin1());
        QCOMPARE(b.mid(namensOrt, 30), fest(QStringLiteral("Kurt")).toLatin1());
        const int danach[] = {20, 7, 2, 1, 1}; // rank, overlord, player kind, archmage, Drufelbatze
        for (int i = 0; i < 5; ++i)
            QCOMPARE(i16(b, namensOrt + 30 + 2 * i), danach[i]);
        QCOMPARE(b.mid(namensOrt + 40), QByteArray(176 - namensOrt - 40, '\0'));
    }

    void kopfRundet()
    {
        FeldDaten kopf;
        kartendatei::kopfSetzen(kopf, 40, 25, 5000.5, 5001.5);
        QCOMPARE(kopf.Besitzer, QStringLiteral("40"));
        QVERIFY(kopf.Besonderheiten == 25 && kopf.Burgklasse == 5000 && kopf.BurgArt == 5002);
    }

    void ueberLaengererDatei()
    {
        const QByteArray alt(20 * 176 + 5, char(0xAB));
        kopfUndFelderSetzen(handFelder(), 3, 2);
        const QByteArray b = kartendatei::schreiben(Felder, 3, 2, alt);
        QCOMPARE(b.size(), alt.size());
        QCOMPARE(b.left(7 * 176), beispiel());
        QCOMPARE(b.mid(7 * 176), alt.mid(7 * 176));
        // A loader reads only what the header asks for.
        const auto k = kartendatei::lies(b);
        QVERIFY(k);
        QCOMPARE(int(k->felder.size()), 6);
    }

    void fuellerWirdNichtGelesen()
    {
        QByteArray b = beispiel();
        // Fill every record's filler with noise; the last record loses its filler.
        for (int s = 0; s < 7; ++s) {
            const int n = qFromLittleEndian<quint16>(b.constData() + s * 176 + 44);
            for (int o = 86 + n; o < 176; ++o)
                b[s * 176 + o] = char(0x5A + o);
        }
        const int n6 = qFromLittleEndian<quint16>(b.constData() + 6 * 176 + 44);
        b.truncate(6 * 176 + 86 + n6);
        const auto k = kartendatei::lies(b);
        QVERIFY(k);
        const QList<FeldDaten> hand = handFelder();
        for (int i = 0; i < 6; ++i)
            QVERIFY(k->felder[i] == hand[i]);
    }

    void kaputt_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("grund");
        const QByteArray gut = beispiel();
        auto mit = [&](int ort, QByteArray bytes) {
            QByteArray b = gut;
            b.replace(ort, bytes.size(), bytes);
            return b;
        };
        auto i16b = [](qint16 v) {
            QByteArray b(2, '\0');
            qToLittleEndian<qint16>(v, b.data());
            return b;
        };
        QTest::newRow("leer") << QByteArray() << QStringLiteral("leer");
        QTest::newRow("kurz") << gut.left(40) << QStringLiteral("vor Datensatz 1 (Kartenkopf)");
        QTest::newRow("nur Kopf") << gut.left(176) << QStringLiteral("vor Datensatz 2 (Feld 1)");
        QTest::newRow("letztes Feld halb") << gut.left(6 * 176 + 60) << QStringLiteral("mitten in Datensatz 7 (Feld 6)");
        QTest::newRow("Spalten keine Zahl") << mit(46, "x") << QStringLiteral("„x“ ist keine ganze Zahl");
        QTest::newRow("Spalten 0") << mit(46, "0") << QStringLiteral("0 × 2");
        QTest::newRow("Zeilen negativ") << mit(38, i16b(-2)) << QStringLiteral("3 × -2");
        QTest::newRow("zu gross") << mit(38, i16b(3334)) << QStringLiteral("3 × 3334");
        QTest::newRow("99999 Spalten") << mit(38, i16b(32767)).replace(44, 7, QByteArray("\x05\x00" "99999", 7))
                                       << QStringLiteral("99999 × 32767");
        QTest::newRow("Besitzer 91") << mit(176 * 2 + 44, i16b(91)) << QStringLiteral("Datensatz 3 (Feld 2)");
        QTest::newRow("Besitzer 65535") << mit(176 * 4 + 44, i16b(-1)) << QStringLiteral("Datensatz 5 (Feld 4)");
    }
    void kaputt()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QString, grund);
        QString fehler;
        QVERIFY(!kartendatei::lies(datei, &fehler));
        QVERIFY2(fehler.contains(grund), qPrintable(fehler));
    }

    void vorDemSpeichern_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<double>("breite");
        QTest::addColumn<QString>("besitzer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("grund"); // empty: the save may go on
        const QString ok = QStringLiteral("0");
        QTest::newRow("gut") << 3 << 2 << 5000.0 << ok << QString() << QString();
        QTest::newRow("keine Karte") << 0 << 0 << 5000.0 << ok << QString() << QStringLiteral("keine Karte");
        QTest::newRow("90 passen") << 3 << 2 << 5000.0 << QString(90, QLatin1Char('1')) << QString() << QString();
        QTest::newRow("91 nicht") << 3 << 2 << 5000.0 << QString(91, QLatin1Char('1')) << QString()
                                  << QStringLiteral("Feld 6: der Besitzer");
        QTest::newRow("32767") << 3 << 2 << 32767.0 << ok << QString() << QString();
        QTest::newRow("32767,5") << 3 << 2 << 32767.5 << ok << QString() << QStringLiteral("Feldgrösse");
        QTest::newRow("Pfeil im Namen") << 3 << 2 << 5000.0 << ok << QStringLiteral("→") << QStringLiteral("Feld 6:");
    }
    void vorDemSpeichern()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(double, breite);
        QFETCH(QString, besitzer);
        QFETCH(QString, name);
        QFETCH(QString, grund);
        kopfUndFelderSetzen(handFelder(), 3, 2);
        Felder[6].Besitzer = besitzer;
        Felder[6].SpielerName = fest(name);
        const QString fehler = kartendatei::pruefeSpeichern(Felder, w, h, breite, 5000);
        if (grund.isEmpty())
            QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        else
            QVERIFY2(fehler.contains(grund), qPrintable(fehler));
    }

    void schluessel_data()
    {
        QTest::addColumn<QByteArray>("zeilen");
        QTest::addColumn<QString>("mitglied");
        QTest::addColumn<int>("erwartet");
        const QByteArray f = "#F 12\r\n";
        QTest::newRow("Terr 1 See") << f + "Terr=1" << "Terrain" << 5;
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
        QTest::newRow("Einsiedler 2") << f + "Einsiedler=2" << "Besonderheiten" << 5;
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
        QTest::newRow("Rang gerundet") << QByteArray("#S 3\r\nStammesLS=12\r\nRang=2.5") << "SpielerRang" << 2;
        QTest::newRow("Rang 21") << QByteArray("#S 3\r\nStammesLS=12\r\nRang=21") << "SpielerRang" << 0;
    }
    void schluessel()
    {
        QFETCH(QByteArray, zeilen);
        QFETCH(QString, mitglied);
        QFETCH(int, erwartet);
        Lauf lauf;
        lauf.lies(zeilen);
        QCOMPARE(wert(Felder[12], mitglied), erwartet);
        QCOMPARE(wert(Felder[13], mitglied), 0);
    }

    void name()
    {
        Lauf lauf;
        lauf.lies("#F 4\r\nName=Alte_M\xfchle\r\n#S 2\r\nStammesLS=4\r\nName=Tramsel_der_Gro\xdf" "e");
        QCOMPARE(Felder[4].FeldName, fest(QStringLiteral("Alte Mühle")));
        QCOMPARE(Felder[4].SpielerName, fest(QStringLiteral("Tramsel der Große")));
        lauf.lies("#F 4\r\nName=" + QByteArray(40, 'x'));
        QCOMPARE(Felder[4].FeldName, QString(30, QLatin1Char('x')));
    }

    void ausserhalbDerKarte_data()
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
    void ausserhalbDerKarte()
    {
        QFETCH(QByteArray, zeilen);
        Lauf lauf;
        const FeldDaten kopf = Felder[0];
        lauf.lies(zeilen);
        QVERIFY(SpaltenAnzahl == 5 && ZeilenAnzahl == 4 && lauf.zustand.LS == 0);
        QVERIFY(Felder[0] == kopf);
        for (int i = 1; i <= 10000; ++i)
            QVERIFY2(Felder[i].Terrain == 0 && Felder[i].BurgArt == 0, qPrintable(QString::number(i)));
    }

    void groesse_data()
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
    }
    void groesse()
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

    void besitzerSuche()
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

    void spielerOhneBurg()
    {
        Lauf lauf;
        lauf.lies("#S 2\r\nName=Vorab\r\nMensch=-\r\nRang=3");
        QCOMPARE(Felder[0].SpielerName, fest(QStringLiteral("Vorab")));
        QVERIFY(Felder[0].EchtBit == 2 && Felder[0].SpielerRang == 3);
        // After a castle, a later section without one writes to that castle.
        lauf.lies("#S 2\r\nStammesLS=6\r\n#S 3\r\nName=Folger");
        QCOMPARE(Felder[6].SpielerName, fest(QStringLiteral("Folger")));
    }

    void reiheMitZustand()
    {
        Lauf lauf;
        SpaltenAnzahl = ZeilenAnzahl = 0;
        Felder[5].FeldName = fest(QStringLiteral("bleibt"));
        lauf.lies(korpusDatei(QStringLiteral("V002s003.z00")));
        QVERIFY(SpaltenAnzahl == 4 && ZeilenAnzahl == 3 && lauf.zustand.SpielerAnzahl == 2);
        QCOMPARE(Felder[6].BurgArt, 1);
        QCOMPARE(Felder[6].SpielerName, fest(QStringLiteral("Tramsel der Große")));
        QCOMPARE(Felder[6].FeldName, fest(QStringLiteral("Alte Mühle")));
        QCOMPARE(Felder[7].Besitzer, QStringLiteral("6"));
        QCOMPARE(Felder[11].SpielerRang, 2);
        // The entry after the comment still belongs to field 12.
        QCOMPARE(Felder[12].Terrain, 6);
        QCOMPARE(Felder[5].FeldName, fest(QStringLiteral("bleibt")));
        // The next file goes on in the state the first one left.
        lauf.lies(korpusDatei(QStringLiteral("V002s003.z01")));
        QVERIFY(Felder[2].Terrain == 8 && Felder[11].SpielerRang == 4);
        QVERIFY(Felder[3].Terrain == 6 && Felder[3].SpielerNummer == 2);
    }

    void zahl_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("erwartet"); // -99999: none
        QTest::newRow("12") << "12" << 12;
        QTest::newRow("Blanks") << "  12 " << 12;
        QTest::newRow("2.5") << "2.5" << 2;
        QTest::newRow("3.5") << "3.5" << 4;
        QTest::newRow("32767") << "32767" << 32767;
        QTest::newRow("32768") << "32768" << -99999;
        QTest::newRow("1e3") << "1e3" << -99999;
        QTest::newRow("leer") << "" << -99999;
        QTest::newRow("breite Ziffern") << QStringLiteral("１２") << -99999;
    }
    void zahl()
    {
        QFETCH(QString, text);
        QFETCH(int, erwartet);
        const auto z = morveldatei::zahl(text);
        QCOMPARE(z ? int(*z) : -99999, erwartet);
    }

    void naechsteEndung_data()
    {
        QTest::addColumn<QString>("endung");
        QTest::addColumn<QString>("naechste");
        QTest::newRow("z00") << "z00" << "z01";
        QTest::newRow("Z05") << "Z05" << "z06";
        QTest::newRow("z09") << "z09" << "z10";
        QTest::newRow("z99 Ende") << "z99" << "";
        QTest::newRow("keine Ziffern") << "txt" << "";
        QTest::newRow("andere Buchstabe") << "x07" << "z08";
    }
    void naechsteEndung()
    {
        QFETCH(QString, endung);
        QFETCH(QString, naechste);
        QCOMPARE(morveldatei::naechsteEndung(endung), naechste);
    }

    // Every seed of the fuzz runs through both readers.
    void korpus()
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
};

QTEST_GUILESS_MAIN(TestDateien)
#include "tst_kartendatei.moc"
