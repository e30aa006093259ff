// The settings file as bytes, and the little file helpers beside it.
#include "core/einstellungen.h"
#include "platform/errors.h"
#include "wavedatei.h"

#include <QTemporaryDir>
#include <QTest>

using einstellungen::Werte;

class TestEinstellungen : public QObject {
    Q_OBJECT
private:
    static int fehler(const QByteArray &b)
    {
        try {
            einstellungen::lesen(b);
        } catch (const platform::Error &e) {
            return e.number;
        }
        return 0;
    }

private slots:
    void schreibtWieWriteUndLiestZurueck()
    {
        Werte w{QStringLiteral("/home/spieler/Gub Spiel/"), QStringLiteral("Befehle.txt"),
                QStringLiteral("Auswertung.txt"), 0, 1, 0, 1};
        const QByteArray b = einstellungen::schreiben(w);
        QCOMPARE(b, QByteArray("\"/home/spieler/Gub Spiel/\"\r\n\"Befehle.txt\"\r\n\"Auswertung.txt\"\r\n"
                               "0\r\n1\r\n0\r\n1\r\n"));
        const Werte r = einstellungen::lesen(b);
        QCOMPARE(r.pfad, w.pfad);
        QCOMPARE(r.befehlsdatei, w.befehlsdatei);
        QCOMPARE(r.auswertung, w.auswertung);
        QCOMPARE(r.autoLaden, qint16(0));
        QCOMPARE(r.bestaetigung, qint16(1));
        QCOMPARE(r.tipp, qint16(0));
        QCOMPARE(r.klick, qint16(1));
    }

    void umlauteAlsEinByteUndKommaImNamen()
    {
        Werte w{QStringLiteral("/tmp/Züge, Schätze/"), QStringLiteral("Befehle€.txt"), QString(), 1, 0, 1, 0};
        const QByteArray b = einstellungen::schreiben(w);
        QVERIFY(b.startsWith("\"/tmp/Z\xFCge, Sch\xE4tze/\"\r\n\"Befehle\x80.txt\"\r\n\"\"\r\n1\r\n"));
        const Werte r = einstellungen::lesen(b);
        QCOMPARE(r.pfad, w.pfad);
        QCOMPARE(r.befehlsdatei, w.befehlsdatei);
        QCOMPARE(r.auswertung, QString());
        QCOMPARE(r.tipp, qint16(1));
    }

    void liestWasInputLas()
    {
        // One line with commas, blanks around items, bare strings, LF ends.
        const Werte r = einstellungen::lesen("  \"c:\\gub\\\" , Befehle.txt  ,\"Ausw.txt\"\n 1,0\r\n1\r0");
        QCOMPARE(r.pfad, QStringLiteral("c:\\gub\\"));
        QCOMPARE(r.befehlsdatei, QStringLiteral("Befehle.txt"));
        QCOMPARE(r.auswertung, QStringLiteral("Ausw.txt"));
        QCOMPARE(r.autoLaden, qint16(1));
        QCOMPARE(r.bestaetigung, qint16(0));
        QCOMPARE(r.tipp, qint16(1));
        QCOMPARE(r.klick, qint16(0));
    }

    void kaputteDateienMeldenIhrenFehler()
    {
        QCOMPARE(fehler(QByteArray()), 62);
        QCOMPARE(fehler("\"a\"\r\n\"b\"\r\n\"c\"\r\n1\r\n0\r\n"), 62);
        QCOMPARE(fehler("\"a\"\r\n\"b\"\r\n\"c\"\r\nja\r\n0\r\n0\r\n0\r\n"), 13);
        QCOMPARE(fehler("\"a\"\r\n\"b\"\r\n\"c\"\r\n1\r\n0\r\n0\r\n99999\r\n"), 6);
    }

    void nurLesbareTexteWerdenGeschrieben()
    {
        QVERIFY(einstellungen::schreibbar(QStringLiteral("/home/a b/Ä€/")));
        for (const QString &t : {QStringLiteral("Be\"fehle.txt"), QStringLiteral("a\rb"), QStringLiteral("a\nb"),
                                 QStringLiteral("Łódź.txt"), QStringLiteral("命令.txt")}) {
            QVERIFY2(!einstellungen::schreibbar(t), qPrintable(t));
            Werte w;
            w.befehlsdatei = t;
            try {
                einstellungen::schreiben(w);
                QFAIL("written");
            } catch (const platform::Error &e) {
                QCOMPARE(e.number, 75);
            }
        }
    }

    void findetOhneGrossKleinUndOhneJoker()
    {
        QTemporaryDir dir;
        schreibeDatei(dir.filePath("Klick.wav"), "x");
        schreibeDatei(dir.filePath("Trööt.WAV"), "x");
        QCOMPARE(einstellungen::finde(dir.path(), QStringLiteral("klick.wav")), QStringLiteral("Klick.wav"));
        QCOMPARE(einstellungen::finde(dir.path() + "/", QStringLiteral("trÖÖt.wav")), QStringLiteral("Trööt.WAV"));
        QCOMPARE(einstellungen::finde(dir.path(), QStringLiteral("*.wav")), QString());
        QCOMPARE(einstellungen::finde(dir.path(), QStringLiteral("K?ick.wav")), QString());
        QCOMPARE(einstellungen::finde(dir.path(), QString()), QString());
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
