#include <QSet>
#include <QtTest>

#include "orderref/katalog.h"

using namespace orderref;

namespace {

struct Erwartet {
    const char *titel;
    const char *syntax;
    bool geheim;
    int zeilen; // help lines after the syntax line, empty lines not counted
};

// The catalogue as the game's reference lists it, in catalogue order.
const Erwartet erwartet[] = {
    {"SU   Sphäre der Unverletzlichkeit", "SU [1]", false, 2},
    {"PT   Tempelplünderung", "PT [1]", false, 4},
    {"KL   Lebensmittelkauf zum doppelten Preis", "KL a [1]", false, 1},
    {"SV   Schweine schlachten --> LE", "SV a [1]", false, 2},
    {"IN   Tormeven-Befehl (GEHEIMBEFEHL)", "IN a [1] (Geheimbefehl)", true, 9},
    {"MG   Magischer Griffel (GEHEIMBEFEHL)", "MG [1] (Geheimbefehl)", true, 1},
    {"FX   Frühexport (GEHEIMBEFEHL)", "FX a, b, c [5] (Geheimbefehl)", true, 5},
    {"BB   Besteche Berater (GEHEIMBEFEHL)", "BB a [1] (Geheimbefehl)", true, 6},
    {"AV   Alle vorrätigen Produkte verkaufen (GEHEIMBEFEHL)", "AV a, b, c, d, e [1] (Geheimbefehl)", true, 2},
    {"AX   Alles zum besten Preis verkaufen (GEHEIMBEFEHL)", "AX (E/S) a, b, c, d, e [1] (Geheimbefehl)", true, 10},
    {"VK   Produktverkäufe", "VK a, b [5*]", false, 19},
    {"VX   Produktverkäufe über Kontor", "VX a, b, c [5]", false, 18},
    {"GB   Bieten für Sonderangebot", "GB a, b [1]", false, 2},
    {"AL   Schweine automatisch schlachten (GEHEIMBEFEHL)", "AL (Geheimbefehl)", true, 6},
    {"PL   Lederherstellung aus Schweinen", "PL a [1]", false, 1},
    {"FS   Bauen einer Festung (GEHEIMBEFEHL)", "FS a [1]", true, 7},
    {"EB   Burgerweiterung", "EB a [5*]", false, 12},
    {"MO   Einen Moloch zuteilen (GEHEIMBEFEHL)", "MO a (Geheimbefehl)", true, 7},
    {"GO   Einen Golem zuteilen (GEHEIMBEFEHL)", "GO a (Geheimbefehl)", true, 7},
    {"KO   Einen Koloß zuteilen (GEHEIMBEFEHL)", "KO a (Geheimbefehl)", true, 7},
    {"ZB   Bauernrekrutierung", "ZB a, b [5*]", false, 2},
    {"ZS   Söldner anwerben", "ZS a, b [5*]", false, 2},
    {"SM   Steigerung des Magieniveaus", "SM a, b [1]", false, 3},
    {"ZN   Nach bestimmten Zaubersprüchen suchen (GEHEIMBEFEHL)", "ZN a (Geheimbefehl)", true, 2},
    {"BM   Magier zwingen, Arkaneum zu schlucken (GEHEIMBEFEHL)", "BM a (Geheimbefehl)", true, 3},
    {"VW   Steigerung des Wissenschaftsniveaus", "VW a [1]", false, 14},
    {"VS   Versorgung der Soldaten mit ...", "VS a, b, c, d, e [5*]", false, 2},
    {"ZV   Versorgung der Soldaten mit dem maximal Möglichem (GEHEIMBEFEHL)", "ZV a, b, c, d, e [1] (Geheimbefehl)", true, 6},
    {"AR   Herstellung von Katapulten und Brandpfeilen", "AR a, b, c [5*]", false, 2},
    {"BX   Versklavung von Bauern", "BX a [1]", false, 1},
    {"WX   Versklavung von Wissenschaftlern", "WX a [1]", false, 2},
    {"KX   Versklavung von Kaufleuten", "KX a [1]", false, 1},
    {"SX   Versklavung von Soldaten", "SX a, b [5*]", false, 2},
    {"BS   Befreiung von Sklaven", "BS a [1]", false, 2},
    {"KS   Kaufen von Sklaven", "KS a, b [1]", false, 5},
    {"AS   Verkaufen von Sklaven", "AS a, b [1]", false, 2},
    {"XP   Exportieren von Produkten", "XP a, b, c [5]", false, 14},
    {"XA   Exportieren von Schätzen", "XA a, b, c, d, e, f [5*]", false, 1},
    {"LA   Bauen des Stein-Labyrinths (GEHEIMBEFEHL)", "LA [1] (Geheimbefehl)", true, 2},
    {"KV   Kaufen von Schweinen", "KV a [1]", false, 1},
    {"RB   Einrichtung von Bazaren", "RB a [1]", false, 5},
    {"TP   Einen Schweinfrosch zuteilen (GEHEIMBEFEHL)", "TP a [1] (Geheimbefehl)", true, 9},
    {"PH   Herstellung von Produkten (Produktcodes von B-, C-, D- Produkten)", "PH p1, m1, p2, m2, p3, m3, p4, m4, p5, m5 [2]", false, 2},
    {"EE   Errichtung von Stammeserweiterungen", "EE erw, erw, erw, erw, erw [1]", false, 20},
    {"RP   Erweiterung von Produktionsstätten", "RP a, b [5]", false, 11},
    {"GR   Schlangengrube errichten (GEHEIMBEFEHL)", "GR a [1] (Geheimbefehl)", true, 9},
    {"GM   Goldmine errichten (GEHEIMBEFEHL)", "GM a [1] (Geheimbefehl)", true, 8},
    {"ST   Steuersatzänderung", "ST a [1]", false, 4},
    {"KG   Kopfgeld festsetzen", "KG a, b [1]", false, 2},
    {"HD   Allgemeiner Heldenbefehl", "HD a, b, c, ... [5*]", false, 25},
    {"SS   Schätze schmieden (GEHEIMBEFEHL)", "SS [1] (Geheimbefehl)", true, 3},
    {"AA   Reservezuordnung von Schätzen", "AA a, b, c, d, e [5*]", false, 1},
    {"EX   Umziehen in einen anderen Landstrich", "EX a [1]", false, 3},
    {"DZ   Festlegung der Durchzugsbedingungen", "DZ a, b [5*]", false, 7},
    {"FU   Unterstützung vom Unterhäuptling fordern", "FU a, b [10*]", false, 3},
    {"FA   Unterstrützung von allen BitGub Unterhäuptlingen fordern (GEHEIMBEFEHL)", "FA a, (b) [1] (Geheimbefehl)", true, 6},
    {"DS   Tempelspende abonnieren (GEHEIMBEFEHL)", "DS a (Geheimbefehl)", true, 2},
    {"TE   Tempelspende", "TE a [1]", false, 8},
    {"TD   Diamantenspende (GEHEIMBEFEHL)", "TD a [1]", true, 2},
    {"AC   Warnung an Heer", "AC a [1]", false, 1},
    {"UL   Unheilige Lanze (GEHEIMBEFEHL)", "UL a [1]", true, 3},
    {"RG   Goldraubzug", "RG B:burg, V:vert, S:söld, W:weg1, weg2, ..., ziel [5 Heeresbefehle*]", false, 3},
    {"RS   Sklavenraubzug", "RS B:burg, V:vert, S:söld, W:weg1, weg2, ..., ziel [5 Heeresbefehle*]", false, 3},
    {"BU   Unterjochungsfeldzug", "BU B:burg, V:vert, S:söld, W:weg1, weg2, ..., ziel [5 Heeresbefehle*]", false, 3},
    {"BV   Vertreibungsfeldzug", "BV B:burg, V:vert, S:söld, W:weg1, weg2, ..., ziel [5 Heeresbefehle*]", false, 3},
    {"UN   Unterstützungsfeldzug", "UN B:burg, V:vert, S:söld, W:weg1, weg2, ..., ziel [5 Heeresbefehle*]", false, 3},
    {"WK   Den 'KA-Karawanen' Wachen zuteilen (GEHEIMBEFEHL)", "WK a [1] (Geheimbefehl)", true, 1},
    {"KW   Karawane schicken", "KW a, b, c [wie Stammesburgklasse]", false, 8},
    {"KA   Mehrere Karawanen schicken (GEHEIMBEFEHL)", "KA a, b, c, d, e [5] (Geheimbefehl)", true, 6},
    {"HI   Karawane überfallen", "HI a, b, c [1]", false, 2},
    {"EK   Einrichtung von Kontor", "EK a [1]", false, 4},
    {"PW   Produkte für Kontortabelle festlegen", "PW a, b, c, d, e [1]", false, 15},
    {"UW   Freiwillige Unterwerfung", "UW a [1]", false, 3},
    {"VB   Zufütterung", "VB a [1]", false, 2},
    {"OH   Gubhorte erstellen / verstärken", "OH a, b [1]", false, 5},
    {"HV   Verlegen von Soldaten", "HV a, b, c [5]", false, 2},
    {"ZZ   Zaubersprüche sprechen", "ZZ a(, b) [1]", false, 1},
    {"SR   Zaubersprüche von Spruchrolle", "SR a, b [3]", false, 1},
    {"HW   Anwerben von Helden", "HW [5]", false, 9},
    {"HT   Produktion vonTruhenschlüssel", "HT [1]", false, 5},
    {"TS   Tönerne Schlange", "TS a [1]", false, 3},
    {"DR   Drache anwerben", "DR a, b [1]", false, 2},
    {"DT   Drachentöter anwerben", "DT a [1]", false, 2},
    {"SG   Versuch, Zauberspruch auf Schriftrolle zu schreiben", "SG a, b [1]", false, 2},
    {"ED   Erzmagier-Befehl (GEHEIMBEFEHL)", "ED z, ANatt, VNatt [1] (Geheimbefehl)", true, 17},
    {"SP   Ausspähen eines Feldes", "SP a, b [5]", false, 1},
    {"EM   Empörung gegen Oberherrn", "EM a [1]", false, 4},
    {"MR   Einen Ring verzaubern --> magischer Ring (GEHEIMBEFEHL)", "MR [1] Geheimbefehl", true, 3},
    {"BN   Heirat anbieten (GEHEIMBEFEHL)", "BN a [1] (Geheimbefehl)", true, 5},
    {"ZW   Alle Zaubersprüche verwerfen und nach neuen suchen (GEHEIMBEFEHL)", "ZW (a) [1] (Geheimbefehl)", true, 4},
    {"GV   Gunstbeweise für Sprungbeförderungen verwenden (GEHEIMBEFEHL)", "GV [1] (Geheimbefehl)", true, 3},
    {"ZF   Anzeigen lassen, wer der Unterhäuptling von einem ist (GEHEIMBEFEHL)", "ZF [?] (Geheimbefehl)", true, 1},
    {"ZK   Karte vom Schwarzen Reich zeichen (GEHEIMBEFEHL)", "ZK [1] (Geheimbefehl)", true, 2},
    {"WZ   Versuch, das C-Produkt Ratsel zu lösen (GEHEIMBEFEHL)", "WZ a [1] (Geheimbefehl)", true, 8},
    {"RU   Die Rute Zarroks (GEHEIMBEFEHL)", "RU a [1] (Geheimbefehl)", true, 2},
    {"VG   Vergeltungsstein (GEHEIMBEFEHL)", "VG [1] (Geheimbefehl)", true, 8},
    {"MA   Schwarzer Marshall - Befehl (GEHEIMBEFEHL)", "MA S <Verhaeltniszahlen> G <Verhaeltniszahlen> N <Verhaeltniszahlen> [1] (Geheimbefehl)", true, 13},
    {"KF   Senden von Spenden in das Vorland (GEHEIMBEFEHL)", "KF <Soldaten> <Goldohren> <Natternblut> [1] (Geheimbefehl)", true, 26},
};

const char *const oeffentlicheCodes =
    "SU PT KL SV VK VX GB PL EB ZB ZS SM VW VS AR BX WX KX SX BS KS AS XP XA KV RB PH EE RP ST KG "
    "HD AA EX DZ FU TE AC RG RS BU BV UN KW HI EK PW UW VB OH HV ZZ SR HW HT TS DR DT SG SP EM";

const QString crlf = QStringLiteral("\r\n");

// Help line n (1 = the line after the syntax line) of an entry.
QString zeile(const char *code, int n)
{
    const Befehl *b = finde(QString::fromLatin1(code));
    if (!b || n < 1 || n > b->zeilen.size())
        return QStringLiteral("<fehlt>");
    return b->zeilen.at(n - 1);
}

QStringList ohneLeere(const QStringList &l)
{
    QStringList r;
    for (const QString &s : l)
        if (!s.isEmpty())
            r << s;
    return r;
}

} // namespace

