// The order-code catalogue's shape and its public list; help by order code:
// the short-help table, the lookup and the main window's help item.
#include "core/form3.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "orderref/form2.h"
#include "orderref/katalog.h"
#include "orderref/schnellhilfe.h"
#include "testmain.h"
#include "testsupport.h"

#include <QHash>
#include <QSet>
#include <QtTest>

using namespace orderref;

namespace {
const QString kNichtGefunden = QStringLiteral("Suchindex nicht gefunden.");
const QString kCrLf = QStringLiteral("\r\n");
} // namespace

class TstSchnellhilfe : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void entriesAndHelpTextsHaveTheirShape()
    {
        const QList<Befehl> &k = katalog();
        QCOMPARE(k.size(), 98);
        QSet<QString> codes;
        int geheim = 0, hilfezeilen = 0;
        qsizetype laengsterTitel = 0;
        for (const Befehl &b : k) {
            QVERIFY2(b.code.size() == 2 && b.code.at(0).isUpper() && b.code.at(1).isUpper(), qPrintable(b.code));
            QVERIFY2(!codes.contains(b.code), qPrintable(b.code));
            codes.insert(b.code);
            geheim += b.geheim;
            QCOMPARE(b.titel.left(5), b.code + QStringLiteral("   "));
            QCOMPARE(b.syntax.left(3), b.code + QLatin1Char(' '));
            QCOMPARE(b.titel.endsWith(QStringLiteral(" (GEHEIMBEFEHL)")), b.geheim);
            laengsterTitel = qMax(laengsterTitel, b.titel.size());
            for (const QString &z : b.zeilen) {
                QVERIFY2(!z.contains(QLatin1Char('\r')) && !z.contains(QLatin1Char('\n')), qPrintable(b.code));
                hilfezeilen += !z.isEmpty();
            }
            const QString text = hilfetext(b);
            QVERIFY(text.startsWith(b.syntax + kCrLf));
            const int leer = text.count(kCrLf + kCrLf);
            if (b.code == QLatin1String("BX")) {
                QCOMPARE(text, QStringLiteral("BX a [1]\r\nVersklave a Bauern.\r\n"));
            } else if (QStringList{"ZZ", "SR", "HT"}.contains(b.code)) {
                QVERIFY2(text.endsWith(kCrLf + kCrLf) && !text.endsWith(kCrLf + kCrLf + kCrLf), qPrintable(b.code));
                QCOMPARE(leer, 1);
            } else {
                // The hero order alone has one empty line, between its sub-orders and its rules.
                QVERIFY2(!text.endsWith(kCrLf), qPrintable(b.code));
                QCOMPARE(leer, b.code == QLatin1String("HD") ? 1 : 0);
            }
        }
        QCOMPARE(geheim, 37);
        QCOMPARE(hilfezeilen, 516);
        QCOMPARE(laengsterTitel, 76);
    }

    void publicListAndTableFollowTheCatalogue()
    {
        // The table: the public orders (the public list), then the secret ones, each in catalogue order.
        const QStringList eigene{"FS", "DS", "TD", "MR", "BN", "ZW", "GV", "ZF", "ZK", "KF"}; // own syntax lines
        QStringList erwartet, codes, oeffentlicheCodes;
        QHash<QString, const Befehl *> nachCode;
        for (bool geheim : {false, true})
            for (const Befehl &b : katalog())
                if (b.geheim == geheim) {
                    erwartet << b.code;
                    nachCode.insert(b.code, &b);
                }
        for (const Befehl &b : oeffentlich())
            oeffentlicheCodes << b.code;
        QCOMPARE(oeffentlicheCodes, erwartet.mid(0, 61));
        int crlf = 0;
        for (const Kurzhilfe &k : kurzhilfen()) {
            codes << k.code;
            const Befehl *b = nachCode.value(k.code);
            QVERIFY2(b, qPrintable(k.code));
            QCOMPARE(k.geheim, b->geheim);
            QCOMPARE(k.syntax == b->syntax, !eigene.contains(k.code));
            QVERIFY(!k.beschreibung.isEmpty() && !k.beschreibung.contains(QLatin1Char('\n')));
            crlf += k.crlf;
        }
        QCOMPARE(codes, erwartet);
        QCOMPARE(crlf, 13);
    }

    void answersInTurkishToo_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("anfang"); // of the first box; all of it when it has one line
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("zeilen"); // of the first box; 0: not counted
        QTest::addColumn<int>("boxen"); // -1: the reference window instead
        const int ok = platform::OkOnly, info = platform::Information;
        QTest::newRow("su") << "su" << "SU [1]\nErrichte eine Sphäre der Unverletzlichkeit" << ok << 2 << 1;
        QTest::newRow("vK") << "vK" << "VK a, b [5*]\n" << ok << 13 << 1;
        QTest::newRow("XP") << "XP" << "XP a, b, c [5]\n" << ok << 14 << 1;
        QTest::newRow("fs") << "fs" << "FS a [1] (Geheimbefehl)\r\nBaue eine Festung" << info << 0 << 1;
        QTest::newRow("FX") << "FX" << "FX a, b, c [5] (Geheimbefehl)\r\nExportiere" << info << 2 << 1;
        QTest::newRow("KO") << "KO" << "KO a (Geheimbefehl)\r\n" << info << 0 << 1;
        QTest::newRow("ss") << "ss" << "SS [1] (Geheimbefehl)" << info << 0 << 1;
        QTest::newRow("ul") << "ul" << "UL a [1]\r\n" << info << 0 << 1; // secret, no such word in its syntax
        QTest::newRow("in") << "in" << "IN a [1] (Geheimbefehl)" << info << 0 << 1;
        QTest::newRow("hd") << "hd" << "HD a, b, c, ... [5*]\n" << ok << 11 << 2;
        for (const char *s : {"SU ", " SU", "SU 1", "SUX", "VK 3, 100", "SU   Sphäre der Unverletzlichkeit", "ß",
                              "Auswahlmenü ", " "})
            QTest::newRow(s) << QString::fromUtf8(s) << kNichtGefunden << ok << 1 << 1;
        for (const char *s : {"Auswahlmenü", "auswahlmenü", "AUSWAHLMENÜ", "aUsWaHlMeNü"})
            QTest::newRow(s) << QString::fromUtf8(s) << QString() << 0 << 0 << -1;
        QTest::newRow("leer") << QString() << QString() << 0 << 0 << 0;
    }
    void answersInTurkishToo()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, anfang);
        QFETCH(int, flags);
        QFETCH(int, zeilen);
        QFETCH(int, boxen);
        // upper-casing i gives a dotted capital there, lower-casing I a dotless i
        const QLocale vorher;
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        const HilfeAntwort a = schnellhilfe(eingabe);
        QLocale::setDefault(vorher);
        QCOMPARE(a.auswahlmenue, boxen < 0);
        QCOMPARE(a.boxen.size(), qMax(boxen, 0));
        for (const HilfeBox &b : a.boxen)
            QCOMPARE(b.flags, flags);
        if (a.boxen.isEmpty())
            return;
        const QString &text = a.boxen[0].text;
        QVERIFY2(zeilen == 1 ? text == anfang : text.startsWith(anfang), qPrintable(text));
        if (zeilen)
            QCOMPARE(text.count(QLatin1Char('\n')) + 1, zeilen);
    }

    // ---- through the main window's help item

    void initTestCase()
    {
        Dialoge ladeDialoge; // remarks on the screen size or missing folders are not tested here
        hauptfenster(dir.path());
        KlickKlangAn = 1; // the click player must take it silently
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
        QCOMPARE(dlg.prompts(), QStringList{kNichtGefunden});
        QCOMPARE(dlg.boxen[0].title, platform::kTitel);
    }

    void helpItemShowsTheBoxesTheHeroOrderOnTwoPages()
    {
        Dialoge dlg;
        Form1 *f = Form1::instance();
        dlg.eingaben = QStringList{QStringLiteral("hd"), QStringLiteral("ma")}; // then nothing: cancelled
        f->hilfe_Click();
        QCOMPARE(dlg.boxen.size(), 2);
        const QStringList s = dlg.boxen[1].prompt.split(QLatin1Char('\n'));
        QCOMPARE(s.size(), 9);
        QVERIFY(s[0].startsWith(QStringLiteral("Unterbefehle des allgemeinen Heldenbefehls HD a, b, c, ... [5*]")));
        QVERIFY(s[1].isEmpty() && s[7].isEmpty());
        QVERIFY(s[2].startsWith(QStringLiteral("-Fluchtgrenze <Fluchtpunktzahl>  ")));
        dlg.leeren();
        f->hilfe_Click();
        QCOMPARE(dlg.boxen.size(), 1);
        QCOMPARE(dlg.boxen[0].buttons, int(platform::Information));
        // Cancelled: nothing shown, the code forgotten.
        dlg.leeren();
        f->hilfe_Click();
        QVERIFY(dlg.boxen.isEmpty());
        QCOMPARE(f->help, QString());
        QVERIFY(!Form2::exists() || !Form2::instance()->isVisible());
    }

    void windowHidingSecretsNeitherHidesTheirHelpNorLosesWhatItShowed()
    {
        Dialoge dlg;
        Form2 *w = Form2::instance();
        w->Command1_Click();
        w->List1->setCurrentRow(3);
        w->show();
        w->setFensterZustand(1);
        w->hide();
        dlg.eingaben = QStringList{QStringLiteral("bb"), QStringLiteral("auswahlmenü")};
        Form1::instance()->hilfe_Click();
        QCOMPARE(dlg.boxen.size(), 1);
        QVERIFY(dlg.boxen[0].prompt.startsWith(QStringLiteral("BB a [1] (Geheimbefehl)\r\n")));
        Form1::instance()->hilfe_Click();
        QCOMPARE(dlg.boxen.size(), 1);
        QVERIFY(w->isVisible());
        QCOMPARE(w->fensterZustand(), 0);
        QCOMPARE(w->OnOFF, qint16(0));
        QCOMPARE(w->List1->currentRow(), 3);
    }
};

BW_TEST_MAIN(TstSchnellhilfe)
#include "tst_schnellhilfe.moc"
