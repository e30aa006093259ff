// The main window's plain logic: the report's head scan, split, line-end
// repair and section finders; the orders file's header, written bytes,
// reading rule and counting.
#include "mainwindow/befehlsdatei.h"
#include "mainwindow/report.h"
#include "platform/codepage.h"
#include "testmain.h"

#include <QtTest>

using namespace befehlsdatei;
using report::HeadScan;
using Kind = report::SectionFind::Kind;

namespace {
const QString kSeite = QStringLiteral("https://befehlswart.example.org/");
const QString kMail = QStringLiteral("befehlswart@example.org");
QByteArray text(int n)
{
    QByteArray t;
    for (int i = 0; i < n; ++i)
        t.append(char('a' + i % 26));
    return t;
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
        QTest::newRow("versteckte zeile") << QByteArray(";\xAE" "abc\nd") << QByteArray() << QByteArray("d") << 0;
        QTest::newRow("semikolon im versteckten") << QByteArray(";\xAE" "a;b\nCD 1\n") << QByteArray() << QByteArray("CD 1\n") << 0;
        QTest::newRow("semikolon vor lf versteckt") << QByteArray(";\xAE" "x;\nY") << QByteArray() << QByteArray("Y") << 0;
        QTest::newRow("chr28") << QByteArray("\x1C" "abc") << QByteArray() << QByteArray("c") << 0;
        // A ';' as the very last character is held back and lost.
        QTest::newRow("semikolon am ende") << QByteArray("ab;") << QByteArray() << QByteArray("ab") << 0;
        QTest::newRow("chr28 im kopf") << QByteArray("#BE\x1C" "XYF 1\r\n") << QByteArray("#BEF 1\r\n") << QByteArray("#BEF 1\r") << 0;
        // A '#' inside a hidden line starts the head line too.
        QTest::newRow("# versteckt") << QByteArray("x;\xAE" "#geheim\nmehr\n#BEF 1 2 3\n") << QByteArray("#geheim\r\n") << QByteArray("x") << 0;
        QTest::newRow("# ohne zeilenende") << QByteArray("Text\r\n#BEF 1 2 3") << QByteArray() << QByteArray("Text\r\n#BEF 1 2 3") << 0;
        QTest::newRow("windows ß") << QByteArray("\xDF") << QByteArray() << QByteArray("\xDF") << 1;
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
        HeadScan s;
        bool fertig = false;
        for (char c : daten)
            if ((fertig = s.feed(static_cast<unsigned char>(c)) == HeadScan::Step::HeadComplete))
                break;
        QCOMPARE(fertig, !kopf.isEmpty());
        if (fertig)
            QCOMPARE(s.headLine(), kopf);
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
        const QByteArray t = text(n);
        report::Parts p;
        report::split(t, 100, p);
        QCOMPARE(p.zuViel, zuViel);
        if (zuViel == 0)
            return;
        QCOMPARE((zuViel == 1 ? p.L : p.LL).size(), first);
        QVERIFY(t.startsWith(p.L) && t.endsWith(p.R));
        const qsizetype overlap = 2 * p.L.size() - n;
        QVERIFY(overlap >= 199 && overlap <= 201);
        if (zuViel == 2) {
            QCOMPARE(p.LL + p.LR.mid(2 * p.LL.size() - p.L.size()), p.L);
            QVERIFY(p.R.endsWith(p.RR) && p.R.startsWith(p.RL));
        }
    }

    void splitKeepsUnusedParts()
    {
        report::Parts p;
        report::split(text(70000), 100, p);
        const QByteArray ll = p.LL;
        report::split(text(40000), 100, p);
        QCOMPARE(p.zuViel, 1);
        QCOMPARE(p.LL, ll);
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
        // An LF at position 1 ends the scan at once.
        QTest::newRow("lf am anfang") << QByteArray("\nab\ncd") << QByteArray("\nab\ncd") << false;
    }
    void repair()
    {
        QFETCH(QByteArray, vorher);
        QFETCH(QByteArray, nachher);
        QFETCH(bool, eigenerTest);
        report::LineEndRepair r(vorher);
        bool eigen = false;
        while (r.step() != report::LineEndRepair::Step::NoMoreLineFeed)
            if ((eigen = !r.more()))
                break;
        QCOMPARE(r.result(), nachher);
        QCOMPARE(eigen, eigenerTest);
    }

