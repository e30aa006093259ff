// The text box gives back a selection exactly as code set it, also where it
// starts or ends between the CR and the LF of a line end, until the player
// moves it.
#include "platform/controls.h"

#include <QtTest>

class TstTextboxAuswahl : public QObject {
    Q_OBJECT
private slots:
    void gesetzteAuswahlBleibtGenau_data();
    void gesetzteAuswahlBleibtGenau();
    void spielerBewegtAuswahl();
    void neuerTextVergisstAuswahl();
};

void TstTextboxAuswahl::gesetzteAuswahlBleibtGenau_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("laenge");
    QTest::addColumn<QString>("ausgewaehlt");
    // "ab" CR LF "cd" CR LF "ef": CR at 2 and 6, LF at 3 and 7.
    QTest::newRow("auf dem LF") << 3 << 1 << QStringLiteral("\n");
    QTest::newRow("bis zum CR") << 1 << 2 << QStringLiteral("b\r");
    QTest::newRow("nur der CR") << 2 << 1 << QStringLiteral("\r");
    QTest::newRow("Marke zwischen CR und LF") << 7 << 0 << QString();
    QTest::newRow("vom LF zum CR") << 3 << 4 << QStringLiteral("\ncd\r");
    QTest::newRow("ganze Paare") << 2 << 6 << QStringLiteral("\r\ncd\r\n");
}

void TstTextboxAuswahl::gesetzteAuswahlBleibtGenau()
{
    QFETCH(int, start);
    QFETCH(int, laenge);
    QFETCH(QString, ausgewaehlt);
    TextBox box;
    box.setText(QStringLiteral("ab\r\ncd\r\nef"));
    box.setSelStart(start);
    QCOMPARE(box.selStart(), start);
    box.setSelLength(laenge);
    QCOMPARE(box.selStart(), start);
    QCOMPARE(box.selLength(), laenge);
    QCOMPARE(box.selText(), ausgewaehlt);
    // Replacing works on exactly those characters.
    box.setSelText(QStringLiteral("X"));
    QString erwartet = QStringLiteral("ab\r\ncd\r\nef");
    erwartet.replace(start, laenge, QStringLiteral("X"));
    QCOMPARE(box.text(), erwartet);
}

void TstTextboxAuswahl::spielerBewegtAuswahl()
{
    TextBox box;
    box.setText(QStringLiteral("ab\r\ncd"));
    box.show();
    box.setFocus();
    box.setSelStart(3);
    box.setSelLength(1);
    QCOMPARE(box.selStart(), 3);
    // The caret moves on from where the widget shows it: the line break.
    QTest::keyClick(&box, Qt::Key_Right);
    QCOMPARE(box.selLength(), 0);
    QCOMPARE(box.selStart(), 5);
}

void TstTextboxAuswahl::neuerTextVergisstAuswahl()
{
    TextBox box;
    box.setText(QStringLiteral("ab\r\ncd"));
    box.setSelStart(3);
    box.setText(QStringLiteral("xy\r\nzz"));
    QCOMPARE(box.selStart(), 0);
    QCOMPARE(box.selLength(), 0);
}

QTEST_MAIN(TstTextboxAuswahl)
#include "tst_textbox_auswahl.moc"
