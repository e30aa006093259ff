// Character sets, line reading, number conversion and the exact text box,
// whose selection set by code stays exact between CR and LF.
#include "platform/codepage.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/yield.h"
#include "testmain.h"
#include "testsupport.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

class TstGrundlagen : public QObject {
    Q_OBJECT
private slots:
    void everyByteSurvivesBothCharsets()
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
        QCOMPARE(codepage::decode(QByteArray("\xE4\xF6\xFC\xDF"), codepage::Charset::Windows), QStringLiteral("äöüß"));
        QCOMPARE(codepage::decode(QByteArray("\x84\x94\x81\xE1"), codepage::Charset::Oem), QStringLiteral("äöüß"));
        QCOMPARE(codepage::encode(QStringLiteral("Ä€"), codepage::Charset::Windows), QByteArray("\xC4\x80"));
        QVERIFY(!codepage::encodable(QStringLiteral("\u4E00"), codepage::Charset::Windows));
    }

    void readLineEndsAtCrOrCrLf()
    {
        const QByteArray data("eins\r\nzwei\rdrei\nvier\r\n\r\nletzte");
        qsizetype pos = 0;
        for (const char *zeile : {"eins", "zwei", "drei\nvier", "", "letzte"})
            QCOMPARE(codepage::readLine(data, pos), QByteArray(zeile));
        QCOMPARE(pos, data.size());
    }

    void wholeNumbersRoundHalvesToEven()
    {
        QCOMPARE(platform::CInt(2.5), qint16(2));
        QCOMPARE(platform::CInt(3.5), qint16(4));
        QCOMPARE(platform::CInt(-2.5), qint16(-2));
        QCOMPARE(platform::CLng(0.5), 0);
        QCOMPARE(platform::CInt(32767.4), qint16(32767));
        QCOMPARE(fehlerNummer([] { platform::CInt(32767.5); }), 6);
    }

    void elapsedTimeAcrossMidnight()
    {
        const double now = platform::Timer();
        QVERIFY(platform::secondsSince(now) < 1.0);
        // A start rounded up to the next second is no day long.
        QCOMPARE(platform::CLng(platform::secondsSince(now + 0.5)), 0);
        // A start an hour "ahead" was yesterday: 23 hours ago, not minus one.
        const double d = platform::secondsSince(now + 3600.0);
        QVERIFY(d > 86400.0 - 3601.0 && d < 86400.0 - 3599.0);
    }

    void numbersUseTheUsersDecimalComma()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(platform::toNumber(QStringLiteral("7,5")), 7.5);
        QCOMPARE(platform::toNumber(QStringLiteral(" 10 ")), 10.0);
        for (const QString &bad : {QString(), QStringLiteral("x"), QStringLiteral("7a")})
            QCOMPARE(fehlerNummer([&] { platform::toNumber(bad); }), 13);
        QLocale::setDefault(before);
    }

    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("alt.txt"));
        codepage::writeFile(path, "alter Inhalt");
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ordner")));
        QCOMPARE(fehlerNummer([&] { codepage::writeFile(dir.filePath(QStringLiteral("ordner")), "neu"); }), 75);
        QCOMPARE(codepage::readFile(path), QByteArray("alter Inhalt"));
        QCOMPARE(fehlerNummer([&] { codepage::readFile(dir.filePath(QStringLiteral("fehlt.txt"))); }), 53);
    }

    void textBoxKeepsExactText()
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
        // A user's edit keeps the other line ends as they were.
        QTextCursor c = box.textCursor();
        c.movePosition(QTextCursor::End);
        c.insertText(QStringLiteral("Z"));
        QCOMPARE(box.text(), exact + QStringLiteral("Z"));
        QCOMPARE(changes, 2);
    }

    void setSelectionStaysExact_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("laenge");
        // "ab" CR LF "cd" CR LF "ef" CR "gh": CR at 2, 6 and 10, LF at 3 and 7; a CR LF counts two.
        QTest::newRow("auf dem LF") << 3 << 1;
        QTest::newRow("bis zum CR") << 1 << 2;
        QTest::newRow("nur der CR") << 2 << 1;
        QTest::newRow("Marke zwischen CR und LF") << 7 << 0;
        QTest::newRow("vom LF zum CR") << 3 << 4;
        QTest::newRow("nach einem CR LF") << 4 << 2;
        QTest::newRow("einzelner CR") << 9 << 3;
    }
    void setSelectionStaysExact()
    {
        QFETCH(int, start);
        QFETCH(int, laenge);
        const QString text = QStringLiteral("ab\r\ncd\r\nef\rgh");
        TextBox box;
        box.setText(text);
        box.setSelStart(start);
        box.setSelLength(laenge);
        QCOMPARE(box.selStart(), start);
        QCOMPARE(box.selLength(), laenge);
        QCOMPARE(box.selText(), text.mid(start, laenge));
        box.setSelText(QStringLiteral("X"));
        QCOMPARE(box.text(), QString(text).replace(start, laenge, QStringLiteral("X")));
        // A length past the end ends at the end.
        box.setSelStart(0);
        box.setSelLength(100);
        QCOMPARE(box.selLength(), int(box.text().size()));
    }

    void playerMovesTheSelection()
    {
        TextBox box;
        box.setText(QStringLiteral("ab\r\ncd"));
        box.show();
        box.setSelStart(3);
        box.setSelLength(1);
        // The widget shows the line break and moves on from there.
        QTest::keyClick(&box, Qt::Key_Right);
        QCOMPARE(box.selLength(), 0);
        QCOMPARE(box.selStart(), 5);
    }
};

BW_TEST_MAIN(TstGrundlagen)
#include "tst_grundlagen.moc"
