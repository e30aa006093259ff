// Program folder, the film decision and the film's run, without windows.
#include "core/globals.h"
#include "core/startup.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using start::Film;
using start::FilmAblauf;

class TestStart : public QObject {
    Q_OBJECT
private slots:
    void programmPfad()
    {
        for (auto [ein, aus] : {std::pair{"/opt/befehlswart", "/opt/befehlswart/"}, {"/", "/"}, {"/home/gub/", "/home/gub/"}})
            QCOMPARE(start::programmPfad(QString::fromLatin1(ein)), QString::fromLatin1(aus));
        QCOMPARE(start::anwendungsPfad(), QCoreApplication::applicationDirPath());
        start::setAnwendungsPfad(QStringLiteral("/anders"));
        QCOMPARE(start::anwendungsPfad(), QStringLiteral("/anders"));
        start::setAnwendungsPfad(QString());
        QCOMPARE(start::anwendungsPfad(), QCoreApplication::applicationDirPath());
    }

    void filmEntscheidung_data()
    {
        QTest::addColumn<bool>("film");
        QTest::addColumn<bool>("marke");
        QTest::addColumn<int>("ergebnis");
        QTest::addColumn<QVariant>("gezeigt");
        QTest::newRow("nichts") << false << false << int(Film::Fehlt) << QVariant();
        QTest::newRow("nur Marke") << false << true << int(Film::Fehlt) << QVariant();
        QTest::newRow("erster Start") << true << false << int(Film::Zeigen) << QVariant(1);
        QTest::newRow("zweiter Start") << true << true << int(Film::Uebersprungen) << QVariant(0);
        // A folder of that name is no film.
        QTest::newRow("Ordner film.avi") << false << false << int(Film::Fehlt) << QVariant();
    }
    void filmEntscheidung()
    {
        QFETCH(bool, film);
        QFETCH(bool, marke);
        QFETCH(int, ergebnis);
        QFETCH(QVariant, gezeigt);
        QTemporaryDir dir;
        const QString pfad = dir.path() + QLatin1Char('/');
        if (film)
            schreibeDatei(pfad + QStringLiteral("film.avi"), "x");
        if (marke)
            schreibeDatei(pfad + QStringLiteral("no.film"), QByteArray());
        if (QByteArray(QTest::currentDataTag()).startsWith("Ordner"))
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("film.avi")));
        FilmGezeigt = QVariant(7);
        QCOMPARE(int(start::filmEntscheiden(pfad)), ergebnis);
        QCOMPARE(FilmGezeigt, gezeigt);
        // The marker appears exactly when the film is shown, and stays empty;
        // the next start skips the film.
        QCOMPARE(QFileInfo::exists(pfad + QStringLiteral("no.film")), marke || ergebnis == int(Film::Zeigen));
        if (ergebnis == int(Film::Zeigen)) {
            QCOMPARE(QFileInfo(pfad + QStringLiteral("no.film")).size(), 0);
            QCOMPARE(start::filmEntscheiden(pfad), Film::Uebersprungen);
        }
    }

    void markeNichtAnlegbar()
    {
        // The marker cannot be written (its name leads nowhere): the film is
        // still shown and nothing breaks.
        QTemporaryDir dir;
        const QString pfad = dir.path() + QLatin1Char('/');
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
        // A new film counts afresh.
        a.laden();
        QVERIFY(!a.istGestartet() && !a.istBeendet());
    }

    void fehlerVorDemStartGiltAlsEnde()
    {
        FilmAblauf a;
        QSignalSpy spy(&a, &FilmAblauf::StateChange);
        a.laden();
        a.beendet();
        QCOMPARE(spy, (QList<QList<QVariant>>{{FilmAblauf::Gestoppt, FilmAblauf::Laeuft}, {FilmAblauf::Laeuft, FilmAblauf::Gestoppt}}));
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
        QSignalSpy spyB(&b, &FilmAblauf::StateChange);
        b.laden();
        b.dauerBekannt(300);
        b.gestartet();
        QTest::qWait(200);
        QVERIFY(!b.istBeendet());
        QTRY_VERIFY_WITH_TIMEOUT(b.istBeendet(), 2000);
        QCOMPARE(spyB.size(), 2);
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
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"
