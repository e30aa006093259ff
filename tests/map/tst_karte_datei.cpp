// The map window's Save and Load: dialogs and proposals, a load that changes nothing unless the
// file is whole, a round trip that keeps every field, imports that redraw the symbols, series.
#include "mainwindow/form1.h"
#include "map/dateidialog.h"
#include "map/groesse.h"
#include "map/karte.h"
#include "map/ladenmenu.h"
#include "testmain.h"
#include "testsupport.h"

#include <QtEndian>
#include <QtTest>

using namespace kartenmodell;
using Mitglied = qint16 FeldDaten::*;
Q_DECLARE_METATYPE(Mitglied)

class TstKarteDatei : public QObject {
    Q_OBJECT
    Dialoge dlg;
    Karte *k = nullptr;
    QTemporaryDir dir;
    QStringList antworten;           // the file dialog's answers in turn
    QList<dateidialog::Frage> fragen; // what it was asked
    int keinesAktiv = -1;             // -1: a hook without a window; else whether the dialog left none active

    QString pfad(const QString &name) const { return dir.filePath(name); }

    static QByteArray beispiel() { return liesDatei(QFINDTESTDATA("korpus/kartendatei/karte_3x2.bwk")); }

    // "Load" with entry 1, 2 or 3 of the popup and the dialog's answer.
    void laden(int eintrag, const QString &antwort)
    {
        antworten << antwort;
        QTimer::singleShot(0, [eintrag] { popupKlick(eintrag); });
        k->Command8_Click();
    }

    void speichern(const QString &antwort)
    {
        antworten << antwort;
        k->Command7_Click();
    }

    bool sichtbar(Symbol s, int feld) const { return k->feldtafel.symbole.sichtbar(s, feld); }

    void klick(int feld)
    {
        const QRectF z = zelle(spalteVon(feld), zeileVon(feld));
        k->Picture1_MouseDown(1, 0, float(z.center().x()), float(z.center().y()));
    }

private slots:
    void initTestCase()
    {
        dateidialog::setHook([this](const dateidialog::Frage &f) {
            fragen << f;
            if (keinesAktiv >= 0)
                keinesAktiv = dialogGeschlossen();
            return antworten.isEmpty() ? QString() : antworten.takeFirst();
        });
        k = Karte::instance();
        k->show();
        schreibeDatei(pfad(QStringLiteral("karte.bwk")), beispiel());
        schreibeDatei(pfad(QStringLiteral("GROSS.BWK")), beispiel());
    }
    void cleanupTestCase() { dateidialog::setHook({}); }

    void init()
    {
        dlg.leeren();
        fragen.clear();
        antworten.clear();
        keinesAktiv = -1;
        FeldBreite = FeldHoehe = 5000;
    }
    // Whatever a test leaves, the next starts from the same map.
    void cleanup() { leereKarte(); }