class TstKatalog : public QObject {
    Q_OBJECT

private slots:
    void eintraegeInKatalogfolge()
    {
        const QList<Befehl> &k = katalog();
        QCOMPARE(k.size(), 98);
        for (int i = 0; i < 98; ++i) {
            const Befehl &b = k.at(i);
            const QString ort = QStringLiteral("Position %1").arg(i + 1);
            QVERIFY2(b.titel == QString::fromUtf8(erwartet[i].titel), qPrintable(ort + ": " + b.titel));
            QVERIFY2(b.syntax == QString::fromUtf8(erwartet[i].syntax), qPrintable(ort + ": " + b.syntax));
            QVERIFY2(b.geheim == erwartet[i].geheim, qPrintable(ort));
            // The title and the syntax line both begin with the code.
            QCOMPARE(b.titel.left(5), b.code + QStringLiteral("   "));
            QCOMPARE(b.syntax.left(3), b.code + QLatin1Char(' '));
            QCOMPARE(b.titel.endsWith(QStringLiteral(" (GEHEIMBEFEHL)")), b.geheim);
        }
    }

    void codesEindeutig()
    {
        QSet<QString> gesehen;
        int geheim = 0;
        for (const Befehl &b : katalog()) {
            QCOMPARE(b.code.size(), 2);
            QVERIFY(b.code.at(0).isUpper() && b.code.at(1).isUpper());
            QVERIFY2(!gesehen.contains(b.code), qPrintable(b.code));
            gesehen.insert(b.code);
            geheim += b.geheim ? 1 : 0;
        }
        QCOMPARE(geheim, 37);
    }

