// The printout's lines and pages, drawn into a PDF and read back.
#include "core/ausdruck.h"
#include "pdftext.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

namespace {
ausdruck::Vorlage vorlage(const QString &bemerkung, const QString &koerper)
{
    ausdruck::Vorlage v;
    v.version = QStringLiteral("2.10");
    v.heimatSeite = QStringLiteral("https://heim.example/\r\nE-Mail: post@heim.example");
    v.schriftGroesse = 10;
    v.bemerkung = bemerkung;
    v.mitKoerper = true;
    v.koerper = koerper;
    v.koerperSchrift = QStringLiteral("Courier New");
    v.koerperGroesse = 10;
    return v;
}

// Lines of pdftotext output without the empty ones.
QStringList volleZeilen(const QString &text)
{
    QStringList out;
    for (const QString &z : text.split(QLatin1Char('\n')))
        if (!z.trimmed().isEmpty())
            out << z.trimmed();
    return out;
}

bool istLinie(const QString &z) { return z.size() > 20 && z.count(QLatin1Char('-')) == z.size(); }
} // namespace

class TstAusdruck : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    int m_seiten = 0;
    // Prints into a PDF file of A4 pages; returns its path.
    QString drucke(const ausdruck::Vorlage &v, const QString &name)
    {
        const QString pfad = dir.filePath(name);
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pfad);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        QPainter p;
        if (!p.begin(&drucker))
            return QString();
        const QRectF seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
        ausdruck::Setzer s(p, seite.size(), [&] { return drucker.newPage(); });
        ausdruck::setze(s, v);
        m_seiten = s.seiten();
        p.end();
        return pfad;
    }

private slots:
    void initTestCase();
    void zeilen_data();
    void zeilen();
    void headRemarkAndRules_data();
    void headRemarkAndRules();
    void longBodyBreaksIntoPagesInOrder();
    void longLineGoesOnInTheNextLine();
    void noBodyForOtherContent();
};

void TstAusdruck::initTestCase()
{
    QVERIFY(dir.isValid());
    if (!pdfWerkzeugeDa())
        QSKIP("pdftotext/pdfinfo fehlen (poppler-utils)");
}

void TstAusdruck::zeilen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("erwartet");
    QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("CR") << QStringLiteral("a\rb") << QStringList{"a", "b"};
    QTest::newRow("LF") << QStringLiteral("a\nb") << QStringList{"a", "b"};
    QTest::newRow("LF CR is two") << QStringLiteral("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("ends with CR LF") << QStringLiteral("a\r\n") << QStringList{"a", ""};
    QTest::newRow("empty") << QString() << QStringList{""};
    QTest::newRow("tab at 0") << QStringLiteral("\tx") << QStringList{"        x"};
    QTest::newRow("tab after 3") << QStringLiteral("abc\tx") << QStringList{"abc     x"};
    QTest::newRow("tab after 8") << QStringLiteral("12345678\tx") << QStringList{"12345678        x"};
    QTest::newRow("tab per line") << QStringLiteral("ab\r\n\tc") << QStringList{"ab", "        c"};
}

void TstAusdruck::zeilen()
{
    QFETCH(QString, text);
    QFETCH(QStringList, erwartet);
    QCOMPARE(ausdruck::zeilen(text), erwartet);
}

void TstAusdruck::headRemarkAndRules_data()
{
    QTest::addColumn<QString>("bemerkung");
    QTest::addColumn<int>("linien");
    QTest::newRow("Nix prints no remark") << QStringLiteral("Nix") << 1;
    QTest::newRow("nix is a remark") << QStringLiteral("nix") << 2;
    QTest::newRow("remark") << QStringLiteral("Zug 17, bitte pünktlich") << 2;
}

void TstAusdruck::headRemarkAndRules()
{
    QFETCH(QString, bemerkung);
    QFETCH(int, linien);
    const QString pdf = drucke(vorlage(bemerkung, QStringLiteral("#BEF 1 2 3\r\nAB 12 Körner")), QStringLiteral("kopf.pdf"));
    QVERIFY(!pdf.isEmpty());
    const QStringList z = volleZeilen(pdfText(pdf));
    QVERIFY2(z.size() >= 5, qPrintable(z.join('|')));
    QCOMPARE(z.at(0), QStringLiteral("Befehlswart, Version 2.10"));
    QCOMPARE(z.at(1), QStringLiteral("Zu finden unter https://heim.example/"));
    QCOMPARE(z.at(2), QStringLiteral("E-Mail: post@heim.example"));
    QVERIFY(istLinie(z.at(3)));
    int i = 4;
    if (linien == 2) {
        QCOMPARE(z.at(i++), bemerkung);
        QVERIFY(istLinie(z.at(i++)));
    }
    QCOMPARE(z.mid(i), (QStringList{"#BEF 1 2 3", "AB 12 Körner"}));
    QCOMPARE(int(std::count_if(z.cbegin(), z.cend(), istLinie)), linien);
    // The rule ends at the page's edge.
    QVERIFY(z.at(3).size() < 234);
}

void TstAusdruck::longBodyBreaksIntoPagesInOrder()
{
    QStringList koerper;
    for (int i = 1; i <= 400; ++i)
        koerper << QStringLiteral("Zeile %1 der Auswertung").arg(i);
    const QString pdf = drucke(vorlage(QStringLiteral("Nix"), koerper.join(QStringLiteral("\r\n"))), QStringLiteral("lang.pdf"));
    // 400 lines of 10 points need more than four A4 pages.
    const int seiten = pdfSeiten(pdf);
    QVERIFY2(seiten >= 5, qPrintable(QString::number(seiten)));
    QCOMPARE(seiten, m_seiten);
    QStringList gelesen;
    for (int s = 1; s <= seiten; ++s) {
        const QStringList z = volleZeilen(pdfText(pdf, s, s));
        QVERIFY2(!z.isEmpty(), qPrintable(QString::number(s)));
        gelesen << z;
    }
    QCOMPARE(gelesen.mid(gelesen.size() - 400), koerper);
    // Every page but the last is full: no page holds less than 60 lines.
    for (int s = 2; s < seiten; ++s)
        QVERIFY(volleZeilen(pdfText(pdf, s, s)).size() > 60);
}

void TstAusdruck::longLineGoesOnInTheNextLine()
{
    QStringList woerter;
    for (int i = 0; i < 60; ++i)
        woerter << QStringLiteral("Wort%1").arg(i);
    const QString zeile = woerter.join(QLatin1Char(' '));
    const QString pdf = drucke(vorlage(QStringLiteral("Nix"), zeile + QStringLiteral("\r\nEnde")), QStringLiteral("breit.pdf"));
    const QStringList z = volleZeilen(pdfText(pdf));
    const int ende = z.indexOf(QStringLiteral("Ende"));
    QVERIFY(ende > 4);
    const QStringList umbrochen = z.mid(4, ende - 4);
    QVERIFY2(umbrochen.size() >= 2, qPrintable(umbrochen.join('|')));
    // Broken at blanks: no word is cut, none lost.
    QCOMPARE(umbrochen.join(QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts), woerter);
}

void TstAusdruck::noBodyForOtherContent()
{
    ausdruck::Vorlage v = vorlage(QStringLiteral("Nix"), QStringLiteral("geheim"));
    v.mitKoerper = false;
    const QStringList z = volleZeilen(pdfText(drucke(v, QStringLiteral("ohne.pdf"))));
    QCOMPARE(z.size(), 4);
    QVERIFY(!z.join(QString()).contains(QStringLiteral("geheim")));
}

QTEST_MAIN(TstAusdruck)
#include "tst_ausdruck.moc"
