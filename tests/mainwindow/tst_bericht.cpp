// The main window's plain logic: the report's scan, split, repair and sections; the orders file.
#include "mainwindow/befehlsdatei.h"
#include "mainwindow/report.h"
#include "platform/codepage.h"
#include "testmain.h"

#include <QtTest>

using namespace befehlsdatei;
using Kind = report::SectionFind::Kind;

namespace {
const QString kSeite = QStringLiteral("https://befehlswart.example.org/");
const QString kMail = QStringLiteral("befehlswart@example.org");
const QByteArray kKopf(";\xAE" "Diese Befehlsdatei wurde mit 'Befehlswart' erstellt. Mehr Infos auf "
                       "https://befehlswart.example.org/ oder per EMail: befehlswart@example.org\r\n");
QByteArray text(int n)
{
    return QByteArray("abcdefghijklmnopqrstuvwxyz").repeated(n / 26 + 1).left(n);
}
// An orders file fed byte by byte, as the orders load feeds it.
QByteArray lesen(const QByteArray &datei)
{
    Leser leser;
    QByteArray text;
    for (const char c : datei)
        leser.lies(uchar(c), text);
    leser.ende(text);
    return text;
}
} // namespace

class TstBericht : public QObject {
    Q_OBJECT
private slots:
    void headScan_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<QByteArray>("kopf"); // empty: no head line completed
        QTest::addColumn<QByteArray>("gezeigt");
        QTest::addColumn<int>("zeichensatz");
        QTest::newRow("erste zeile") << QByteArray("#BEF 12 34 5\r\nRest\r\n") << QByteArray("#BEF 12 34 5\r\n") << QByteArray("#BEF 12 34 5\r") << 0;
        QTest::newRow("nur lf") << QByteArray("Kopf\nmehr #BEF 1 2 3 >g>\nRest\n") << QByteArray("#BEF 1 2 3 >g>\r\n") << QByteArray("Kopf\nmehr #BEF 1 2 3 >g>") << 0;
        QTest::newRow("zwei semikolons") << QByteArray(";;x") << QByteArray() << QByteArray(";;x") << 0;
        QTest::newRow("semikolon im versteckten") << QByteArray(";\xAE" "a;b\nCD 1\n") << QByteArray() << QByteArray("CD 1\n") << 0;
        QTest::newRow("semikolon vor lf versteckt") << QByteArray(";\xAE" "x;\nY") << QByteArray() << QByteArray("Y") << 0;
        QTest::newRow("chr28") << QByteArray("\x1C" "abc") << QByteArray() << QByteArray("c") << 0;
        QTest::newRow("; am ende verloren") << QByteArray("ab;") << QByteArray() << QByteArray("ab") << 0;
        QTest::newRow("chr28 im kopf") << QByteArray("#BE\x1C" "XYF 1\r\n") << QByteArray("#BEF 1\r\n") << QByteArray("#BEF 1\r") << 0;
        QTest::newRow("# versteckt: kopf") << QByteArray("x;\xAE" "#geheim\nmehr\n#BEF 1 2 3\n") << QByteArray("#geheim\r\n") << QByteArray("x") << 0;
        QTest::newRow("# ohne zeilenende") << QByteArray("Text\r\n#BEF 1 2 3") << QByteArray() << QByteArray("Text\r\n#BEF 1 2 3") << 0;
        QTest::newRow("oem ß") << QByteArray("\xE1") << QByteArray() << QByteArray("\xE1") << 2;
        QTest::newRow("ö dann oem ä") << QByteArray("\xF6\x84") << QByteArray() << QByteArray("\xF6\x84") << 2;
        QTest::newRow("oem ä dann ß") << QByteArray("\x84\xDF") << QByteArray() << QByteArray("\x84\xDF") << 2;
        QTest::newRow("oem ß dann ü") << QByteArray("\xE1\xFC") << QByteArray() << QByteArray("\xE1\xFC") << 1;
        QTest::newRow("ß dann oem ß") << QByteArray("\xDF\xE1") << QByteArray() << QByteArray("\xDF\xE1") << 1;
    }
    void headScan()
    {
        QFETCH(QByteArray, daten);
        QFETCH(QByteArray, kopf);
        QFETCH(QByteArray, gezeigt);
        QFETCH(int, zeichensatz);
        report::HeadScan s;
        const bool fertig = std::any_of(daten.cbegin(), daten.cend(), [&s](char c) {
            return s.feed(static_cast<unsigned char>(c)) == report::HeadScan::Step::HeadComplete;
        });
        QCOMPARE(fertig ? s.headLine() : QByteArray(), kopf);
        QCOMPARE(s.shown(), gezeigt);
        QCOMPARE(s.charset(), zeichensatz);
    }

    void splitLengths_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("zuViel");
        QTest::addColumn<int>("first");
        for (auto [n, z, first] : {std::tuple{30000, 0, 30000}, {30001, 1, 15100}, {30003, 1, 15102}, {59801, 1, 30000},
                                   {59802, 1, 30001}, {60000, 1, 30100}, {60001, 2, 15150}, {120000, 2, 30150}})
            QTest::addRow("%d", n) << n << z << first;
    }
    void splitLengths()
    {
        QFETCH(int, n);
        QFETCH(int, zuViel);
        QFETCH(int, first);
        report::Parts p;
        report::split(text(n), 100, p);
        QCOMPARE(p.zuViel, zuViel);
        if (zuViel == 0)
            return;
        QCOMPARE((zuViel == 1 ? p.L : p.LL).size(), first);
        QVERIFY(text(n).startsWith(p.L) && text(n).endsWith(p.R));
        QVERIFY2(qAbs(2 * p.L.size() - n - 200) <= 1, "the halves overlap by 199 to 201");
        if (zuViel == 2) {
            QCOMPARE(p.LL + p.LR.mid(2 * p.LL.size() - p.L.size()), p.L);
            QVERIFY(p.R.endsWith(p.RR) && p.R.startsWith(p.RL));
        }
    }

    void repair_data()
    {
        QTest::addColumn<QByteArray>("vorher");
        QTest::addColumn<QByteArray>("nachher");
        QTest::addColumn<bool>("eigenerTest"); // ended by its own test, not by a missing LF
        QTest::newRow("lf allein") << QByteArray("\r\neins\nzwei\n\ndrei") << QByteArray("\r\neins\r\nzwei\r\n\r\ndrei") << false;
        QTest::newRow("schon richtig") << QByteArray("\r\nschon\r\nrichtig") << QByteArray("\r\nschon\r\nrichtig") << false;
        QTest::newRow("endet mit lf") << QByteArray("a\n") << QByteArray("a\r\n") << true;
        QTest::newRow("ohne lf") << QByteArray("ohne") << QByteArray("ohne") << false;
        QTest::newRow("lf an stelle 1 endet") << QByteArray("\nab\ncd") << QByteArray("\nab\ncd") << false;
    }
    void repair()
    {
        QFETCH(QByteArray, vorher);
        QFETCH(QByteArray, nachher);
        QFETCH(bool, eigenerTest);
        report::LineEndRepair r(vorher);
        bool eigen = false;
        while (r.step() != report::LineEndRepair::Step::NoMoreLineFeed) {
            // After each step the position names the LF just handled, the length the text as it stands.
            QCOMPARE(r.result().mid(r.position() - 2, 2), QByteArray("\r\n"));
            QCOMPARE(r.length(), r.result().size());
            if ((eigen = !r.more()))
                break;
        }
        QCOMPARE(r.result(), nachher);
        QCOMPARE(eigen, eigenerTest);
    }

    void sections_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("eintrag");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("auswahl");
        auto row = [](const char *name, const QString &t, int e, Kind k, const QString &a) {
            QTest::newRow(name) << t << e << int(k) << a;
        };
        row("leer", QString(), 0, Kind::Empty, QString());
        row("fehlt", QStringLiteral("nichts"), 0, Kind::NotFound, QString());
        row("Bev.-gr. vor 28", QStringLiteral("Bev.-gr. 1000"), 0, Kind::NotFound, QString());
        row("gross geschrieben", QStringLiteral("xx HELDEN: Ragnar\r\nMonster: keine\r\n-Landstriche-"), 5, Kind::Found, QStringLiteral("HELDEN: Ragnar\r\n"));
        row("naechstes ende", QStringLiteral("..-Kontore- A\r\nMonster da\r\nHelden: b"), 4, Kind::Found, QStringLiteral(".-Kontore- A\r\n"));
        row("gold", QStringLiteral("Nach den automatischen Abbuchungen: 1234 Goldohren. Rest"), 1, Kind::Found, QStringLiteral("1234 Goldohren. "));
        row("produkte", QStringLiteral("x\r\n-Produkte- Holz 3\r\nGold: 5"), 3, Kind::Found, QStringLiteral("\n-Produkte- Holz 3\r\n"));
        row("ohne ende", QStringLiteral("abc Eure Zaubersprueche: Feuer"), 2, Kind::NoEnd, QStringLiteral("Eure Zaubersprueche:"));
        row("versatz -1 an 1", QStringLiteral("Helden: a Monster"), 5, Kind::Found, QStringLiteral("Helden: a "));
        row("ende am start: leer", QStringLiteral("Erzmagier") + QString(20, QLatin1Char('x')) + QStringLiteral("Bev.-gr. 5"), 0, Kind::Found, QString());
        row("ueber 16 bit", QString(40000, QLatin1Char('x')) + QStringLiteral("-Statistik- 1\r\nKarte des Spiels"), 7, Kind::Found, QStringLiteral("x-Statistik- 1\r\n"));
    }
    void sections()
    {
        QFETCH(QString, text);
        QFETCH(int, eintrag);
        QFETCH(int, art);
        QFETCH(QString, auswahl);
        QCOMPARE(report::sections().size(), 8);
        const report::SectionFind f = report::findSection(text, report::sections().at(eintrag));
        QCOMPARE(int(f.kind), art);
        // The selection lies inside the text, so its length shows in the compare.
        if (f.kind == Kind::Found || f.kind == Kind::NoEnd)
            QCOMPARE(text.mid(f.start, f.length), auswahl);
    }

    void writeReadAndCount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("zaehlung");
        QTest::addColumn<QByteArray>("nachKopf");
        QTest::newRow("umlaute") << QStringLiteral("#BEF 1 2 3 >Grün>\r\n;Späher ß\r\nCD Ödland") << QStringLiteral("1 Befehl")
                                 << QByteArray("#BEF 1 2 3 >Gr\xFCn>\r\n;Sp\xE4her \xDF\r\nCD \xD6" "dland\r\n");
        QTest::newRow("euro und 0xAE") << QStringLiteral("X € ®") << QString() << QByteArray("X \x80 \xAE\r\n");
        // Plain ASCII is written as it stands, with a line end after it.
        auto ascii = [](const char *name, const char *text, const char *zaehlung) {
            QTest::newRow(name) << QString::fromLatin1(text) << QString::fromLatin1(zaehlung) << QByteArray(text) + "\r\n";
        };
        ascii("leer", "", "");
        ascii("kommentar, leerzeile", "AB 1\r\n;K\r\n\r\nCD 2", "2 Befehle");
        ascii("semikolon im befehl", "AB 1;2;3\r\nCD 4", "2 Befehle");
        ascii("zwei semikolons", ";;doppelt\r\nAB;;1\r\n;;", "1 Befehl");
        ascii("semikolon am ende", "AB 1\r\n;", "1 Befehl");
        ascii("endet mit crlf", "AB\r\nCD\r\nef\r\n#X\r\n", "3 Befehle");
        ascii("einzelnes lf bleibt", "AB\n1\r\nCD", "2 Befehle");
        ascii("lf ohne crlf zaehlt nicht", "AB 1\nCD 2", "");
        // A line break at the very start is not seen.
        ascii("crlf am anfang", "\r\nAB 1\r\n", "0 Befehle");
        ascii("crlf am anfang ohne ende", "\r\nAB 1", "0 Befehle");
    }
    void writeReadAndCount()
    {
        QFETCH(QString, text);
        QFETCH(QString, zaehlung);
        QFETCH(QByteArray, nachKopf);
        const QByteArray datei = inhalt(text, kSeite, kMail);
        QCOMPARE(datei, kKopf + nachKopf);
        // The header vanishes on reading; the line end written after the text comes back, once a round.
        const QString zurueck = codepage::decode(lesen(datei));
        QCOMPARE(zurueck, text + QStringLiteral("\r\n"));
        QCOMPARE(codepage::decode(lesen(inhalt(zurueck, kSeite, kMail))), text + QStringLiteral("\r\n\r\n"));
        QCOMPARE(zaehlText(text), zaehlung);
    }

    void hiddenStretches_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("mitten in der zeile") << QByteArray("AB 1 ;\xAErest\r\nCD 2\r\n") << QByteArray("AB 1 CD 2\r\n");
        QTest::newRow("am dateiende") << QByteArray("AB 1\r\n;\xAE" "ende") << QByteArray("AB 1\r\n");
        QTest::newRow("nur lf endet") << QByteArray(";\xAEweg\nAB") << QByteArray("AB");
        QTest::newRow("doppeltes semikolon davor") << QByteArray("A;;\xAEweg\r\nB") << QByteArray("A;B");
        QTest::newRow("semikolon im versteckten") << QByteArray(";\xAE" "a;b\r\nCD 1") << QByteArray("CD 1");
        QTest::newRow("semikolon am ende des versteckten") << QByteArray(";\xAE" "a;\r\nCD 1") << QByteArray("CD 1");
    }

    void hiddenStretches()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QByteArray, text);
        QCOMPARE(lesen(datei), text);
    }
};

BW_TEST_MAIN(TstBericht)
#include "tst_bericht.moc"
