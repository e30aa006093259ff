// Character sets, line reading, number conversion and the exact text box.
#include "core/ansi.h"
#include "core/controls.h"
#include "core/vb.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

class TstGrundlagen : public QObject {
    Q_OBJECT
private slots:
    void everyByteSurvivesBothCharsets();
    void umlautsDecodePerCharset();
    void readLineEndsAtCrOrCrLf();
    void wholeNumbersRoundHalvesToEven();
    void elapsedTimeAcrossMidnight();
    void numbersUseTheUsersDecimalComma();
    void failedWriteKeepsTheOldFile();
    void textBoxKeepsExactText();
    void textBoxPositionsCountCrLfAsTwo();
};

void TstGrundlagen::everyByteSurvivesBothCharsets()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    for (auto cs : {ansi::Charset::Windows, ansi::Charset::Oem}) {
        const QString text = ansi::decode(all, cs);
        QCOMPARE(text.size(), 256);
        QCOMPARE(ansi::encode(text, cs), all);
        QVERIFY(ansi::encodable(text, cs));
    }
}

void TstGrundlagen::umlautsDecodePerCharset()
{
    QCOMPARE(ansi::decode(QByteArray("\xE4\xF6\xFC\xDF"), ansi::Charset::Windows), QStringLiteral("äöüß"));
    QCOMPARE(ansi::decode(QByteArray("\x84\x94\x81\xE1"), ansi::Charset::Oem), QStringLiteral("äöüß"));
    QCOMPARE(ansi::encode(QStringLiteral("Ä€"), ansi::Charset::Windows), QByteArray("\xC4\x80"));
    QVERIFY(!ansi::encodable(QStringLiteral("\u4E00"), ansi::Charset::Windows));
}

void TstGrundlagen::readLineEndsAtCrOrCrLf()
{
    const QByteArray data("eins\r\nzwei\rdrei\nvier\r\n\r\nletzte");
    qsizetype pos = 0;
    QCOMPARE(ansi::readLine(data, pos), QByteArray("eins"));
    QCOMPARE(ansi::readLine(data, pos), QByteArray("zwei"));
    QCOMPARE(ansi::readLine(data, pos), QByteArray("drei\nvier"));
    QCOMPARE(ansi::readLine(data, pos), QByteArray(""));
    QCOMPARE(ansi::readLine(data, pos), QByteArray("letzte"));
    QCOMPARE(pos, data.size());
}

void TstGrundlagen::wholeNumbersRoundHalvesToEven()
{
    QCOMPARE(vb::CInt(2.5), qint16(2));
    QCOMPARE(vb::CInt(3.5), qint16(4));
    QCOMPARE(vb::CInt(-2.5), qint16(-2));
    QCOMPARE(vb::CLng(0.5), 0);
    QCOMPARE(vb::CInt(32767.4), qint16(32767));
    try {
        vb::CInt(32767.5);
        QFAIL("no overflow");
    } catch (const vb::Error &e) {
        QCOMPARE(e.number, 6);
    }
}

void TstGrundlagen::elapsedTimeAcrossMidnight()
{
    const double now = vb::Timer();
    QVERIFY(vb::secondsSince(now) < 1.0);
    // A start rounded up to the next second is no day long.
    QCOMPARE(vb::CLng(vb::secondsSince(now + 0.5)), 0);
    // A start an hour "ahead" was yesterday: 23 hours ago, not minus one.
    const double d = vb::secondsSince(now + 3600.0);
    QVERIFY(d > 86400.0 - 3601.0 && d < 86400.0 - 3599.0);
}

void TstGrundlagen::numbersUseTheUsersDecimalComma()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(vb::toNumber(QStringLiteral("7,5")), 7.5);
    QCOMPARE(vb::toNumber(QStringLiteral(" 10 ")), 10.0);
    for (const QString &bad : {QString(), QStringLiteral("x"), QStringLiteral("7a")}) {
        try {
            vb::toNumber(bad);
            QFAIL(qPrintable(QStringLiteral("accepted ") + bad));
        } catch (const vb::Error &e) {
            QCOMPARE(e.number, 13);
        }
    }
    QLocale::setDefault(before);
}

void TstGrundlagen::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("alt.txt"));
    ansi::writeFile(path, "alter Inhalt");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ordner")));
    try {
        ansi::writeFile(dir.filePath(QStringLiteral("ordner")), "neu");
        QFAIL("wrote over a folder");
    } catch (const vb::Error &e) {
        QCOMPARE(e.number, 75);
    }
    QCOMPARE(ansi::readFile(path), QByteArray("alter Inhalt"));
    try {
        ansi::readFile(dir.filePath(QStringLiteral("fehlt.txt")));
        QFAIL("read a missing file");
    } catch (const vb::Error &e) {
        QCOMPARE(e.number, 53);
    }
}

void TstGrundlagen::textBoxKeepsExactText()
{
    TextBox box;
    int changes = 0;
    connect(&box, &TextBox::changed, [&] { ++changes; });
    QString all;
    for (int b = 1; b < 256; ++b)
        all.append(ansi::decode(QByteArray(1, char(b))));
    const QString exact = QStringLiteral("a\r\nb\rc\nd\r\n\r\n\xA0") + all;
    box.setText(exact);
    QCOMPARE(box.text(), exact);
    QCOMPARE(changes, 1);
    // A user's edit keeps the other line ends as they were.
    QTextCursor c = box.textCursor();
    c.movePosition(QTextCursor::End);
    c.insertText(QStringLiteral("Z"));
    QCOMPARE(box.text(), exact + QStringLiteral("Z"));
    QCOMPARE(changes, 2);
}

void TstGrundlagen::textBoxPositionsCountCrLfAsTwo()
{
    TextBox box;
    box.setText(QStringLiteral("ab\r\ncd\ref"));
    box.setSelStart(4);
    box.setSelLength(2);
    QCOMPARE(box.selText(), QStringLiteral("cd"));
    QCOMPARE(box.selStart(), 4);
    box.setSelStart(6);
    box.setSelLength(1);
    QCOMPARE(box.selText(), QStringLiteral("\r"));
    box.setSelStart(0);
    box.setSelLength(100);
    QCOMPARE(box.selLength(), 9);
}

QTEST_MAIN(TstGrundlagen)
#include "tst_grundlagen.moc"
