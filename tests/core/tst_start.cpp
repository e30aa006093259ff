// Program folder, the film decision and the film's run, the settings file as
// bytes and the little file helpers beside it: the start without windows.
#include "core/einstellungen.h"
#include "core/globals.h"
#include "core/startup.h"
#include "testmain.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using start::Film;
using start::FilmAblauf;
using einstellungen::Werte;

namespace {
QString alle(const Werte &w)
{
    return QStringList{w.pfad, w.befehlsdatei, w.auswertung, QString::number(w.autoLaden), QString::number(w.bestaetigung),
                       QString::number(w.tipp), QString::number(w.klick)}.join(QLatin1Char('|'));
}
} // namespace

class TestStart : public QObject {
    Q_OBJECT
private slots:
    void ordnerMitTrenner()
    {
        for (auto [ein, aus] : {std::pair{"/opt/befehlswart", "/opt/befehlswart/"}, {"/", "/"}, {"/home/gub/", "/home/gub/"}, {"", ""}})
            QCOMPARE(start::ordnerMitTrenner(QString::fromLatin1(ein)), QString::fromLatin1(aus));
        start::setAnwendungsPfad(QStringLiteral("/anders"));
        QCOMPARE(start::anwendungsPfad(), QStringLiteral("/anders"));
        start::setAnwendungsPfad(QString());
        QCOMPARE(start::anwendungsPfad(), QCoreApplication::applicationDirPath());
    }

    void filmEntscheidung()
    {
        // A folder named as the film is no film, and gets no marker.
        QTemporaryDir dir;
        const QString pfad = dir.path() + QLatin1Char('/');
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("film.avi")));
        FilmGezeigt = QVariant(7);
        QCOMPARE(start::filmEntscheiden(pfad), Film::Fehlt);
        QVERIFY(!FilmGezeigt.isValid() && !QFileInfo::exists(pfad + QStringLiteral("no.film")));
        // The marker cannot be written (its name leads nowhere): the film is still shown.
        QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("film.avi")));
        schreibeDatei(pfad + QStringLiteral("film.avi"), "x");
        QVERIFY(QFile::link(dir.path() + QStringLiteral("/fehlt/gar/nicht.da"), pfad + QStringLiteral("no.film")));
        QCOMPARE(start::filmEntscheiden(pfad), Film::Zeigen);
        QCOMPARE(FilmGezeigt.toInt(), 1);
        QVERIFY(!start::vorhanden(pfad + QStringLiteral("no.film")));
    }

    void ablaufStartUndEnde()
    {
        FilmAblauf a;
        QSignalSpy spy(&a, &FilmAblauf::StateChange);
        a.laden();
        QVERIFY(a.wachhundAktiv());
        a.gestartet();
        a.gestartet();
        // End of media, the stop and an error after it are one end.
        a.beendet();
        a.beendet();
        a.gestartet();
        QCOMPARE(spy, (QList<QList<QVariant>>{{FilmAblauf::Gestoppt, FilmAblauf::Laeuft}, {FilmAblauf::Laeuft, FilmAblauf::Gestoppt}}));
        QVERIFY(!a.wachhundAktiv());
        // A new film counts afresh; an error before its start is its end.
        a.laden();
        QVERIFY(!a.istGestartet() && !a.istBeendet());
        a.beendet();
        QCOMPARE(spy.mid(2), spy.mid(0, 2));
    }

    void wachhund()
    {
        // A film that never starts ends after its start-up time.
        FilmAblauf a;
        a.anlaufMs = 50;
        QSignalSpy spy(&a, &FilmAblauf::StateChange);
        a.laden();
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 2, 2000);

        // Once its length is known, a film gets that plus the margin.
        FilmAblauf b;
        b.anlaufMs = 50;
        b.nachlaufMs = 100;
        b.laden();
        b.dauerBekannt(300);
        b.gestartet();
        QTest::qWait(200);
        QVERIFY(!b.istBeendet());
        QTRY_VERIFY_WITH_TIMEOUT(b.istBeendet(), 2000);
        // No length keeps the start-up time; a short film shortens it.
        FilmAblauf c;
        c.anlaufMs = 60000;
        c.nachlaufMs = 0;
        c.laden();
        c.dauerBekannt(0);
        QVERIFY(c.wachhundRestMs() > 30000);
        c.dauerBekannt(500);
        QVERIFY(c.wachhundRestMs() <= 1000);
    }

    void schreibenUndLesen_data()
    {
        QTest::addColumn<QString>("werte");
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<bool>("geschrieben"); // writing gives these bytes too
        QTest::newRow("umlaute und komma") << "/tmp/Züge, Schätze/|Befehle€.txt||1|0|1|0"
                                           << QByteArray("\"/tmp/Z\xFCge, Sch\xE4tze/\"\r\n\"Befehle\x80.txt\"\r\n\"\"\r\n1\r\n0\r\n1\r\n0\r\n")
                                           << true;
        // One line with commas, blanks around items, bare strings, LF ends.
        QTest::newRow("andere Formen") << "c:\\gub\\|Befehle.txt|Ausw.txt|1|0|1|0"
                                       << QByteArray("  \"c:\\gub\\\" , Befehle.txt  ,\"Ausw.txt\"\n 1,0\r\n1\r0") << false;
    }
    void schreibenUndLesen()
    {
        QFETCH(QString, werte);
        QFETCH(QByteArray, datei);
        QFETCH(bool, geschrieben);
        const QStringList t = werte.split(QLatin1Char('|'));
        const Werte w{t[0], t[1], t[2], qint16(t[3].toShort()), qint16(t[4].toShort()), qint16(t[5].toShort()), qint16(t[6].toShort())};
        if (geschrieben)
            QCOMPARE(einstellungen::schreiben(w), datei);
        QCOMPARE(alle(einstellungen::lesen(datei)), werte);
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
        QCOMPARE(einstellungen::finde(dir.path() + "/", QStringLiteral("trÖÖt.wav")), QStringLiteral("Trööt.WAV"));
        for (const char *name : {"*.wav", "K?ick.wav", ""})
            QCOMPARE(einstellungen::finde(dir.path(), QString::fromLatin1(name)), QString());
        QCOMPARE(einstellungen::finde(dir.path() + "/fehlt", QStringLiteral("Klick.wav")), QString());
    }

    void verknuepfungsZiel()
    {
        QCOMPARE(einstellungen::verknuepfungsZiel("[InternetShortcut]\nurl=mailto:a@example.org\n"),
                 QUrl(QStringLiteral("mailto:a@example.org")));
        QVERIFY(einstellungen::verknuepfungsZiel("[InternetShortcut]\r\n").isEmpty());
    }
};

BW_TEST_MAIN(TestStart)
#include "tst_start.moc"
