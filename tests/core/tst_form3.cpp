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

OHNE_TON;

namespace {
const QString kDateienFehlen = QStringLiteral(
    "Die ausgewählten und angegebenen Dateien müssen sich beide im oben angegebenen Verzeichnis befinden.\r\n"
    "Wenn du keine angeben möchtest, dann lösche einfach die Einträge. Die entsprechenden Dateien können "
    "nachher immer noch angegeben werden.");
const QString kFehlendeDateien = QStringLiteral("Fehlende Dateien");
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
    // A fresh window over the given settings file (none when empty).
    Form3 *neu(const QByteArray &einstellungen = QByteArray())
    {
        if (!einstellungen.isEmpty())
            schreibeDatei(einstellungsDatei(), einstellungen);
        if (Form3::exists())
            delete Form3::instance();
        m_dialoge.leeren();
        return Form3::instance();
    }
    QByteArray einstellungen(const QString &auswertung, const char *schalter) const
    {
        return "\"" + m_spiel.toLatin1() + "\"\r\n\"Befehle.txt\"\r\n\"" + auswertung.toLatin1() + "\"\r\n" + schalter;
    }
    static QList<bool> haken(Form3 *f)
    {
        return {f->Check1->isChecked(), f->Check2->isChecked(), f->Check3->isChecked(), f->Check4->isChecked()};
    }

private slots:
    void initTestCase()
    {
        ProgrammPfad = m_dir.path() + QStringLiteral("/prog/");
        schreibeKlaenge(ProgrammPfad, 40);
        schreibeDatei(ProgrammPfad + "Tramsel's Homepage.url", "[InternetShortcut]\r\nURL=https://example.org/gub\r\n");
        schreibeDatei(ProgrammPfad + "Tramsel's GubMail.url", "[InternetShortcut]\r\nURL=mailto:gub@example.org\r\n");
        m_spiel = m_dir.path() + QStringLiteral("/Spiel Ä/");
        schreibeDatei(m_spiel + "Befehle.txt", "Befehle\r\n");
        schreibeDatei(m_spiel + "Auswertung.txt", "#BEF 1 2 3\r\nText\r\n");
        Form1::endProgram = [this] { ++m_ende; };
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "oeffne");
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &m_browser, "oeffne");
    }
    void cleanup() { QFile::remove(einstellungsDatei()); }
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
        QCOMPARE(haken(f), (QList<bool>{false, false, false, false}));
        QCOMPARE(TippKlangAn + BestaetigungsKlangAn + KlickKlangAn, 0);
    }

    void kontaktVerknuepfungen()
    {
        QFile::rename(ProgrammPfad + "Tramsel's GubMail.url", ProgrammPfad + "weg.url");
        Form3 *f = neu();
        QCOMPARE(m_dialoge.prompts(), QStringList{QStringLiteral(
            "Es fehlen höchstwahrscheinlich die Dateien, die die Informationen für Tramsel's Homepage und Tramsel's Mail "
            "enthalten. Bitte neu installieren. Falls das Problem öfter auftritt, gib' mir bitte Bescheid.")});
        QCOMPARE(m_dialoge.boxen[0].title, kFehlendeDateien);
        m_dialoge.leeren();
        f->Label5_Click();
        QCOMPARE(m_browser.geoeffnet, QList<QUrl>{QUrl(QStringLiteral("https://example.org/gub"))});
        QVERIFY(m_dialoge.boxen.isEmpty());
        QCOMPARE(Form2::instance()->fensterZustand(), 1);
        QVERIFY(!Form2::instance()->isVisible());
        f->Label4_Click();
        QCOMPARE(Form2::instance()->fensterZustand(), 0);
        QVERIFY(m_dialoge.letzter().startsWith(QStringLiteral("Es fehlt die Datei, die die Information für Tramsel's Mail enthält.")));
        QCOMPARE(m_dialoge.boxen[0].title, kFehlendeDateien);

        QFile::rename(ProgrammPfad + "weg.url", ProgrammPfad + "Tramsel's GubMail.url");
        f = neu();
        f->Label4_Click();
        QVERIFY(m_dialoge.boxen.isEmpty());
        QCOMPARE(m_browser.geoeffnet.last(), QUrl(QStringLiteral("mailto:gub@example.org")));
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
        QCOMPARE(liesDatei(einstellungsDatei()), "\"" + m_spiel.toLatin1() + "\"\r\n\"Z\xFCge.txt\"\r\n\"Auswertung.txt\"\r\n1\r\n1\r\n0\r\n1\r\n");
        QCOMPARE(StandardPfad, m_spiel);

        // Next start.
        BestaetigungsKlangAn = KlickKlangAn = 0;
        f = neu();
        QVERIFY(m_dialoge.boxen.isEmpty());
        QCOMPARE(f->Text1->text(), m_spiel);
        QCOMPARE(f->Text2->text(), QStringLiteral("Züge.txt"));
        QCOMPARE(f->Text3->text(), QStringLiteral("Auswertung.txt"));
        QCOMPARE(haken(f), (QList<bool>{true, false, true, true}));
        QVERIFY(f->Text3->isEnabled() && f->Command5->isEnabled());
        QCOMPARE((QList<qint16>{BestaetigungsKlangAn, TippKlangAn, KlickKlangAn}), (QList<qint16>{1, 0, 1}));
        QCOMPARE(QDir::currentPath() + "/", m_spiel);

        // Automatic loading off: the report name is kept all the same.
        f->Check1->setChecked(false);
        f->Command2_Click();
        QVERIFY(liesDatei(einstellungsDatei()).contains("\"Auswertung.txt\"\r\n0\r\n"));
        f = neu();
        QCOMPARE(f->Text3->text(), QStringLiteral("Auswertung.txt"));
        QVERIFY(!f->Text3->isEnabled() && !f->Command1[1]->isEnabled());
    }

    void schalterOhneDateiBleibtAn()
    {
        QFile::rename(ProgrammPfad + "sounds/dui.wav", ProgrammPfad + "sounds/dui.weg");
        Form3 *f = neu(einstellungen(QString(), "0\r\n0\r\n1\r\n0\r\n"));
        QCOMPARE(TippKlangAn, qint16(1));
        QVERIFY(!f->Check2->isChecked());
        QFile::rename(ProgrammPfad + "sounds/dui.weg", ProgrammPfad + "sounds/dui.wav");
    }

    void kaputteEinstellungsdateiLaesstFensterBrauchbar_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("gekuerzt") << QByteArray("\"/tmp/\"\r\n\"Befehle.txt\"\r\n\"A.txt\"\r\n1\r\n");
        QTest::newRow("keine Zahl") << QByteArray("\"/tmp/\"\r\n\"Befehle.txt\"\r\n\"A.txt\"\r\n1\r\nja\r\n0\r\n0\r\n");
        QTest::newRow("leer") << QByteArray("");
    }
    void kaputteEinstellungsdateiLaesstFensterBrauchbar()
    {
        QFETCH(QByteArray, inhalt);
        schreibeDatei(einstellungsDatei(), inhalt);
        Form3 *f = neu();
        QCOMPARE(m_dialoge.boxen.size(), 1);
        QCOMPARE(m_dialoge.boxen[0].title, kFehlendeDateien);
        QCOMPARE(f->warten, qint16(0));
        // "Ok" still answers, and saving works on the same file.
        m_dialoge.leeren();
        QDir().mkpath(m_dir.path() + "/leer");
        f->Text1->setText(m_dir.path() + "/leer/");
        f->Command3_Click();
        QCOMPARE(m_dialoge.prompts(), QStringList{kDateienFehlen});
        f->Text1->setText(m_spiel);
        f->Command2_Click();
        QCOMPARE(m_dialoge.boxen.size(), 1);
        QVERIFY(liesDatei(einstellungsDatei()).startsWith("\"" + m_spiel.toLatin1() + "\"\r\n"));
    }

    void gespeicherterOrdnerFehlt()
    {
        Form3 *f = neu("\"/gibt/es/nicht/\"\r\n\"Befehle.txt\"\r\n\"\"\r\n0\r\n0\r\n0\r\n0\r\n");
        QCOMPARE(m_dialoge.prompts(), QStringList{QStringLiteral("error nr.76  Fehler: Pfad nicht gefunden")});
        QCOMPARE(f->Text1->text(), QDir::homePath() + "/");
        QCOMPARE(QDir::currentPath(), QDir::homePath());
        QCOMPARE(f->warten, qint16(0));
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
        const QByteArray vorher = einstellungen(QString(), "0\r\n0\r\n0\r\n0\r\n");
        Form3 *f = neu(vorher);
        f->Text1->setText(ordner);
        f->Text2->setText(befehle);
        f->Command2_Click();
        QCOMPARE(m_dialoge.prompts(), QStringList{QStringLiteral("Dateiname beinhaltet ungültige Zeichen.")});
        QCOMPARE(f->warten, qint16(0));
        QCOMPARE(liesDatei(einstellungsDatei()), vorher);
        neu();
        QVERIFY(m_dialoge.boxen.isEmpty());
    }

    void okVerweigert()
    {
        Form3 *f = neu();
        f->Text1->setText(m_dir.path() + "/fehlt/");
        f->Command3_Click();
        QCOMPARE(m_dialoge.boxen.size(), 1);
        QVERIFY(m_dialoge.letzter().startsWith(QStringLiteral("Die ausgewählten und angegebenen Dateien müssen sich "
                                                              "beide im oben angegebenen Verzeichnis befinden.\nAusserdem")));
        // Without the trailing "/" the names are joined wrongly; a missing
        // orders file or start report is refused.
        const QList<std::tuple<QString, const char *, bool, const char *>> faelle{
            {m_spiel.chopped(1), "Befehle.txt", false, ""}, {m_spiel, "Fehlt.txt", false, ""},
            {m_spiel, "Befehle.txt", true, "Fehlt.txt"}};
        for (const auto &[ordner, befehle, auto_, bericht] : faelle) {
            m_dialoge.leeren();
            f->Text1->setText(ordner);
            f->Text2->setText(QString::fromLatin1(befehle));
            f->Check1->setChecked(auto_);
            f->Text3->setText(QString::fromLatin1(bericht));
            f->Command3_Click();
            QCOMPARE(m_dialoge.prompts(), QStringList{kDateienFehlen});
        }
        // Busy with the settings file: "Ok" does nothing.
        m_dialoge.leeren();
        f->warten = 1;
        f->Command3_Click();
        QVERIFY(m_dialoge.boxen.isEmpty());
        f->warten = 0;
        QVERIFY(!Form1::exists() && f->Command3->isEnabled());
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
        QVERIFY(Form1::exists() && Form1::instance()->isVisible() && !f->isVisible());
        QCOMPARE(f->Command3->text(), QStringLiteral("Lädt..."));
        QVERIFY(!f->Command3->isEnabled() && !f->Text1->isEnabled() && !f->Check4->isEnabled());
        QCOMPARE(f->schluss, qint16(1));
        QCOMPARE(QDir::currentPath() + "/", m_spiel);
        QCOMPARE(m_ende, 0);
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
