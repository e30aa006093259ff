// Character sets, line reading, number conversion and the exact text box and its selections.
#include "map/heerespfad.h"
#include "platform/codepage.h"
#include "platform/controls.h"
#include "platform/numbers.h"
#include "platform/sprache.h"
#include "platform/yield.h"
#include "testmain.h"
#include "testsupport.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QMenu>
#include <QMimeData>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

namespace {
// Whether the box shows its text as a load of the saved file shows it: CR
// LF as a line break, a lone CR or LF as its mark; besides, at most
// `eigene` breaks of the box's own that stand for no character. Empty when
// it does, else where it does not.
QString zeigtWieGespeichert(const TextBox &box, int eigene)
{
    const QString d = box.document()->toRawText();
    const QString t = box.text();
    qsizetype i = 0;
    int uebrig = eigene;
    for (qsizetype j = 0; j < d.size(); ++j) {
        const QChar c = d.at(j);
        if (c == QChar::ParagraphSeparator) {
            // A run of shown breaks: the text's line ends there, the rest the box's own.
            qsizetype k = j;
            while (k < d.size() && d.at(k) == QChar::ParagraphSeparator)
                ++k;
            qsizetype m = 0;
            while (t.mid(i + 2 * m, 2) == QLatin1String("\r\n"))
                ++m;
            if (m > k - j || (uebrig -= int(k - j - m)) < 0)
                return QStringLiteral("Umbrüche bei %1").arg(j);
            i += 2 * m;
            j = k - 1;
            continue;
        }
        const bool ok = c == QChar(0x240D)   ? t.mid(i, 2) != QLatin1String("\r\n") && t.mid(i, 1) == QLatin1String("\r")
                        : c == QChar(0x240A) ? t.mid(i, 1) == QLatin1String("\n")
                                             : i < t.size() && t.at(i) == c;
        if (!ok)
            return QStringLiteral("Zeichen %1 gezeigt, %2 im Text").arg(j).arg(i);
        ++i;
    }
    return i == t.size() ? QString() : QStringLiteral("Text länger als gezeigt");
}

// A box whose own text the random driver drags. The offscreen platform ends
// a drag at once, so the driver does the source's part of a move itself, as
// the editor does it: the dragged text goes inside the drop's step, before
// what is dropped goes in.
class VerschiebbareBox : public TextBox {
public:
    QTextCursor gezogen;
    QMimeData *auswahlDaten() const { return createMimeDataFromSelection(); }

protected:
    void insertFromMimeData(const QMimeData *daten) override
    {
        if (!gezogen.isNull())
            gezogen.removeSelectedText();
        gezogen = QTextCursor();
        TextBox::insertFromMimeData(daten);
    }
};
} // namespace

