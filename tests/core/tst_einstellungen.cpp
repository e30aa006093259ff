// The settings file as bytes, and the little file helpers beside it.
#include "core/einstellungen.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

using einstellungen::Werte;

namespace {
// All seven items of the settings in one line, for comparing.
QString alle(const Werte &w)
{
    return QStringList{w.pfad, w.befehlsdatei, w.auswertung, QString::number(w.autoLaden), QString::number(w.bestaetigung),
                       QString::number(w.tipp), QString::number(w.klick)}.join(QLatin1Char('|'));
}
} // namespace

class TestEinstellungen : public QObject {
    Q_OBJECT
private slots:
    void schreibenUndLesen_data()
    {
        QTest::addColumn<QString>("werte");
        QTest::addColumn<QByteArray>("datei");
        QTest::newRow("einfach") << "/home/spieler/Gub Spiel/|Befehle.txt|Auswertung.txt|0|1|0|1"
                                 << QByteArray("\"/home/spieler/Gub Spiel/\"\r\n\"Befehle.txt\"\r\n\"Auswertung.txt\"\r\n0\r\n1\r\n0\r\n1\r\n");
        QTest::newRow("umlaute und komma") << "/tmp/Züge, Schätze/|Befehle€.txt||1|0|1|0"
                                           << QByteArray("\"/tmp/Z\xFCge, Sch\xE4tze/\"\r\n\"Befehle\x80.txt\"\r\n\"\"\r\n1\r\n0\r\n1\r\n0\r\n");
    }
    void schreibenUndLesen()
    {
        QFETCH(QString, werte);
        QFETCH(QByteArray, datei);
        const QStringList t = werte.split(QLatin1Char('|'));
        const Werte w{t[0], t[1], t[2], qint16(t[3].toShort()), qint16(t[4].toShort()), qint16(t[5].toShort()), qint16(t[6].toShort())};
        QCOMPARE(einstellungen::schreiben(w), datei);
        QCOMPARE(alle(einstellungen::lesen(datei)), werte);
    }

    void liestAuchAndereFormen()
    {
        // One line with commas, blanks around items, bare strings, LF ends.
        const Werte r = einstellungen::lesen("  \"c:\\gub\\\" , Befehle.txt  ,\"Ausw.txt\"\n 1,0\r\n1\r0");
        QCOMPARE(alle(r), QStringLiteral("c:\\gub\\|Befehle.txt|Ausw.txt|1|0|1|0"));
    }

    void kaputteDateienMeldenIhrenFehler()
    {
        for (auto [datei, nummer] : {std::pair{"", 62}, {"\"a\"\r\n\"b\"\r\n\"c\"\r\n1\r\n0\r\n", 62},
                                     {"\"a\"\r\n\"b\"\r\n\"c\"\r\nja\r\n0\r\n0\r\n0\r\n", 13},
                                     {"\"a\"\r\n\"b\"\r\n\"c\"\r\n1\r\n0\r\n0\r\n99999\r\n", 6}})
            QCOMPARE(fehlerNummer([d = datei] { einstellungen::lesen(d); }), nummer);
    }

    void nurLesbareTexteWerdenGeschrieben()
    {
        QVERIFY(einstellungen::schreibbar(QStringLiteral("/home/a b/Ä€/")));
        for (const QString &t : {QStringLiteral("Be\"fehle.txt"), QStringLiteral("a\rb"), QStringLiteral("a\nb"),
                                 QStringLiteral("Łódź.txt"), QStringLiteral("命令.txt")}) {
            QVERIFY2(!einstellungen::schreibbar(t), qPrintable(t));
            Werte w;
            w.befehlsdatei = t;
            QCOMPARE(fehlerNummer([&] { einstellungen::schreiben(w); }), 75);
        }
    }

    void findetOhneGrossKleinUndOhneJoker()
    {
        QTemporaryDir dir;
        schreibeDatei(dir.filePath("Klick.wav"), "x");
        schreibeDatei(dir.filePath("Trööt.WAV"), "x");
        QCOMPARE(einstellungen::finde(dir.path(), QStringLiteral("klick.wav")), QStringLiteral("Klick.wav"));
        QCOMPARE(einstellungen::finde(dir.path() + "/", QStringLiteral("trÖÖt.wav")), QStringLiteral("Trööt.WAV"));
        for (const char *name : {"*.wav", "K?ick.wav", ""})
            QCOMPARE(einstellungen::finde(dir.path(), QString::fromLatin1(name)), QString());
        QCOMPARE(einstellungen::finde(dir.path() + "/fehlt", QStringLiteral("Klick.wav")), QString());
    }

    void verknuepfungsZiel()
    {
        QCOMPARE(einstellungen::verknuepfungsZiel("[InternetShortcut]\r\nURL=https://example.org/gub\r\n"),
                 QUrl(QStringLiteral("https://example.org/gub")));
        QCOMPARE(einstellungen::verknuepfungsZiel("[InternetShortcut]\nurl=mailto:a@example.org\n"),
                 QUrl(QStringLiteral("mailto:a@example.org")));
        QVERIFY(einstellungen::verknuepfungsZiel("[InternetShortcut]\r\n").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEinstellungen)
#include "tst_einstellungen.moc"