    // The first thing in a new run: the window as it opened has nothing to lose, so neither the end nor "Load"
    // asks about it; nothing drawn yet; a refused "New" selects no field, the panel stays off.
    void ladenUndSpeichernBehaeltJedesFeld()
    {
        Form1 *f = hauptfenster(dir.path());
        dlg.leeren(); // the main window's first start tells of the screen
        f->beend->trigger(); // answered No
        laden(1, QString()); // "Abbrechen" in the file dialog
        QCOMPARE(dlg.prompts(), QStringList{QStringLiteral("Wirklich beenden?")});
        QCOMPARE(fragen.size(), 1);
        dlg.leeren();
        neueKarte(1, 5);
        QCOMPARE(dlg.boxen.size(), 1); // the refusal alone
        QVERIFY(dlg.letzter().startsWith(QStringLiteral("Ein Gebilde")));
        QVERIFY(!k->TxtTerrain->isEnabled());
        dlg.antworten << platform::Yes; // the refused map's size is stored: a change of the map
        laden(1, pfad(QStringLiteral("karte.bwk")));
        QCOMPARE(dlg.boxen.size(), 2); // the question; same field size: no question
        QVERIFY(SpaltenAnzahl == 3 && ZeilenAnzahl == 2 && AktuellesFeld == 1);
        QCOMPARE(k->TxtFeldName->text(), QStringLiteral("Alte Mühle").leftJustified(30));
        QCOMPARE(k->Text1->text(), QStringLiteral("3"));
        QVERIFY(sichtbar(SBurg, 1) && sichtbar(Ebene, 1) && sichtbar(NBurg, 2) && sichtbar(Wald, 2));
        QVERIFY(sichtbar(See, 3) && sichtbar(GubHort, 3) && sichtbar(Bes, 3) && sichtbar(WaldNG, 6));
        QVERIFY(!sichtbar(Bes, 6));
        QVERIFY(k->laden == 0 && k->GarNichtsMachen == 0);
        // What was typed into the panel is saved with its field; a number box takes only what its member holds.
        k->TxtFeldName->setText(QStringLiteral("Neue Mühle"));
        k->TxtBurgklasse->clear();
        QTest::keyClicks(k->TxtBurgklasse, "-40000x");
        QCOMPARE(k->TxtBurgklasse->text(), QStringLiteral("-4000"));
        speichern(pfad(QStringLiteral("getippt.bwk")));
        const QByteArray b = liesDatei(pfad(QStringLiteral("getippt.bwk")));
        QCOMPARE(b.mid(176 + 6, 30), QByteArray("Neue M\xFChle").leftJustified(30, ' '));
        QCOMPARE(b.mid(2 * 176), beispiel().mid(2 * 176));
    }

    // Showing a field applies the panel's rules to the panel only: every field clicked, a save keeps the
    // records as loaded.
    void gezeigtesFeldBleibtWieGeladen_data()
    {
        QTest::addColumn<int>("stelle"); // in the record of field 1, which holds a GubHort as well
        QTest::addColumn<int>("wert");
        QTest::newRow("StammesBurg ohne Spieler") << 81 << 0; // EchtBit after the owner "1"
        QTest::newRow("Burgklasse 0") << 42 << 0;
        QTest::newRow("Hochgebirge mit GubHort") << 36 << 4;
        QTest::newRow("Terrain 42") << 36 << 42;
        QTest::newRow("BurgArt 9") << 40 << 9;
        QTest::newRow("Rang 77") << 77 << 77;
    }
    void gezeigtesFeldBleibtWieGeladen()
    {
        QFETCH(int, stelle);
        QFETCH(int, wert);
        QByteArray datei = beispiel();
        datei[176 + 4] = 1;
        datei[176 + stelle] = char(wert);
        schreibeDatei(pfad(QStringLiteral("feld1.bwk")), datei);
        laden(1, pfad(QStringLiteral("feld1.bwk")));
        for (int feld : {2, 3, 4, 5, 6, 1, 2})
            klick(feld);
        const QString wieder = pfad(QLatin1String(QTest::currentDataTag()) + QStringLiteral(".bwk"));
        speichern(wieder);
        datei[4 * 176] = 4; // the one thing showing writes: field 4's own number, 0 in the file
        QCOMPARE(liesDatei(wieder), datei);
    }