class TstGrundlagen : public QObject {
    Q_OBJECT
private slots:
    // A position past the end of the shown text (a break of the box's own
    // left over from a longer text) is told only as a warning of the editor.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("out of range"))); }

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
        QTest::addColumn<int>("angehaengt"); // characters per appended piece; 0: set whole
        for (const int stueck : {0, 1000}) {
            const char *wie = stueck ? ", angehaengt" : "";
            QTest::addRow("LF%s", wie) << QStringLiteral("Die Bauern ernten 500 e Getreide.\n") << stueck;
            QTest::addRow("CR%s", wie) << QStringLiteral("Die Bauern ernten 500 e Getreide.\r") << stueck;
            QTest::addRow("ohne Zeilenende%s", wie) << QStringLiteral("Die Bauern ernten 500 e Getreide. ") << stueck;
            // Pieces of 1000 split some pairs.
            QTest::addRow("Surrogatpaare%s", wie) << QStringLiteral("x\U0001F4B0") << stueck;
        }
    }
    void longLinesAreShownInPieces()
    {
        QFETCH(QString, zeile);
        QFETCH(int, angehaengt);
        QString text = QStringLiteral("Kopf\r\n");
        while (text.size() < 200000)
            text += zeile;
        TextBox box;
        box.show();
        if (angehaengt) {
            for (qsizetype i = 0; i < text.size(); i += angehaengt)
                box.anhaengen(text.mid(i, angehaengt));
        } else {
            box.setText(text);
        }
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

    // Pieces appended by code make one text: a CR LF split between two
    // pieces is one line break, a lone CR at a piece's end a mark until an
    // LF follows it; what the player types between pieces stays.
    void appendedPiecesJoin_data()
    {
        QTest::addColumn<QStringList>("stuecke"); // the first one set, the others appended
        QTest::addColumn<QString>("getippt"); // at the end, after the first piece
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("gezeigt");
        QTest::newRow("CR LF geteilt") << QStringList{"AB 1\r", "\nCD 2"} << "" << "AB 1\r\nCD 2" << "AB 1\nCD 2";
        QTest::newRow("CR am Ende") << QStringList{"AB 1\r", "CD 2\r"} << "" << "AB 1\rCD 2\r"
                                    << QStringLiteral("AB 1\u240DCD 2\u240D");
        QTest::newRow("ins Leere") << QStringList{"", "AB\r", "\n\r", "\n"} << "" << "AB\r\n\r\n" << "AB\n\n";
        QTest::newRow("LF vor CR LF") << QStringList{"AB\n", "\r", "\n"} << "" << "AB\n\r\n" << QStringLiteral("AB\u240A\n");
        QTest::newRow("getippt") << QStringList{"AB 1\r\n", "CD 2"} << "x" << "AB 1\r\nxCD 2" << "AB 1\nxCD 2";
        QTest::newRow("getippt zwischen CR und LF") << QStringList{"AB 1\r", "\nCD"} << "xy" << "AB 1\rxy\nCD"
                                                    << QStringLiteral("AB 1\u240Dxy\u240ACD");
        // A shown line of lone LFs breaks where it grows long, yet not between CR and LF.
        const QString lang(4095, u'x');
        QTest::newRow("lange Zeile, CR, dann LF") << QStringList{lang + "\n\r", "\nEnde"} << "" << lang + "\n\r\nEnde"
                                                  << lang + QStringLiteral("\u240A\nEnde");
    }
    void appendedPiecesJoin()
    {
        QFETCH(QStringList, stuecke);
        QFETCH(QString, getippt);
        QFETCH(QString, text);
        QFETCH(QString, gezeigt);
        TextBox box;
        int aenderungen = 0;
        connect(&box, &TextBox::changed, [&] { ++aenderungen; });
        box.setText(QStringLiteral("vorher"));
        aenderungen = 0;
        box.setText(stuecke.takeFirst());
        box.moveCursor(QTextCursor::End);
        QTest::keyClicks(&box, getippt);
        for (const QString &stueck : std::as_const(stuecke))
            box.anhaengen(stueck);
        QCOMPARE(box.text(), text);
        QCOMPARE(box.document()->toPlainText(), gezeigt);
        QCOMPARE(aenderungen, 1 + getippt.size() + stuecke.size());
        QVERIFY(!box.document()->isUndoAvailable());
        // Typed once more, the text comes back from what is shown.
        box.moveCursor(QTextCursor::End);
        QTest::keyClicks(&box, QStringLiteral("z"));
        QCOMPARE(box.text(), text + u'z');
    }

    // A text goes in whole, with no event handled meanwhile; by pieces its
    // caller handles events between them, and a newer text or a stop wins.
    void manyLinesGoInByPieces_data()
    {
        QTest::addColumn<QString>("neuer"); // set between two pieces
        QTest::addColumn<bool>("anhalten"); // the caller stops after the second piece
        QTest::newRow("ganz") << QString() << false;
        QTest::newRow("neuer Text dazwischen") << QStringLiteral("neu\r\nkurz") << false;
        QTest::newRow("angehalten") << QString() << true;
    }
    void manyLinesGoInByPieces()
    {
        QFETCH(QString, neuer);
        QFETCH(bool, anhalten);
        const QString zeile = QStringLiteral("Die Bauern ernten 500 e Getreide.\r\n");
        const QString viele = QStringLiteral("Kopf\n\r\n") + zeile.repeated(100000);
        TextBox box;
        box.show();
        int takte = 0, aenderungen = 0;
        QTimer takt;
        connect(&takt, &QTimer::timeout, [&] { ++takte; });
        takt.start(0);
        connect(&box, &TextBox::changed, [&] { ++aenderungen; });
        box.setText(viele);
        QCOMPARE(takte, 0);
        QCOMPARE(box.text(), viele);
        QCOMPARE(aenderungen, 1);

        box.setText(QString());
        aenderungen = 0;
        box.fuellen(viele);
        int stuecke = 1;
        while (!box.weiterFuellen()) {
            ++stuecke;
            // Between pieces the box holds its whole text and takes no typing.
            QCOMPARE(box.text().size(), viele.size());
            QVERIFY(box.isReadOnly() && !box.locked());
            QTest::keyClicks(&box, QStringLiteral("x"));
            QCoreApplication::processEvents();
            if (stuecke == 2 && !neuer.isEmpty())
                box.setText(neuer);
            if (stuecke == 2 && anhalten)
                box.fuellenAnhalten();
        }
        QVERIFY(stuecke > 2 || !neuer.isEmpty() || anhalten);
        QVERIFY(!box.isReadOnly());
        QCOMPARE(aenderungen, 1);
        QVERIFY(!box.document()->isUndoAvailable() && box.document()->isUndoRedoEnabled());
        if (anhalten) {
            // What is shown is the text: whole lines from the start.
            const QString t = box.text();
            QVERIFY(t.size() > 9 + zeile.size() && t.size() < viele.size());
            QVERIFY(viele.startsWith(t) && t.endsWith(zeile));
            QCOMPARE(box.document()->blockCount(), int(t.count(QStringLiteral("\r\n"))) + 1);
            return;
        }
        const QString soll = neuer.isEmpty() ? viele : neuer;
        QCOMPARE(box.text(), soll);
        QCOMPARE(box.document()->blockCount(), int(soll.count(QStringLiteral("\r\n"))) + 1);
    }

    // A text whose long shown lines the box breaks itself: the breaks are
    // no edit (one change, the text as given), and a fill stopped after its
    // first piece holds what it shows, without them.
    void ownBreaksAreNoPartOfTheText_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<int>("wie"); // set whole, by pieces, stopped after the first piece
        for (const char16_t ende : {u'\n', u'\r'}) {
            const QString zeile = QStringLiteral("Die Bauern ernten 500 e Getreide.") + QChar(ende);
            const char *name = ende == u'\n' ? "LF" : "CR";
            QTest::addRow("%s, ganz", name) << zeile << 0;
            QTest::addRow("%s, in Stuecken", name) << zeile << 1;
            QTest::addRow("%s, angehalten", name) << zeile << 2;
        }
    }
    void ownBreaksAreNoPartOfTheText()
    {
        QFETCH(QString, zeile);
        QFETCH(int, wie);
        const QString viele = QStringLiteral("Kopf\r\n") + zeile.repeated(40000);
        TextBox box;
        box.show();
        int aenderungen = 0;
        connect(&box, &TextBox::changed, [&] { ++aenderungen; });
        if (wie == 0) {
            box.setText(viele);
        } else {
            box.fuellen(viele);
            QVERIFY(box.fuellt());
            if (wie == 2)
                box.fuellenAnhalten();
            while (!box.weiterFuellen()) {
            }
        }
        QCOMPARE(aenderungen, 1);
        QVERIFY(!box.isReadOnly() && !box.document()->isUndoAvailable());
        const QString t = box.text();
        if (wie == 2)
            QVERIFY(t.size() > 6 + zeile.size() && t.size() < viele.size() && viele.startsWith(t) && t.endsWith(zeile));
        else
            QCOMPARE(t, viele);
        // Shown: the head line, then the lines with their marks, broken by
        // the box alone.
        QStringList gezeigt = box.document()->toPlainText().split(u'\n');
        QVERIFY(gezeigt.size() > 2);
        QCOMPARE(gezeigt.takeFirst(), QStringLiteral("Kopf"));
        const QChar marke(zeile.back() == u'\n' ? 0x240A : 0x240D);
        QCOMPARE(gezeigt.join(QString()).replace(marke, zeile.back()), t.mid(6));
        // Typed at both ends, the text comes back from what is shown.
        box.moveCursor(QTextCursor::End);
        QTest::keyClicks(&box, QStringLiteral("x"));
        box.moveCursor(QTextCursor::Start);
        QTest::keyClicks(&box, QStringLiteral("y"));
        QCOMPARE(box.text(), u'y' + t + u'x');
        QCOMPARE(aenderungen, 3);
    }

    // Return ends a line with any modifier, and a separator that comes in
    // by paste does too: the text holds CR LF there, as every file does.
    void everyReturnEndsALine_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("weg");  // of the separator instead of a key
        QTest::addColumn<QString>("trenner");
        QTest::newRow("Eingabe") << int(Qt::Key_Return) << int(Qt::NoModifier) << QString() << QString();
        QTest::newRow("Umschalt+Eingabe") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << QString() << QString();
        QTest::newRow("Strg+Eingabe") << int(Qt::Key_Return) << int(Qt::ControlModifier) << QString() << QString();
        QTest::newRow("Umschalt+Enter am Ziffernblock")
            << int(Qt::Key_Enter) << int(Qt::ShiftModifier | Qt::KeypadModifier) << QString() << QString();
        QTest::newRow("Zeilentrenner eingefuegt") << 0 << 0 << "Einfuegen" << QStringLiteral("\u2028");
        QTest::newRow("Absatztrenner eingefuegt") << 0 << 0 << "Einfuegen" << QStringLiteral("\u2029");
        QTest::newRow("Zeilentrenner abgelegt") << 0 << 0 << "Ablegen" << QStringLiteral("\u2028");
        QTest::newRow("Zeilentrenner vom Eingabesystem") << 0 << 0 << "Eingabemethode" << QStringLiteral("\u2028");
    }
    void everyReturnEndsALine()
    {
        QFETCH(int, taste);
        QFETCH(int, modifiers);
        QFETCH(QString, weg);
        QFETCH(QString, trenner);
        TextBox box;
        box.resize(300, 200);
        box.setText(QStringLiteral("AB 1XY"));
        auto zeilenende = [&] {
            if (taste) {
                QTest::keyClick(&box, Qt::Key(taste), Qt::KeyboardModifiers(modifiers));
            } else if (weg == QLatin1String("Ablegen")) {
                box.textCursor().removeSelectedText();
                eingeben(box, weg, trenner);
            } else {
                eingeben(box, weg, trenner);
            }
        };
        box.setSelStart(4);
        box.setSelLength(2); // what the line end replaces
        zeilenende();
        QTest::keyClicks(&box, QStringLiteral("CD 2"));
        QCOMPARE(box.text(), QStringLiteral("AB 1\r\nCD 2"));
        QCOMPARE(box.document()->blockCount(), 2);
        // A locked box takes none.
        box.setLocked(true);
        zeilenende();
        QCOMPARE(box.text(), QStringLiteral("AB 1\r\nCD 2"));
    }

    // Nothing goes into a locked box, by any way; an input method is not
    // even offered it.
    void lockedBoxTakesNothing_data()
    {
        QTest::addColumn<QString>("weg");
        for (const char *weg : {"Taste", "Eingabemethode", "Einfuegen", "Ablegen", "Kontextmenue", "Rueckgaengig"})
            QTest::newRow(weg) << QString::fromLatin1(weg);
    }
    void lockedBoxTakesNothing()
    {
        QFETCH(QString, weg);
        TextBox box;
        box.resize(300, 200);
        box.show();
        box.setText(QStringLiteral("AB 1\r\nCD 2"));
        box.moveCursor(QTextCursor::End);
        QTest::keyClicks(&box, QStringLiteral("x")); // a step to undo
        box.setLocked(true);
        int aenderungen = 0;
        connect(&box, &TextBox::changed, [&] { ++aenderungen; });
        QInputMethodQueryEvent frage(Qt::ImEnabled);
        QCoreApplication::sendEvent(&box, &frage);
        QVERIFY(!frage.value(Qt::ImEnabled).toBool());
        QGuiApplication::clipboard()->setText(QStringLiteral("yz"));
        if (weg == QLatin1String("Kontextmenue")) {
            std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
            for (QAction *a : menu->actions())
                if (a->isEnabled())
                    a->trigger();
        } else if (weg == QLatin1String("Rueckgaengig")) {
            QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        } else {
            eingeben(box, weg, QStringLiteral("é z\n"));
        }
        QCOMPARE(box.text(), QStringLiteral("AB 1\r\nCD 2x"));
        QCOMPARE(aenderungen, 0);
    }

    // Random runs of keys, an input method's letters and replacements,
    // pastes, drops from elsewhere and moves of the box's own text to points
    // in view, line ends, deletions, selections, the wizard's line, undo and
    // redo: after every step the box holds only what the file's character
    // set holds, and shows its lines as the saved file would show them when
    // loaded again. Long lines start some runs, so the box's own breaks are
    // met. At the end, undo goes back through texts of the run to the start,
    // and redo forward to the last.
    void randomEditsShowWhatIsSaved_data()
    {
        QTest::addColumn<quint32>("saat");
        QTest::addColumn<QString>("anfang");
        for (const quint32 saat : {1u, 2u, 3u})
            QTest::addRow("Lauf %u", saat) << saat << QStringLiteral("AB 1\rX\nCD 2\r\n\nEF\r");
        // A CR mark ends a shown line of 4096 characters: a break of the box's own follows.
        const QString lang = (QString(4095, u'a') + QStringLiteral("\rX\n")).repeated(4);
        for (const quint32 saat : {4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u, 12u, 13u})
            QTest::addRow("Lauf %u, lange Zeilen", saat) << saat << lang;
    }
    void randomEditsShowWhatIsSaved()
    {
        QFETCH(quint32, saat);
        QFETCH(QString, anfang);
        QRandomGenerator zufall(saat);
        const QStringList getippt{QStringLiteral("a"), QStringLiteral("Z"), QStringLiteral(" "), QStringLiteral("ß"),
                                  QStringLiteral("€"), QStringLiteral("é"), QStringLiteral("\u0151"),
                                  QStringLiteral("\U0001F600"), QStringLiteral("\u240D"), QStringLiteral("\u240A")};
        const QStringList eingefuegt{QStringLiteral("\r"), QStringLiteral("\n"), QStringLiteral("\u240D"),
                                     QStringLiteral("\u240A"), QStringLiteral("ab\r\ncd"), QStringLiteral("\u2028"),
                                     QStringLiteral("\u03A9x\u2029"), QStringLiteral("\u240D\u240A\u240D")};
        VerschiebbareBox box;
        box.resize(300, 200);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.setZeichensatz(codepage::Charset::Windows);
        box.setText(anfang);
        const int eigene = box.document()->blockCount() - 1 - int(anfang.count(QStringLiteral("\r\n")));
        auto zufallsText = [&](const QStringList &texte) { return texte.at(zufall.bounded(texte.size())); };
        QSet<QString> gewesen{anfang};
        for (int schritt = 0; schritt < 1000; ++schritt) {
            const int n = box.document()->characterCount() - 1;
            // Mostly near a line end or a mark, where edits meet.
            auto ort = [&] {
                const QString gezeigt = box.document()->toRawText();
                QList<int> naehe;
                for (int p = 0; p < gezeigt.size(); ++p)
                    if (gezeigt.at(p) == QChar::ParagraphSeparator || gezeigt.at(p).unicode() >= 0x240A)
                        naehe.append(p);
                if (naehe.isEmpty() || zufall.bounded(3) == 0)
                    return int(zufall.bounded(n + 1));
                return std::clamp(naehe.at(zufall.bounded(naehe.size())) + int(zufall.bounded(5)) - 2, 0, n);
            };
            // Short selections keep the long lines for later steps.
            auto nahBei = [&](int von) { return std::clamp(von + int(zufall.bounded(21)) - 10, 0, n); };
            const int schrittArt = zufall.bounded(15);
            // A deletion often comes right after the caret is put there.
            if ((schrittArt == 3 || schrittArt == 4) && zufall.bounded(2)) {
                QTextCursor c = box.textCursor();
                c.setPosition(ort());
                box.setTextCursor(c);
            }
            switch (schrittArt) {
            case 0: eingeben(box, QStringLiteral("Taste"), zufallsText(getippt)); break;
            case 1: eingeben(box, QStringLiteral("Eingabemethode"), zufallsText(getippt)); break;
            case 2: eingeben(box, QStringLiteral("Einfuegen"), zufallsText(eingefuegt)); break;
            case 3: QTest::keyClick(&box, Qt::Key_Backspace); break;
            case 4: QTest::keyClick(&box, Qt::Key_Delete); break;
            case 5: {
                QTextCursor c = box.textCursor();
                c.setPosition(ort());
                const int kurz = nahBei(c.position());
                if (zufall.bounded(2))
                    c.setPosition(zufall.bounded(2) ? ort() : kurz, QTextCursor::KeepAnchor);
                box.setTextCursor(c);
                break;
            }
            case 6: QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier); break;
            case 7: QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier); break;
            case 8: box.redo(); break;
            case 9: QTest::keyClick(&box, Qt::Key_Return); break;
            case 10:
            case 13: {
                // The box's own text: the selection, else a short stretch
                // near a line end, so the long lines stay for later steps.
                const bool eigener = schrittArt == 13;
                if (eigener && !box.textCursor().hasSelection()) {
                    QTextCursor c = box.textCursor();
                    c.setPosition(ort());
                    c.setPosition(nahBei(c.position()), QTextCursor::KeepAnchor);
                    box.setTextCursor(c);
                }
                std::unique_ptr<QMimeData> daten;
                if (eigener) {
                    daten.reset(box.auswahlDaten());
                    box.gezogen = box.textCursor();
                } else {
                    daten = std::make_unique<QMimeData>();
                    daten->setText(zufallsText(eingefuegt));
                }
                // Where a player can drop: at the end when it is in view, else anywhere in view.
                QTextCursor ende(box.document());
                ende.movePosition(QTextCursor::End);
                const QRect sicht = box.viewport()->rect();
                QPoint punkt = box.cursorRect(ende).center();
                if (!sicht.contains(punkt))
                    punkt = QPoint(int(zufall.bounded(sicht.width())), int(zufall.bounded(sicht.height())));
                // Shift proposes a move: always of the box's own text, at times of another's.
                const bool schieben = eigener || zufall.bounded(2);
                ablegen(box, punkt, *daten, Qt::CopyAction | Qt::MoveAction,
                        schieben ? Qt::ShiftModifier : Qt::NoModifier);
                box.gezogen = QTextCursor();
                break;
            }
            case 11: QTest::keyClick(&box, Qt::Key_Backspace, Qt::ControlModifier); break;
            case 12:
                // The wizard's line, as "Fertig" puts it in.
                box.anhaengen(heerespfad::anBefehle(box.text(), QStringLiteral("RS V10 S20 B13 W14 ")), true);
                box.setSelStart(box.length());
                break;
            default: {
                QInputMethodEvent ersetzt;
                ersetzt.setCommitString(zufallsText(getippt), -int(zufall.bounded(2)), int(zufall.bounded(3)));
                QCoreApplication::sendEvent(&box, &ersetzt);
                break;
            }
            }
            const QString text = box.text();
            QVERIFY2(codepage::encodable(text), qPrintable(QString::number(schritt)));
            const QString fehler = zeigtWieGespeichert(box, eigene);
            QVERIFY2(fehler.isEmpty(), qPrintable(QStringLiteral("Schritt %1: %2").arg(schritt).arg(fehler)));
            gewesen.insert(text);
        }
        const QString zuletzt = box.text();
        int zurueck = 0;
        for (; box.document()->isUndoAvailable(); ++zurueck) {
            box.undo();
            QVERIFY2(gewesen.contains(box.text()), qPrintable(QStringLiteral("Rückgängig %1").arg(zurueck)));
            const QString fehler = zeigtWieGespeichert(box, eigene);
            QVERIFY2(fehler.isEmpty(), qPrintable(QStringLiteral("Rückgängig %1: %2").arg(zurueck).arg(fehler)));
        }
        QCOMPARE(box.text(), anfang);
        while (box.document()->isRedoAvailable() && zurueck-- > 0)
            box.redo();
        QCOMPARE(box.text(), zuletzt);
    }

    // A run of Backspace or Delete is taken back in one step, line ends and
    // all; a deletion that brings a lone CR and a lone LF together is a
    // step of its own, taken back with the line end it made.
    void deletionsAreUndoneByRuns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret"); // -1: at the end
        QTest::addColumn<int>("schnitt"); // characters cut from the caret first
        QTest::addColumn<QString>("tasten"); // B Backspace, E Delete, > caret to the end, A the wizard's line
        QTest::addColumn<QStringList>("zurueck"); // the text after each Ctrl+Z, to the last step
        const QString zeilen = QStringLiteral("AB 1\r\nCD 2\r\nEF 3");
        QTest::newRow("Rücktaste über drei Zeilen") << zeilen << -1 << 0 << QString(14, u'B') << QStringList{zeilen};
        QTest::newRow("Entfernen über drei Zeilen") << zeilen << 0 << 0 << QString(14, u'E') << QStringList{zeilen};
        QTest::newRow("Reihe, dann ein Paar")
            << "AB\rXYZ\nCD" << 6 << 0 << "BBB" << QStringList{"AB\rX\nCD", "AB\rXYZ\nCD"};
        QTest::newRow("Paar, dann eine Reihe")
            << "AB\rX\nCDEF" << 4 << 0 << "B>BB" << QStringList{"AB\r\nCDEF", "AB\rX\nCDEF"};
        QTest::newRow("an zwei Stellen")
            << "AB 1\r\nCD 2" << 4 << 0 << "B>B" << QStringList{"AB \r\nCD 2", "AB 1\r\nCD 2"};
        // Undone past the wizard's line, a line the box showed in pieces is one line again.
        const QString befehle =
            QStringLiteral("RG 1 2 3 4\r\n;") + QString(9000, u'z') + QStringLiteral("\r\nEnde\r\n");
        QTest::newRow("lange Zeile vor der Zeile des Assistenten")
            << befehle << 12 << int(befehle.size()) - 12 << "A" << QStringList{"RG 1 2 3 4\r\n", befehle};
        // The box breaks the shown line after the Y, before the LF.
        const QString lang = QString(4000, u'a') + u'\r', mitte = QString(4189, u'b');
        QTest::newRow("Reihe, dann ein Paar über einen eigenen Umbruch")
            << lang + mitte + "ZY\nCD" << 4001 << 4189 << "EE"
            << QStringList{lang + "Y\nCD", lang + "ZY\nCD", lang + mitte + "ZY\nCD"};
    }
    void deletionsAreUndoneByRuns()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, schnitt);
        QFETCH(QString, tasten);
        QFETCH(QStringList, zurueck);
        TextBox box;
        box.setText(text);
        caret < 0 ? box.moveCursor(QTextCursor::End) : box.setSelStart(caret);
        if (schnitt) {
            box.setSelLength(schnitt);
            box.cut();
        }
        for (const QChar t : tasten) {
            if (t == u'>')
                box.moveCursor(QTextCursor::End);
            else if (t == u'A')
                box.anhaengen(heerespfad::anBefehle(box.text(), QStringLiteral("RS V10 S20 B13 W14")), true);
            else
                QTest::keyClick(&box, t == u'B' ? Qt::Key_Backspace : Qt::Key_Delete);
        }
        for (const QString &soll : zurueck) {
            QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(box.text(), soll);
        }
        QVERIFY(!box.document()->isUndoAvailable());
    }

    // An input method's letters land where it says, relative to the caret;
    // a commit the gate empties replaces nothing, and what it shows while
    // it composes is no change.
    void inputMethodCommitsAtItsPlace_data()
    {
        QTest::addColumn<QString>("eingabe"); // empty: only shown while composing
        QTest::addColumn<int>("ab");
        QTest::addColumn<int>("laenge");
        QTest::addColumn<QString>("text"); // from "AB w", the caret at the end
        QTest::newRow("ersetzt") << "é" << -1 << 1 << "AB é";
        QTest::newRow("davor") << "x" << -2 << 0 << "ABx w";
        QTest::newRow("abgelehnt") << "ŵ" << -1 << 1 << "AB w";
        QTest::newRow("zum Teil") << "ŵé" << -1 << 1 << "AB é";
        QTest::newRow("beim Zusammensetzen") << "" << 0 << 0 << "AB w";
    }
    void inputMethodCommitsAtItsPlace()
    {
        QFETCH(QString, eingabe);
        QFETCH(int, ab);
        QFETCH(int, laenge);
        QFETCH(QString, text);
        TextBox box;
        box.setZeichensatz(codepage::Charset::Windows);
        box.setText(QStringLiteral("AB w"));
        box.moveCursor(QTextCursor::End);
        int aenderungen = 0;
        connect(&box, &TextBox::changed, [&] { ++aenderungen; });
        QInputMethodEvent ein(eingabe.isEmpty() ? QStringLiteral("^") : QString(), {});
        if (!eingabe.isEmpty())
            ein.setCommitString(eingabe, ab, laenge);
        QCoreApplication::sendEvent(&box, &ein);
        QCOMPARE(box.text(), text);
        QCOMPARE(aenderungen, int(text != QLatin1String("AB w")));
        box.undo();
        QCOMPARE(box.text(), QStringLiteral("AB w"));
    }

    // A drag is taken by what the file holds: whole as proposed, in part as
    // a copy, so that its source keeps the rest; of which nothing is left,
    // it is refused where it enters.
    void dropTakesWhatTheFileHolds_data()
    {
        QTest::addColumn<QString>("gezogen"); // empty: no text at all
        QTest::addColumn<int>("aktionen");
        QTest::addColumn<int>("ergebnis"); // the drop's action; IgnoreAction: refused
        QTest::addColumn<QString>("text"); // after "AB "
        const int beide = Qt::CopyAction | Qt::MoveAction;
        QTest::newRow("ganz") << "1 2" << beide << int(Qt::MoveAction) << "AB 1 2";
        QTest::newRow("zum Teil") << "1 \u2192 2" << beide << int(Qt::CopyAction) << "AB 1  2";
        QTest::newRow("zum Teil, nur zu verschieben") << "1 \u2192 2" << int(Qt::MoveAction) << 0 << "AB ";
        QTest::newRow("nichts davon") << "\u2192" << beide << 0 << "AB ";
        QTest::newRow("ohne Text") << "" << beide << 0 << "AB ";
    }
    void dropTakesWhatTheFileHolds()
    {
        QFETCH(QString, gezogen);
        QFETCH(int, aktionen);
        QFETCH(int, ergebnis);
        QFETCH(QString, text);
        TextBox box;
        box.resize(300, 200);
        box.setZeichensatz(codepage::Charset::Windows);
        box.setText(QStringLiteral("AB "));
        QMimeData daten;
        if (gezogen.isEmpty())
            daten.setData(QStringLiteral("image/png"), QByteArray("\x89PNG"));
        else
            daten.setText(gezogen);
        QTextCursor ende(box.document());
        ende.movePosition(QTextCursor::End);
        const QPoint ort = box.cursorRect(ende).center();
        // Shift proposes a move.
        const std::array<int, 3> ist = ablegen(box, ort, daten, Qt::DropActions(aktionen), Qt::ShiftModifier);
        QCOMPARE(ist[0], ergebnis);
        QCOMPARE(ist[1], ergebnis);
        QCOMPARE(ist[2], ergebnis);
        QCOMPARE(box.text(), text);
    }

    // What the box copies holds its characters as they are, without its
    // own breaks: a line cut and pasted back is the line it was.
    void cutAndPastedBackIsAsItWas_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("geschütztes Leerzeichen") << QStringLiteral("AB\u00A01 2\r\nCD");
        QTest::newRow("einzelne CR und LF") << QStringLiteral("AB\r1\n2\r\nCD");
        QTest::newRow("eigener Umbruch") << QString(9000, u'x') + QStringLiteral("\r\nCD");
    }
    void cutAndPastedBackIsAsItWas()
    {
        QFETCH(QString, text);
        TextBox box;
        box.setZeichensatz(codepage::Charset::Windows);
        box.setText(text);
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(box.text().isEmpty());
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), text);
        // A paste of which nothing is left changes nothing, the selection included.
        box.selectAll();
        eingeben(box, QStringLiteral("Einfuegen"), QStringLiteral("\u03A9"));
        QCOMPARE(box.text(), text);
    }

    // A lone CR and a lone LF that an edit brings together are the line end
    // the file will hold: the box shows them as one, and undo brings back
    // what the edit took, marks and all.
    void loneCrMeetingLoneLfIsALineEnd_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret"); // before the key
        QTest::addColumn<int>("taste");
        QTest::addColumn<QString>("vorher"); // shown before: CR and LF as marks
        const QString lang(4095, u'a'); // the CR mark ends a shown line of the box's own
        QTest::newRow("Rücktaste") << "AB 1\rX\nCD 2\r\n" << 6 << int(Qt::Key_Backspace)
                                   << QStringLiteral("AB 1\u240DX\u240ACD 2\n");
        QTest::newRow("Entfernen") << "AB 1\rX\nCD 2\r\n" << 5 << int(Qt::Key_Delete)
                                   << QStringLiteral("AB 1\u240DX\u240ACD 2\n");
        QTest::newRow("über einen eigenen Umbruch") << lang + "\rX\nCD 2\r\n" << 4097 << int(Qt::Key_Backspace)
                                                     << lang + QStringLiteral("\u240D\nX\u240ACD 2\n");
    }
    void loneCrMeetingLoneLfIsALineEnd()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, taste);
        QFETCH(QString, vorher);
        const QString danach = QString(text).remove(text.indexOf(u'X'), 1);
        const QString gezeigt = QString(danach).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        TextBox box;
        box.setText(text);
        QCOMPARE(box.document()->toPlainText(), vorher);
        box.setSelStart(caret);
        QTest::keyClick(&box, Qt::Key(taste));
        QCOMPARE(box.text(), danach);
        QCOMPARE(box.document()->toPlainText(), gezeigt);
        QCOMPARE(box.document()->blockCount(), 3);
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box.text(), text);
        QCOMPARE(box.document()->toPlainText(), vorher);
        QTest::keyClick(&box, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(box.document()->toPlainText(), gezeigt);
        // The caret stands where the X was, after the line end.
        QTest::keyClicks(&box, QStringLiteral("Z"));
        QCOMPARE(box.text(), QString(danach).insert(danach.indexOf(QStringLiteral("CD")), u'Z'));
    }

    // Selecting across a break of the box's own is no edit: the text keeps
    // its lines, and what is typed over the selection ends a line only
    // where the player put a line end.
    void selectingOverAnOwnBreakChangesNothing_data()
    {
        QTest::addColumn<QString>("zeile"); // shown in two pieces, the second of 30 "y"
        QTest::addColumn<bool>("angehaengt");
        const QString lang = QString(8192, u'x') + QString(30, u'y');
        const QString marken = QStringLiteral("xxxxxxxxx\n").repeated(410) + QString(30, u'y');
        QTest::newRow("8192 Zeichen") << lang << false;
        QTest::newRow("8192 Zeichen, angehaengt") << lang << true;
        QTest::newRow("LF-Marken") << marken << false;
    }
    void selectingOverAnOwnBreakChangesNothing()
    {
        QFETCH(QString, zeile);
        QFETCH(bool, angehaengt);
        const QString kopf = QStringLiteral("#BEF 1 2 3\r\n");
        const QString text = kopf + zeile + QStringLiteral("\r\nAB 1\r\n");
        TextBox box;
        box.resize(400, 300);
        box.show();
        if (angehaengt) {
            box.setText(kopf);
            box.anhaengen(text.mid(kopf.size()));
        } else {
            box.setText(text);
        }
        QCOMPARE(box.document()->blockCount(), 5);
        // The second piece of the long line is emptied.
        QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_Up);
        QTest::keyClick(&box, Qt::Key_Up);
        QTest::keyClick(&box, Qt::Key_Home);
        QTest::keyClick(&box, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(&box, Qt::Key_Delete);
        QString soll = text;
        soll.remove(kopf.size() + zeile.size() - 30, 30);
        QCOMPARE(box.text(), soll);
        int aenderungen = 0;
        connect(&box, &TextBox::changed, [&] { ++aenderungen; });
        // The selection takes in the break between the two pieces.
        QTest::keyClick(&box, Qt::Key_Left);
        QTest::keyClick(&box, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(box.selLength(), 0);
        QTest::keyClick(&box, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(&box, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(box.selLength(), 1);
        QCOMPARE(aenderungen, 0);
        QCOMPARE(box.text(), soll);
        // A line end typed over it is one of the text.
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.text(), soll.replace(kopf.size() + zeile.size() - 31, 1, QStringLiteral("\r\n")));
    }

    // A locked box is read with the keys: the caret moves, Shift selects,
    // Ctrl+C copies; typing changes nothing.
    void lockedBoxIsReadByKeys_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("start"); // caret before the key
        QTest::addColumn<int>("selStart"); // after it; -1: further on than the start
        QTest::addColumn<int>("selLength");
        // 200 lines "Zeile nnn" CR LF, 11 characters each; the last one without CR LF.
        QTest::newRow("Strg+Ende") << int(Qt::Key_End) << int(Qt::ControlModifier) << 0 << 2198 << 0;
        QTest::newRow("Strg+Pos1") << int(Qt::Key_Home) << int(Qt::ControlModifier) << 1100 << 0 << 0;
        QTest::newRow("Bild ab") << int(Qt::Key_PageDown) << int(Qt::NoModifier) << 0 << -1 << 0;
        QTest::newRow("Ab") << int(Qt::Key_Down) << int(Qt::NoModifier) << 0 << 11 << 0;
        QTest::newRow("Rechts") << int(Qt::Key_Right) << int(Qt::NoModifier) << 11 << 12 << 0;
        QTest::newRow("Umschalt+Ab") << int(Qt::Key_Down) << int(Qt::ShiftModifier) << 11 << 11 << 11;
        QTest::newRow("Umschalt+Strg+Ende")
            << int(Qt::Key_End) << int(Qt::ShiftModifier | Qt::ControlModifier) << 2189 << 2189 << 9;
    }
    void lockedBoxIsReadByKeys()
    {
        QFETCH(int, taste);
        QFETCH(int, modifiers);
        QFETCH(int, start);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QString text;
        for (int i = 1; i <= 200; ++i)
            text += QStringLiteral("Zeile %1\r\n").arg(i, 3, 10, QLatin1Char('0'));
        text.chop(2);
        TextBox box;
        box.resize(300, 200);
        box.setText(text);
        box.setLocked(true);
        box.show();
        box.setSelStart(start);
        QTest::keyClick(&box, Qt::Key(taste), Qt::KeyboardModifiers(modifiers));
        if (selStart < 0)
            QVERIFY(box.selStart() > start);
        else
            QCOMPARE(box.selStart(), selStart);
        QCOMPARE(box.selLength(), selLength);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        // Copied lines end as lines do on this system.
        QCOMPARE(QGuiApplication::clipboard()->text(), box.selText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        for (const int t : {int(Qt::Key_X), int(Qt::Key_Delete), int(Qt::Key_Backspace), int(Qt::Key_Return)})
            QTest::keyClick(&box, Qt::Key(t));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), text);
    }

    // A lock set during a fill holds at its end; a selection set past the
    // part already in brings the text in up to it.
    void fillKeepsLockAndSelection()
    {
        const QString viele = QStringLiteral("Zeile\r\n").repeated(50000) + QStringLiteral("Ende");
        TextBox box;
        box.fuellen(viele);
        box.setLocked(true);
        QVERIFY(box.locked());
        box.setSelStart(int(viele.size()) - 4);
        box.setSelLength(4);
        QCOMPARE(box.selText(), QStringLiteral("Ende"));
        QCOMPARE(box.textCursor().selectedText(), QStringLiteral("Ende"));
        QVERIFY(box.weiterFuellen());
        QVERIFY(box.isReadOnly() && box.locked());
        QCOMPARE(box.text(), viele);
    }

    // Tab moves the focus on, with Ctrl too, and Shift+Tab back; no tab
    // lands in the text, while a pasted one stays.
    void tabMovesTheFocus_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("vor");
        QTest::newRow("Tab") << int(Qt::NoModifier) << true;
        QTest::newRow("Umschalt+Tab") << int(Qt::ShiftModifier) << false;
        QTest::newRow("Strg+Tab") << int(Qt::ControlModifier) << true;
        QTest::newRow("Strg+Umschalt+Tab") << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
    }
    void tabMovesTheFocus()
    {
        QFETCH(int, modifiers);
        QFETCH(bool, vor);
        QWidget fenster;
        auto *davor = new QLineEdit(&fenster);
        auto *box = new TextBox(&fenster);
        auto *danach = new QLineEdit(&fenster);
        fenster.show();
        fenster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        for (const bool gesperrt : {false, true}) {
            box->setLocked(gesperrt);
            box->setText(QStringLiteral("ab"));
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Tab, Qt::KeyboardModifiers(modifiers));
            QCOMPARE(QApplication::focusWidget(), vor ? static_cast<QWidget *>(danach) : davor);
            QCOMPARE(box->text(), QStringLiteral("ab"));
        }
        box->setLocked(false);
        QGuiApplication::clipboard()->setText(QStringLiteral("1\t2"));
        box->setFocus();
        box->moveCursor(QTextCursor::End);
        box->paste();
        QCOMPARE(box->text(), QStringLiteral("ab1\t2"));
    }

    // A choice by keys answers as a click. With nothing chosen the list has
    // no entry to step over: the first Down, Up or Home chooses the first
    // one; after a choice keys step on. A click beside the entries keeps it.
    void aChoiceByKeyIsAClick_data()
    {
        QTest::addColumn<int>("taste"); // 0: a click below the last entry
        QTest::addColumn<int>("gewaehlt"); // chosen before, -1 for none
        QTest::addColumn<int>("danach");
        QTest::newRow("Ab") << int(Qt::Key_Down) << -1 << 0;
        QTest::newRow("Auf") << int(Qt::Key_Up) << -1 << 0;
        QTest::newRow("Pos1") << int(Qt::Key_Home) << -1 << 0;
        QTest::newRow("Ab nach einer Wahl") << int(Qt::Key_Down) << 2 << 3;
        QTest::newRow("Pos1 nach einer Wahl") << int(Qt::Key_Home) << 2 << 0;
        QTest::newRow("Ende") << int(Qt::Key_End) << 0 << 3;
        QTest::newRow("Bild ab") << int(Qt::Key_PageDown) << 1 << 3;
        QTest::newRow("Buchstabe") << int(Qt::Key_C) << 0 << 2;
        QTest::newRow("Eingabe") << int(Qt::Key_Return) << 1 << 1;
        QTest::newRow("Ab am Ende") << int(Qt::Key_Down) << 3 << 3;
        QTest::newRow("Klick daneben") << 0 << 2 << 2;
    }
    void aChoiceByKeyIsAClick()
    {
        QFETCH(int, taste);
        QFETCH(int, gewaehlt);
        QFETCH(int, danach);
        ListBox liste;
        liste.addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
        if (gewaehlt >= 0)
            liste.setCurrentRow(gewaehlt);
        liste.show();
        liste.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&liste));
        liste.setFocus(Qt::TabFocusReason);
        QSignalSpy wahl(&liste, &QListWidget::itemSelectionChanged);
        QSignalSpy klick(&liste, &ListBox::clicked);
        if (taste)
            QTest::keyClick(&liste, Qt::Key(taste));
        else
            QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, QPoint(5, liste.viewport()->height() - 5));
        QCOMPARE(wahl.count(), int(danach != gewaehlt));
        QCOMPARE(klick.count(), int(danach != gewaehlt || taste == Qt::Key_Return));
        QCOMPARE(liste.selectedItems().size(), 1);
        QCOMPARE(liste.row(liste.selectedItems().first()), danach);
        QCOMPARE(liste.currentRow(), danach);
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
