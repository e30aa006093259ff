// The start settings window: its load with and without settings file,
// saving, "Ok" and its refusals, the contact links and quitting.
#include "core/einstellungen.h"
#include "core/form3.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "orderref/form2.h"
#include "testsupport.h"
#include "wavedatei.h"

#include <QDesktopServices>
#include <QTemporaryDir>
#include <QTest>

namespace {
const bool g_ohneTon = [] {
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse");
    return true;
}();

const QString kDateienFehlen = QStringLiteral(
    "Die ausgewählten und angegebenen Dateien müssen sich beide im oben angegebenen Verzeichnis befinden.\r\n"
    "Wenn du keine angeben möchtest, dann lösche einfach die Einträge. Die entsprechenden Dateien können "
    "nachher immer noch angegeben werden.");
const QString kVerknuepfungen = QStringLiteral(
    "Es fehlen höchstwahrscheinlich die Dateien, die die Informationen für Tramsel's Homepage und Tramsel's Mail "
    "enthalten. Bitte neu installieren. Falls das Problem öfter auftritt, gib' mir bitte Bescheid.");
} // namespace

class Browser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> geoeffnet;
public slots:
    void oeffne(const QUrl &u) { geoeffnet << u; }
};

class TestForm3 : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    Dialoge m_dialoge;
    Browser m_browser;
    int m_ende = 0;
    QString m_spiel;

    QString einstellungsDatei() const { return ProgrammPfad + einstellungen::kDateiname; }

    Form3 *neu()
    {
        if (Form3::exists())
            delete Form3::instance();
        m_dialoge.leeren();
        return Form3::instance();
    }

    QByteArray lies(const QString &p) { return liesDatei(p); }

