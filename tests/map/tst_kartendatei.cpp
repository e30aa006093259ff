// The map file codec against a hand-laid file (karte_3x2.py) and bytes built from the record
// layout; the management-file interpreter; the seed corpus of both readers.
#include "map/kartendatei.h"
#include "map/morveldatei.h"
#include "testsupport.h"

#include <QDirIterator>
#include <QtEndian>
#include <QtTest>

using Mitglied = qint16 FeldDaten::*;
Q_DECLARE_METATYPE(Mitglied)

namespace {
QByteArray beispiel() { return liesDatei(QFINDTESTDATA("korpus/kartendatei/karte_3x2.bwk")); }

QString fest(QStringView t) { return t.toString().leftJustified(30, QLatin1Char(' ')); }

// The six fields that karte_3x2.py writes, members in the order of the record.
std::vector<FeldDaten> handFelder()
{
    return {
        {1, 4, 0, fest(u"Alte Mühle"), 1, 0, 1, 3, QStringLiteral("1"), fest(u"Tramsel"), 2, 0, 1, 1, 1},
        {2, 4, 0, fest(u"Vorposten"), 7, 0, 2, 2, QStringLiteral("1"), fest(u"Tramsel"), 1, -3, 2, 0, 0},
        {3, 0, 1, fest(u"Bucht"), 5, 8, 0, 0, QStringLiteral("12"), fest(u""), 0, 0, 0, 0, 0},
        {0, 0, 0, fest(u""), 0, 0, 0, 0, QStringLiteral("0"), fest(u""), 0, 0, 0, 0, 0},
        {5, 0, 0, fest(u"Grat"), 3, 3, 0, 0, QStringLiteral("0"), fest(u""), 0, 0, 0, 0, 0},
        // 0x81 and 0x8D have no character in windows-1252 and pass as U+0081, U+008D
        {6, -1, 0, fest(u"Ein Name mit genau 30 Zeichen!"), 8, 0, 0, 0, QString(), fest(u"€ßÿ\u0081\u008d"),
         0, 0, 0, 0, 0},
    };
}

// Field sizes a half off 5000 round to the even 5000, as the hand-laid header holds.
void kopfUndFelderSetzen(FelderFeld &felder, const std::vector<FeldDaten> &hand, int w, int h)
{
    for (int i = 0; i < int(hand.size()); ++i)
        felder[i + 1] = hand[i];
    kartendatei::kopfSetzen(felder[0], w, h, 5000.5, 4999.5);
}
} // namespace

class TestDateien : public QObject {
    Q_OBJECT
    morveldatei::Zustand zustand;
    FelderFeld felder;
    qint16 breite = 0, hoehe = 0;

    void lies(const QByteArray &text) { morveldatei::Einleser(zustand, {felder, breite, hoehe}).datei(text); }

private slots:
    void init()
    {
        felder = FelderFeld();
        breite = 5;
        hoehe = 4;
        zustand = {};
    }

    void beispiel3x2()
    {
        const QByteArray datei = beispiel();
        QString fehler;
        const auto k = kartendatei::lies(datei, &fehler);
        QVERIFY2(k, qPrintable(fehler));
        QVERIFY(k->spalten == 3 && k->zeilen == 2 && k->feldBreite == 5000 && k->feldHoehe == 5000);
        QVERIFY(k->felder == handFelder());
        kopfUndFelderSetzen(felder, handFelder(), 3, 2);
        QCOMPARE(kartendatei::schreiben(felder, 3, 2), datei);
        // Written over a longer file, the rest stays; a loader reads only what the header asks for.
        const QByteArray alt(20 * 176 + 5, char(0xAB));
        const QByteArray b = kartendatei::schreiben(felder, 3, 2, alt);
        QCOMPARE(b.left(7 * 176), datei);
        QCOMPARE(b.mid(7 * 176), alt.mid(7 * 176));
        const auto lang = kartendatei::lies(b);
        QVERIFY(lang);
        QCOMPARE(int(lang->felder.size()), 6);
    }

