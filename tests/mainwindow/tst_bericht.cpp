// The report logic: head scan, split, line-end repair, section finders.
#include "mainwindow/report.h"

#include <QtTest>

using report::HeadScan;

namespace {
struct Scan {
    HeadScan s;
    bool complete = false;
    explicit Scan(const QByteArray &data)
    {
        for (char c : data)
            if (s.feed(static_cast<unsigned char>(c)) == HeadScan::Step::HeadComplete) {
                complete = true;
                break;
            }
    }
};
QByteArray text(int n)
{
    QByteArray t;
    t.reserve(n);
    for (int i = 0; i < n; ++i)
        t.append(char('a' + i % 26));
    return t;
}
} // namespace

class TstBericht : public QObject {
    Q_OBJECT
private slots:
    void headLineEndsInOneCrLf();
    void hiddenLinesAndControlSequences();
    void semicolonInsideHiddenLineStaysHidden();
    void charsetMarks();
    void noHeadLine();
    void splitLengths_data();
    void splitLengths();
    void splitKeepsUnusedParts();
    void repairInsertsCrBeforeLoneLf();
    void repairStopsAtLeadingLf();
    void sectionFinders();
    void sectionEdges();
};

void TstBericht::headLineEndsInOneCrLf()
{
    Scan a("#BEF 12 34 5\r\nRest\r\n");
    QVERIFY(a.complete);
    QCOMPARE(a.s.headLine(), QByteArray("#BEF 12 34 5\r\n"));
    QCOMPARE(a.s.shown(), QByteArray("#BEF 12 34 5\r"));

    Scan b("Kopf\nmehr #BEF 1 2 3 >geheim>\nRest\n");
    QVERIFY(b.complete);
    QCOMPARE(b.s.headLine(), QByteArray("#BEF 1 2 3 >geheim>\r\n"));
    QCOMPARE(b.s.shown(), QByteArray("Kopf\nmehr #BEF 1 2 3 >geheim>"));
}

void TstBericht::hiddenLinesAndControlSequences()
{
    Scan a(";;x");
    QCOMPARE(a.s.shown(), QByteArray(";;x"));
    Scan b(";\xAE" "abc\nd");
    QCOMPARE(b.s.shown(), QByteArray("d"));
    Scan c("\x1C" "abc");
    QCOMPARE(c.s.shown(), QByteArray("c"));
    // A ';' as the very last character is held back and lost.
    Scan d("ab;");
    QCOMPARE(d.s.shown(), QByteArray("ab"));
    // Chr(28) inside the head line removes itself and two more.
    Scan e("#BE\x1C" "XYF 1\r\n");
    QCOMPARE(e.s.headLine(), QByteArray("#BEF 1\r\n"));
    // A '#' inside a hidden line starts the head line too.
    Scan f("x;\xAE" "#geheim\nmehr\n#BEF 1 2 3\n");
    QVERIFY(f.complete);
    QCOMPARE(f.s.headLine(), QByteArray("#geheim\r\n"));
}

void TstBericht::semicolonInsideHiddenLineStaysHidden()
{
    Scan a(";\xAE" "a;b\nCD 1\n");
    QCOMPARE(a.s.shown(), QByteArray("CD 1\n"));
    Scan b(";\xAE" "x;\nY");
    QCOMPARE(b.s.shown(), QByteArray("Y"));
}

void TstBericht::charsetMarks()
{
    QCOMPARE(Scan("abc").s.charset(), 0);
    QCOMPARE(Scan("\xDF").s.charset(), 1);
    QCOMPARE(Scan("\xE1").s.charset(), 2);
    QCOMPARE(Scan("\xF6 und \x84").s.charset(), 2);
    QCOMPARE(Scan("\x84 und \xDF").s.charset(), 2);
    QCOMPARE(Scan("\xE1 und \xFC").s.charset(), 1);
    QCOMPARE(Scan("\xDF \xE1").s.charset(), 1);
}

void TstBericht::noHeadLine()
{
    Scan a("kein Kopf\r\n");
    QVERIFY(!a.complete);
    Scan b("Text\r\n#BEF 1 2 3");
    QVERIFY(!b.complete);
    QCOMPARE(b.s.shown(), QByteArray("Text\r\n#BEF 1 2 3"));
}

void TstBericht::splitLengths_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("zuViel");
    QTest::addColumn<int>("first");
    QTest::newRow("30000") << 30000 << 0 << 30000;
    QTest::newRow("30001") << 30001 << 1 << 15100;
    QTest::newRow("30003") << 30003 << 1 << 15102;
    QTest::newRow("59801") << 59801 << 1 << 30000;
    QTest::newRow("59802") << 59802 << 1 << 30001;
    QTest::newRow("60000") << 60000 << 1 << 30100;
    QTest::newRow("60001") << 60001 << 2 << 15150;
    QTest::newRow("120000") << 120000 << 2 << 30150;
}

void TstBericht::splitLengths()
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
    const QByteArray &shown = zuViel == 1 ? p.L : p.LL;
    QCOMPARE(shown.size(), first);
    QVERIFY(t.startsWith(p.L));
    QVERIFY(t.endsWith(p.R));
    const qsizetype overlap = 2 * p.L.size() - n;
    QVERIFY(overlap >= 199 && overlap <= 201);
    if (zuViel == 2) {
        QCOMPARE(p.LL + p.LR.mid(2 * p.LL.size() - p.L.size()), p.L);
        QVERIFY(p.R.endsWith(p.RR));
    }
}