    // The first entry picked in its list, which shows it already for the record of field 1: "Keine Burg" on a
    // StammesBurg without player, "Keine Besonderh." on a feature outside the list.
    void ersterEintragGewaehlt_data()
    {
        QTest::addColumn<int>("stelle"); // in the record of field 1
        QTest::addColumn<int>("wert");
        QTest::addColumn<QString>("liste");
        QTest::addColumn<int>("symbol");
        QTest::addColumn<QList<Mitglied>>("geleert");
        QTest::newRow("Keine Burg") << 81 << 0 << "TxtBurgArt" << int(SBurg)
                                    << QList<Mitglied>{&FeldDaten::BurgArt, &FeldDaten::Erzmagier, &FeldDaten::Drufelbatze};
        QTest::newRow("Keine Besonderh.") << 38 << -2 << "TxtBesonderheiten" << int(Bes)
                                          << QList<Mitglied>{&FeldDaten::Besonderheiten};
    }
    void ersterEintragGewaehlt()
    {
        QFETCH(int, stelle);
        QFETCH(int, wert);
        QFETCH(QString, liste);
        QFETCH(int, symbol);
        QFETCH(QList<Mitglied>, geleert);
        QByteArray datei = beispiel();
        qToLittleEndian<qint16>(qint16(wert), datei.data() + 176 + stelle);
        schreibeDatei(pfad(QStringLiteral("erster.bwk")), datei);
        laden(1, pfad(QStringLiteral("erster.bwk")));
        auto *box = k->findChild<QComboBox *>(liste);
        QVERIFY(box->currentIndex() == 0 && sichtbar(Symbol(symbol), 1));
        box->showPopup();
        QTest::keyClick(box->view(), Qt::Key_Return);
        QVERIFY(!sichtbar(Symbol(symbol), 1));
        QList<qint16> werte;
        for (Mitglied m : geleert)
            werte << Felder[1].*m;
        QCOMPARE(werte, QList<qint16>(geleert.size(), 0));
    }

