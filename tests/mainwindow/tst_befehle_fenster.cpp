// The orders box of the main window: save, load, abort, busy flag, counting
// and capitals mode; font name and size of the orders and report boxes.
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "mainwindow/form6.h"
#include "platform/errors.h"
#include "testmain.h"
#include "testsupport.h"

#include <QFontDatabase>
#include <QtTest>

namespace {
const QString kName = QStringLiteral("Befehle.txt");
const QString kBeschaeftigt = QStringLiteral("Es ist gerade eine Datei geöffnet!");
const QString kUngueltig = QStringLiteral("Dateiname beinhaltet ungültige Zeichen oder es existiert ein VERZEICHNIS mit gleichem Namen.");

// An orders file of many lines, each with a hidden stretch to its end, and the text it loads as.
struct VieleBefehle {
    QByteArray datei = "#BEF 42 17 7\r\n";
    QString text = QStringLiteral("#BEF 42 17 7\r\n");
    explicit VieleBefehle(int zeilen)
    {
        for (int i = 0; i < zeilen; ++i) {
            datei += "AB " + QByteArray::number(i) + " K\xF6rner;\xAEversteckt\r\n";
            text += QStringLiteral("AB %1 Körner").arg(i);
        }
    }
};
// The file without its first line, the header.
QByteArray ohneKopf(const QByteArray &datei)
{
    return datei.startsWith(";\xAE") ? datei.mid(datei.indexOf("\r\n") + 2) : QByteArray("kein Kopf");
}
// Typed keys with their text, umlauts included.
void tippe(QWidget *w, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &druck);
    }
}
} // namespace

