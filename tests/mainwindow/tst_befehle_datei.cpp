// The orders file: header, written bytes, reading rule and counting.
#include "platform/codepage.h"
#include "mainwindow/befehlsdatei.h"

#include <QtTest>

using namespace befehlsdatei;

namespace {
const QString kSeite = QStringLiteral("https://befehlswart.example.org/");
const QString kMail = QStringLiteral("befehlswart@example.org");
} // namespace

class TstBefehleDatei : public QObject {
    Q_OBJECT
private slots:
    void headerLineByteForByte();
    void writtenBytes_data();
    void writtenBytes();
    void saveThenLoad_data();
    void saveThenLoad();
    void hiddenStretches_data();
    void hiddenStretches();
    void counting_data();
    void counting();
};

void TstBefehleDatei::headerLineByteForByte()
{
    const QByteArray erwartet = QByteArray(";\xAE") + "Diese Befehlsdatei wurde mit 'Befehlswart' erstellt. Mehr Infos auf "
                                "https://befehlswart.example.org/ oder per EMail: befehlswart@example.org\r\n";
    QCOMPARE(kopfzeile(kSeite, kMail), erwartet);
    // The header vanishes again on reading, whatever it holds.
    QCOMPARE(lesen(kopfzeile(kSeite, kMail)), QByteArray());
}

void TstBefehleDatei::writtenBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("nachKopf");
    QTest::newRow("leer") << QString() << QByteArray("\r\n");
    QTest::newRow("umlaute") << QStringLiteral("#BEF 1 2 3 >Grün>\r\n;Späher ß") << QByteArray("#BEF 1 2 3 >Gr\xFCn>\r\n;Sp\xE4her \xDF\r\n");
    QTest::newRow("euro und 0xAE") << QStringLiteral("X € ®") << QByteArray("X \x80 \xAE\r\n");
}

void TstBefehleDatei::writtenBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, nachKopf);
    QCOMPARE(inhalt(text, kSeite, kMail), kopfzeile(kSeite, kMail) + nachKopf);
}

void TstBefehleDatei::saveThenLoad_data()
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

void TstBefehleDatei::saveThenLoad()
{
    QFETCH(QString, text);
    const QByteArray datei = inhalt(text, kSeite, kMail);
    const QString zurueck = codepage::decode(lesen(datei));
    // The line end written after the text comes back with it.
    QCOMPARE(zurueck, text + QStringLiteral("\r\n"));
    // Each further round adds one more.
    QCOMPARE(codepage::decode(lesen(inhalt(zurueck, kSeite, kMail))), text + QStringLiteral("\r\n\r\n"));
}

void TstBefehleDatei::hiddenStretches_data()
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

void TstBefehleDatei::hiddenStretches()
{
    QFETCH(QByteArray, datei);
    QFETCH(QByteArray, text);
    QCOMPARE(lesen(datei), text);
}

void TstBefehleDatei::counting_data()
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

void TstBefehleDatei::counting()
{
    QFETCH(QString, text);
    QFETCH(QString, label);
    QCOMPARE(zaehlText(text), label);
}

QTEST_GUILESS_MAIN(TstBefehleDatei)
#include "tst_befehle_datei.moc"
