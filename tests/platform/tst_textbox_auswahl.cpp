// The text box gives back a selection exactly as code set it, also where it
// starts or ends between the CR and the LF of a line end, until the player
// moves it.
#include "platform/controls.h"

#include <QtTest>

class TstTextboxAuswahl : public QObject {
    Q_OBJECT
private slots:
    void gesetzteAuswahlBleibtGenau_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("laenge");
        // "ab" CR LF "cd" CR LF "ef": CR at 2 and 6, LF at 3 and 7.
        QTest::newRow("auf dem LF") << 3 << 1;
        QTest::newRow("bis zum CR") << 1 << 2;
        QTest::newRow("nur der CR") << 2 << 1;
        QTest::newRow("Marke zwischen CR und LF") << 7 << 0;
        QTest::newRow("vom LF zum CR") << 3 << 4;
    }

    void gesetzteAuswahlBleibtGenau()
    {
        QFETCH(int, start);
        QFETCH(int, laenge);
        const QString text = QStringLiteral("ab\r\ncd\r\nef");
        TextBox box;
        box.setText(text);
        box.setSelStart(start);
        box.setSelLength(laenge);
        QCOMPARE(box.selStart(), start);
        QCOMPARE(box.selLength(), laenge);
        QCOMPARE(box.selText(), text.mid(start, laenge));
        box.setSelText(QStringLiteral("X"));
        QCOMPARE(box.text(), QString(text).replace(start, laenge, QStringLiteral("X")));
    }

    void spielerBewegtAuswahl()
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

QTEST_MAIN(TstTextboxAuswahl)
#include "tst_textbox_auswahl.moc"