    void oeffentlicheTabelle()
    {
        const QList<Befehl> &o = oeffentlich();
        QCOMPARE(o.size(), 61);
        QStringList codes;
        for (const Befehl &b : o) {
            QVERIFY(!b.geheim);
            codes << b.code;
            // The same entry, character for character, as in the full table.
            const Befehl *voll = finde(b.code);
            QVERIFY(voll);
            QCOMPARE(hilfetext(b), hilfetext(*voll));
        }
        QCOMPARE(codes.join(QLatin1Char(' ')), QString::fromLatin1(oeffentlicheCodes));
        QCOMPARE(o.at(4).titel, QStringLiteral("VK   Produktverkäufe"));
        QCOMPARE(o.at(60).code, QStringLiteral("EM"));
    }

    void laengsterTitel()
    {
        qsizetype laengste = 0;
        QString titel;
        for (const Befehl &b : katalog())
            if (b.titel.size() > laengste) {
                laengste = b.titel.size();
                titel = b.titel;
            }
        QCOMPARE(laengste, 76);
        QVERIFY(titel.startsWith(QStringLiteral("FA   ")));
    }

    void zeilenzahlUndForm()
    {
        const QList<Befehl> &k = katalog();
        for (int i = 0; i < k.size(); ++i) {
            const Befehl &b = k.at(i);
            const QString text = hilfetext(b);
            const QStringList teile = text.split(crlf);
            QCOMPARE(teile.first(), b.syntax);
            // No stray line breaks inside a line.
            for (const QString &t : teile)
                QVERIFY2(!t.contains(QLatin1Char('\r')) && !t.contains(QLatin1Char('\n')), qPrintable(b.code));
            QVERIFY2(ohneLeere(teile.mid(1)).size() == erwartet[i].zeilen,
                     qPrintable(QStringLiteral("%1: %2 Zeilen").arg(b.code).arg(ohneLeere(teile.mid(1)).size())));

            const int leer = text.count(crlf + crlf);
            if (b.code == QLatin1String("BX")) {
                QVERIFY(text.endsWith(crlf));
                QCOMPARE(leer, 0);
            } else if (b.code == QLatin1String("ZZ") || b.code == QLatin1String("SR")
                       || b.code == QLatin1String("HT")) {
                QVERIFY2(text.endsWith(crlf + crlf), qPrintable(b.code));
                QVERIFY(!text.endsWith(crlf + crlf + crlf));
                QCOMPARE(leer, 1);
            } else if (b.code == QLatin1String("HD")) {
                QVERIFY(!text.endsWith(crlf));
                QCOMPARE(leer, 1);
            } else {
                QVERIFY2(!text.endsWith(crlf), qPrintable(b.code));
                QVERIFY2(leer == 0, qPrintable(b.code));
            }
        }
    }