private slots:
    void initTestCase()
    {
        Q_UNUSED(g_ohneTon);
        ProgrammPfad = m_dir.path() + QStringLiteral("/prog/");
        for (const char *k : {"gub1.wav", "gub2.wav", "gub3.wav", "dui.wav", "Klick.wav"})
            schreibeWave(ProgrammPfad + "sounds/" + QString::fromLatin1(k), 40);
        schreibeDatei(ProgrammPfad + "Tramsel's Homepage.url", "[InternetShortcut]\r\nURL=https://example.org/gub\r\n");
        schreibeDatei(ProgrammPfad + "Tramsel's GubMail.url", "[InternetShortcut]\r\nURL=mailto:gub@example.org\r\n");
        m_spiel = m_dir.path() + QStringLiteral("/Spiel Ä/");
        schreibeDatei(m_spiel + "Befehle.txt", "Befehle\r\n");
        schreibeDatei(m_spiel + "Auswertung.txt", "#BEF 1 2 3\r\nText\r\n");
        Form1::endProgram = [this] { ++m_ende; };
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "oeffne");
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &m_browser, "oeffne");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    }

    void ladenOhneEinstellungsdatei()
    {
        Form3 *f = neu();
        QVERIFY(m_dialoge.boxen.isEmpty());
        QCOMPARE(f->windowTitle(), QStringLiteral("Befehlswart - Starteinstellungen"));
        QCOMPARE(f->Text1->text(), QDir::homePath() + "/");
        QCOMPARE(f->Text2->text(), QStringLiteral("Befehle.txt"));
        QVERIFY(!f->Text3->isEnabled());
        QCOMPARE(StandardPfad, ProgrammPfad);
        QCOMPARE(StartAuswertung, QStringLiteral("Auswertung.txt"));
        QCOMPARE(KlangPfad, ProgrammPfad + "sounds/");
        QCOMPARE(ProgrammVersion, QStringLiteral("2.10"));
        QCOMPARE(QDir::currentPath() + "/", ProgrammPfad);
        QCOMPARE(f->vorhandentipp + f->vorhandenbest + f->vorhandenklick, 3);
        QVERIFY(!f->Check2->isChecked() && !f->Check3->isChecked() && !f->Check4->isChecked());
        QCOMPARE(TippKlangAn + BestaetigungsKlangAn + KlickKlangAn, 0);
    }

    void kontaktVerknuepfungen()
    {
        QFile::rename(ProgrammPfad + "Tramsel's GubMail.url", ProgrammPfad + "weg.url");
        Form3 *f = neu();
        QCOMPARE(m_dialoge.boxen.size(), 1);
        QCOMPARE(m_dialoge.boxen[0].prompt, kVerknuepfungen);
        QCOMPARE(m_dialoge.boxen[0].title, QStringLiteral("Fehlende Dateien"));

        m_dialoge.leeren();
        f->Label5_Click();
        QCOMPARE(m_browser.geoeffnet, QList<QUrl>{QUrl(QStringLiteral("https://example.org/gub"))});
        QVERIFY(m_dialoge.boxen.isEmpty());
        QCOMPARE(Form2::instance()->fensterZustand(), 1);
        QVERIFY(!Form2::instance()->isVisible());
        f->Label4_Click();
        QCOMPARE(Form2::instance()->fensterZustand(), 0);
        QCOMPARE(m_dialoge.boxen.size(), 1);
        QVERIFY(m_dialoge.boxen[0].prompt.startsWith(QStringLiteral("Es fehlt die Datei, die die Information für "
                                                                     "Tramsel's Mail enthält.")));
        QCOMPARE(m_dialoge.boxen[0].title, QStringLiteral("Fehlende Dateien"));

        QFile::rename(ProgrammPfad + "weg.url", ProgrammPfad + "Tramsel's GubMail.url");
        f = neu();
        QVERIFY(m_dialoge.boxen.isEmpty());
        f->Label4_Click();
        QCOMPARE(m_browser.geoeffnet.last(), QUrl(QStringLiteral("mailto:gub@example.org")));
        m_browser.geoeffnet.clear();
    }

    void speichernUndBeimNaechstenStartLesen()
    {
        Form3 *f = neu();
        f->Text1->setText(m_spiel);
        f->Text2->setText(QStringLiteral("Züge.txt"));
        f->Check1->setChecked(true);
        QVERIFY(f->Text3->isEnabled());
        f->Text3->setText(QStringLiteral("Auswertung.txt"));
        f->Check3->setChecked(true);
        f->Check4->setChecked(true);
        f->Command2_Click();
        QVERIFY(m_dialoge.boxen.isEmpty());
        QCOMPARE(f->warten, qint16(0));
        const QByteArray erwartet = "\"" + m_spiel.toLatin1() + "\"\r\n\"Z\xFCge.txt\"\r\n\"Auswertung.txt\"\r\n"
                                    "1\r\n1\r\n0\r\n1\r\n";
        QCOMPARE(lies(einstellungsDatei()), erwartet);
        QCOMPARE(StandardPfad, m_spiel);

        // Next start.
        BestaetigungsKlangAn = KlickKlangAn = 0;
        f = neu();
        QVERIFY(m_dialoge.boxen.isEmpty());
        QCOMPARE(f->Text1->text(), m_spiel);
        QCOMPARE(f->Text2->text(), QStringLiteral("Züge.txt"));
        QCOMPARE(f->Text3->text(), QStringLiteral("Auswertung.txt"));
        QVERIFY(f->Check1->isChecked());
        QVERIFY(f->Text3->isEnabled());
        QVERIFY(!f->Check2->isChecked());
        QVERIFY(f->Check3->isChecked());
        QVERIFY(f->Check4->isChecked());
        QVERIFY(f->Command5->isEnabled());
        QCOMPARE(BestaetigungsKlangAn, qint16(1));
        QCOMPARE(KlickKlangAn, qint16(1));
        QCOMPARE(TippKlangAn, qint16(0));
        QCOMPARE(QDir::currentPath() + "/", m_spiel);

        // Automatic loading off: the report name is kept all the same.
        f->Check1->setChecked(false);
        f->Command2_Click();
        QVERIFY(lies(einstellungsDatei()).contains("\"Auswertung.txt\"\r\n0\r\n"));
        f = neu();
        QCOMPARE(f->Text3->text(), QStringLiteral("Auswertung.txt"));
        QVERIFY(!f->Text3->isEnabled());
        QVERIFY(!f->Command1[1]->isEnabled());
        QFile::remove(einstellungsDatei());
    }

    void schalterOhneDateiBleibtAn()
    {
        QFile::rename(ProgrammPfad + "sounds/dui.wav", ProgrammPfad + "sounds/dui.weg");
        schreibeDatei(einstellungsDatei(), "\"" + m_spiel.toLatin1() + "\"\r\n\"Befehle.txt\"\r\n\"\"\r\n0\r\n0\r\n1\r\n0\r\n");
        Form3 *f = neu();
        QCOMPARE(TippKlangAn, qint16(1));
        QVERIFY(!f->Check2->isChecked());
        QFile::rename(ProgrammPfad + "sounds/dui.weg", ProgrammPfad + "sounds/dui.wav");
        QFile::remove(einstellungsDatei());
    }

    void kaputteEinstellungsdateiLaesstFensterBrauchbar_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("gekuerzt") << QByteArray("\"/tmp/\"\r\n\"Befehle.txt\"\r\n\"A.txt\"\r\n1\r\n");
        QTest::newRow("keine Zahl") << QByteArray("\"/tmp/\"\r\n\"Befehle.txt\"\r\n\"A.txt\"\r\n1\r\nja\r\n0\r\n0\r\n");
        QTest::newRow("leer") << QByteArray();
    }

    void kaputteEinstellungsdateiLaesstFensterBrauchbar()
    {
        QFETCH(QByteArray, inhalt);
        schreibeDatei(einstellungsDatei(), inhalt);
        Form3 *f = neu();
        QCOMPARE(m_dialoge.boxen.size(), 1);
        QCOMPARE(m_dialoge.boxen[0].title, QStringLiteral("Fehlende Dateien"));
        QCOMPARE(f->warten, qint16(0));

        // "Ok" still answers, and saving works on the same file.
        m_dialoge.leeren();
        f->Text1->setText(m_dir.path() + "/leer/");
        QDir().mkpath(m_dir.path() + "/leer");
        f->Command3_Click();
        QCOMPARE(m_dialoge.prompts(), QStringList{kDateienFehlen});
        f->Text1->setText(m_spiel);
        m_dialoge.leeren();
        f->Command2_Click();
        QVERIFY(m_dialoge.boxen.isEmpty());
        QVERIFY(lies(einstellungsDatei()).startsWith("\"" + m_spiel.toLatin1() + "\"\r\n"));
        QFile::remove(einstellungsDatei());
    }

    void gespeicherterOrdnerFehlt()
    {
        schreibeDatei(einstellungsDatei(), "\"/gibt/es/nicht/\"\r\n\"Befehle.txt\"\r\n\"\"\r\n0\r\n0\r\n0\r\n0\r\n");
        Form3 *f = neu();
        QCOMPARE(m_dialoge.prompts(), QStringList{QStringLiteral("error nr.76  Fehler: Pfad nicht gefunden")});
        QCOMPARE(f->Text1->text(), QDir::homePath() + "/");
        QCOMPARE(QDir::currentPath(), QDir::homePath());
        QCOMPARE(f->warten, qint16(0));
        QFile::remove(einstellungsDatei());
    }

    void speichernVerweigertUnlesbareNamen_data()
    {
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<QString>("befehle");
        QTest::newRow("Anfuehrung") << m_spiel << QStringLiteral("Be\"fehle.txt");
        QTest::newRow("Zeilenende") << m_spiel + "\n" << QStringLiteral("Befehle.txt");
        QTest::newRow("kein ANSI") << m_spiel << QStringLiteral("Łódź.txt");
    }

    void speichernVerweigertUnlesbareNamen()
    {
        QFETCH(QString, ordner);
        QFETCH(QString, befehle);
        schreibeDatei(einstellungsDatei(), "\"" + m_spiel.toLatin1() + "\"\r\n\"Befehle.txt\"\r\n\"\"\r\n0\r\n0\r\n0\r\n0\r\n");
        const QByteArray vorher = lies(einstellungsDatei());
        Form3 *f = neu();
        f->Text1->setText(ordner);
        f->Text2->setText(befehle);
        f->Command2_Click();
        QCOMPARE(m_dialoge.prompts(), QStringList{QStringLiteral("Dateiname beinhaltet ungültige Zeichen.")});
        QCOMPARE(f->warten, qint16(0));
        QCOMPARE(lies(einstellungsDatei()), vorher);
        neu();
        QVERIFY(m_dialoge.boxen.isEmpty());
        QFile::remove(einstellungsDatei());
    }

    void okVerweigert()
    {
        Form3 *f = neu();
        f->Text1->setText(m_dir.path() + "/fehlt/");
        f->Command3_Click();
        QCOMPARE(m_dialoge.boxen.size(), 1);
        QVERIFY(m_dialoge.letzter().startsWith(QStringLiteral("Die ausgewählten und angegebenen Dateien müssen sich "
                                                              "beide im oben angegebenen Verzeichnis befinden.\nAusserdem")));

        // Without the trailing "/" the names are joined wrongly.
        m_dialoge.leeren();
        f->Text1->setText(m_spiel.chopped(1));
        f->Command3_Click();
        QCOMPARE(m_dialoge.prompts(), QStringList{kDateienFehlen});

        m_dialoge.leeren();
        f->Text1->setText(m_spiel);
        f->Text2->setText(QStringLiteral("Fehlt.txt"));
        f->Command3_Click();
        QCOMPARE(m_dialoge.prompts(), QStringList{kDateienFehlen});
        QCOMPARE(StandardBefehlsdatei, QStringLiteral("Fehlt.txt"));

        m_dialoge.leeren();
        f->Text2->setText(QStringLiteral("Befehle.txt"));
        f->Check1->setChecked(true);
        f->Text3->setText(QStringLiteral("Fehlt.txt"));
        f->Command3_Click();
        QCOMPARE(m_dialoge.prompts(), QStringList{kDateienFehlen});

        // Busy with the settings file: "Ok" does nothing.
        m_dialoge.leeren();
        f->warten = 1;
        f->Command3_Click();
        QVERIFY(m_dialoge.boxen.isEmpty());
        f->warten = 0;

        QVERIFY(!Form1::exists());
        QVERIFY(f->Command3->isEnabled());
        QCOMPARE(f->schluss, qint16(0));
    }

    void beenden()
    {
        Form3 *f = neu();
        f->Command4_Click();
        QCOMPARE(m_ende, 1);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QCOMPARE(f->MMControl1->Mode(), WavePlayer::kStopped);
        f->close();
        QCOMPARE(m_ende, 2);
        for (WavePlayer *m : {f->MMControl1, f->MMControl2, f->MMControl3, f->MMControl4})
            QCOMPARE(m->Mode(), WavePlayer::kNotOpen);
        QCOMPARE(f->MMControl5->Mode(), WavePlayer::kStopped);
        m_ende = 0;
    }

    // Last: the main window can be created only once.
    void okOhneStartberichtZeigtHauptfenster()
    {
        Form3 *f = neu();
        f->show();
        f->Text1->setText(m_spiel);
        f->Check1->setChecked(true);
        f->Text3->setText(QStringLiteral("Fehlt.txt"));
        f->Check1->setChecked(false); // the report box is then ignored
        f->Command3_Click();
        QVERIFY2(!m_dialoge.prompts().contains(kDateienFehlen), qPrintable(m_dialoge.prompts().join('|')));
        QCOMPARE(StartAuswertung, QString());
        QCOMPARE(StandardPfad, m_spiel);
        QVERIFY(Form1::exists());
        QVERIFY(Form1::instance()->isVisible());
        QVERIFY(!f->isVisible());
        QCOMPARE(f->Command3->text(), QStringLiteral("Lädt..."));
        QVERIFY(!f->Command3->isEnabled() && !f->Text1->isEnabled() && !f->Check4->isEnabled());
        QCOMPARE(f->schluss, qint16(1));
        QCOMPARE(QDir::currentPath() + "/", m_spiel);
        QCOMPARE(m_ende, 0);
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
