// The map file codec against a file laid out by hand (karte_3x2.py) and
// against bytes built here from the record layout.
#include "map/kartendatei.h"

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
    FeldDaten f;
    f.FeldNummer = nr;
    f.SpielerNummer = spieler;
    f.GubHortFlag = hort;
    f.FeldName = fest(name);
    f.Terrain = terrain;
    f.Besonderheiten = bes;
    f.BurgArt = burg;
    f.Burgklasse = klasse;
    f.Besitzer = besitzer;
    f.SpielerName = fest(sname);
    f.SpielerRang = rang;
    f.OberHerr = ober;
    f.EchtBit = echt;
    f.Erzmagier = erz;
    f.Drufelbatze = drufel;
    return f;
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

// Record 0 as a fresh program holds it: zeros, names of 30 zero characters.
FeldDaten leererKopf() { return FeldDaten(); }

void kopfUndFelderSetzen(const QList<FeldDaten> &felder, int w, int h)
{
    Felder.FelderWerteInitialisieren();
    Felder[0] = leererKopf();
    for (int i = 0; i < felder.size(); ++i)
        Felder[i + 1] = felder[i];
    kartendatei::kopfSetzen(Felder[0], w, h, 5000.0, 5000.0);
}

qint16 i16(const QByteArray &b, int o) { return qFromLittleEndian<qint16>(b.constData() + o); }

} // namespace

class TestKartendatei : public QObject {
    Q_OBJECT
private slots:
    void beispielLesen();
    void beispielSchreiben();
    void besitzerVerschiebt_data();
    void besitzerVerschiebt();
    void kopfRundet();
    void ueberLaengererDatei();
    void fuellerWirdNichtGelesen();
    void kaputt_data();
    void kaputt();
    void vorDemSpeichern_data();
    void vorDemSpeichern();
};

void TestKartendatei::beispielLesen()
{
    const QByteArray datei = beispiel();
    QCOMPARE(datei.size(), 1232);
    QString fehler;
    const auto k = kartendatei::lies(datei, &fehler);
    QVERIFY2(k, qPrintable(fehler));
    QCOMPARE(k->spalten, 3);
    QCOMPARE(k->zeilen, 2);
    QCOMPARE(k->feldBreite, 5000);
    QCOMPARE(k->feldHoehe, 5000);
    QCOMPARE(k->kopf.Besitzer, QStringLiteral("3"));
    QCOMPARE(k->kopf.FeldName, QString(30, QChar(0)));
    const QList<FeldDaten> hand = handFelder();
    QCOMPARE(int(k->felder.size()), 6);
    for (int i = 0; i < 6; ++i) {
        QVERIFY2(k->felder[i] == hand[i], qPrintable(QStringLiteral("Feld %1").arg(i + 1)));
    }
}

void TestKartendatei::beispielSchreiben()
{
    kopfUndFelderSetzen(handFelder(), 3, 2);
    const QByteArray b = kartendatei::schreiben(Felder, 3, 2);
    QCOMPARE(b.size(), 7 * 176);
    QCOMPARE(b, beispiel());
}

void TestKartendatei::besitzerVerschiebt_data()
{
    QTest::addColumn<QString>("besitzer");
    QTest::addColumn<int>("namensOrt");
    QTest::newRow("leer") << QString() << 46;
    QTest::newRow("12") << QStringLiteral("12") << 48;
    QTest::newRow("90 Zeichen") << QString(90, QLatin1Char('7')) << 136;
}

void TestKartendatei::besitzerVerschiebt()
{
    QFETCH(QString, besitzer);
    QFETCH(int, namensOrt);
    FeldDaten f = feld(9, 0, 0, QString(), 0, 0, 0, 0, besitzer, QStringLiteral("Kurt"), 20, 7, 2, 1, 1);
    const QByteArray b = kartendatei::satz(f);
    QCOMPARE(b.size(), 176);
    QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 44), quint16(besitzer.size()));
    QCOMPARE(b.mid(46, besitzer.size()), besitzer.toLatin1());
    QCOMPARE(b.mid(namensOrt, 30), fest(QStringLiteral("Kurt")).toLatin1());
    QCOMPARE(i16(b, namensOrt + 30), 20);
    QCOMPARE(i16(b, namensOrt + 32), 7);
    QCOMPARE(i16(b, namensOrt + 34), 2);
    QCOMPARE(i16(b, namensOrt + 36), 1);
    QCOMPARE(i16(b, namensOrt + 38), 1);
    QCOMPARE(b.mid(namensOrt + 40), QByteArray(176 - namensOrt - 40, '\0'));
}

void TestKartendatei::kopfRundet()
{
    FeldDaten kopf;
    kartendatei::kopfSetzen(kopf, 40, 25, 5000.5, 5001.5);
    QCOMPARE(kopf.Besitzer, QStringLiteral("40"));
    QCOMPARE(kopf.Besonderheiten, 25);
    QCOMPARE(kopf.Burgklasse, 5000);
    QCOMPARE(kopf.BurgArt, 5002);
}

void TestKartendatei::ueberLaengererDatei()
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

void TestKartendatei::fuellerWirdNichtGelesen()
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

void TestKartendatei::kaputt_data()
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

void TestKartendatei::kaputt()
{
    QFETCH(QByteArray, datei);
    QFETCH(QString, grund);
    QString fehler;
    QVERIFY(!kartendatei::lies(datei, &fehler));
    QVERIFY2(fehler.contains(grund), qPrintable(fehler));
}

void TestKartendatei::vorDemSpeichern_data()
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

void TestKartendatei::vorDemSpeichern()
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

QTEST_GUILESS_MAIN(TestKartendatei)
#include "tst_kartendatei.moc"
