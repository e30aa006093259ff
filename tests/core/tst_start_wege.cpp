// The start as a new player walks it: the splash only until it is painted,
// the start settings centred, Enter on a focused button, empty names, a
// hand-edited settings file, a link nothing can open, the picker's Enter,
// the progress window and the secret-order indicator.
#include "core/einstellungen.h"
#include "core/form3.h"
#include "core/form4.h"
#include "core/form5.h"
#include "core/globals.h"
#include "core/startup.h"
#include "mainwindow/form1.h"
#include "mainwindow/leer.h"
#include "orderref/form2.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kDateienFehlen = QStringLiteral(
    "Die ausgewählten und angegebenen Dateien müssen sich beide im oben angegebenen Verzeichnis befinden.\r\n"
    "Wenn du keine angeben möchtest, dann lösche einfach die Einträge. Die entsprechenden Dateien können "
    "nachher immer noch angegeben werden.");

bool mittig(QWidget *w)
{
    const QPoint d = w->geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    return qAbs(d.x()) <= 2 && qAbs(d.y()) <= 2;
}
} // namespace

class TstStartWege : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    Dialoge m_dialoge;
    QString m_spiel;

    Form3 *neu()
    {
        if (Form3::exists())
            delete Form3::instance();
        m_dialoge.leeren();
        return Form3::instance();
    }

private slots:
    void initTestCase();
    void splashNurBisGezeichnet();
    void starteinstellungenMittig();
    void enterGehtAnDenKnopfMitFokus_data();
    void enterGehtAnDenKnopfMitFokus();
    void auswahlEnterSchliesst();
    void handbearbeiteteSchalterAendernNichts();
    void linkOhneProgramm();
    void fortschrittsfensterVeraenderbar();
    void anzeigeSchrittOhnePause();
    // Last: the main window can be created only once.
    void leereNamenBestehenDiePruefung();
};

void TstStartWege::initTestCase()
{
    QVERIFY(m_dir.isValid());
    Form1::endProgram = [] {};
    ProgrammPfad = m_dir.path() + QStringLiteral("/prog/");
    schreibeDatei(ProgrammPfad + "Tramsel's Homepage.url", "[InternetShortcut]\r\nURL=https://example.org/gub\r\n");
    schreibeDatei(ProgrammPfad + "Tramsel's GubMail.url", "[InternetShortcut]\r\nURL=mailto:gub@example.org\r\n");
    m_spiel = m_dir.path() + QStringLiteral("/spiel/");
    QVERIFY(QDir().mkpath(m_spiel));
}

void TstStartWege::splashNurBisGezeichnet()
{
    // No film: the splash, its message, then the start settings.
    start::setAnwendungsPfad(m_dir.path() + QStringLiteral("/prog"));
    QElapsedTimer uhr;
    uhr.start();
    Form5::instance()->Form_Load();
    QVERIFY(Form5::instance()->gezeichnet());
    QVERIFY2(uhr.elapsed() < 1000, qPrintable(QString::number(uhr.elapsed())));
    QVERIFY(m_dialoge.prompts().contains(QStringLiteral("Die Videodatei befindet sich nicht im Programmverzeichnis.")));
    QVERIFY(Form3::instance()->isVisible());
    start::setAnwendungsPfad(QString());
    Form3::instance()->hide();
}

void TstStartWege::starteinstellungenMittig()
{
    Form3 *f = neu();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    QVERIFY(mittig(f));
}

void TstStartWege::enterGehtAnDenKnopfMitFokus_data()
{
    QTest::addColumn<QString>("fokus");
    QTest::addColumn<QString>("meldung");
    // No sound file here: "Testen" says so.
    QTest::newRow("Testen") << "Command5" << "Keine Sounddateien verfügbar.";
    QTest::newRow("Ordnerfeld") << "Text1" << kDateienFehlen;
    QTest::newRow("Ok") << "Command3" << kDateienFehlen;
}

void TstStartWege::enterGehtAnDenKnopfMitFokus()
{
    QFETCH(QString, fokus);
    QFETCH(QString, meldung);
    Form3 *f = neu();
    f->Text1->setText(m_spiel);
    f->Check2->setChecked(true); // set by code: "Testen" comes on
    QVERIFY(f->Command5->isEnabled());
    f->show();
    QVERIFY(QTest::qWaitForWindowActive(f));
    auto *w = f->findChild<QWidget *>(fokus);
    w->setFocus();
    m_dialoge.leeren();
    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(m_dialoge.prompts(), QStringList{meldung});
    QVERIFY(!Form1::exists());
    f->hide();
}