void TstBericht::splitKeepsUnusedParts()
{
    report::Parts p;
    report::split(text(70000), 100, p);
    const QByteArray ll = p.LL;
    report::split(text(40000), 100, p);
    QCOMPARE(p.zuViel, 1);
    QCOMPARE(p.LL, ll);
    report::split(text(100), 100, p);
    QCOMPARE(p.zuViel, 0);
}

void TstBericht::repairInsertsCrBeforeLoneLf()
{
    auto repair = [](const QByteArray &t, bool *endsByOwnTest = nullptr) {
        report::LineEndRepair r(t);
        for (;;) {
            if (r.step() == report::LineEndRepair::Step::NoMoreLineFeed) {
                if (endsByOwnTest)
                    *endsByOwnTest = false;
                break;
            }
            if (!r.more()) {
                if (endsByOwnTest)
                    *endsByOwnTest = true;
                break;
            }
        }
        return r.result();
    };
    bool own = false;
    QCOMPARE(repair("\r\neins\nzwei\n\ndrei", &own), QByteArray("\r\neins\r\nzwei\r\n\r\ndrei"));
    QVERIFY(!own);
    QCOMPARE(repair("\r\nschon\r\nrichtig"), QByteArray("\r\nschon\r\nrichtig"));
    QCOMPARE(repair("a\n", &own), QByteArray("a\r\n"));
    QVERIFY(own);
    QCOMPARE(repair("ohne"), QByteArray("ohne"));

    report::LineEndRepair r("ab\ncd\nef");
    QCOMPARE(r.step(), report::LineEndRepair::Step::Repaired);
    QCOMPARE(r.position(), 4);
    QCOMPARE(r.length(), 9);
}

void TstBericht::repairStopsAtLeadingLf()
{
    report::LineEndRepair r("\nab\ncd");
    QCOMPARE(r.step(), report::LineEndRepair::Step::NoMoreLineFeed);
    QCOMPARE(r.result(), QByteArray("\nab\ncd"));
}

void TstBericht::sectionFinders()
{
    const auto &s = report::sections();
    QCOMPARE(s.size(), 8);
    const QString helden = QStringLiteral("xxxxxxxxxxxxxxx HELDEN: Ragnar\r\nMonster: keine\r\nHelden: aus\r\n-Landstriche-");
    report::SectionFind f = report::findSection(helden, s[5]);
    QCOMPARE(f.kind, report::SectionFind::Kind::Found);
    QCOMPARE(helden.mid(f.start, f.length), QStringLiteral("HELDEN: Ragnar\r\n"));

    // Kontore end at the nearest marker, whatever the table's order.
    const QString kontore = QStringLiteral("..-Kontore- A\r\nMonster da\r\nHelden: b");
    f = report::findSection(kontore, s[4]);
    QCOMPARE(kontore.mid(f.start, f.length), QStringLiteral(".-Kontore- A\r\n"));

    const QString gold = QStringLiteral("Nach den automatischen Abbuchungen: 1234 Goldohren. Rest");
    f = report::findSection(gold, s[1]);
    QCOMPARE(gold.mid(f.start, f.length), QStringLiteral("1234 Goldohren. "));

    const QString prod = QStringLiteral("x\r\n-Produkte- Holz 3\r\nGold: 5");
    f = report::findSection(prod, s[3]);
    QCOMPARE(prod.mid(f.start, f.length), QStringLiteral("\n-Produkte- Holz 3\r\n"));

    const QString zauber = QStringLiteral("abc Eure Zaubersprueche: Feuer");
    f = report::findSection(zauber, s[2]);
    QCOMPARE(f.kind, report::SectionFind::Kind::NoEnd);
    QCOMPARE(f.length, 20);
    QCOMPARE(zauber.mid(f.start, f.length), QStringLiteral("Eure Zaubersprueche:"));
}

void TstBericht::sectionEdges()
{
    const auto &s = report::sections();
    QCOMPARE(report::findSection(QString(), s[0]).kind, report::SectionFind::Kind::Empty);
    QCOMPARE(report::findSection(QStringLiteral("nichts"), s[0]).kind, report::SectionFind::Kind::NotFound);
    // "Bev.-gr." within its first 28 characters would start before the text.
    QCOMPARE(report::findSection(QStringLiteral("Bev.-gr. 1000"), s[0]).kind, report::SectionFind::Kind::NotFound);
    // A heading at position 1 with offset -1 starts at 0 and still finds its end.
    report::SectionFind f = report::findSection(QStringLiteral("Helden: a Monster"), s[5]);
    QCOMPARE(f.kind, report::SectionFind::Kind::Found);
    QCOMPARE(f.start, 0);
    QCOMPARE(f.length, 10);
    // An end before the start gives an empty selection, not a negative one.
    f = report::findSection(QStringLiteral("-Produkte-Gold:"), s[3]);
    QVERIFY(f.length >= 0);
    // Positions beyond 16 bits work.
    const QString lang = QString(40000, QLatin1Char('x')) + QStringLiteral("-Statistik- 1\r\nKarte des Spiels");
    f = report::findSection(lang, s[7]);
    QCOMPARE(f.kind, report::SectionFind::Kind::Found);
    QCOMPARE(lang.mid(f.start, f.length), QStringLiteral("x-Statistik- 1\r\n"));
}

QTEST_MAIN(TstBericht)
#include "tst_bericht.moc"
