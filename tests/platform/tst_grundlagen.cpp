// Character sets, line reading, number conversion and the exact text box.
#include "platform/codepage.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/yield.h"
#include "platform/numbers.h"

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
    for (auto cs : {codepage::Charset::Windows, codepage::Charset::Oem}) {
        const QString text = codepage::decode(all, cs);
        QCOMPARE(text.size(), 256);
        QCOMPARE(codepage::encode(text, cs), all);
        QVERIFY(codepage::encodable(text, cs));
    }
}

void TstGrundlagen::umlautsDecodePerCharset()
{
    QCOMPARE(codepage::decode(QByteArray("\xE4\xF6\xFC\xDF"), codepage::Charset::Windows), QStringLiteral("äöüß"));
    QCOMPARE(codepage::decode(QByteArray("\x84\x94\x81\xE1"), codepage::Charset::Oem), QStringLiteral("äöüß"));
    QCOMPARE(codepage::encode(QStringLiteral("Ä€"), codepage::Charset::Windows), QByteArray("\xC4\x80"));
    QVERIFY(!codepage::encodable(QStringLiteral("\u4E00"), codepage::Charset::Windows));
}

void TstGrundlagen::readLineEndsAtCrOrCrLf()
{
    const QByteArray data("eins\r\nzwei\rdrei\nvier\r\n\r\nletzte");
    qsizetype pos = 0;
    QCOMPARE(codepage::readLine(data, pos), QByteArray("eins"));
    QCOMPARE(codepage::readLine(data, pos), QByteArray("zwei"));
    QCOMPARE(codepage::readLine(data, pos), QByteArray("drei\nvier"));
    QCOMPARE(codepage::readLine(data, pos), QByteArray(""));
    QCOMPARE(codepage::readLine(data, pos), QByteArray("letzte"));
    QCOMPARE(pos, data.size());
}

void TstGrundlagen::wholeNumbersRoundHalvesToEven()
{
    QCOMPARE(platform::CInt(2.5), qint16(2));
    QCOMPARE(platform::CInt(3.5), qint16(4));
    QCOMPARE(platform::CInt(-2.5), qint16(-2));
    QCOMPARE(platform::CLng(0.5), 0);
    QCOMPARE(platform::CInt(32767.4), qint16(32767));
    try {
        platform::CInt(32767.5);
        QFAIL("no overflow");
    } catch (const platform::Error &e) {
        QCOMPARE(e.number, 6);
    }
}

void TstGrundlagen::elapsedTimeAcrossMidnight()
{
    const double now = platform::Timer();
    QVERIFY(platform::secondsSince(now) < 1.0);
    // A start rounded up to the next second is no day long.
    QCOMPARE(platform::CLng(platform::secondsSince(now + 0.5)), 0);
    // A start an hour "ahead" was yesterday: 23 hours ago, not minus one.
    const double d = platform::secondsSince(now + 3600.0);
    QVERIFY(d > 86400.0 - 3601.0 && d < 86400.0 - 3599.0);
}

void TstGrundlagen::numbersUseTheUsersDecimalComma()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(platform::toNumber(QStringLiteral("7,5")), 7.5);
    QCOMPARE(platform::toNumber(QStringLiteral(" 10 ")), 10.0);
    for (const QString &bad : {QString(), QStringLiteral("x"), QStringLiteral("7a")}) {
        try {
            platform::toNumber(bad);
            QFAIL(qPrintable(QStringLiteral("accepted ") + bad));
        } catch (const platform::Error &e) {
            QCOMPARE(e.number, 13);
        }
    }
    QLocale::setDefault(before);
}

void TstGrundlagen::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("alt.txt"));
    codepage::writeFile(path, "alter Inhalt");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ordner")));
    try {
        codepage::writeFile(dir.filePath(QStringLiteral("ordner")), "neu");
        QFAIL("wrote over a folder");
    } catch (const platform::Error &e) {
        QCOMPARE(e.number, 75);
    }
    QCOMPARE(codepage::readFile(path), QByteArray("alter Inhalt"));
    try {
        codepage::readFile(dir.filePath(QStringLiteral("fehlt.txt")));
        QFAIL("read a missing file");
    } catch (const platform::Error &e) {
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
        all.append(codepage::decode(QByteArray(1, char(b))));
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