class TstBefehleFenster : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Dialoge *dlg = nullptr;
    Form1 *f = nullptr;
    std::function<QByteArray(const QString &)> leseEcht;

    void schreibe(const QString &name, const QByteArray &bytes) { schreibeDatei(dir.filePath(name), bytes); }
    QByteArray lies(const QString &name) { return liesDatei(dir.filePath(name)); }
    // A listed font other than the one the box shows now.
    int andereSchrift(QComboBox *box)
    {
        for (int i = 0; i < box->count(); ++i)
            if (i != box->currentIndex() && box->itemText(i) != QLatin1String("Courier New"))
                return i;
        return -1;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(dir.isValid() && QDir(dir.path()).mkdir(QStringLiteral("Ordner")));
        dlg = new Dialoge;
        f = hauptfenster(dir.path());
        leseEcht = Form1::befehleLesen;
    }

    void init()
    {
        dlg->leeren();
        dlg->antworten.clear();
        dlg->standardAntwort = platform::Yes;
        f->Text5->setText(kName);
        f->Text1->setText(QString());
        f->Text3->setText(QStringLiteral("7"));
        f->Text4->setText(QStringLiteral("10"));
        f->verandert = f->arbeit = f->abbruch = f->gross = 0;
        f->enableFileMenus(true);
        QFile::remove(dir.filePath(kName));
        BestaetigungsKlangAn = TippKlangAn = 0;
    }
    void cleanup() { Form1::befehleLesen = leseEcht; }

    void listsHoldTheSystemFonts()
    {
        // Every system family is there, under its name without foundry tag.
        for (const QString &fam : QFontDatabase::families()) {
            const QString name = fam.section(QStringLiteral(" ["), 0, 0);
            QVERIFY2(f->Combo1->findText(name, Qt::MatchFixedString) >= 0, qPrintable(name));
            QVERIFY2(f->Combo2->findText(name, Qt::MatchFixedString) >= 0, qPrintable(name));
        }
        // Filling the lists chose nothing: the start fonts stand (so this test runs first).
        QCOMPARE(f->Combo1->currentText(), QStringLiteral("Courier New"));
        QCOMPARE(f->Combo2->currentText(), QStringLiteral("Courier New"));
        QCOMPARE(f->Text1->fontName(), QStringLiteral("Courier New"));
    }

    void eachBoxFollowsItsChooser()
    {
        const int i = andereSchrift(f->Combo1), j = andereSchrift(f->Combo2);
        f->Text4->setText(QStringLiteral("12"));
        f->Combo1->setCurrentIndex(i);
        QCOMPARE(f->Text1->fontName(), f->Combo1->itemText(i));
        QCOMPARE(f->Text1->font().family(), QFont(f->Combo1->itemText(i)).family());
        QCOMPARE(f->Text1->fontSize(), 12.0);
        QCOMPARE(f->Text2->fontName(), QStringLiteral("Courier New"));
        f->Combo2->setCurrentIndex(j);
        QCOMPARE(f->Text2->fontName(), f->Combo2->itemText(j));
        QCOMPARE(f->Text1->fontName(), f->Combo1->itemText(i));
        // The player picks the entry already shown: only activated is reported.
        QTest::qWait(1);
        f->Text1->setFontName(QStringLiteral("Courier New"));
        emit f->Combo1->activated(i);
        QCOMPARE(f->Text1->fontName(), f->Combo1->itemText(i));
        // With a bad size the chosen name is still taken, before the size fails.
        f->Text4->setText(QStringLiteral("x"));
        const int k = andereSchrift(f->Combo1);
        f->Combo1->setCurrentIndex(k);
        QCOMPARE(f->Text1->fontName(), f->Combo1->itemText(k));
        QCOMPARE(f->Text1->fontSize(), 12.0);
        f->Text4->setText(QStringLiteral("10"));
        f->Combo1->setEditText(QStringLiteral("  "));
        f->Combo1_Click();
        QCOMPARE(dlg->prompts(), QStringList{QStringLiteral("Keine gültige Eingabe.")}
                                     + QStringList(2, QStringLiteral("Schriftart nicht verfügbar")));
    }

    void reportSizeKeepsTheNameButCourierResetsIt()
    {
        f->Text2->setFontName(QStringLiteral("DejaVu Sans"));
        f->Text3->setText(QStringLiteral("11"));
        QCOMPARE(f->Combo2->currentText(), QStringLiteral("DejaVu Sans"));
        f->Combo2->setEditText(QStringLiteral("courier new"));
        f->Combo2_Click();
        QCOMPARE(f->Text3->text(), QStringLiteral("7"));
        QCOMPARE(f->Text2->fontSize(), 7.0);
        // For the orders a typed size stays.
        f->Text4->setText(QStringLiteral("13"));
        f->Combo1->setEditText(QStringLiteral("Courier New"));
        f->Combo1_Click();
        QCOMPARE(f->Text1->fontSize(), 13.0);
        QVERIFY(dlg->boxen.isEmpty());
    }

    void sizes_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<double>("groesse");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("7,5") << QStringLiteral("7,5") << 7.5 << QString();
        QTest::newRow("leer") << QString() << 9.0 << QString();
        for (const char *falsch : {"x", "0", "-3", "2161"})
            QTest::newRow(falsch) << QString::fromLatin1(falsch) << 9.0 << QStringLiteral("Keine gültige Eingabe.");
    }
    void sizes()
    {
        QFETCH(QString, eingabe);
        QFETCH(double, groesse);
        QFETCH(QString, meldung);
        for (auto [box, text] : {std::pair{f->Text3, f->Text2}, std::pair{f->Text4, f->Text1}}) {
            box->setText(QStringLiteral("9"));
            box->setText(eingabe);
            QCOMPARE(text->fontSize(), groesse);
        }
        QCOMPARE(dlg->prompts(), meldung.isEmpty() ? QStringList() : QStringList(2, meldung));
    }

    void clickSelectsTheSize()
    {
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        for (QLineEdit *box : {f->Text3, f->Text4}) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(2, 2));
            QCOMPARE(box->selectedText(), box->text());
        }
    }

    void saveThenLoadGivesTheOrdersBack_data()
    {
        QTest::addColumn<QString>("befehle");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("befehle") << QStringLiteral("#BEF 42 17 7 >Grün>\r\nAB 1 Ödland\r\n;Kommentar ß\r\n;;zwei\r\nCD 2;")
                                 << QByteArray("#BEF 42 17 7 >Gr\xFCn>\r\nAB 1 \xD6" "dland\r\n;Kommentar \xDF\r\n;;zwei\r\nCD 2;\r\n");
        QTest::newRow("leer") << QString() << QByteArray("\r\n");
    }
    void saveThenLoadGivesTheOrdersBack()
    {
        QFETCH(QString, befehle);
        QFETCH(QByteArray, bytes);
        // A finished save or load: nothing changed or running, only "speichern" off.
        auto fertig = [this](const QString &status) {
            return f->Label3->caption() == status && f->verandert == 0 && f->arbeit == 0
                   && !f->speichern->isEnabled() && f->aktu->isEnabled() && f->laden->isEnabled();
        };
        f->Text1->setText(befehle);
        f->speichern_Click();
        QCOMPARE(ohneKopf(lies(kName)), bytes);
        QVERIFY(fertig(QStringLiteral("GESPEICHERT")));

        f->Text1->setText(QStringLiteral("etwas anderes"));
        f->laden_Click();
        QCOMPARE(f->Text1->text(), befehle + QStringLiteral("\r\n"));
        QVERIFY(fertig(QStringLiteral("FERTIG")));
        QCOMPARE(f->Label1->caption(), kName + QStringLiteral(" , %1 Bytes").arg(lies(kName).size()));
        QVERIFY(f->Command3->isHidden() && !f->barVisible());
    }

    // The load puts what it reads at the end of the box, its first byte
    // alone: a CR LF split so is one line end. The box takes no keys and no
    // dead keys' letters until the load ends, so every loaded line stays as
    // in the file; then the player writes on and saves with F2.
    void loadAppendsWhatItReads_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("getippt"); // at the end, after the first byte
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("gezeigt");
        QTest::addColumn<QByteArray>("gespeichert"); // without the header, after "Zug" typed at the end
        QTest::newRow("CR LF vorn") << QByteArray("\r\nAB 1\r\n") << QString() << QStringLiteral("\r\nAB 1\r\n")
                                    << QStringLiteral("\nAB 1\n") << QByteArray("\r\nAB 1\r\nZug\r\n");
        QTest::newRow("CR allein vorn") << QByteArray("\rAB 1") << QString() << QStringLiteral("\rAB 1")
                                        << QStringLiteral("\u240DAB 1") << QByteArray("\rAB 1Zug\r\n");
        QTest::newRow("getippt zwischen CR und LF")
            << QByteArray("\r\nAB 1;\xAEweg\r\nCD \xD6l") << QStringLiteral("Zug") << QStringLiteral("\r\nAB 1CD Öl")
            << QStringLiteral("\nAB 1CD Öl") << QByteArray("\r\nAB 1CD \xD6lZug\r\n");
    }
    void loadAppendsWhatItReads()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QString, getippt);
        QFETCH(QString, text);
        QFETCH(QString, gezeigt);
        QFETCH(QByteArray, gespeichert);
        schreibe(kName, datei);
        bool gesperrt = false;
        QTimer::singleShot(0, f, [&] {
            gesperrt = f->Text1->isReadOnly();
            f->Text1->moveCursor(QTextCursor::End);
            tippe(f->Text1, getippt);
            // Dead keys' letters come by the input method.
            if (!getippt.isEmpty())
                eingeben(*f->Text1, QStringLiteral("Eingabemethode"), QStringLiteral("éŵ"));
        });
        f->laden_Click();
        QVERIFY(gesperrt);
        QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
        QCOMPARE(f->Text1->text(), text);
        QCOMPARE(f->Text1->document()->toPlainText(), gezeigt);
        QVERIFY(!f->speichern->isEnabled() && !f->Text1->isReadOnly());
        f->Text1->moveCursor(QTextCursor::End);
        tippe(f->Text1, QStringLiteral("Zug"));
        QVERIFY(f->speichern->isEnabled());
        f->speichern->trigger();
        QCOMPARE(ohneKopf(lies(kName)), gespeichert);
    }

    // Very short lines go in by pieces small enough that the window never
    // stands still long: the box takes some microseconds a line, so a piece
    // of a few thousand lines at most, however fast they were read. Counted
    // rather than timed, so that a slow or busy machine cannot fail it.
    void shortLinesKeepTheWindowLive()
    {
        schreibe(kName, QByteArray("A\r\n").repeated(350000));
        int groesstes = 0, stuecke = 0;
        const auto verbindung = connect(f->Text1->document(), &QTextDocument::contentsChange, this,
                                        [&](int, int, int dazu) {
                                            groesstes = std::max(groesstes, dazu);
                                            ++stuecke;
                                        });
        f->laden_Click();
        disconnect(verbindung);
        QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
        QCOMPARE(f->Text1->document()->blockCount(), 350001);
        // A shown line "A" and its break are two characters.
        QVERIFY2(groesstes <= 2 * 5000, qPrintable(QString::number(groesstes)));
        QVERIFY2(stuecke >= 350000 / 5000, qPrintable(QString::number(stuecke)));
    }

    void saveAsksBeforeOverwritingAndKeepsOldOrdersOnFailure()
    {
        schreibe(kName, "alt\r\n");
        f->Text1->setText(QStringLiteral("AB 1"));
        dlg->antworten = {platform::No, platform::Yes};
        f->speichern_Click();
        QCOMPARE(lies(kName), QByteArray("alt\r\n"));
        QCOMPARE(f->verandert, qint16(1));
        f->speichern_Click();
        QCOMPARE(dlg->prompts(), QStringList(2, QStringLiteral("Alte Datei wirklich überschreiben?")));
        QCOMPARE(ohneKopf(lies(kName)), QByteArray("AB 1\r\n"));
        // A name at the length limit leaves no room for the temporary file: the write fails even as root.
        const QString lang(255, QLatin1Char('b'));
        schreibe(lang, "alte Befehle\r\n");
        for (const QString &name : {lang, QStringLiteral("Ordner")}) {
            dlg->leeren();
            f->Text5->setText(name);
            f->speichern_Click();
            QCOMPARE(dlg->letzter(), kUngueltig);
            QCOMPARE(f->arbeit, 0);
            QCOMPARE(f->verandert, qint16(1));
            QVERIFY(dateiMenusAn(f));
        }
        QCOMPARE(lies(lang), QByteArray("alte Befehle\r\n"));
    }

    void loadOfMissingFileOrFolder()
    {
        for (const QString &name : {kName, QStringLiteral("Ordner")}) {
            f->Text5->setText(name);
            f->Text1->setText(QStringLiteral("AB 1"));
            f->Label3->setCaption(QString());
            f->verandert = 0;
            f->enableFileMenus(false);
            f->laden->setEnabled(true);
            f->laden_Click();
            QCOMPARE(f->Text1->text(), QStringLiteral("AB 1"));
            QCOMPARE(f->Label3->caption(), QStringLiteral("FEHLER"));
            QCOMPARE(f->arbeit, 0);
            // The file menus stay as they were: the load never switched them off.
            QVERIFY(!f->aktu->isEnabled());
        }
        QCOMPARE(dlg->prompts(), QStringList(2, QStringLiteral("Datei nicht vorhanden.")));
    }

    void otherLoadErrorEndsTheLoad()
    {
        schreibe(kName, "AB 1\r\n");
        // The file is read once the box is locked for it.
        bool gesperrt = false;
        Form1::befehleLesen = [&](const QString &) -> QByteArray {
            gesperrt = f->Text1->locked();
            platform::raise(5);
        };
        f->laden_Click();
        QVERIFY(dlg->boxen.isEmpty());
        QCOMPARE(f->Label3->caption(), QStringLiteral("FEHLER"));
        QVERIFY(gesperrt && !f->Text1->locked());
        Form1::befehleLesen = [](const QString &) -> QByteArray { throw std::bad_alloc(); };
        f->laden_Click();
        QCOMPARE(f->arbeit, 0);
        QVERIFY(dateiMenusAn(f) && f->Command3->isHidden());
        QVERIFY(!f->Text1->locked());
    }

    void sizeWarning_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<bool>("warnung");
        QTest::newRow("1200") << 1200 << false;
        QTest::newRow("1201") << 1201 << true;
    }
    void sizeWarning()
    {
        QFETCH(int, groesse);
        QFETCH(bool, warnung);
        schreibe(kName, QByteArray(groesse - 2, 'A') + "\r\n");
        QString waehrend;
        QColor farbe;
        Form1::befehleLesen = [&](const QString &pfad) {
            waehrend = f->Label8->caption();
            farbe = f->Label8->palette().color(QPalette::WindowText);
            return leseEcht(pfad);
        };
        f->laden_Click();
        QCOMPARE(waehrend == QStringLiteral("Ist die Datei nicht ein wenig zu gross, nur für Gub-Befehle?"), warnung);
        QCOMPARE(farbe == QColor(255, 0, 0), warnung);
        QCOMPARE(f->Text1->text().size(), groesse);
        QCOMPARE(f->Label8->caption(), QStringLiteral("Bildschirmauflösung: %1x%2").arg(BildschirmBreite).arg(BildschirmHoehe));
    }

    void loadAsksOnlyForChangedOrders()
    {
        schreibe(kName, "AB neu\r\n");
        f->Text1->setText(QStringLiteral("AB alt"));
        f->verandert = 0;
        f->laden_Click();
        f->Text1->setText(QString()); // changed, but empty
        f->laden_Click();
        QVERIFY(dlg->boxen.isEmpty());
        QCOMPARE(f->Text1->text(), QStringLiteral("AB neu\r\n"));
        f->Text1->setText(QStringLiteral("AB alt"));
        dlg->antworten = {platform::No};
        f->laden_Click();
        QCOMPARE(dlg->prompts(), QStringList{QStringLiteral("Neue Datei wirklich laden?")});
        QCOMPARE(f->Text1->text(), QStringLiteral("AB alt"));
        QCOMPARE(f->verandert, qint16(1));
    }

    void ordersLoadRefusesOthersAndAbortKeepsWhatWasRead()
    {
        const VieleBefehle viele(60000);
        schreibe(kName, viele.datei);
        QTimer::singleShot(0, f, [this] {
            QVERIFY(f->arbeit == 1 && !f->Command3->isHidden() && !f->laden->isEnabled());
            QCOMPARE(f->Label3->caption(), QStringLiteral("LÄDT"));
            f->lad();
            f->speichern_Click();
            QCOMPARE(f->abbruch, qint16(0));
            f->Command3_Click();
        });
        f->laden_Click();
        QCOMPARE(dlg->prompts(), (QStringList{QStringLiteral("Es wird gerade eine andere Datei geladen/gespeichert."), kBeschaeftigt}));
        QCOMPARE(f->Label3->caption(), QStringLiteral("ABGEBROCHEN"));
        // The time the load took, not the time of day.
        QVERIFY(QRegularExpression(QStringLiteral("^Benötigte Zeit: [01] Sekunden$")).match(f->Label14->caption()).hasMatch());
        const QString gelesen = f->Text1->text();
        QVERIFY(!gelesen.isEmpty() && gelesen.size() < viele.text.size());
        QVERIFY(viele.text.startsWith(gelesen));
        QCOMPARE(f->verandert, qint16(1));
        QCOMPARE(f->arbeit, 0);
        QCOMPARE(f->abbruch, qint16(0));
        QVERIFY(dateiMenusAn(f) && !f->barVisible());
        // The box locked for the load takes keys again.
        QVERIFY(!f->Text1->locked());
        tippe(f->Text1, QStringLiteral("x"));
        QVERIFY(f->Text1->text().endsWith(u'x'));
    }

    void reportLoadCannotBeStoppedByOrders()
    {
        schreibe(kName, "AB 1\r\n");
        QTimer::singleShot(0, f, [this] {
            f->laden_Click();
            f->speichern_Click();
        });
        ladeBericht(f, QStringLiteral("bericht.txt"), VieleBefehle(40000).datei);
        // (The report loader warns about the report's size on its own.)
        QCOMPARE(dlg->prompts().count(kBeschaeftigt), 2);
        QCOMPARE(f->Label3->caption(), QStringLiteral("FERTIG"));
        QCOMPARE(f->Text1->text(), QStringLiteral("#BEF 42 17 7\r\n"));
        QCOMPARE(lies(kName), QByteArray("AB 1\r\n"));
        f->File1->clearSelection();
        f->File1->setCurrentRow(-1);
    }

    // Whatever way a text comes into the orders box, F2 writes what it
    // shows: what windows-1252 lacks is left out, and a refused letter is
    // no change; typed letters, a dead key's too and whatever the
    // modifiers, follow the capitals mode, pasted and dropped text not.
    void everyWayInIsSavedAsShown_data()
    {
        QTest::addColumn<QString>("weg");
        QTest::addColumn<bool>("gross");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QByteArray>("datei"); // after the header
        const QString gemischt = QStringLiteral("VK 1 2 \u2192 Größe \u0151 \u03A9 \U0001F600 “zitiert” – … €");
        const QByteArray bytes("VK 1 2  Gr\xF6\xDF" "e    \x93zitiert\x94 \x96 \x85 \x80\r\n");
        QTest::newRow("eingefuegt") << "Einfuegen" << true << gemischt << bytes;
        QTest::newRow("abgelegt") << "Ablegen" << true << gemischt << bytes;
        QTest::newRow("tote Taste") << "Eingabemethode" << false << "éŵ" << QByteArray("\xE9\r\n");
        QTest::newRow("tote Taste, Grossbuchstaben") << "Eingabemethode" << true << "éŵ" << QByteArray("\xC9\r\n");
        QTest::newRow("Taste, Grossbuchstaben") << "Taste" << true << "é" << QByteArray("\xC9\r\n");
        QTest::newRow("Taste, Emoji") << "Taste" << false << QStringLiteral("\U0001F600") << QByteArray("\r\n");
        QTest::newRow("tote Taste, abgelehnt") << "Eingabemethode" << false << "ŵ" << QByteArray("\r\n");
        QTest::newRow("Alt, abgelehnt") << "Alt+Taste" << false << "ő" << QByteArray("\r\n");
        QTest::newRow("Alt, Grossbuchstaben") << "Alt+Taste" << true << "a" << QByteArray("A\r\n");
        QTest::newRow("Strg+Alt") << "Strg+Alt+Taste" << false << "€" << QByteArray("\x80\r\n");
        QTest::newRow("Strg, ohne Befehl") << "Strg+Taste" << false << "j" << QByteArray("\r\n");
        QTest::newRow("eingefuegt, zerlegt") << "Einfuegen" << false << QStringLiteral("Mu\u0308ller Cafe\u0301")
                                             << QByteArray("M\xFCller Caf\xE9\r\n");
    }
    void everyWayInIsSavedAsShown()
    {
        QFETCH(QString, weg);
        QFETCH(bool, gross);
        QFETCH(QString, eingabe);
        QFETCH(QByteArray, datei);
        f->speichern_Click();
        f->gross = gross;
        eingeben(*f->Text1, weg, eingabe);
        f->gross = 0;
        const bool geaendert = datei != "\r\n";
        QCOMPARE(f->speichern->isEnabled(), geaendert);
        QCOMPARE(f->verandert, qint16(geaendert));
        f->speichern_Click();
        QCOMPARE(f->Label3->caption(), QStringLiteral("GESPEICHERT"));
        QCOMPARE(ohneKopf(lies(kName)), datei);
        QCOMPARE(f->Text1->document()->toPlainText() + QStringLiteral("\r\n"), codepage::decode(datei));
    }

    // The wheel turned over a list while the focus is elsewhere changes
    // nothing: no font, no table. A list the player chose turns.
    void wheelTurnsOnlyAChosenList_data()
    {
        QTest::addColumn<QString>("liste");
        for (const char *name : {"Combo1", "Combo2", "Combo3"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void wheelTurnsOnlyAChosenList()
    {
        QFETCH(QString, liste);
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        auto *box = f->findChild<QComboBox *>(liste);
        QVERIFY(box);
        // A turn over the list's middle as the screen brings it: to the
        // window, which hands it on and gives the focus by the wheel.
        auto drehen = [&] {
            QWidget *fenster = box->window();
            const QPointF mitte = box->mapTo(fenster, QRectF(box->rect()).center());
            QWheelEvent rad(mitte, fenster->mapToGlobal(mitte), QPoint(), QPoint(0, -120), Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&rad);
            qApp->notify(fenster->windowHandle(), &rad);
        };
        box->setCurrentIndex(0);
        f->Combo3->setCurrentIndex(0);
        f->Combo3_Click();
        f->Text1->setFocus();
        QVERIFY(f->Text1->hasFocus());
        const QString orders = f->Text1->fontName(), bericht = f->Text2->fontName(), eintrag = f->List1->item(0)->text();
        drehen();
        QCOMPARE(box->currentIndex(), 0);
        QVERIFY(f->Text1->fontName() == orders && f->Text2->fontName() == bericht);
        QCOMPARE(f->List1->item(0)->text(), eintrag);
        QVERIFY(!Form6::exists() || !Form6::instance()->isVisible());
        QVERIFY(f->Text1->hasFocus());
        // Chosen with the focus, the list turns with the wheel.
        box->setFocus();
        drehen();
        QCOMPARE(box->currentIndex(), 1);
        if (Form6::exists())
            Form6::instance()->hide();
        f->Combo3->setCurrentIndex(0);
        f->Combo3_Click();
        for (QComboBox *schrift : {f->Combo1, f->Combo2})
            schrift->setEditText(QStringLiteral("Courier New"));
        f->Combo1_Click();
        f->Combo2_Click();
    }

    void countingIntoLabel13()
    {
        f->Text1->setText(QStringLiteral("#BEF 1 2 3\r\nAB 1\r\n;Kommentar\r\n\r\nCD 2"));
        f->zaehlzaehl->trigger();
        QCOMPARE(f->Label13->caption(), QStringLiteral("2 Befehle"));
    }

    void capitalsMode()
    {
        f->grossbuchstststaben->trigger();
        QVERIFY(f->grossbuchstststaben->isChecked());
        // No capital in windows-1252 keeps the letter; one the file cannot hold is not taken.
        tippe(f->Text1, QStringLiteral("ab ßäöü 1;xÿœµƒł"));
        QCOMPARE(f->Text1->text(), QStringLiteral("AB ßÄÖÜ 1;XŸŒµƒ"));
        // Text put in by code is not changed.
        f->Text1->setText(QStringLiteral("klein"));
        QCOMPARE(f->Text1->text(), QStringLiteral("klein"));
        f->grossbuchstststaben_Click();
        QVERIFY(!f->grossbuchstststaben->isChecked());
        f->Text1->setText(QString());
        QTest::keyClicks(f->Text1, QStringLiteral("ab"));
        QCOMPARE(f->Text1->text(), QStringLiteral("ab"));
    }

    void fileNameBox()
    {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->verandert = 0;
        f->speichern->setEnabled(false);
        f->Text5->setFocus();
        f->Text5->selectAll();
        tippe(f->Text5, QStringLiteral("Züge.txt"));
        QCOMPARE(f->verandert, qint16(1));
        QVERIFY(f->speichern->isEnabled());
        QTest::keyClick(f->Text5, Qt::Key_Return);
        QVERIFY(f->Text1->hasFocus());
        f->speichern_Click();
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Züge.txt"))));
    }
};

BW_TEST_MAIN(TstBefehleFenster)
#include "tst_befehle_fenster.moc"