void TstStartWege::auswahlEnterSchliesst()
{
    Form4 *f = Form4::instance();
    f->show();
    QVERIFY(QTest::qWaitForWindowActive(f));
    f->File1->setFocus();
    QTest::keyClick(f->File1, Qt::Key_Enter);
    QVERIFY(!f->isVisible());
}

void TstStartWege::handbearbeiteteSchalterAendernNichts()
{
    // Items 4 to 7: 2, 1, 7, -1. Only the 1 is a switch's value.
    schreibeDatei(ProgrammPfad + einstellungen::kDateiname,
                  "\"" + m_spiel.toUtf8() + "\"\r\n\"B.txt\"\r\n\"A.txt\"\r\n2\r\n1\r\n7\r\n-1\r\n");
    Form3 *f = neu();
    QVERIFY2(m_dialoge.boxen.isEmpty(), qPrintable(m_dialoge.letzter()));
    QCOMPARE(f->Text1->text(), m_spiel);
    QCOMPARE(f->Text2->text(), QStringLiteral("B.txt"));
    QCOMPARE(QDir::currentPath() + QLatin1Char('/'), m_spiel);
    QVERIFY(!f->Check1->isChecked());
    QCOMPARE(f->auto_, qint16(0));
    QCOMPARE(BestaetigungsKlangAn, qint16(1));
    QCOMPARE(TippKlangAn, qint16(0));
    QCOMPARE(KlickKlangAn, qint16(0));
    QCOMPARE(f->OLE1, QUrl(QStringLiteral("https://example.org/gub")));
    QCOMPARE(f->OLE2, QUrl(QStringLiteral("mailto:gub@example.org")));
    QFile::remove(ProgrammPfad + einstellungen::kDateiname);
}

void TstStartWege::linkOhneProgramm()
{
    Form3 *f = neu();
    QList<QUrl> versucht;
    Form3::linkOeffnen = [&](const QUrl &u) {
        versucht << u;
        return false;
    };
    f->Label5_Click();
    QCOMPARE(versucht, QList<QUrl>{QUrl(QStringLiteral("https://example.org/gub"))});
    QCOMPARE(m_dialoge.boxen.size(), 1);
    QVERIFY(m_dialoge.letzter().startsWith(QStringLiteral("Es wurde kein Programm gefunden")));
    QVERIFY(m_dialoge.letzter().contains(QStringLiteral("https://example.org/gub")));
    QVERIFY(m_dialoge.boxen[0].title != QStringLiteral("Fehlende Dateien"));
    QCOMPARE(Form2::instance()->fensterZustand(), 0);
    Form2::instance()->show();
    QVERIFY(!(Form2::instance()->windowState() & Qt::WindowMinimized));
    Form2::instance()->hide();
    Form3::linkOeffnen = [](const QUrl &) { return true; };
}

void TstStartWege::fortschrittsfensterVeraenderbar()
{
    Leer *l = Leer::instance();
    l->show();
    QVERIFY(QTest::qWaitForWindowExposed(l));
    QVERIFY(mittig(l));
    QCOMPARE(l->client()->size(), QSize(qRound(4236 / 15.0), qRound(600 / 15.0)));
    const QSize vorher = l->size();
    l->resize(vorher + QSize(80, 40));
    QTRY_COMPARE(l->size(), vorher + QSize(80, 40));
    l->hide();
}

void TstStartWege::anzeigeSchrittOhnePause()
{
    // 121 steps of the indicator, one yield each and no pause between.
    Form2 *f = Form2::instance();
    QElapsedTimer uhr;
    uhr.start();
    f->Command1_Click();
    QCOMPARE(f->Label2->caption(), QStringLiteral("OFF"));
    QVERIFY2(uhr.elapsed() < 300, qPrintable(QString::number(uhr.elapsed())));
}

void TstStartWege::leereNamenBestehenDiePruefung()
{
    Form3 *f = neu();
    f->Text1->setText(m_spiel);
    f->Check1->setChecked(true);
    f->Text3->setText(QString());
    f->Text2->setText(QString());
    f->Command3_Click();
    QVERIFY2(!m_dialoge.prompts().contains(kDateienFehlen), qPrintable(m_dialoge.prompts().join(QLatin1Char('|'))));
    QVERIFY(Form1::exists());
    QVERIFY(Form1::instance()->isVisible());
    QVERIFY(mittig(Form1::instance()));
    QCOMPARE(StandardBefehlsdatei, QString());
    QCOMPARE(StartAuswertung, QString());
}

QTEST_MAIN(TstStartWege)
#include "tst_start_wege.moc"
