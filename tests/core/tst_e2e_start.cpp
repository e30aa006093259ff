// The whole start in a program folder of its own: splash, film decision,
// intro film, start settings and, once they confirm, the main window; then a
// second start without the film and a start without any film file.
#include "core/form5.h"
#include "core/form7.h"
#include "core/globals.h"
#include "core/startup.h"
#include "platform/dialogs.h"
#include "platform/units.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The build puts the media beside the programs.
QString medien() { return QCoreApplication::applicationDirPath() + QLatin1Char('/'); }

// Windows are looked up by name, so that the test does not create the start
// settings before the chain does.
QWidget *fenster(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}
bool sichtbar(const QString &name) { return fenster(name) && fenster(name)->isVisible(); }
} // namespace

class TestE2eStart : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_pfad;
    Dialoge m_dialoge;

    bool videoMeldung() const
    {
        return m_dialoge.prompts().contains(QStringLiteral("Die Videodatei befindet sich nicht im Programmverzeichnis."));
    }

private slots:
    void initTestCase()
    {
        m_pfad = m_dir.path() + QLatin1Char('/');
        for (const char *d : {"film.avi", "tramsel2.wav", "Tramsel's Homepage.url", "Tramsel's GubMail.url"})
            QVERIFY2(QFile::copy(medien() + QString::fromLatin1(d), m_pfad + QString::fromLatin1(d)), d);
        QVERIFY(QDir(m_pfad).mkdir(QStringLiteral("sounds")));
        const QDir klaenge(medien() + QStringLiteral("sounds"));
        for (const QString &d : klaenge.entryList(QDir::Files))
            QVERIFY(QFile::copy(klaenge.filePath(d), m_pfad + QStringLiteral("sounds/") + d));
        // The program file sits in this folder, as the platform would say.
        start::setAnwendungsPfad(m_dir.path());
    }

    void ersterStartZeigtDenFilm()
    {
        Form5 *splash = Form5::instance();
        splash->Form_Load();
        QCOMPARE(ProgrammPfad, m_pfad);
        QCOMPARE(QFileInfo(m_pfad + QStringLiteral("no.film")).size(), 0);
        QCOMPARE(FilmGezeigt.toInt(), 1);
        // The splash fits its picture with a margin on every side.
        QVERIFY(!splash->Picture1->pixmap().isNull() && !Form7::instance()->Picture1->pixmap().isNull());
        QCOMPARE(splash->Picture1->size(), QSize(500, 191));
        QCOMPARE(splash->client()->size(), QSize(500 + 2 * platform::twipsX(240), 191 + 2 * platform::twipsY(240)));
        // The intro window has taken over from the splash.
        Form7 *intro = Form7::instance();
        QVERIFY(intro->isVisible() && !splash->isVisible() && !sichtbar(QStringLiteral("Form3")));
        QCOMPARE(intro->size(), QSize(168, 190));
        QTRY_COMPARE_WITH_TIMEOUT(intro->film, qint16(1), 8000);
        QTRY_VERIFY_WITH_TIMEOUT(sichtbar(QStringLiteral("Form3")), 15000);
        // The start settings hide the intro window once they show.
        QCOMPARE(intro->film, qint16(2));
        QVERIFY(!intro->isVisible());
        QVERIFY(!videoMeldung());
    }

    void okFuehrtZumHauptfenster()
    {
        QWidget *form3 = fenster(QStringLiteral("Form3"));
        QVERIFY(form3);
        auto *ok = form3->findChild<QAbstractButton *>(QStringLiteral("Command3"));
        auto *text1 = form3->findChild<QLineEdit *>(QStringLiteral("Text1"));
        auto *text2 = form3->findChild<QLineEdit *>(QStringLiteral("Text2"));
        auto *check1 = form3->findChild<QCheckBox *>(QStringLiteral("Check1"));
        QVERIFY(ok && text1 && text2 && check1);
        schreibeDatei(m_pfad + QStringLiteral("Befehle.txt"), QByteArray());
        text1->setText(m_pfad);
        text2->setText(QStringLiteral("Befehle.txt"));
        check1->setChecked(false);
        ok->click();
        QTRY_VERIFY_WITH_TIMEOUT(sichtbar(QStringLiteral("Form1")), 5000);
        QVERIFY(!form3->isVisible());
        QCOMPARE(StandardPfad, m_pfad);
    }

    void zweiterStartOhneFilm()
    {
        fenster(QStringLiteral("Form1"))->hide();
        fenster(QStringLiteral("Form3"))->hide();
        const qint16 filmVorher = Form7::instance()->film;
        m_dialoge.leeren();
        Form5::instance()->Form_Load();
        QVERIFY(FilmGezeigt.isValid());
        QCOMPARE(FilmGezeigt.toInt(), 0);
        QVERIFY(sichtbar(QStringLiteral("Form3")) && !Form7::instance()->isVisible());
        QCOMPARE(Form7::instance()->film, filmVorher);
        QVERIFY(!videoMeldung());
    }

    void startOhneFilmdatei()
    {
        // The marker is still there, but the missing film is told first.
        fenster(QStringLiteral("Form3"))->hide();
        QVERIFY(QFile::remove(m_pfad + QStringLiteral("film.avi")));
        m_dialoge.leeren();
        Form5::instance()->Form_Load();
        QVERIFY(videoMeldung());
        QCOMPARE(m_dialoge.boxen.first().buttons, int(platform::OkOnly));
        QCOMPARE(m_dialoge.boxen.first().title, platform::kTitel);
        QVERIFY(!FilmGezeigt.isValid());
        QVERIFY(sichtbar(QStringLiteral("Form3")) && !Form7::instance()->isVisible());
    }
};

QTEST_MAIN(TestE2eStart)
#include "tst_e2e_start.moc"