    void repairReportsItsProgress()
    {
        report::LineEndRepair r("ab\ncd\nef");
        QCOMPARE(r.step(), report::LineEndRepair::Step::Repaired);
        QCOMPARE(r.position(), 4);
        QCOMPARE(r.length(), 9);
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
        // "Bev.-gr." within its first 28 characters would start before the text.
        row("zu frueh", QStringLiteral("Bev.-gr. 1000"), 0, Kind::NotFound, QString());
        row("gross geschrieben", QStringLiteral("xx HELDEN: Ragnar\r\nMonster: keine\r\n-Landstriche-"), 5, Kind::Found, QStringLiteral("HELDEN: Ragnar\r\n"));
        // Kontore end at the nearest marker, whatever the table's order.
        row("naechstes ende", QStringLiteral("..-Kontore- A\r\nMonster da\r\nHelden: b"), 4, Kind::Found, QStringLiteral(".-Kontore- A\r\n"));
        row("gold", QStringLiteral("Nach den automatischen Abbuchungen: 1234 Goldohren. Rest"), 1, Kind::Found, QStringLiteral("1234 Goldohren. "));
        row("produkte", QStringLiteral("x\r\n-Produkte- Holz 3\r\nGold: 5"), 3, Kind::Found, QStringLiteral("\n-Produkte- Holz 3\r\n"));
        row("ohne ende", QStringLiteral("abc Eure Zaubersprueche: Feuer"), 2, Kind::NoEnd, QStringLiteral("Eure Zaubersprueche:"));
        // A heading at position 1 with offset -1 starts at 0 and still finds its end.
        row("start 0", QStringLiteral("Helden: a Monster"), 5, Kind::Found, QStringLiteral("Helden: a "));
        // An end marker right at the start gives an empty selection, not a negative one.
        row("ende am start", QStringLiteral("Erzmagier") + QString(20, QLatin1Char('x')) + QStringLiteral("Bev.-gr. 5"), 0, Kind::Found, QString());
        // Positions beyond 16 bits work.
        row("lang", QString(40000, QLatin1Char('x')) + QStringLiteral("-Statistik- 1\r\nKarte des Spiels"), 7, Kind::Found, QStringLiteral("x-Statistik- 1\r\n"));
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
        if (f.kind == Kind::Found || f.kind == Kind::NoEnd) {
            QCOMPARE(text.mid(f.start, f.length), auswahl);
            QCOMPARE(f.length, auswahl.size());
        }
    }

    // ---- the orders file
    void headerLineByteForByte()
    {
        const QByteArray erwartet = QByteArray(";\xAE") + "Diese Befehlsdatei wurde mit 'Befehlswart' erstellt. Mehr Infos auf "
                                    "https://befehlswart.example.org/ oder per EMail: befehlswart@example.org\r\n";
        QCOMPARE(kopfzeile(kSeite, kMail), erwartet);
        // The header vanishes again on reading, whatever it holds.
        QCOMPARE(lesen(kopfzeile(kSeite, kMail)), QByteArray());
    }

