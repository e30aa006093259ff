// The start settings: the settings file, the contact links, "Ok" and its refusals, quitting;
// the sound players, play routines, sound switches and "Testen", with no audio device at all.
#include "core/einstellungen.h"
#include "core/form3.h"
#include "core/globals.h"
#include "core/sound.h"
#include "mainwindow/form1.h"
#include "orderref/form2.h"
#include "testmain.h"
#include "testsupport.h"
#include "wavedatei.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

OHNE_TON;

class TestForm3 : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    Dialoge m_dialoge;
    QList<QUrl> m_geoeffnet; // what the browser was asked to open
    int m_ende = 0;
    QString m_spiel;
    QStringList m_gespielt; // each sound played, as "player:what Label1 showed"

    QString einstellungsDatei() const { return ProgrammPfad + einstellungen::kDateiname; }
    // A fresh window over the settings file as it stands.
    Form3 *neu()
    {
        if (Form3::exists())
            delete Form3::instance();
        m_dialoge.leeren();
        return Form3::instance();
    }
    // The same over the given sound files alone, its players noted in m_gespielt.
    Form3 *mitKlaengen(const QStringList &klaenge)
    {
        QDir(ProgrammPfad + "sounds").removeRecursively();
        for (const QString &k : klaenge)
            schreibeWave(ProgrammPfad + QStringLiteral("sounds/") + k, 60);
        Form3 *f = neu();
        m_gespielt.clear();
        for (WavePlayer *m : {f->MMControl1, f->MMControl2, f->MMControl3, f->MMControl4, f->MMControl5, f->MMControl6,
                              f->MMControl7, f->MMControl8})
            connect(m, &WavePlayer::gespielt, f,
                    [this, f, m] { m_gespielt << m->objectName() + ':' + f->Label1->caption(); });
        return f;
    }
    static QStringList texte(Form3 *f) { return {f->Text1->text(), f->Text2->text(), f->Text3->text()}; }
    static QList<bool> haken(Form3 *f)
    {
        return {f->Check1->isChecked(), f->Check2->isChecked(), f->Check3->isChecked(), f->Check4->isChecked()};
    }

public slots:
    void oeffne(const QUrl &u) { m_geoeffnet << u; }