    void kuerzesterText()
    {
        const Befehl *bx = finde(QStringLiteral("BX"));
        QVERIFY(bx);
        QCOMPARE(hilfetext(*bx), QStringLiteral("BX a [1]\r\nVersklave a Bauern.\r\n"));
        QCOMPARE(hilfetext(*bx).size(), 31);
        const Befehl *su = finde(QStringLiteral("SU"));
        QVERIFY(hilfetext(*su).startsWith(QStringLiteral("SU [1]\r\n")));
    }

    void zitierteZeilen_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("ab");
        QTest::addColumn<QStringList>("zeilen");

        const QStringList produkte{"Codierung:", "1 - Holz", "2 - Stein", "3 - Eisen", "4 - Salz",
                                   "5 - Diamanten", "6 - Leder", "7 - Lebensmittel", "8 - Schnaps",
                                   "9 - Schwefel", "10 - Natternblut"};
        QTest::newRow("VK Codes") << "VK" << 2 << produkte;
        QTest::newRow("VX Codes") << "VX" << 2 << produkte;
        QTest::newRow("VK Budget") << "VK" << 15
            << QStringList{"Budget = (50 + Wirtschaftsklima) * (1 + (Jahr / 50)) * (1 + Bazare / 25)"};
        QTest::newRow("VX Beispiel") << "VX" << 15 << QStringList{"Beispiel: VX 88, 4, 50"};
        const QStringList raetsel{"Der Befehl steht zur Verfügung sobald das C-Produkt Rätsel gelöst ist."};
        QTest::newRow("MO") << "MO" << 1 << raetsel;
        QTest::newRow("GO") << "GO" << 1 << raetsel;
        QTest::newRow("KO") << "KO" << 1 << raetsel;
        QTest::newRow("BM") << "BM" << 1 << raetsel;
        QTest::newRow("EB Tabelle") << "EB" << 3
            << QStringList{"Von      nach      kostet Gold     Stein     Unterhäuptlinge",
                           "0        1         500             50        0",
                           "1        2         3500            100       2",
                           "2        3         9500            150       3",
                           "3        4         18500           200       4",
                           "4        5         30500           250       5",
                           "5        6         45500           300       6",
                           "6        7         63500           350       7"};
        QTest::newRow("VW Grenzen 1") << "VW" << 4 << QStringList{"1. Grenze: WN 20"};
        QTest::newRow("VW Grenzen 2") << "VW" << 6 << QStringList{"2. Grenze: WN 40"};
        QTest::newRow("VW Grenzen 3") << "VW" << 8 << QStringList{"3. Grenze: WN 60"};
        QTest::newRow("VW Grenzen 4") << "VW" << 10 << QStringList{"4. Grenze: WN 80"};
        QTest::newRow("IN Optionen") << "IN" << 2
            << QStringList{"Der Parameter a kann folgende Werte annehmen:", "1: Audienz bei der Koenigin",
                           "2: Schaendung der Koenigin", "3: Einbruch in das Haus des Brieftraegers"};
        QTest::newRow("IN 6") << "IN" << 8 << QStringList{"6: Tormeven abbrennen"};
        QTest::newRow("ZV Beispiel") << "ZV" << 6
            << QStringList{"Der Befehl ZV 48 ist dann gleichwertig mit dem Befehl VS 48, 3450, 174, 180, 300"};
        QTest::newRow("XP Codes") << "XP" << 2
            << (QStringList{"Codierung:", "0 - Gold"} + produkte.mid(1));
        QTest::newRow("EE Abkuerzungen") << "EE" << 2
            << QStringList{"Abkürzungen:", "BIBL - Bibliothek", "UNI - Universität", "HEX - Hexenküche",
                           "TURM - Magierturm", "GILD - Handelsgilde", "AREN - Arena", "ARS - Arsenal",
                           "MISS - Mission", "NAD - Nadelturm", "KRK - Krankenhaus",
                           "KON - Konservenfabrik", "TAV - Taverne", "KAS - Kaserne", "GRU - Gubgrube",
                           "PFE - Sklavenpferch", "Beispiel: EE BIBL AREN AREN KON"};
        QTest::newRow("RP Arten") << "RP" << 2
            << QStringList{"1 - Holz (10 Bauern, 200 Gold)", "2 - Stein (10 Sklaven, 100 Gold)",
                           "3 - Eisen (10 Bauern, 20 Sklaven, 300 Gold)",
                           "4 - Salz (5 Bauern, 5 Sklaven, 400 Gold)",
                           "5 - Diamant (10 Bauern, 50 Sklaven, 1500 Gold)",
                           "8 - Schnaps (20 Bauern, 10 Sklaven, 600 Gold",
                           "9 - Schwefel (30 Bauern, 30 Sklaven, 500 Gold)"};
        QTest::newRow("DZ Werte") << "DZ" << 2
            << QStringList{"b = 0 : Es passiert nichts.", "b = 1 : Durchziehende Heere werden überfallen.",
                           "b = 2 : Durchziehenden Heeren wird pro Soldat 1 Goldohr abgenommen.",
                           "b = 3 : Durchziehenden Heeren werden die Nachschubkosten aus dem eigenen Goldschatz erstattet."};
        QTest::newRow("HD Status") << "HD" << 8
            << QStringList{"       Status 0 - Der Held hilft nicht.",
                           "       Status 1 - Der Held hilft beim Verteidigen.",
                           "       Status 2 - Der Held hilft beim Angreifen."};
        QTest::newRow("HD Beispiele") << "HD" << 21
            << QStringList{"HD 3 Duell 128 Fluchtgrenze 5 Heereshilfe 2", "HD 3 D 128 F 5 H 2",
                           "HD 3 Düsentrieb 128 Fahrrad 5 Hyggelig 2"};
        QTest::newRow("HD viertes Beispiel") << "HD" << 25 << QStringList{"HD 3 E 135 A 17 XA 1 XV 1"};
        QTest::newRow("TE Formel") << "TE" << 5
            << QStringList{"Neuglaube = Altglaube+Wurzel((Einsatz-Bisherspende)/100)+1"};
        const QString heer1 = QStringLiteral(
            " mit dem Heer aus burg. Stelle vert Verteidiger ab und gebe söld für Söldner aus. Das Heer "
            "soll sich aus burg nach weg1, dann nach weg2, usw. bis ziel bewegen.");
        const QStringList heer23{
            "Es dürfen nur insgesamt 5 Heeresbefehle gegeben werden! Also nicht fünf BU- und 5 BV- und 5 "
            "RG-Befehle usw., sondern zusammengenommen fünf Befehle, die BU-, BV- usw. Befehle sein können.",
            "Außerdem muß jeder Heeresbefehl für eine andere Burg gegeben werden."};
        QTest::newRow("RG") << "RG" << 1 << (QStringList{"Goldraubzug" + heer1} + heer23);
        QTest::newRow("RS") << "RS" << 1 << (QStringList{"Sklavenraubzug" + heer1} + heer23);
        QTest::newRow("BU") << "BU" << 1 << (QStringList{"Unterjochungsfeldzug" + heer1} + heer23);
        QTest::newRow("BV") << "BV" << 1 << (QStringList{"Vertreibungsfeldzug" + heer1} + heer23);
        QTest::newRow("UN") << "UN" << 1 << (QStringList{"Unterstützungsfeldzug" + heer1} + heer23);
        QTest::newRow("PW Codes") << "PW" << 2 << produkte;
        QTest::newRow("PW Beispiel") << "PW" << 13 << QStringList{"Beispiel: PW 4, 7, 8, 9, 10"};
        QTest::newRow("KW Beispiel") << "KW" << 3 << QStringList{"Beispiel: KW 58, 1000, 0 aus 33."};
        QTest::newRow("KA Beispiel") << "KA" << 6
            << QStringList{"KA 34, 56, 78 - Schicke Karawanen nach 34, 56 und 78, jeweils mit 1000 Goldohren und 0 Wachen."};
        QTest::newRow("HW Kosten") << "HW" << 2
            << QStringList{"Vorhandene Helden 0 - Kosten 1000", "Vorhandene Helden 1 - Kosten 2000",
                           "Vorhandene Helden 2 - Kosten 4000", "Vorhandene Helden 3 - Kosten 8000",
                           "Vorhandene Helden 4 - Kosten 16000", "Vorhandene Helden 5 - Kosten 32000",
                           "Vorhandene Helden 6 - Kosten 64000"};
        QTest::newRow("HT Schluessel") << "HT" << 2
            << QStringList{"Kupfer   20 Eisen, 10 Schwefel", "Silber   5 Expensium, 1 Glibber, 3 Helden",
                           "Gold   20 Expensium, 10 Glibber, 3 Helden, davon einer in Level 8"};
        QTest::newRow("WZ Zutaten") << "WZ" << 3
            << QStringList{"Alaun (1), Barbarenblut (2), Centaurenlymphe (3), Drothur-Wein (4), Eselsmilch (5), Feenflügelpulver (6)."};
        QTest::newRow("VG") << "VG" << 6 << QStringList{"Ihr habt einen neuen Befehl entdeckt: VG"};
        QTest::newRow("MA Beispiel") << "MA" << 5
            << QStringList{"Beispiel: 'MA S 4 1 3 2 7 G 1 1 1 1 1 N 5 1 1 1 1'"};
        QTest::newRow("MA Vorgabe") << "MA" << 13 << QStringList{"MA S 1 1 1 1 1 G 1 1 1 1 1 N 1 1 1 1 1"};
    }

    void zitierteZeilen()
    {
        QFETCH(QString, code);
        QFETCH(int, ab);
        QFETCH(QStringList, zeilen);
        for (int i = 0; i < zeilen.size(); ++i)
            QCOMPARE(zeile(qPrintable(code), ab + i), zeilen.at(i));
    }

    void heldenbefehl()
    {
        // The sub-orders, then one empty line, then the rules.
        const Befehl *hd = finde(QStringLiteral("HD"));
        QVERIFY(hd);
        const QStringList &z = hd->zeilen;
        const qsizetype leer = z.indexOf(QString());
        QVERIFY(leer > 0);
        QCOMPARE(z.lastIndexOf(QString()), leer);
        QVERIFY(z.at(leer - 1).startsWith(QStringLiteral("-XM <Punktzahl>  ")));
        const QStringList unterbefehle{"-Duell <Zielort>  ", "-Erkundung <Zielort>  ",
                                       "-Anlegen <Schatznummer>  ", "-Heereshilfe <Status>  ",
                                       "-Spionage <Zielort>  ", "-Fluchtgrenze <Fluchtpunktzahl>  ",
                                       "-Plazierung <Neue Platznummer>  ", "-XA <Punktzahl>  ",
                                       "-XV <Punktzahl>  ", "-XM <Punktzahl>  "};
        QStringList gefunden;
        for (qsizetype i = 0; i < leer; ++i)
            if (z.at(i).startsWith(QLatin1Char('-')))
                gefunden << z.at(i).left(z.at(i).indexOf(QStringLiteral("  ")) + 2);
        QCOMPARE(gefunden, unterbefehle);
    }

    void findeNachCode()
    {
        const Befehl *vk = finde(QStringLiteral("VK"));
        QVERIFY(vk);
        QCOMPARE(vk->syntax, QStringLiteral("VK a, b [5*]"));
        QCOMPARE(vk, &katalog().at(10));
        const Befehl *kf = finde(QStringLiteral("KF"));
        QVERIFY(kf);
        QCOMPARE(kf, &katalog().at(97));
        // Exact two capitals only: other case, blanks or whole lines are not codes.
        QVERIFY(!finde(QStringLiteral("vk")));
        QVERIFY(!finde(QStringLiteral("VK ")));
        QVERIFY(!finde(QStringLiteral(" VK")));
        QVERIFY(!finde(QStringLiteral("VK a, b [5*]")));
        QVERIFY(!finde(QStringLiteral("XY")));
        QVERIFY(!finde(QString()));
    }
};

QTEST_MAIN(TstKatalog)
#include "tst_katalog.moc"
