// Help by order code: the short-help table, the lookup and the main window's
// help item.
#include "core/form3.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "orderref/form2.h"
#include "orderref/katalog.h"
#include "orderref/schnellhilfe.h"
#include "testsupport.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

using namespace orderref;

namespace {
const Kurzhilfe *kurz(const QString &code)
{
    for (const Kurzhilfe &k : kurzhilfen())
        if (k.code == code)
            return &k;
    return nullptr;
}
QString nichtGefunden() { return QStringLiteral("Suchindex nicht gefunden."); }
} // namespace

class TstSchnellhilfe : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

private slots:
    void tableCoversTheCatalogue()
    {
        // public orders first, then the secret ones, each in catalogue order
        QStringList erwartet, codes;
        for (bool geheim : {false, true})
            for (const Befehl &b : katalog())
                if (b.geheim == geheim)
                    erwartet << b.code;
        for (const Kurzhilfe &k : kurzhilfen()) {
            codes << k.code;
            QCOMPARE(k.geheim, finde(k.code)->geheim);
            QVERIFY(!k.beschreibung.isEmpty());
            QVERIFY(!k.beschreibung.contains(QLatin1Char('\n')));
        }
        QCOMPARE(codes, erwartet);
        int crlf = 0;
        for (const Kurzhilfe &k : kurzhilfen())
            crlf += k.crlf;
        QCOMPARE(crlf, 13);
    }

    void syntaxLinesFollowTheCatalogueButTen()
    {
        const QStringList eigene{"FS", "DS", "TD", "MR", "BN", "ZW", "GV", "ZF", "ZK", "KF"};
        for (const Kurzhilfe &k : kurzhilfen()) {
            if (eigene.contains(k.code))
                QVERIFY2(k.syntax != finde(k.code)->syntax, qPrintable(k.code));
            else
                QCOMPARE(k.syntax, finde(k.code)->syntax);
        }
        QCOMPARE(kurz("UL")->syntax, QStringLiteral("UL a [1]"));
        QCOMPARE(kurz("KF")->syntax, QStringLiteral("KF <Soldaten> <Goldohren> <Natternblut>"));
    }

    void codeInAnyCase_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("code");
        QTest::newRow("klein") << "su" << "SU";
        QTest::newRow("gemischt") << "Su" << "SU";
        QTest::newRow("gross") << "SU" << "SU";
        QTest::newRow("vk") << "vK" << "VK";
        QTest::newRow("ss") << "ss" << "SS";
    }
    void codeInAnyCase()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, code);
        const HilfeAntwort a = schnellhilfe(eingabe);
        QVERIFY(!a.auswahlmenue);
        QCOMPARE(a.boxen.size(), 1);
        QCOMPARE(a.boxen[0].text, kurztext(*kurz(code)));
        QVERIFY(a.boxen[0].text.startsWith(kurz(code)->syntax + QLatin1Char('\n')));
    }

    void publicCodeShowsNoIcon()
    {
        const HilfeAntwort a = schnellhilfe(QStringLiteral("su"));
        QCOMPARE(a.boxen[0].text, QStringLiteral("SU [1]\nErrichte eine Sphäre der Unverletzlichkeit"));
        QCOMPARE(a.boxen[0].flags, int(platform::OkOnly));
    }

    void secretCodeShowsTheInformationIcon()
    {
        HilfeAntwort a = schnellhilfe(QStringLiteral("fs"));
        QCOMPARE(a.boxen.size(), 1);
        QVERIFY(a.boxen[0].text.startsWith(QStringLiteral("FS a [1] (Geheimbefehl)\r\nBaue eine Festung")));
        QCOMPARE(a.boxen[0].flags, int(platform::Information));
        a = schnellhilfe(QStringLiteral("KO"));
        QCOMPARE(a.boxen[0].text.split(QStringLiteral("\r\n")).first(), QStringLiteral("KO a (Geheimbefehl)"));
        QCOMPARE(a.boxen[0].flags, int(platform::Information));
        // no "(Geheimbefehl)" in its syntax, secret all the same
        QCOMPARE(schnellhilfe(QStringLiteral("ul")).boxen[0].flags, int(platform::Information));
    }

    void notFound_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::newRow("blank dahinter") << "SU ";
        QTest::newRow("blank davor") << " SU";
        QTest::newRow("mit Zahl") << "SU 1";
        QTest::newRow("drei Buchstaben") << "SUX";
        QTest::newRow("ganzer Befehl") << "VK 3, 100";
        QTest::newRow("Titel") << "SU   Sphäre der Unverletzlichkeit";
        QTest::newRow("Eszett") << "ß";
        QTest::newRow("Auswahlmenü mit Blank") << "Auswahlmenü ";
        QTest::newRow("Blank") << " ";
    }
    void notFound()
    {
        QFETCH(QString, eingabe);
        const HilfeAntwort a = schnellhilfe(eingabe);
        QVERIFY(!a.auswahlmenue);
        QCOMPARE(a.boxen.size(), 1);
        QCOMPARE(a.boxen[0].text, nichtGefunden());
        QCOMPARE(a.boxen[0].flags, int(platform::OkOnly));
    }

    void matchingIgnoresTheLocale()
    {
        const QLocale vorher;
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        const HilfeAntwort in = schnellhilfe(QStringLiteral("in"));
        const HilfeAntwort auswahl = schnellhilfe(QStringLiteral("AUSWAHLMENÜ"));
        QLocale::setDefault(vorher);
        QCOMPARE(in.boxen.size(), 1);
        QVERIFY(in.boxen[0].text.startsWith(QStringLiteral("IN a [1] (Geheimbefehl)")));
        QVERIFY(auswahl.auswahlmenue);
    }

    void emptyAnswerShowsNothing()
    {
        const HilfeAntwort a = schnellhilfe(QString());
        QVERIFY(!a.auswahlmenue);
        QVERIFY(a.boxen.isEmpty());
    }

    void auswahlmenueInAnyCase()
    {
        for (const char *s : {"Auswahlmenü", "auswahlmenü", "AUSWAHLMENÜ", "aUsWaHlMeNü"}) {
            const HilfeAntwort a = schnellhilfe(QString::fromUtf8(s));
            QVERIFY2(a.auswahlmenue, s);
            QVERIFY(a.boxen.isEmpty());
        }
    }

    void heroOrderShowsTwoPages()
    {
        const HilfeAntwort a = schnellhilfe(QStringLiteral("hd"));
        QCOMPARE(a.boxen.size(), 2);
        QCOMPARE(a.boxen[0].flags, int(platform::OkOnly));
        QCOMPARE(a.boxen[1].flags, int(platform::OkOnly));
        const QStringList z = a.boxen[0].text.split(QLatin1Char('\n'));
        QCOMPARE(z.size(), 11);
        QCOMPARE(z[0], QStringLiteral("HD a, b, c, ... [5*]"));
        QCOMPARE(z[2], QStringLiteral("Unterbefehle:"));
        QVERIFY(z[3].startsWith(QStringLiteral("-Duell <Zielort>  ")));
        QCOMPARE(z[7], QStringLiteral("       Status 0 - Der Held hilft nicht."));
        QVERIFY(z[10].startsWith(QStringLiteral("-Spionage <Zielort>  ")));
        const QStringList s = a.boxen[1].text.split(QLatin1Char('\n'));
        QCOMPARE(s.size(), 9);
        QCOMPARE(s[0], QStringLiteral("Unterbefehle des allgemeinen Heldenbefehls HD a, b, c, ... [5*]    (Fortsetzung):"));
        QCOMPARE(s[1], QString());
        QVERIFY(s[2].startsWith(QStringLiteral("-Fluchtgrenze <Fluchtpunktzahl>  ")));
        QCOMPARE(s[7], QString());
        QCOMPARE(s[8], QStringLiteral("Von den folgenden Unterbefehlen darf in einem HD - Befehl nur einer auftauchen: "
                                      "Duell, Erkundung, Spionage."));
    }

    void productCodeTables()
    {
        const QStringList vk = schnellhilfe(QStringLiteral("VK")).boxen[0].text.split(QLatin1Char('\n'));
        QCOMPARE(vk.size(), 13);
        QCOMPARE(vk[2], QStringLiteral("Codierung:"));
        QCOMPARE(vk[3], QStringLiteral("1 - Holz"));
        QCOMPARE(vk.last(), QStringLiteral("10 - Natternblut"));
        const QStringList xp = schnellhilfe(QStringLiteral("XP")).boxen[0].text.split(QLatin1Char('\n'));
        QCOMPARE(xp.size(), 14);
        QCOMPARE(xp[3], QStringLiteral("0 - Gold"));
        // FX breaks with CR LF and still reads as two lines
        const QString fx = schnellhilfe(QStringLiteral("FX")).boxen[0].text;
        QCOMPARE(fx.count(QLatin1Char('\n')), 1);
        QVERIFY(fx.contains(QStringLiteral("[5] (Geheimbefehl)\r\nExportiere")));
    }

    // ---- through the main window's help item

    void initTestCase()
    {
        QVERIFY(dir.isValid());
        Form1::endProgram = [] {};
        StandardPfad = dir.path();
        KlickKlangAn = 1; // the click player must take it silently
        // Loading the main window and the sound players may remark on the
        // screen size or missing folders; that is not what is tested here.
        Dialoge ladeDialoge;
        Form1::instance();
        Form3::instance();
    }

    void helpItemAsksWithTheDefault()
    {
        Dialoge dlg;
        QString prompt, titel, vorgabe;
        platform::setInputBoxHook([&](const QString &p, const QString &t, const QString &d) {
            prompt = p;
            titel = t;
            vorgabe = d;
            return QStringLiteral(" vk ");
        });
        Form1 *f = Form1::instance();
        f->hilfe->trigger();
        QCOMPARE(prompt, QStringLiteral("Zu welchem Gub-Befehl wird Hilfe benötigt?\r\n"
                                        "Im Auswahlmenü befinden sich die vollständigen Erklärungen."));
        QCOMPARE(titel, QStringLiteral("Hilfe zu Gub-Befehle"));
        QCOMPARE(vorgabe, QStringLiteral("Auswahlmenü"));
        QCOMPARE(f->help, QStringLiteral(" vk ")); // kept as typed
        QCOMPARE(dlg.prompts(), QStringList{nichtGefunden()});
        QCOMPARE(dlg.boxen[0].title, platform::kTitel);
    }

    void helpItemShowsTheBoxes()
    {
        Dialoge dlg;
        Form1 *f = Form1::instance();
        dlg.eingaben = QStringList{QStringLiteral("hd")};
        f->hilfe_Click();
        QCOMPARE(dlg.boxen.size(), 2);
        QCOMPARE(dlg.boxen[0].prompt, kurztext(*kurz("HD")));
        QCOMPARE(dlg.boxen[1].prompt, kurz("HD")->seite2);

        dlg.leeren();
        dlg.eingaben = QStringList{QStringLiteral("ma")};
        f->hilfe_Click();
        QCOMPARE(dlg.boxen.size(), 1);
        QCOMPARE(dlg.boxen[0].buttons, int(platform::Information));
        QVERIFY(!Form2::exists() || !Form2::instance()->isVisible());
    }

    void cancelShowsNothing()
    {
        Dialoge dlg;
        Form1 *f = Form1::instance();
        f->help = QStringLiteral("SU");
        f->hilfe_Click(); // no answer queued: cancelled
        QVERIFY(dlg.boxen.isEmpty());
        QCOMPARE(f->help, QString());
        QVERIFY(!Form2::exists() || !Form2::instance()->isVisible());
    }

    void secretOrderFoundWhileTheWindowHidesThem()
    {
        Dialoge dlg;
        Form2 *w = Form2::instance();
        w->Command1_Click();
        QCOMPARE(w->OnOFF, qint16(0));
        dlg.eingaben = QStringList{QStringLiteral("bb")};
        Form1::instance()->hilfe_Click();
        QCOMPARE(dlg.boxen.size(), 1);
        QVERIFY(dlg.boxen[0].prompt.startsWith(QStringLiteral("BB a [1] (Geheimbefehl)\r\n")));
        w->Unload();
    }

    void auswahlmenueShowsTheWindow()
    {
        Dialoge dlg;
        Form2 *w = Form2::instance();
        w->Command1_Click();
        w->List1->setCurrentRow(3);
        w->show();
        w->setFensterZustand(1);
        w->hide();
        dlg.eingaben = QStringList{QStringLiteral("auswahlmenü")};
        Form1::instance()->hilfe_Click();
        QVERIFY(dlg.boxen.isEmpty());
        QVERIFY(w->isVisible());
        QCOMPARE(w->fensterZustand(), 0);
        // an existing window keeps what it showed
        QCOMPARE(w->OnOFF, qint16(0));
        QCOMPARE(w->List1->currentRow(), 3);
    }
};

QTEST_MAIN(TstSchnellhilfe)
#include "tst_schnellhilfe.moc"
