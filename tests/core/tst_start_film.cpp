// The intro window: film with sound, its end, a click on it, a film that
// cannot be played and a film without its sound.
#include "core/form3.h"
#include "core/form5.h"
#include "core/form7.h"
#include "core/globals.h"
#include "testsupport.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The build puts the media beside the programs.
QString medien() { return QCoreApplication::applicationDirPath() + QLatin1Char('/'); }

bool kopieren(const QString &name, const QString &ziel)
{
    return QFile::copy(medien() + name, ziel + name);
}
} // namespace

class TestStartFilm : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_pfad;
    Dialoge m_dialoge;

    void starten()
    {
        Form3::instance()->hide();
        Form7 *f = Form7::instance();
        f->Form_Load();
        f->show();
    }

private slots:
    void initTestCase()
    {
        m_pfad = m_dir.path() + QLatin1Char('/');
        ProgrammPfad = m_pfad;
        // The start settings find their shortcuts and stay quiet.
        kopieren(QStringLiteral("Tramsel's Homepage.url"), m_pfad);
        kopieren(QStringLiteral("Tramsel's GubMail.url"), m_pfad);
    }

    void init()
    {
        QFile::remove(m_pfad + QStringLiteral("film.avi"));
        QFile::remove(m_pfad + QStringLiteral("tramsel2.wav"));
        m_dialoge.leeren();
    }

    void filmLaeuftBisZumEnde()
    {
        QVERIFY(kopieren(QStringLiteral("film.avi"), m_pfad));
        QVERIFY(kopieren(QStringLiteral("tramsel2.wav"), m_pfad));
        QElapsedTimer uhr;
        uhr.start();
        starten();
        Form7 *f = Form7::instance();
        QVERIFY(f->isVisible());
        QVERIFY(!Form5::instance()->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(f->film, qint16(1), 8000);
        QVERIFY(!Form3::instance()->isVisible());
        // The sound plays where there is a device to hear it.
        if (f->MMControl1->Mode() != WavePlayer::kNotOpen && !QMediaDevices::audioOutputs().isEmpty())
            QTRY_COMPARE_WITH_TIMEOUT(f->MMControl1->Mode(), int(WavePlayer::kPlaying), 2000);

        QTRY_VERIFY_WITH_TIMEOUT(Form3::instance()->isVisible(), 15000);
        QCOMPARE(f->film, qint16(2));
        // Played to its end of about four seconds, not cut off by the watchdog.
        QCOMPARE(f->ActiveMovie1->player()->mediaStatus(), QMediaPlayer::EndOfMedia);
        QVERIFY2(uhr.elapsed() >= 3000, qPrintable(QString::number(uhr.elapsed())));
        QCOMPARE(f->MMControl1->Mode(), int(WavePlayer::kNotOpen));
    }

    void klickBeendetFilm()
    {
        QVERIFY(kopieren(QStringLiteral("film.avi"), m_pfad));
        QVERIFY(kopieren(QStringLiteral("tramsel2.wav"), m_pfad));
        starten();
        Form7 *f = Form7::instance();
        QTRY_COMPARE_WITH_TIMEOUT(f->film, qint16(1), 8000);
        QElapsedTimer uhr;
        uhr.start();
        QTest::mouseClick(f->ActiveMovie1, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(Form3::instance()->isVisible(), 1000);
        QVERIFY(uhr.elapsed() < 1000);
        QCOMPARE(f->film, qint16(2));
        QCOMPARE(f->MMControl1->Mode(), int(WavePlayer::kNotOpen));
        QCOMPARE(f->ActiveMovie1->player()->playbackState(), QMediaPlayer::StoppedState);
        // Later reports of the stopped film change nothing.
        QTest::qWait(300);
        QCOMPARE(f->film, qint16(2));
    }

    void kaputterFilmFuehrtZuDenStarteinstellungen()
    {
        QFile kaputt(m_pfad + QStringLiteral("film.avi"));
        QVERIFY(kaputt.open(QIODevice::WriteOnly));
        QByteArray muell(64 * 1024, '\0');
        for (int i = 0; i < muell.size(); ++i)
            muell[i] = char((i * 7919 + 13) % 251);
        kaputt.write("RIFF\x10\0\0\0AVI LIST", 16);
        kaputt.write(muell);
        kaputt.close();
        QVERIFY(kopieren(QStringLiteral("tramsel2.wav"), m_pfad));
        starten();
        Form7 *f = Form7::instance();
        QTRY_VERIFY_WITH_TIMEOUT(Form3::instance()->isVisible(), 15000);
        QCOMPARE(f->film, qint16(2));
        QCOMPARE(f->MMControl1->Mode(), int(WavePlayer::kNotOpen));
    }

    void filmOhneKlang()
    {
        QVERIFY(kopieren(QStringLiteral("film.avi"), m_pfad));
        starten();
        Form7 *f = Form7::instance();
        QTRY_COMPARE_WITH_TIMEOUT(f->film, qint16(1), 8000);
        QCOMPARE(f->MMControl1->Mode(), int(WavePlayer::kNotOpen));
        QTRY_VERIFY_WITH_TIMEOUT(Form3::instance()->isVisible(), 15000);
        QCOMPARE(f->film, qint16(2));
        QVERIFY(m_dialoge.boxen.isEmpty());
    }
};

QTEST_MAIN(TestStartFilm)
#include "tst_start_film.moc"