    void writtenBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("nachKopf");
        QTest::newRow("leer") << QString() << QByteArray("\r\n");
        QTest::newRow("umlaute") << QStringLiteral("#BEF 1 2 3 >Grün>\r\n;Späher ß") << QByteArray("#BEF 1 2 3 >Gr\xFCn>\r\n;Sp\xE4her \xDF\r\n");
        QTest::newRow("euro und 0xAE") << QStringLiteral("X € ®") << QByteArray("X \x80 \xAE\r\n");
    }

    void writtenBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, nachKopf);
        QCOMPARE(inhalt(text, kSeite, kMail), kopfzeile(kSeite, kMail) + nachKopf);
    }

    void saveThenLoad_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("leer") << QString();
        QTest::newRow("befehle") << QStringLiteral("#BEF 42 17 7 >Grün>\r\nAB 1 2\r\nCD Ödland");
        QTest::newRow("kommentar am anfang") << QStringLiteral(";Kommentar\r\nAB 1");
        QTest::newRow("kommentar in der mitte") << QStringLiteral("AB 1\r\n;Kommentar\r\nCD 2");
        QTest::newRow("semikolon im befehl") << QStringLiteral("AB 1;2;3\r\nCD 4");
        QTest::newRow("zwei semikolons") << QStringLiteral(";;doppelt\r\nAB;;1\r\n;;");
        QTest::newRow("semikolon am ende") << QStringLiteral("AB 1\r\n;");
        QTest::newRow("endet mit crlf") << QStringLiteral("AB 1\r\n");
        QTest::newRow("einzelnes lf bleibt") << QStringLiteral("AB\n1\r\nCD");
    }

    void saveThenLoad()
    {
        QFETCH(QString, text);
        const QByteArray datei = inhalt(text, kSeite, kMail);
        const QString zurueck = codepage::decode(lesen(datei));
        // The line end written after the text comes back with it.
        QCOMPARE(zurueck, text + QStringLiteral("\r\n"));
        // Each further round adds one more.
        QCOMPARE(codepage::decode(lesen(inhalt(zurueck, kSeite, kMail))), text + QStringLiteral("\r\n\r\n"));
    }

    void hiddenStretches_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("zeile am anfang") << QByteArray(";\xAEversteckt\r\nAB 1\r\n") << QByteArray("AB 1\r\n");
        QTest::newRow("zeile in der mitte") << QByteArray("AB 1\r\n;\xAEweg\r\nCD 2\r\n") << QByteArray("AB 1\r\nCD 2\r\n");
        QTest::newRow("mitten in der zeile") << QByteArray("AB 1 ;\xAErest\r\nCD 2\r\n") << QByteArray("AB 1 CD 2\r\n");
        QTest::newRow("am dateiende") << QByteArray("AB 1\r\n;\xAE" "ende") << QByteArray("AB 1\r\n");
        QTest::newRow("nur lf endet") << QByteArray(";\xAEweg\nAB") << QByteArray("AB");
        QTest::newRow("0xAE allein bleibt") << QByteArray("A\xAE;B") << QByteArray("A\xAE;B");
        QTest::newRow("doppeltes semikolon davor") << QByteArray("A;;\xAEweg\r\nB") << QByteArray("A;B");
        QTest::newRow("semikolon im versteckten") << QByteArray(";\xAE" "a;b\r\nCD 1") << QByteArray("CD 1");
        QTest::newRow("semikolon am ende des versteckten") << QByteArray(";\xAE" "a;\r\nCD 1") << QByteArray("CD 1");
        QTest::newRow("semikolon vor dem lf") << QByteArray("AB;\r\nCD") << QByteArray("AB;\r\nCD");
    }

    void hiddenStretches()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QByteArray, text);
        QCOMPARE(lesen(datei), text);
    }

    void counting_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("label");
        QTest::newRow("fuenf zeilen") << QStringLiteral("#BEF 1 2 3\r\nAB 1\r\n;Kommentar\r\n\r\nCD 2") << QStringLiteral("2 Befehle");
        QTest::newRow("ein befehl") << QStringLiteral("#BEF 1 2 3\r\nAB 1\r\n") << QStringLiteral("1 Befehl");
        QTest::newRow("crlf am anfang") << QStringLiteral("\r\nAB 1\r\n") << QStringLiteral("0 Befehle");
        QTest::newRow("crlf am anfang ohne ende") << QStringLiteral("\r\nAB 1") << QStringLiteral("0 Befehle");
        QTest::newRow("eine zeile") << QStringLiteral("AB 1") << QString();
        QTest::newRow("leer") << QString() << QString();
        QTest::newRow("einzelnes lf zaehlt nicht als umbruch") << QStringLiteral("AB 1\nCD 2") << QString();
        QTest::newRow("drei") << QStringLiteral("AB\r\nCD\r\nef\r\n#X\r\n") << QStringLiteral("3 Befehle");
    }

    void counting()
    {
        QFETCH(QString, text);
        QFETCH(QString, label);
        QCOMPARE(zaehlText(text), label);
    }
};

BW_TEST_MAIN(TstBericht)
#include "tst_bericht.moc"
