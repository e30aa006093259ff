// Character sets, line reading, number conversion and the exact text box and its selections.
#include "platform/codepage.h"
#include "platform/controls.h"
#include "platform/numbers.h"
#include "platform/sprache.h"
#include "platform/yield.h"
#include "testmain.h"
#include "testsupport.h"

#include <QClipboard>
#include <QMenu>
#include <QTextBlock>
#include <QTimer>
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
            QVERIFY(text.size() == 256 && codepage::encodable(text, cs));
            QCOMPARE(codepage::encode(text, cs), all);
        }
        QCOMPARE(codepage::decode(QByteArray("\xE4\xF6\xFC\xDF"), codepage::Charset::Windows), QStringLiteral("äöüß"));
        QCOMPARE(codepage::decode(QByteArray("\x84\x94\x81\xE1"), codepage::Charset::Oem), QStringLiteral("äöüß"));
        QCOMPARE(codepage::encode(QStringLiteral("Ä€"), codepage::Charset::Windows), QByteArray("\xC4\x80"));
        QVERIFY(!codepage::encodable(QStringLiteral("\u4E00"), codepage::Charset::Windows));
    }

    void nextLineEndsAtCrOrCrLf()
    {
        const QByteArray data("eins\r\nzwei\rdrei\nvier\r\n\r\nletzte");
        qsizetype pos = 0;
        for (const char *zeile : {"eins", "zwei", "drei\nvier", "", "letzte"}) {
            qsizetype start = -1, length = -1;
            codepage::nextLine(data, pos, start, length);
            QCOMPARE(data.mid(start, length), QByteArray(zeile));
        }
        QCOMPARE(pos, data.size());
    }

    void wholeNumbersRoundHalvesToEven()
    {
        const QList<QPair<double, int>> faelle{{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {32767.4, 32767}};
        for (const auto &[v, n] : faelle)
            QVERIFY2(platform::CInt(v) == n && platform::CLng(v) == n, qPrintable(QString::number(v)));
        QCOMPARE(fehlerNummer([] { platform::CInt(32767.5); }), 6);
    }

    void elapsedTimeAcrossMidnight()
    {
        const double now = platform::Timer();
        // A start rounded up to the next second is no day long.
        QCOMPARE(platform::CLng(platform::secondsSince(now + 0.5)), 0);
        // A start an hour "ahead" was yesterday: 23 hours ago, not minus one.
        QVERIFY(qAbs(platform::secondsSince(now + 3600.0) - 23 * 3600.0) < 1.0);
    }

    void numbersUseTheUsersDecimalComma()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(platform::toNumber(QStringLiteral("7,5")), 7.5);
        QCOMPARE(platform::toNumber(QStringLiteral(" 10 ")), 10.0);
        for (const QString &bad : {QString(), QStringLiteral("x"), QStringLiteral("7a")})
            QCOMPARE(fehlerNummer([&] { platform::toNumber(bad); }), 13);
    }

    void fileErrors()
    {
        QTemporaryDir dir;
        codepage::writeFile(dir.filePath(QStringLiteral("alt.txt")), "alter Inhalt");
        QCOMPARE(codepage::readFile(dir.filePath(QStringLiteral("alt.txt"))), QByteArray("alter Inhalt"));
        QCOMPARE(fehlerNummer([&] { codepage::writeFile(dir.path(), "neu"); }), 75);
        QCOMPARE(fehlerNummer([&] { codepage::readFile(dir.filePath(QStringLiteral("fehlt.txt"))); }), 53);
    }

    void textAndSelectionStayExact_data()
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
    void textAndSelectionStayExact()
    {
        QFETCH(int, start);
        QFETCH(int, laenge);
        // Then a lone LF, an empty line and every other character of the Windows set.
        QString text = QStringLiteral("ab\r\ncd\r\nef\rgh\n\r\n\r\n\xA0");
        for (int b = 1; b < 256; ++b)
            text.append(codepage::decode(QByteArray(1, char(b))));
        TextBox box;
        int changes = 0;
        connect(&box, &TextBox::changed, [&] { ++changes; });
        box.setText(text);
        QCOMPARE(box.text(), text);
        box.setSelStart(start);
        box.setSelLength(laenge);
        QCOMPARE(box.selStart(), start);
        QCOMPARE(box.selLength(), laenge);
        QCOMPARE(box.selText(), text.mid(start, laenge));
        box.setSelText(QStringLiteral("X"));
        QCOMPARE(box.text(), text.replace(start, laenge, QStringLiteral("X")));
        // A user's edit keeps the other line ends as they were.
        box.moveCursor(QTextCursor::End);
        QTest::keyClicks(&box, QStringLiteral("Z"));
        QCOMPARE(box.text(), text + u'Z');
        QCOMPARE(changes, 3);
        box.setSelStart(0);
        box.setSelLength(1000);
        QCOMPARE(box.selLength(), int(text.size()) + 1);
    }

    void longLinesAreShownInPieces_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::newRow("LF") << QStringLiteral("Die Bauern ernten 500 e Getreide.\n");
        QTest::newRow("CR") << QStringLiteral("Die Bauern ernten 500 e Getreide.\r");
        QTest::newRow("ohne Zeilenende") << QStringLiteral("Die Bauern ernten 500 e Getreide. ");
        QTest::newRow("Surrogatpaare") << QStringLiteral("x\U0001F4B0");
    }
    void longLinesAreShownInPieces()
    {
        QFETCH(QString, zeile);
        QString text = QStringLiteral("Kopf\r\n");
        while (text.size() < 200000)
            text += zeile;
        TextBox box;
        box.show();
        box.setText(text);
        QCOMPARE(box.text(), text);
        // Qt lays out and paints a shown line whole, so none may be long.
        for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next())
            QVERIFY2(b.length() < 10000 && !b.text().front().isLowSurrogate(), qPrintable(QString::number(b.length())));
        // Past the end of the first piece the text goes on without a line break.
        const QTextBlock stueck = box.document()->begin().next();
        const int ende = 6 + stueck.text().size();
        box.setSelStart(ende - 3);
        box.setSelLength(6);
        QCOMPARE(box.selText(), text.mid(ende - 3, 6));
        box.copy();
        QCOMPARE(QGuiApplication::clipboard()->text().size(), 6);
        QTextCursor c(stueck);
        c.movePosition(QTextCursor::EndOfBlock);
        box.setTextCursor(c);
        QTest::keyClicks(&box, QStringLiteral("x"));
        QTest::keyClick(&box, Qt::Key_Delete);
        QCOMPARE(box.text(), QString(text).insert(ende, u'x'));
        while (box.document()->isUndoAvailable())
            box.undo();
        QCOMPARE(box.text(), text);
        // A line break pasted where the next piece stood is one of the text.
        c = QTextCursor(stueck.next());
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        const int laenge = c.selectedText().size();
        box.setTextCursor(c);
        QTest::keyClick(&box, Qt::Key_Delete);
        box.moveCursor(QTextCursor::Start);
        box.setTextCursor(QTextCursor(stueck.next()));
        QCOMPARE(box.selStart(), ende);
        box.insertPlainText(QStringLiteral("u\nv"));
        QCOMPARE(box.text(), text.replace(ende, laenge, QStringLiteral("u\r\nv")));
    }

    // A text of many lines goes in by pieces: the window's timers run
    // meanwhile, and a text set by one of them wins.
    void manyLinesKeepTheWindowLive_data()
    {
        QTest::addColumn<QString>("neuer");
        QTest::newRow("ruhig") << QString();
        QTest::newRow("neuer Text dazwischen") << QStringLiteral("neu\r\nkurz");
    }
    void manyLinesKeepTheWindowLive()
    {
        QFETCH(QString, neuer);
        const QString viele = QStringLiteral("Die Bauern ernten 500 e Getreide.\r\n").repeated(100000);
        TextBox box;
        box.show();
        int takte = 0;
        QTimer::singleShot(0, &box, [&] { ++takte; if (!neuer.isEmpty()) box.setText(neuer); });
        box.setText(viele);
        QCOMPARE(takte, 1);
        const QString soll = neuer.isEmpty() ? viele : neuer;
        QCOMPARE(box.text(), soll);
        QCOMPARE(box.document()->blockCount(), int(soll.count(QStringLiteral("\r\n"))) + 1);
        QVERIFY(!box.document()->isUndoAvailable() && box.document()->isUndoRedoEnabled());
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

    void toolkitMenusSpeakGerman()
    {
        QVERIFY(platform::deutscheOberflaeche());
        TextBox box;
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList texte;
        for (const QAction *a : menu->actions())
            texte << a->text().remove(u'&').section(u'\t', 0, 0);
        for (const char *wort : {"Rückgängig", "Einfügen", "Alles auswählen"})
            QVERIFY2(texte.contains(QString::fromUtf8(wort)), qPrintable(texte.join(u'|')));
    }
};

BW_TEST_MAIN(TstGrundlagen)
#include "tst_grundlagen.moc"