    void feldGroesseFrage_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<double>("breite");
        QTest::newRow("Ja") << int(platform::Yes) << 5000.0;
        QTest::newRow("Nein") << int(platform::No) << 7000.0;
    }
    void feldGroesseFrage()
    {
        QFETCH(int, antwort);
        QFETCH(double, breite);
        FeldBreite = 7000; // a change of the map: "Load" asks first (Yes)
        dlg.antworten << platform::Yes << antwort;
        laden(1, pfad(QStringLiteral("GROSS.BWK"))); // "BWK" passes as "bwk"
        QCOMPARE(dlg.boxen.size(), 2);
        QCOMPARE(dlg.letzter(), QStringLiteral("Sollen die Feldergrössen angepasst werden?"));
        QCOMPARE(FeldBreite, breite);
        QCOMPARE(Felder[6].FeldName, QStringLiteral("Ein Name mit genau 30 Zeichen!"));
    }

    // The system gives the focus back late after the file dialog: the box opens over the map all the same, not
    // over the main window, and the map is in front again once the box is answered.
    void boxNachDemDateidialog_data()
    {
        QTest::addColumn<int>("eintrag"); // 0: "Save", else the entry of "Load"
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("meldung"); // the start of the one box
        schreibeDatei(pfad(QStringLiteral("kurz.bwk")), "kein Kopf");
        QTest::newRow("ersetzen") << 0 << "karte.bwk" << "Die Datei \"karte.bwk\" gibt es schon.";
        QTest::newRow("nicht gespeichert") << 0 << "fehlt/neu.bwk" << "Die Karte wurde nicht gespeichert.";
        QTest::newRow("Feldergroessen") << 1 << "GROSS.BWK" << "Sollen die Feldergrössen";
        QTest::newRow("kaputt") << 1 << "kurz.bwk" << "Die Datei wurde nicht geladen";
    }
    void boxNachDemDateidialog()
    {
        QFETCH(int, eintrag);
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        Form haupt(QStringLiteral("Haupt"));
        haupt.show();
        platform::setHauptfenster(&haupt);
        neueKarte(3, 2);
        k->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(k));
        FeldBreite = 7000;
        keinesAktiv = 0;
        if (eintrag) { // the popup is the window active last before the dialog
            dlg.antworten << platform::Yes; // the new map is dropped
            antworten << pfad(datei);
            QTimer::singleShot(0, [] {
                if (QTest::qWaitForWindowActive(LadenMenu::instance()))
                    popupKlick(1);
            });
            k->Command8_Click();
        } else {
            speichern(pfad(datei));
        }
        QCOMPARE(keinesAktiv, 1);
        QCOMPARE(dlg.boxen.size(), eintrag ? 2 : 1);
        QVERIFY2(dlg.letzter().startsWith(meldung), qPrintable(dlg.letzter()));
        QCOMPARE(dlg.ueber, QList<QWidget *>(dlg.boxen.size(), k));
        QVERIFY(QTest::qWaitForWindowActive(k));
    }

    // The map holds changes, so "Load" and "New" ask first. Yes goes on: a file that fails, or "Abbrechen",
    // leaves map, symbols, the panel's unstored input and guards as they were; so does No, with no file dialog.
    void nichtsAendertSich_data()
    {
        QTest::addColumn<int>("eintrag"); // of "Load"; 0: "Neue Karte zeichnen" under "New"
        QTest::addColumn<int>("antwort"); // to the question
        QTest::addColumn<QString>("datei"); // empty: "Abbrechen"
        QTest::addColumn<QString>("meldung"); // the start of the one message after the question, or none
        const QString d = dir.path() + QLatin1Char('/');
        schreibeDatei(d + "kaputt.bwk", liesDatei(QFINDTESTDATA("korpus/kartendatei/kopf_kaputt.bwk")));
        schreibeDatei(d + "karte.txt", beispiel());
        schreibeDatei(d + "V005s001.z00", "#F 8\r\nTerr=1\r\nName=Furt\r\n");
        const QString nicht = QStringLiteral("Die Datei wurde nicht geladen");
        const int ja = platform::Yes, nein = platform::No;
        QTest::newRow("Kopf kaputt") << 1 << ja << d + "kaputt.bwk" << nicht;
        QTest::newRow("fehlt") << 1 << ja << d + "fehlt.bwk" << nicht;
        QTest::newRow("Morveldatei fehlt") << 2 << ja << d + "fehlt.z00" << "Die Datei \"fehlt.z00\" gibt";
        QTest::newRow("Reihe fehlt") << 3 << ja << d + "fehlt.z00" << "Die Datei \"fehlt.z00\" gibt";
        QTest::newRow("Endung") << 1 << ja << d + "karte.txt" << "Also, eine 'Befehlswart Karte";
        QTest::newRow("bwk als Morveldatei") << 2 << ja << d + "karte.bwk" << "Also, eine Morveldatei";
        QTest::newRow("Abbrechen Karte") << 1 << ja << QString() << "";
        QTest::newRow("Abbrechen Reihe") << 3 << ja << QString() << "";
        QTest::newRow("Nein: neue Karte laden") << 1 << nein << d + "karte.bwk" << "";
        QTest::newRow("Nein: Morveldatei") << 2 << nein << d + "V005s001.z00" << "";
        QTest::newRow("Nein: alle Morveldateien") << 3 << nein << d + "V005s001.z00" << "";
        QTest::newRow("Nein: neue Karte zeichnen") << 0 << nein << QString() << "";
    }
    void nichtsAendertSich()
    {
        QFETCH(int, eintrag);
        QFETCH(int, antwort);
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        neueKarte(5, 4);
        k->PositionX = 1200; // field 8
        k->PositionY = 700;
        k->AufKarteKlicken();
        k->TxtTerrain->setCurrentIndex(7); // Wald, with its symbol
        k->TxtFeldName->setText(QStringLiteral("Moor")); // typed, not yet stored
        const FeldDaten acht = Felder[8];
        const FeldDaten kopf = Felder[0];
        dlg.antworten << antwort;
        if (eintrag) {
            laden(eintrag, datei);
        } else { // another size in the boxes
            k->Text1->setText(QStringLiteral("7"));
            k->Text2->setText(QStringLiteral("3"));
            QTimer::singleShot(0, [] { popupKlick(1); });
            k->Command1_Click();
        }
        QVERIFY(dlg.boxen.value(0).prompt.startsWith(QStringLiteral("Karte noch nicht gespeichert.\r\nWirklich ")));
        QCOMPARE(fragen.size(), antwort == platform::Yes ? 1 : 0);
        QCOMPARE(dlg.boxen.size(), meldung.isEmpty() ? 1 : 2);
        if (!meldung.isEmpty())
            QVERIFY2(dlg.letzter().startsWith(meldung), qPrintable(dlg.letzter()));
        QVERIFY(SpaltenAnzahl == 5 && ZeilenAnzahl == 4 && AktuellesFeld == 8 && sichtbar(Wald, 8));
        QVERIFY(Felder[8] == acht && Felder[0] == kopf);
        QCOMPARE(k->TxtFeldName->text(), QStringLiteral("Moor"));
        QVERIFY(k->laden == 0 && k->GarNichtsMachen == 0);
    }

    // A click on Load or Save while a load runs (it yields) does nothing.
    void nichtWaehrendEinesLadens()
    {
        k->laden = 1;
        antworten << pfad(QStringLiteral("karte.bwk")) << pfad(QStringLiteral("waehrend.bwk"));
        QTimer::singleShot(0, [] { // should the popup come after all, the test ends
            if (LadenMenu::instance()->isVisible())
                popupKlick(1);
        });
        k->Command8_Click();
        k->Command7_Click();
        k->laden = 0;
        QCOMPARE(fragen.size(), 0);
        QVERIFY(!QFile::exists(pfad(QStringLiteral("waehrend.bwk"))));
    }

    void vorschlaege()
    {
        laden(1, pfad(QStringLiteral("karte.bwk")));
        laden(1, QString());
        QCOMPARE(fragen.last().name, pfad(QStringLiteral("karte.bwk")));
        QCOMPARE(fragen.last().titel, QStringLiteral("Befehlswart Karte laden"));
        laden(2, QString());
        QCOMPARE(fragen.last().name, QStringLiteral("V002s003.z00"));
        QCOMPARE(fragen.last().titel, QStringLiteral("Eine Morveldatei laden"));
        QVERIFY(fragen.last().filter.startsWith(QStringLiteral("Morveldateien (v")));
        schreibeDatei(pfad(QStringLiteral("V002s003.z00")), "");
        laden(2, pfad(QStringLiteral("V002s003.z00")));
        laden(3, QString());
        QCOMPARE(fragen.last().name, pfad(QStringLiteral("V002s003.z00")));
        QCOMPARE(fragen.last().titel, k->Titel);
        laden(1, QString());
        QCOMPARE(fragen.last().name, QStringLiteral("Karte.bwk"));
        // "Save" proposes the last map, never the game's file.
        speichern(QString());
        QCOMPARE(fragen.last().name, pfad(QStringLiteral("karte.bwk")));
        QVERIFY(fragen.last().speichern);
    }

    void speichernHaengtBwkAn()
    {
        neueKarte(3, 2);
        speichern(pfad(QStringLiteral("ohne")));
        QCOMPARE(liesDatei(pfad(QStringLiteral("ohne.bwk"))).size(), 7 * 176);
        QVERIFY(!QFile::exists(pfad(QStringLiteral("ohne"))));
        speichern(QString());
        QCOMPARE(fragen.last().name, pfad(QStringLiteral("ohne.bwk")));
        QCOMPARE(fragen.last().endung, QStringLiteral("bwk"));
        // The name with ".bwk" exists: asked before it is replaced.
        neueKarte(4, 2);
        speichern(pfad(QStringLiteral("ohne")));
        QCOMPARE(dlg.boxen.size(), 1);
        QVERIFY(dlg.letzter().contains(QStringLiteral("ohne.bwk")));
        QCOMPARE(liesDatei(pfad(QStringLiteral("ohne.bwk"))).size(), 7 * 176);
        dlg.antworten << platform::Yes; // asked in German for a full name too
        speichern(pfad(QStringLiteral("ohne.bwk")));
        QCOMPARE(dlg.boxen.size(), 2);
        QCOMPARE(liesDatei(pfad(QStringLiteral("ohne.bwk"))).size(), 9 * 176);
    }

    // Every map "Save" writes ends in ".bwk", in any case, so that "Load"
    // takes it again; the question before a file is replaced names it.
    void gespeicherteKarteLaedtWieder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("datei");
        QTest::newRow("mit Punkt") << "Karte 06.12" << "Karte 06.12.bwk";
        QTest::newRow("andere Endung") << "Zug 7.txt" << "Zug 7.txt.bwk";
        QTest::newRow("bwk ohne Punkt") << "Kartebwk" << "Kartebwk.bwk";
        QTest::newRow("BWK") << "Karte.BWK" << "Karte.BWK";
        QTest::newRow("Punkt am Ende") << "KarteX." << "KarteX.bwk";
    }
    void gespeicherteKarteLaedtWieder()
    {
        QFETCH(QString, name);
        QFETCH(QString, datei);
        neueKarte(4, 3);
        klick(5);
        k->TxtFeldName->setText(QStringLiteral("Furt"));
        speichern(pfad(name));
        QCOMPARE(liesDatei(pfad(datei)).size(), 13 * 176);
        QCOMPARE(QFile::exists(pfad(name)), name == datei);
        speichern(pfad(name)); // answered No
        QCOMPARE(dlg.prompts(), QStringList{QStringLiteral("Die Datei \"%1\" gibt es schon. Soll sie ersetzt werden?").arg(datei)});
        dlg.leeren();
        neueKarte(3, 2);
        dlg.antworten << platform::Yes; // the new map is dropped
        laden(1, pfad(datei));
        QCOMPARE(dlg.boxen.size(), 1);
        QVERIFY(SpaltenAnzahl == 4 && ZeilenAnzahl == 3);
        QCOMPARE(Felder[5].FeldName, QStringLiteral("Furt").leftJustified(30));
    }

    // The end asks about a map with changes since its last save or load,
    // the unstored panel included, before the orders; No keeps everything.
    // "Load" and "New" count the same and ask in their own words; No keeps
    // the map, its size too. "Nur die Linien neu zeichnen" asks nothing.
    void endeFragtNachDerKarte_data()
    {
        QTest::addColumn<QString>("tat");
        QTest::addColumn<bool>("befehle"); // the orders unsaved too
        QTest::addColumn<bool>("karte");   // asked about the map
        QTest::newRow("nichts") << "" << false << false;
        QTest::newRow("Name getippt") << "Name" << false << true;
        QTest::newRow("Name getippt, Befehle") << "Name" << true << true;
        QTest::newRow("Name gespeichert") << "Name, weiter" << false << true;
        QTest::newRow("Burg gewählt") << "Burg" << false << true;
        QTest::newRow("nur angeklickt") << "Klick" << true << false;
        QTest::newRow("Name, dann gespeichert") << "Name, Save" << false << false;
        QTest::newRow("Name, dann geladen") << "Name, Load" << false << false;
        QTest::newRow("Morveldatei") << "Import" << false << true;
        QTest::newRow("Feldgrösse") << "Size" << false << true;
        QTest::newRow("neue Karte") << "New" << false << true;
    }
    void endeFragtNachDerKarte()
    {
        QFETCH(QString, tat);
        QFETCH(bool, befehle);
        QFETCH(bool, karte);
        Form1 *f = hauptfenster(dir.path());
        int beendet = 0;
        Form1::endProgram = [&] { ++beendet; };
        // Each row starts from a map of its own, 3 x 2 as a file holds it: no field shown yet, none numbered.
        QByteArray eigene = beispiel();
        for (int feld = 1; feld <= 6; ++feld)
            qToLittleEndian<qint16>(0, eigene.data() + feld * 176);
        schreibeDatei(pfad(QStringLiteral("eigene.bwk")), eigene);
        laden(1, pfad(QStringLiteral("eigene.bwk")));
        dlg.leeren(); // the main window's first start tells of the screen
        QFile::remove(pfad(QStringLiteral("ende.bwk")));
        speichern(pfad(QStringLiteral("ende.bwk")));
        QVERIFY(QFile::exists(pfad(QStringLiteral("ende.bwk"))) && dlg.boxen.isEmpty());
        if (tat.startsWith(QLatin1String("Name"))) {
            klick(2);
            k->TxtFeldName->setText(QStringLiteral("Furt"));
        }
        if (tat == QLatin1String("Name, weiter") || tat == QLatin1String("Klick"))
            klick(3);
        if (tat == QLatin1String("Burg")) {
            klick(4);
            k->TxtBurgArt->setCurrentIndex(2);
        }
        if (tat == QLatin1String("Name, Save")) {
            dlg.antworten << platform::Yes;
            speichern(pfad(QStringLiteral("ende.bwk")));
        }
        if (tat == QLatin1String("Name, Load")) {
            dlg.antworten << platform::Yes; // the name goes
            laden(1, pfad(QStringLiteral("karte.bwk"))); // another map
        }
        if (tat == QLatin1String("Import")) {
            schreibeDatei(pfad(QStringLiteral("V004s001.z00")), "#F 2\r\nTerr=1\r\n");
            laden(2, pfad(QStringLiteral("V004s001.z00")));
        }
        if (tat == QLatin1String("Size")) {
            Groesse *g = Groesse::instance();
            g->Text1->setText(QStringLiteral("6000"));
            g->Text2->setText(QStringLiteral("5000"));
            g->Command1_Click();
        }
        if (tat == QLatin1String("New"))
            neueKarte(4, 2);
        const FeldDaten feld2 = Felder[2];
        f->verandert = befehle ? 1 : 0;
        dlg.leeren();
        dlg.antworten = {platform::No, platform::No};
        f->beend->trigger();
        f->close();
        QString frage = QStringLiteral("Wirklich beenden?");
        if (befehle)
            frage.prepend(QStringLiteral("Befehle noch nicht gespeichert.\r\n"));
        if (karte)
            frage.prepend(QStringLiteral("Karte noch nicht gespeichert.\r\n"));
        QCOMPARE(dlg.prompts(), QStringList(2, frage));
        for (const auto &box : dlg.boxen) {
            QCOMPARE(box.buttons, befehle || karte ? platform::YesNo | platform::Warning : int(platform::YesNo));
            QCOMPARE(box.title, QStringLiteral("Befehlswart"));
        }
        QCOMPARE(beendet, 0);
        QVERIFY(Felder[2] == feld2);

        const int spalten = SpaltenAnzahl, zeilen = ZeilenAnzahl;
        const QString name = k->TxtFeldName->text();
        dlg.leeren();
        fragen.clear();
        for (int eintrag : {1, 2, 3})
            laden(eintrag, QString()); // asked: No; else "Abbrechen" in the file dialog
        antworten.clear();
        QTimer::singleShot(0, [] { popupKlick(2); });
        k->Command1_Click(); // "Nur die Linien neu zeichnen", the boxes at the map's size
        neueKarte(5, 5);
        const QString verwerfen =
            QStringLiteral("Karte noch nicht gespeichert.\r\nWirklich %1 und Änderungen an der Karte verwerfen?");
        const QString morvel = verwerfen.arg(QStringLiteral("Morveldateien laden"));
        const QStringList gefragt{verwerfen.arg(QStringLiteral("neue Karte laden")), morvel, morvel,
                                  verwerfen.arg(QStringLiteral("neue Karte zeichnen"))};
        QCOMPARE(dlg.prompts(), karte ? gefragt : QStringList());
        for (const auto &box : dlg.boxen) {
            QCOMPARE(box.buttons, platform::YesNo | platform::Warning);
            QCOMPARE(box.title, QStringLiteral("Befehlswart"));
        }
        QCOMPARE(fragen.size(), karte ? 0 : 3);
        if (karte) {
            QVERIFY(Felder[2] == feld2 && SpaltenAnzahl == spalten && ZeilenAnzahl == zeilen);
            QCOMPARE(k->TxtFeldName->text(), name);
        } else {
            QVERIFY(SpaltenAnzahl == 5 && ZeilenAnzahl == 5); // nothing asked: the new map is drawn
        }
        // Yes ends.
        dlg.antworten = {platform::Yes};
        f->beend->trigger();
        QCOMPARE(beendet, 1);
        Form1::endProgram = [] {};
    }

    void speichernPruefterVorher()
    {
        neueKarte(3, 2);
        Felder[4].Besitzer = QString(91, QLatin1Char('4'));
        speichern(pfad(QStringLiteral("zulang.bwk")));
        QCOMPARE(fragen.size(), 0);
        QVERIFY(dlg.letzter().contains(QStringLiteral("Feld 4")));
        QVERIFY(!QFile::exists(pfad(QStringLiteral("zulang.bwk"))));
    }

    // An import redraws the symbols from the records: a replaced terrain's symbol goes.
    void importZeichnetSymbole()
    {
        neueKarte(5, 4);
        k->PositionX = 1200; // field 8
        k->PositionY = 700;
        k->AufKarteKlicken();
        k->TxtTerrain->setCurrentIndex(7);
        QVERIFY(sichtbar(Wald, 8));
        schreibeDatei(pfad(QStringLiteral("V009s001.z00")), "#F 8\r\nTerr=1\r\n#F 20\r\nBK=2\r\nOHBes=");
        dlg.antworten << platform::Yes; // the changes go
        laden(2, pfad(QStringLiteral("V009s001.z00")));
        QCOMPARE(dlg.boxen.size(), 1);
        QVERIFY(sichtbar(See, 8) && !sichtbar(Wald, 8));
        QVERIFY(sichtbar(NBurg, 20) && sichtbar(GubHort, 20));
        QCOMPARE(AktuellesFeld, qint16(1));
        // The panel (still showing field 8) was not stored into the last field.
        QVERIFY(Felder[20].BurgArt == 2 && Felder[20].Terrain == 0);
    }

    void reihe()
    {
        neueKarte(5, 4);
        const QString b = QStringLiteral("V001s002.");
        // File n of the list gives field n the terrain code n.
        const char *endungen[] = {"z98", "Z99", "z100", "z08", "Z09", "z10"};
        for (int n = 1; n <= 6; ++n)
            schreibeDatei(pfad(b + endungen[n - 1]), QStringLiteral("#F %1\r\nTerr=%1").arg(n).toLatin1());
        dlg.antworten << platform::Yes << platform::Yes << platform::Yes; // each load drops the changes before
        laden(3, pfad(b + "z98"));
        QCOMPARE(Felder[1].Terrain, qint16(5));
        QCOMPARE(Felder[2].Terrain, qint16(1));
        QCOMPARE(Felder[3].Terrain, qint16(0)); // stopped after z99
        laden(3, pfad(b + "Z09"));
        QCOMPARE(Felder[4].Terrain, qint16(0)); // before the chosen file
        QCOMPARE(Felder[5].Terrain, qint16(6));
        QCOMPARE(Felder[6].Terrain, qint16(4));
        // One file alone reads only that one.
        laden(2, pfad(b + "z08"));
        QCOMPARE(Felder[4].Terrain, qint16(2));
    }
};

BW_TEST_MAIN(TstKarteDatei)
#include "tst_karte_datei.moc"