private slots:
    void initTestCase()
    {
        ProgrammPfad = m_dir.path() + QStringLiteral("/prog/");
        schreibeKlaenge(ProgrammPfad, 40);
        schreibeDatei(ProgrammPfad + "Tramsel's Homepage.url", "[InternetShortcut]\r\nURL=https://example.org/gub\r\n");
        schreibeDatei(ProgrammPfad + "Tramsel's GubMail.url", "[InternetShortcut]\r\nURL=mailto:gub@example.org\r\n");
        m_spiel = m_dir.path() + QStringLiteral("/Spiel Ä/");
        schreibeDatei(m_spiel + "Befehle.txt", "Befehle\r\n");
        Form1::endProgram = [this] { ++m_ende; };
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "oeffne");
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "oeffne");
    }
    void cleanup() { QFile::remove(einstellungsDatei()); }

    void ohneEinstellungsdateiSpeichernUndWiederLesen()
    {
        // A click sound finds its player without bringing the start settings up.
        KlickKlangAn = 1;
        KlickSpielen();
        QVERIFY(!Form3::exists());
        Form3 *f = neu();
        QVERIFY(m_dialoge.boxen.isEmpty());
        QCOMPARE(f->windowTitle(), QStringLiteral("Befehlswart - Starteinstellungen"));
        QCOMPARE(texte(f), (QStringList{QDir::homePath() + "/", "Befehle.txt", "Auswertung.txt"}));
        QCOMPARE(StandardPfad, ProgrammPfad);
        QCOMPARE(StartAuswertung, QStringLiteral("Auswertung.txt"));
        QCOMPARE(QDir::currentPath() + "/", ProgrammPfad);
        QCOMPARE(f->vorhandentipp + f->vorhandenbest + f->vorhandenklick, 3);
        QCOMPARE(haken(f), (QList<bool>{false, false, false, false}));
        QCOMPARE(TippKlangAn + BestaetigungsKlangAn + KlickKlangAn, 0);

        f->Text1->setText(m_spiel);
        f->Text2->setText(QStringLiteral("Züge.txt"));
        f->Check1->setChecked(true);
        f->Check3->setChecked(true);
        f->Check4->setChecked(true);
        f->Command2_Click();
        QVERIFY(m_dialoge.boxen.isEmpty());
        QCOMPARE(f->warten, qint16(0));
        QCOMPARE(liesDatei(einstellungsDatei()), "\"" + m_spiel.toLatin1() + "\"\r\n\"Z\xFCge.txt\"\r\n\"Auswertung.txt\"\r\n1\r\n1\r\n0\r\n1\r\n");
        QCOMPARE(StandardPfad, m_spiel);

        // Next start.
        f = neu();
        QVERIFY(m_dialoge.boxen.isEmpty());
        QCOMPARE(texte(f), (QStringList{m_spiel, "Züge.txt", "Auswertung.txt"}));
        QCOMPARE(haken(f), (QList<bool>{true, false, true, true}));
        QVERIFY(f->Text3->isEnabled() && f->Command5->isEnabled());
        QCOMPARE(QDir::currentPath() + "/", m_spiel);

        // Automatic loading off: the report name is kept all the same.
        f->Check1->setChecked(false);
        f->Command2_Click();
        f = neu();
        QCOMPARE(f->Text3->text(), QStringLiteral("Auswertung.txt"));
        QVERIFY(!f->Text3->isEnabled() && !f->Command1[1]->isEnabled());
    }

    void kontaktVerknuepfungen()
    {
        QFile::rename(ProgrammPfad + "Tramsel's GubMail.url", ProgrammPfad + "weg.url");
        Form3 *f = neu();
        QCOMPARE(m_dialoge.prompts(), QStringList{QStringLiteral(
            "Es fehlen höchstwahrscheinlich die Dateien, die die Informationen für Tramsel's Homepage und Tramsel's Mail "
            "enthalten. Bitte neu installieren. Falls das Problem öfter auftritt, gib' mir bitte Bescheid.")});
        QCOMPARE(m_dialoge.boxen[0].title, QStringLiteral("Fehlende Dateien"));
        m_dialoge.leeren();
        f->Label5_Click();
        QCOMPARE(m_geoeffnet, QList<QUrl>{QUrl(QStringLiteral("https://example.org/gub"))});
        QVERIFY(m_dialoge.boxen.isEmpty());
        QCOMPARE(Form2::instance()->fensterZustand(), 1);
        QVERIFY(!Form2::instance()->isVisible());
        f->Label4_Click();
        QCOMPARE(Form2::instance()->fensterZustand(), 0);
        QVERIFY(m_dialoge.letzter().startsWith(QStringLiteral("Es fehlt die Datei, die die Information für Tramsel's Mail enthält.")));
        QCOMPARE(m_dialoge.boxen[0].title, QStringLiteral("Fehlende Dateien"));

        QFile::rename(ProgrammPfad + "weg.url", ProgrammPfad + "Tramsel's GubMail.url");
        f = neu();
        f->Label4_Click();
        QVERIFY(m_dialoge.boxen.isEmpty());
        QCOMPARE(m_geoeffnet.last(), QUrl(QStringLiteral("mailto:gub@example.org")));
    }

    void kaputteEinstellungsdateiLaesstFensterBrauchbar_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        const QString kaputt = QStringLiteral("Es fehlen höchstwahrscheinlich die Dateien");
        QTest::newRow("gekuerzt") << QByteArray("\"a\"\r\n\"b\"\r\n\"c\"\r\n1\r\n") << kaputt;
        QTest::newRow("keine Zahl") << QByteArray("\"a\"\r\n\"b\"\r\n\"c\"\r\n1\r\nja\r\n0\r\n0\r\n") << kaputt;
        QTest::newRow("Ordner fehlt")
            << QByteArray("\"/gibt/es/nicht/\"\r\n\"b\"\r\n\"\"\r\n0\r\n0\r\n0\r\n0\r\n")
            << QStringLiteral("error nr.76  Fehler: Pfad nicht gefunden");
    }
    void kaputteEinstellungsdateiLaesstFensterBrauchbar()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        schreibeDatei(einstellungsDatei(), inhalt);
        Form3 *f = neu();
        QCOMPARE(m_dialoge.boxen.size(), 1);
        QVERIFY2(m_dialoge.letzter().startsWith(meldung), qPrintable(m_dialoge.letzter()));
        QCOMPARE(f->Text1->text(), QDir::homePath() + "/");
        if (meldung.startsWith(QStringLiteral("error")))
            QCOMPARE(QDir::currentPath(), QDir::homePath());
        QCOMPARE(f->warten, qint16(0));
        // Saving works on the same file, and tells nothing more.
        f->Text1->setText(m_spiel);
        f->Command2_Click();
        QCOMPARE(m_dialoge.boxen.size(), 1);
        QVERIFY(liesDatei(einstellungsDatei()).startsWith("\"" + m_spiel.toLatin1() + "\"\r\n"));
    }

    void speichernVerweigertUnlesbareNamen_data()
    {
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<QString>("befehle");
        QTest::newRow("Anfuehrung") << m_spiel << QStringLiteral("Be\"fehle.txt");
        QTest::newRow("Zeilenende") << m_spiel + "\n" << QStringLiteral("Befehle.txt");
    }
    void speichernVerweigertUnlesbareNamen()
    {
        QFETCH(QString, ordner);
        QFETCH(QString, befehle);
        Form3 *f = neu();
        f->Text1->setText(ordner);
        f->Text2->setText(befehle);
        f->Command2_Click();
        QCOMPARE(m_dialoge.prompts(), QStringList{QStringLiteral("Dateiname beinhaltet ungültige Zeichen.")});
        QCOMPARE(f->warten, qint16(0));
        QVERIFY(!QFileInfo::exists(einstellungsDatei()));
    }

    void okVerweigert()
    {
        Form3 *f = neu();
        const QString kDateienFehlen = QStringLiteral(
            "Die ausgewählten und angegebenen Dateien müssen sich beide im oben angegebenen Verzeichnis "
            "befinden.\r\nWenn du keine angeben möchtest, dann lösche einfach die Einträge. Die entsprechenden "
            "Dateien können nachher immer noch angegeben werden.");
        // A missing folder, an orders file only beside one typed without its "/", a missing orders file or start report;
        // busy with the settings file, "Ok" does nothing.
        schreibeDatei(m_spiel.chopped(1) + "Fehlt.txt", "x");
        const QList<std::tuple<QString, const char *, bool, const char *, qint16, QString>> faelle{
            {m_dir.path() + "/fehlt/", "Befehle.txt", false, "", 0,
             kDateienFehlen.section("\r\n", 0, 0) + "\nAusserdem"},
            {m_spiel.chopped(1), "Fehlt.txt", false, "", 0, kDateienFehlen},
            {m_spiel, "Fehlt.txt", false, "", 0, kDateienFehlen},
            {m_spiel, "Befehle.txt", true, "Fehlt.txt", 0, kDateienFehlen},
            {m_spiel, "Fehlt.txt", false, "", 1, QString()}};
        for (const auto &[ordner, befehle, auto_, bericht, warten, meldung] : faelle) {
            m_dialoge.leeren();
            f->Text1->setText(ordner);
            f->Text2->setText(QString::fromLatin1(befehle));
            f->Check1->setChecked(auto_);
            f->Text3->setText(QString::fromLatin1(bericht));
            f->warten = warten;
            f->Command3_Click();
            QCOMPARE(m_dialoge.boxen.size(), meldung.isEmpty() ? 0 : 1);
            QVERIFY2(m_dialoge.letzter().startsWith(meldung), qPrintable(m_dialoge.letzter()));
        }
        QVERIFY(!Form1::exists() && f->Command3->isEnabled() && f->schluss == 0);
    }

    void beenden()
    {
        Form3 *f = neu();
        f->Command4_Click();
        QCOMPARE(m_ende, 1);
        f->show();
        QCOMPARE(f->MMControl1->Mode(), WavePlayer::kStopped);
        f->close();
        QCOMPARE(m_ende, 2);
        for (WavePlayer *m : {f->MMControl1, f->MMControl2, f->MMControl3, f->MMControl4})
            QCOMPARE(m->Mode(), WavePlayer::kNotOpen);
        QCOMPARE(f->MMControl5->Mode(), WavePlayer::kStopped);
        m_ende = 0;
    }

    // ---- sounds; they rewrite the sound folder, so they come after the rest
    void spielerOhneGeraet()
    {
        // A sound's length comes from its header, or from the bytes present when that says more.
        QCOMPARE(WavePlayer::laengeMs(waveBytes(250)), qint64(250));
        QCOMPARE(WavePlayer::laengeMs(waveBytes(1000, 22050)), qint64(1000));
        QCOMPARE(WavePlayer::laengeMs("kein Klang"), qint64(0));
        QCOMPARE(WavePlayer::laengeMs(waveBytes(400).left(44 + 1600)), qint64(100));
        WavePlayer m(QStringLiteral("M"));
        QSignalSpy gespielt(&m, &WavePlayer::gespielt);
        m.Command(QStringLiteral("Play"));
        m.FileName = m_dir.filePath(QStringLiteral("fehlt.wav"));
        m.Command(QStringLiteral("Open"));
        QCOMPARE(m.Mode(), WavePlayer::kNotOpen);
        m.FileName = ProgrammPfad + QStringLiteral("sounds/gub1.wav");
        m.Command(QStringLiteral("Open"));
        m.Command(QStringLiteral("Play"));
        m.Command(QStringLiteral("Prev"));
        QCOMPARE(m.Mode(), WavePlayer::kStopped); // nothing to wait for
        m.Command(QStringLiteral("close"));
        QCOMPARE(m.Mode(), WavePlayer::kNotOpen);
        m.Command(QStringLiteral("Play"));
        // Only the play while open counts.
        QCOMPARE(gespielt.count(), 1);
    }

    void schalterPerMausNurMitDatei()
    {
        Form3 *f = mitKlaengen({"Klick.wav", "Trööt.wav", "FELD.wav", "gubhort.wav"});
        QCOMPARE((QList<qint16>{f->vorhandenklick, f->vorhandentipp, f->vorhandenbest}), (QList<qint16>{1, 0, 0}));
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        // The click group plays only while its switch is on.
        const auto klickGruppe = {&KlickSpielen, &TroeoetSpielen, &FeldSpielen, &GubHortSpielen};
        QTest::mouseClick(f->Check2, Qt::LeftButton);
        QVERIFY(!f->Check2->isChecked() && !f->Command5->isEnabled());
        QCOMPARE(TippKlangAn, qint16(0));
        QCOMPARE(f->Label1->caption(), QStringLiteral("Es existiert keine entsprechende Sounddatei auf deinem Computer."));
        f->Check2_LostFocus();
        QCOMPARE(f->Label1->caption(), QString());
        // "klick.wav" is found whatever its case on disk.
        QTest::mouseClick(f->Check4, Qt::LeftButton);
        QVERIFY(f->Check4->isChecked() && f->Command5->isEnabled());
        QCOMPARE(KlickKlangAn, qint16(1));
        for (auto *spielen : klickGruppe)
            spielen();
        QTest::mouseClick(f->Check3, Qt::LeftButton);
        QVERIFY(!f->Check3->isChecked() && f->Command5->isEnabled()); // Check4 still ticked
        QTest::mouseClick(f->Check4, Qt::LeftButton);
        QVERIFY(!f->Command5->isEnabled());
        QCOMPARE(KlickKlangAn, qint16(0));
        for (auto *spielen : klickGruppe)
            spielen();
        QCOMPARE(m_gespielt, (QStringList{"MMControl5:", "MMControl6:", "MMControl7:", "MMControl8:"}));
    }

    void ohneKlaengeUndHandbearbeiteteSchalter()
    {
        // A switch saved on stays on without its file, its box unticked; a value but 0 or 1 changes nothing.
        schreibeDatei(einstellungsDatei(),
                      "\"" + m_spiel.toLatin1() + "\"\r\n\"Befehle.txt\"\r\n\"\"\r\n2\r\n7\r\n1\r\n-1\r\n");
        Form3 *f = mitKlaengen({});
        QCOMPARE((QList<qint16>{BestaetigungsKlangAn, TippKlangAn, KlickKlangAn}), (QList<qint16>{0, 1, 0}));
        QVERIFY(!f->Check1->isChecked() && !f->Check2->isChecked() && !f->Command5->isEnabled());
        // Ticked by code, a switch is taken without its file.
        f->Check4->setChecked(true);
        QCOMPARE(KlickKlangAn, qint16(1));
        f->Command5_Click();
        QCOMPARE(m_dialoge.prompts(), QStringList{QStringLiteral("Keine Sounddateien verfügbar.")});
    }

    void testenSpieltVorhandeneUndMeldetFehlende()
    {
        Form3 *f = mitKlaengen({QStringLiteral("gub2.wav"), QStringLiteral("klick.wav")});
        f->Check3->setChecked(true);
        QDeadlineTimer frist(60 + 1000 + 500 + 1500);
        f->Command5_Click();
        QVERIFY(!frist.hasExpired());
        QCOMPARE(m_gespielt, QStringList{QStringLiteral("MMControl2:GUB 2")});
        QCOMPARE(f->Label1->caption(), QString());
        // No typing sound: told, and the others still play; alone, nothing plays.
        f->Check2->setChecked(true);
        f->Check4->setChecked(true);
        f->Command5_Click();
        f->Check3->setChecked(false);
        f->Check4->setChecked(false);
        f->Command5_Click();
        QCOMPARE(m_dialoge.prompts(), QStringList(2, QStringLiteral("Tipp-Sounddatei nicht verfügbar.")));
        QCOMPARE(m_gespielt, (QStringList{"MMControl2:GUB 2", "MMControl2:GUB 2", "MMControl5:KLICKSOUND"}));
    }

    // Last, as the main window comes only once: "Ok" during "Testen", without a start report.
    void okOhneStartberichtZeigtHauptfenster()
    {
        Form3 *f = mitKlaengen({QStringLiteral("dui.wav"), QStringLiteral("gub1.wav")});
        f->show();
        f->Text1->setText(m_spiel);
        f->Text3->setText(QStringLiteral("Fehlt.txt")); // ignored, as the report loads not at start
        f->Check2->setChecked(true);
        f->Check3->setChecked(true);
        QTimer::singleShot(100, f, [f] { f->Command3_Click(); });
        f->Command5_Click();
        QCOMPARE(m_gespielt, QStringList{QStringLiteral("MMControl4:TIPPSOUND")}); // then no more
        QCOMPARE(StartAuswertung, QString());
        QVERIFY2(Form1::exists() && Form1::instance()->isVisible() && !f->isVisible(),
                 qPrintable(m_dialoge.prompts().join('|')));
        QCOMPARE(f->Command3->text(), QStringLiteral("Lädt..."));
        QVERIFY(!f->Command3->isEnabled() && !f->Text1->isEnabled() && !f->Check4->isEnabled());
        QCOMPARE(f->schluss, qint16(1));
        QCOMPARE(QDir::currentPath() + "/", m_spiel);
        QCOMPARE(m_ende, 0);
    }
};

BW_TEST_MAIN(TestForm3)
#include "tst_form3.moc"