    // The longest owner pushes the name and the members after it 90 bytes on (the hand-laid file has short ones).
    void langerBesitzerVerschiebt()
    {
        const QString besitzer(90, QLatin1Char('7'));
        const FeldDaten f{9, 0, 0, fest(u""), 0, 0, 0, 0, besitzer, fest(u"Kurt"), 20, 7, 2, 1, 1};
        const QByteArray b = kartendatei::satz(f);
        QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 44), quint16(90));
        QCOMPARE(b.mid(46, 90), besitzer.toLatin1());
        // rank 20, overlord 7, player kind 2, archmage 1, Drufelbatze 1, to the record's end
        QCOMPARE(b.mid(136), fest(u"Kurt").toLatin1() + QByteArray("\x14\0\x07\0\x02\0\x01\0\x01\0", 10));
    }

    void fuellerWirdNichtGelesen()
    {
        QByteArray b = beispiel();
        // Fill every record's filler with noise; the last record loses its filler.
        int ende = 0;
        for (int s = 0; s < 7; ++s) {
            ende = s * 176 + 86 + qFromLittleEndian<quint16>(b.constData() + s * 176 + 44);
            for (int o = ende; o < (s + 1) * 176; ++o)
                b[o] = char(0x5A + o);
        }
        b.truncate(ende);
        const auto k = kartendatei::lies(b);
        QVERIFY(k);
        QVERIFY(k->felder == handFelder());
    }

    void kaputt_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("grund");
        const QByteArray gut = beispiel();
        auto mit = [&](int ort, QByteArrayView b) { return QByteArray(gut).replace(ort, b.size(), b); };
        QTest::newRow("leer") << QByteArray() << QStringLiteral("leer");
        QTest::newRow("kurz") << gut.left(40) << QStringLiteral("vor Datensatz 1 (Kartenkopf)");
        QTest::newRow("nur Kopf") << gut.left(176) << QStringLiteral("vor Datensatz 2 (Feld 1)");
        QTest::newRow("letztes Feld halb") << gut.left(6 * 176 + 60) << QStringLiteral("mitten in Datensatz 7 (Feld 6)");
        QTest::newRow("Spalten keine Zahl") << mit(46, "x") << QStringLiteral("„x“ ist keine ganze Zahl");
        QTest::newRow("Spalten negativ") << mit(44, QByteArray("\x02\x00" "-3", 4))
                                         << QStringLiteral("Datensatz 1 (Kartenkopf): die Spaltenzahl „-3“ ist kleiner als 1.");
        QTest::newRow("Spalten 0") << mit(46, "0")
                                   << QStringLiteral("Datensatz 1 (Kartenkopf): die Spaltenzahl „0“ ist kleiner als 1.");
        QTest::newRow("Zeilen negativ") << mit(38, "\xFE\xFF")
                                        << QStringLiteral("Datensatz 1 (Kartenkopf): die Zeilenzahl -2 ist kleiner als 1.");
        QTest::newRow("Zeilen 0") << mit(38, QByteArray(2, '\0'))
                                  << QStringLiteral("Datensatz 1 (Kartenkopf): die Zeilenzahl 0 ist kleiner als 1.");
        QTest::newRow("zu gross") << mit(38, "\x06\x0D") << QStringLiteral("3 × 3334");
        QTest::newRow("99999 Spalten") << mit(38, "\xFF\x7F").replace(44, 7, QByteArray("\x05\x00" "99999", 7))
                                       << QStringLiteral("99999 × 32767");
        QTest::newRow("123456789012 Spalten") << mit(44, QByteArray("\x0C\x00" "123456789012", 14))
                                              << QStringLiteral("eine Karte von 123456789012 × 2 Feldern ist nicht möglich");
        QTest::newRow("Besitzer 91") << mit(176 * 2 + 44, QByteArray("\x5B\x00", 2))
                                     << QStringLiteral("Datensatz 3 (Feld 2)");
        QTest::newRow("Besitzer 65535") << mit(176 * 4 + 44, "\xFF\xFF") << "Datensatz 5 (Feld 4)";
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
        QTest::addColumn<QSize>("karte");
        QTest::addColumn<double>("breite");
        QTest::addColumn<QString>("besitzer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("grund"); // empty: the save may go on
        const QString ok = QStringLiteral("0");
        const QSize k(3, 2);
        QTest::newRow("keine Karte") << QSize(0, 0) << 5000.0 << ok << QString() << "keine Karte";
        QTest::newRow("90 passen") << k << 5000.0 << QString(90, QLatin1Char('1')) << QString() << QString();
        QTest::newRow("91 nicht") << k << 5000.0 << QString(91, QLatin1Char('1')) << QString()
                                  << QStringLiteral("Feld 6: der Besitzer");
        QTest::newRow("32767") << k << 32767.0 << ok << QString() << QString();
        QTest::newRow("32767,5") << k << 32767.5 << ok << QString() << QStringLiteral("Feldgrösse");
        QTest::newRow("Pfeil im Namen") << k << 5000.0 << ok << QStringLiteral("→") << "Feld 6:";
    }
    void vorDemSpeichern()
    {
        QFETCH(QSize, karte);
        QFETCH(double, breite);
        QFETCH(QString, besitzer);
        QFETCH(QString, name);
        QFETCH(QString, grund);
        kopfUndFelderSetzen(felder, handFelder(), 3, 2);
        felder[6].Besitzer = besitzer;
        felder[6].SpielerName = fest(name);
        const auto fehler = kartendatei::pruefeSpeichern(felder, karte.width(), karte.height(), breite, 5000);
        QVERIFY2(grund.isEmpty() ? fehler.isEmpty() : fehler.contains(grund), qPrintable(fehler));
    }

    void schluessel_data()
    {
        QTest::addColumn<QByteArray>("zeilen");
        QTest::addColumn<Mitglied>("mitglied");
        QTest::addColumn<int>("erwartet");
        const QByteArray f = "#F 12\r\n";
        const QByteArray s = "#S 3\r\nStammesLS=12\r\n";
        QTest::newRow("Terr 6 Hochgebirge") << f + "Terr=6" << &FeldDaten::Terrain << 4;
        QTest::newRow("Terr 7 nichts") << f + "Terr=7" << &FeldDaten::Terrain << 0;
        QTest::newRow("Terr Blank davor") << f + "Terr= 1" << &FeldDaten::Terrain << 5;
        QTest::newRow("Terr keine Zahl") << f + "Terr=See" << &FeldDaten::Terrain << 0;
        QTest::newRow("KannGM dann Terr") << f + "KannGM=+\r\nTerr=4" << &FeldDaten::Terrain << 3;
        QTest::newRow("Terr dann KannGM") << f + "Terr=4\r\nKannGM=+" << &FeldDaten::Terrain << 3;
        QTest::newRow("KannGM nicht +") << f + "KannGM=ja" << &FeldDaten::Terrain << 0;
        QTest::newRow("KannGrube dann Terr") << f + "KannGrube=+\r\nTerr=1" << &FeldDaten::Terrain << 8;
        QTest::newRow("OHBes leer") << f + "OHBes=" << &FeldDaten::GubHortFlag << 1;
        QTest::newRow("OHStaerke") << f + "OHStaerke=17" << &FeldDaten::GubHortFlag << 1;
        QTest::newRow("Spieler") << f + "Spieler=9" << &FeldDaten::SpielerNummer << 9;
        QTest::newRow("Sambalia") << f + "Sambalia=+" << &FeldDaten::Besonderheiten << 1;
        QTest::newRow("Einsiedler +") << f + "Einsiedler=+" << &FeldDaten::Besonderheiten << 2;
        QTest::newRow("Einsiedler 2") << f + "Einsiedler=2" << &FeldDaten::Besonderheiten << 5;
        QTest::newRow("Einsiedler 6") << f + "Einsiedler=6" << &FeldDaten::Besonderheiten << 0;
        QTest::newRow("Boerse") << f + "Boerse=+" << &FeldDaten::Besonderheiten << 8;
        QTest::newRow("BK NebenBurg") << f + "BK=3" << &FeldDaten::BurgArt << 2;
        QTest::newRow("BK Klasse") << f + "BK=3" << &FeldDaten::Burgklasse << 3;
        QTest::newRow("BK auf StammesBurg") << s + f + "BK=3" << &FeldDaten::BurgArt << 1;
        QTest::newRow("Kleinschreibung") << QByteArray("#f 12\r\nterr=1") << &FeldDaten::Terrain << 5;
        QTest::newRow("Blank vor =") << f + "Terr =1" << &FeldDaten::Terrain << 0;
        QTest::newRow("## im Kopf") << f + "#F 13 ## Notiz\r\nTerr=1" << &FeldDaten::Terrain << 5;
        QTest::newRow("Kommentar") << f + "##F 13\r\nTerr=1" << &FeldDaten::Terrain << 5;
        QTest::newRow("nur CR") << QByteArray("#F 12\rTerr=1\r") << &FeldDaten::Terrain << 5;
        QTest::newRow("LF bleibt") << QByteArray("#F 12\nTerr=1") << &FeldDaten::Terrain << 0;
        QTest::newRow("Mensch +") << s + "Mensch=+" << &FeldDaten::EchtBit << 1;
        QTest::newRow("Mensch -") << s + "Mensch=-" << &FeldDaten::EchtBit << 2;
        QTest::newRow("Mensch ?") << s + "Mensch=?" << &FeldDaten::EchtBit << 0;
        QTest::newRow("Rang gerundet") << s + "Rang=2.5" << &FeldDaten::SpielerRang << 2;
        QTest::newRow("Rang 21") << s + "Rang=21" << &FeldDaten::SpielerRang << 0;
    }
    void schluessel()
    {
        QFETCH(QByteArray, zeilen);
        QFETCH(Mitglied, mitglied);
        QFETCH(int, erwartet);
        lies(zeilen);
        QCOMPARE(int(felder[12].*mitglied), erwartet);
        QCOMPARE(int(felder[13].*mitglied), 0);
    }

    // A size that fits is taken; a section or size outside the map changes nothing.
    void groesse_data()
    {
        QTest::addColumn<QSize>("vorher");
        QTest::addColumn<QByteArray>("zeilen");
        QTest::addColumn<QSize>("nachher");
        const QByteArray a = "#Allgemeine Daten\r\n";
        const QSize k(5, 4);
        QTest::newRow("neu") << QSize(0, 0) << a + "Breite=40\r\nHoehe=25" << QSize(40, 25);
        QTest::newRow("erst zu breit") << QSize(100, 100) << a + "Breite=200\r\nHoehe=50" << QSize(200, 50);
        QTest::newRow("zu gross") << QSize(100, 100) << a + "Breite=200\r\nHoehe=100" << QSize(100, 100);
        QTest::newRow("nur Hoehe") << QSize(10, 10) << a + "Hoehe=30" << QSize(10, 30);
        QTest::newRow("Breite 0") << k << a + "Breite=0\r\nHoehe=70000" << k;
        QTest::newRow("Breite keine Zahl") << k << a + "Breite=viele\r\nHoehe=" << k;
        QTest::newRow("Feld 0") << k << QByteArray("#F 0\r\nTerr=1\r\nName=Kopf") << k;
        QTest::newRow("Feld 21") << k << QByteArray("#F 21\r\nTerr=1") << k;
        QTest::newRow("Feld -1") << k << QByteArray("#F -1\r\nTerr=1") << k;
        QTest::newRow("Feld 99999") << k << QByteArray("#F 99999\r\nTerr=1") << k;
        QTest::newRow("Feld x") << k << QByteArray("#F x\r\nTerr=1") << k;
        QTest::newRow("StammesLS 21") << k << QByteArray("#S 1\r\nStammesLS=21") << k;
        QTest::newRow("StammesLS 0") << k << QByteArray("#S 1\r\nStammesLS=0") << k;
        QTest::newRow("leer") << k << QByteArray() << k;
        QTest::newRow("nur Zeilenenden") << k << QByteArray("\r\n\r\r\n") << k;
    }
    void groesse()
    {
        QFETCH(QSize, vorher);
        QFETCH(QByteArray, zeilen);
        QFETCH(QSize, nachher);
        breite = qint16(vorher.width());
        hoehe = qint16(vorher.height());
        lies(zeilen);
        QCOMPARE(QSize(breite, hoehe), nachher);
        QCOMPARE(QSize(SpaltenAnzahl, ZeilenAnzahl), QSize(0, 0)); // the program's map is not the reader's
        QCOMPARE(zustand.LS, 0);
        QVERIFY(felder[0] == FeldDaten());
        for (int i = 1; i <= 10000; ++i)
            QVERIFY2(felder[i].Terrain == 0 && felder[i].BurgArt == 0, qPrintable(QString::number(i)));
    }

    void besitzerSuche()
    {
        // Player 4's castles on fields 20 (the last) and 9; the search counts from 1.
        lies("#S 4\r\nStammesLS=20\r\n#F 20\r\nSpieler=4\r\n#F 3\r\nVktr=4");
        QCOMPARE(felder[3].Besitzer, QStringLiteral("20"));
        lies("#S 4\r\nStammesLS=9\r\n#F 9\r\nSpieler=4\r\n#F 2\r\nVktr=4");
        QCOMPARE(felder[2].Besitzer, QStringLiteral("9"));
        // A NebenBurg of player 5 is no StammesBurg: the owner stays.
        lies("#F 7\r\nBK=2\r\nSpieler=5\r\n#F 8\r\nVktr=5");
        QCOMPARE(felder[8].SpielerNummer, 5);
        QCOMPARE(felder[8].Besitzer, QStringLiteral("0"));
        // The castle changes hands within one import.
        lies("#F 1\r\nVktr=4\r\n#F 9\r\nSpieler=5\r\n#F 10\r\nVktr=4\r\n#F 11\r\nVktr=5");
        QCOMPARE(felder[1].Besitzer, QStringLiteral("9"));
        QCOMPARE(felder[10].Besitzer, QStringLiteral("20"));
        QCOMPARE(felder[11].Besitzer, QStringLiteral("9"));
    }

    void spielerOhneBurg()
    {
        lies("#S 2\r\nName=Vorab\r\nMensch=-\r\nRang=3");
        QCOMPARE(felder[0].SpielerName, fest(QStringLiteral("Vorab")));
        QVERIFY(felder[0].EchtBit == 2 && felder[0].SpielerRang == 3);
        // After a castle, a later section without one writes to that castle; a long name is cut.
        lies("#S 2\r\nStammesLS=6\r\n#S 3\r\nName=" + QByteArray(40, 'x'));
        QCOMPARE(felder[6].SpielerName, QString(30, QLatin1Char('x')));
    }

    void reiheMitZustand()
    {
        breite = hoehe = 0;
        felder[5].FeldName = fest(QStringLiteral("bleibt"));
        lies(liesDatei(QFINDTESTDATA("korpus/morveldatei/V002s003.z00")));
        QVERIFY(breite == 4 && hoehe == 3 && zustand.SpielerAnzahl == 2);
        QCOMPARE(felder[6].SpielerName, fest(QStringLiteral("Tramsel der Große")));
        QCOMPARE(felder[6].FeldName, fest(QStringLiteral("Alte Mühle")));
        QCOMPARE(felder[11].SpielerRang, 2);
        // The entry after the comment still belongs to field 12.
        QCOMPARE(felder[12].Terrain, 6);
        QCOMPARE(felder[5].FeldName, fest(QStringLiteral("bleibt")));
        // The next file goes on in the state the first one left.
        lies(liesDatei(QFINDTESTDATA("korpus/morveldatei/V002s003.z01")));
        QVERIFY(felder[2].Terrain == 8 && felder[11].SpielerRang == 4);
        QVERIFY(felder[3].Terrain == 6 && felder[3].SpielerNummer == 2);
    }

    void zahl_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("erwartet"); // -99999: none
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
            const QByteArray b = liesDatei(it.next());
            init();
            kartendatei::lies(b);
            lies(b);
            ++anzahl;
        }
        QVERIFY(anzahl >= 6);
    }
};

QTEST_GUILESS_MAIN(TestDateien)
#include "tst_kartendatei.moc"
