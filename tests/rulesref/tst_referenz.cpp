// The rules reference: the shape of its data (counts, line widths, column bars, texts) and
// the pane of the main window (categories, entries, the tables in the enlarged view).
#include "core/form3.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "mainwindow/form6.h"
#include "platform/waveplayer.h"
#include "rulesref/referenz.h"
#include "testmain.h"
#include "testsupport.h"

#include <QtTest>

using namespace rulesref;

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kLeer = kCrLf + kCrLf;

// A value begins here: a blank before it (or the line start), none on it.
bool spalteBeginnt(const QString &z, int s) { return s < z.size() && z[s] != u' ' && (s == 0 || z[s - 1] == u' '); }

QString schriftVon(const QFont &s) { return s.family() + QString::number(s.pointSizeF()); }
QString schriftVon(const TextBox *t) { return t->fontName() + QString::number(t->fontSize()); }

// The table a category shows, as the program makes it; none for a list.
using Fuellung = Tafel (*)();
} // namespace

Q_DECLARE_METATYPE(Fuellung)

class TstReferenz : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Dialoge dlg;
    Form1 *f = nullptr;

    void waehle(int position)
    {
        f->Combo3->setCurrentIndex(position);
        emit f->Combo3->activated(position);
    }
    void klicke(int zeile)
    {
        QListWidgetItem *item = f->List1->item(zeile);
        f->List1->scrollToItem(item);
        QTest::mouseClick(f->List1->viewport(), Qt::LeftButton, {}, f->List1->visualItemRect(item).center());
    }

private slots:
    void initTestCase()
    {
        f = hauptfenster(dir.path());
        f->show();
        BestaetigungsKlangAn = 0;
        // the pane starts with the #-commands and an empty explanation
        QCOMPARE(f->Combo3->currentText(), QStringLiteral("#-Commandos"));
        QCOMPARE(f->List1->count(), 22);
        QVERIFY(f->Text6->text().isEmpty() && f->Text6->locked());
    }

    void categories_data()
    {
        QTest::addColumn<int>("position"); // a table's row is named by its key
        QTest::addColumn<int>("eintraege"); // 0: a rules table, in the pane and the enlarged view
        QTest::addColumn<QString>("schrift"); // of the list; of the pane for a table
        QTest::addColumn<QString>("text"); // the first and last entry; the enlarged view's title
        // the enlarged view's text: P a one-line paragraph, T the table, N notes ending in a non-blank
        QTest::addColumn<QString>("aufbau");
        QTest::addColumn<Fuellung>("fuellung");
        const QString tn = QStringLiteral("T\r\n\r\nN"), ee = QStringLiteral("P\r\n\r\nT\r\n\r\nN");
        const Fuellung liste = nullptr;
        QTest::newRow("#-Commandos") << 0 << 22 << "Courier New8" << "#BEF|#ANFANG" << "" << liste;
        QTest::newRow("Verarbeitungsreihenfolge")
            << 12 << 89 << "Small Fonts6" << "Plündere Tempel|Gewinnprüfung" << "" << liste;
        QTest::newRow("Zaubersprüche")
            << 13 << 36 << "Courier New8" << "1  Schirm|72 Wir sind das Volk" << "" << liste;
        QTest::newRow("Kampfablauf")
            << 1 << 0 << "Courier New3" << "Ablauf eines Kampfes" << "T\r\n\r\n" << &kampfablauf;
        QTest::newRow("HDAufstieg")
            << 2 << 0 << "Courier New3" << "Aufsteigen der Helden" << "P\r\nP\r\nP\r\n\r\nT" << &heldenaufstieg;
        QTest::newRow("BCD")
            << 3 << 0 << "Courier New3" << "Bildung von B- , C- und D- Produkten" << tn << &bcdProdukte;
        QTest::newRow("BurgErw") << 4 << 0 << "Courier New4" << "Burgerweiterung" << tn << &burgerweiterung;
        QTest::newRow("Eigenschaften") // leaves the pane as it was
            << 5 << 0 << "MS Sans Serif8" << "Eigenschaften der Monster und Helden" << "N" << &eigenschaften;
        QTest::newRow("Einzeln") << 6 << 0 << "Courier New3" << "Einzelne Formeln" << tn << &einzeln;
        QTest::newRow("Prodtabelle")
            << 7 << 0 << "Courier New3" << "Grosse Produktionstabelle" << tn << &grossProduktion;
        QTest::newRow("Nachschub") << 8 << 0 << "Courier New4" << "Nachschubkosten" << tn << &nachschub;
        QTest::newRow("Rang") << 9 << 0 << "Courier New3" << "Rangtabelle" << tn << &rang;
        QTest::newRow("EE") << 10 << 0 << "Courier New3" << "Stammerweiterungen" << ee << &stammerweiterungen;
        QTest::newRow("Terrain") << 11 << 0 << "Courier New3" << "Terraintabelle" << tn << &terrain;
    }
    void categories()
    {
        QFETCH(int, position);
        QFETCH(int, eintraege);
        QFETCH(QString, schrift);
        QFETCH(QString, text);
        QFETCH(QString, aufbau);
        QFETCH(Fuellung, fuellung);
        const QString schluessel = QString::fromLatin1(QTest::currentDataTag());
        const Tafel tafel = fuellung ? fuellung() : Tafel{};
        const bool eigenschaften = schluessel == QLatin1String("Eigenschaften");
        waehle(0);
        const QSize groesse = f->List1->size();
        Form6 *g = Form6::instance();
        // twice: never doubled, the box emptied again; the second time the view was minimised, then closed
        for (int mal = 0; mal < 2; ++mal) {
            if (mal == 1) {
                g->setFensterZustand(1);
                g->Command2_Click();
            }
            f->Text6->setText(QStringLiteral("vorher"));
            waehle(position);
            QVERIFY(f->List1->count() == eintraege && f->List1->size() == groesse);
            QVERIFY(f->List1->selectedItems().isEmpty());
            QCOMPARE(f->Text6->text(), tafel.block.join(kCrLf));
            if (eintraege) {
                QCOMPARE(schriftVon(f->Text6), QStringLiteral("MS Sans Serif8"));
                QCOMPARE(schriftVon(f->List1->font()), schrift);
                QCOMPARE(f->List1->item(0)->text() + u'|' + f->List1->item(eintraege - 1)->text(), text);
                continue;
            }
            QCOMPARE(schriftVon(f->Text6), schrift);
            QVERIFY(g->isVisible() && g->fensterZustand() == 0);
            QCOMPARE(g->windowTitle(), text);
            QCOMPARE(g->Label1->caption(),
                     eigenschaften ? QStringLiteral("Erkärung der Eigenschaften der Monster und Helden") : text);
            QCOMPARE(g->Text1->text(), tafel.ansicht);
            QCOMPARE(schriftVon(g->Text1),
                     eigenschaften ? QStringLiteral("Verdana9") : QStringLiteral("Courier New10"));
            QVERIFY(g->Text1->locked() && !g->drr->isVisible());
            QCOMPARE(FensterInhalt, schluessel);
            QString muster = QRegularExpression::escape(aufbau);
            muster.replace(u'P', QStringLiteral("[^\\r\\n]+")).replace(u'N', QStringLiteral("[\\s\\S]*\\S"));
            muster.replace(u'T', QRegularExpression::escape(tafel.block.join(kCrLf)));
            QVERIFY(QRegularExpression(QRegularExpression::anchoredPattern(muster)).match(tafel.ansicht).hasMatch());
        }
    }

    void drumfOpensTheEnlargedViewWithItsOptions()
    {
        waehle(0);
        f->List1->setCurrentRow(3);
        const QString vorher = f->Text6->text();
        Form6 *g = Form6::instance();
        g->Command2_Click();
        // the same entry twice, the view closed by its button, then through its frame
        for (int mal = 0; mal < 2; ++mal) {
            klicke(drumfPosition);
            QVERIFY(g->isVisible() && g->fensterZustand() == 0);
            QCOMPARE(g->windowTitle(), QStringLiteral("Das #DRUMF - Kommando"));
            QCOMPARE(g->Label1->caption(), QStringLiteral("Erklärung zum #DRUMF - Kommando:"));
            QCOMPARE(g->Text1->text(), rulesref::drumfText());
            QCOMPARE(schriftVon(g->Text1), QStringLiteral("Verdana9"));
            QVERIFY(g->Text1->locked() && !g->drr->isVisible());
            QCOMPARE(FensterInhalt, QStringLiteral("#"));
            QCOMPARE(f->Text6->text(), vorher);
            mal == 0 ? g->Command2_Click() : void(g->close());
            QVERIFY(!g->isVisible());
        }
        // syntax line and introduction, 24 options (18 lasting), two examples, no line end after them
        const QString z = QStringLiteral("[^\\r\\n]+"), absatz = QStringLiteral("\\r\\n\\r\\n");
        const QRegularExpression aufbau(QRegularExpression::anchoredPattern(
            "#DRUMF (?:" + z + " )?\\r\\n" + z + "Folgende Parameter sind moeglich: (?:" + absatz
            + "[A-Z]+(?: \\[Dauer\\])?: " + z + "){24}" + absatz + "Beispiel: '#DRUMF 17 " + z + absatz
            + "Weiteres Beispiel: '#DRUMF 17 " + z));
        QVERIFY(aufbau.match(rulesref::drumfText()).hasMatch());
        QCOMPARE(rulesref::drumfText().count(QStringLiteral(" [Dauer]: ")), 18);
    }

    void clickedEntriesExplainThemselvesWithTheConfirmationSound()
    {
        WavePlayer *m = Form3::instance()->MMControl4;
        schreibeDatei(dir.filePath(QStringLiteral("dui.wav")), "RIFF");
        m->FileName = dir.filePath(QStringLiteral("dui.wav"));
        m->Command(QStringLiteral("Open"));
        QSignalSpy gespielt(m, &WavePlayer::gespielt);
        waehle(13);
        BestaetigungsKlangAn = 1;
        klicke(10);
        QVERIFY(f->Text6->text().startsWith(QStringLiteral("24 Feste\r\n(MM: 20; Natt: 3; nicht offensiv)\r\n\r\n")));
        klicke(10); // the entry already chosen
        QTest::keyClick(f->List1, Qt::Key_Down);
        QCOMPARE(f->Text6->text(), zauberText(11));
        QCOMPARE(gespielt.count(), 3);
        // choosing a category, also with the keys, plays nothing, nor does refilling the list
        waehle(13);
        waehle(7);
        f->Combo3->setFocus();
        QTest::keyClick(f->Combo3, Qt::Key_Home);
        QCOMPARE(f->List1->count(), 22);
        QCOMPARE(gespielt.count(), 3);
        BestaetigungsKlangAn = 0;
        waehle(12);
        klicke(67); // a processing step explains itself, nothing added
        QCOMPARE(gespielt.count(), 3);
        QCOMPARE(f->Text6->text(), QStringLiteral("Gubhorte"));
        QTest::mouseClick(f->List1->viewport(), Qt::LeftButton, Qt::ControlModifier, f->List1->visualItemRect(f->List1->item(67)).center());
        QVERIFY(f->List1->item(67)->isSelected() && f->Text6->text() == QStringLiteral("Gubhorte")); // Ctrl takes nothing back
        m->Command(QStringLiteral("Close"));
    }

    void hashCommandsExplainThemselves()
    {
        const QList<Kommando> &k = kommandos();
        QVERIFY(k[drumfPosition].liste.startsWith(QStringLiteral("#DRUMF")) && kommandoText(drumfPosition).isEmpty());
        waehle(0);
        for (int i = 0; i < k.size(); ++i) {
            f->List1->setCurrentRow(i);
            if (i == drumfPosition)
                continue;
            // syntax line, empty line, one paragraph (two for #MV), no line end after it
            const QStringList t = f->Text6->text().split(kCrLf);
            QCOMPARE(t.size(), k[i].liste.startsWith(QStringLiteral("#MV")) ? 4 : 3);
            QVERIFY(t[0] == k[i].syntax && t[1].isEmpty() && !t[2].isEmpty() && !t.last().isEmpty());
        }
    }

    void spellsExplainThemselves()
    {
        const QList<Zauber> &z = zaubersprueche();
        // the first number of each group and its Natternblut; MM is ten per group
        const QList<int> gruppen{1, 21, 31, 41, 51, 61, 71}, natt{2, 3, 5, 8, 13, 21, 34};
        int vorher = 0;
        waehle(13);
        for (int i = 0; i < z.size(); ++i) {
            const QString &l = z[i].liste;
            QVERIFY2(l[2] == u' ' && l[3] != u' ', qPrintable(l)); // the name begins in the fourth character
            const int nummer = l.left(2).trimmed().toInt();
            QVERIFY(nummer > std::exchange(vorher, nummer));
            const int g = gruppen.indexOf(nummer < 10 ? 1 : nummer / 10 * 10 + 1);
            QVERIFY2(g >= 0 && z[i].mm == (g + 1) * 10 && z[i].natt == natt[g], qPrintable(l));
            QVERIFY(!z[i].offensiv || z[i].parameter);
            // the list's text, the cost line, an empty line, the description
            f->List1->setCurrentRow(i);
            const QStringList t = f->Text6->text().split(kCrLf);
            QCOMPARE(t.size(), 4);
            QVERIFY(t[0] == l && t[1] == kostenZeile(z[i]) && t[2].isEmpty() && !t[3].isEmpty());
        }
        QCOMPARE(kostenZeile(z[1]), QStringLiteral("(MM: 10; Natt: 2; benötigt Parameter; nicht offensiv)"));
        QCOMPARE(kostenZeile(z[35]), QStringLiteral("(MM: 70; Natt: 34; benötigt Parameter; offensiv)"));
    }

    // What the texts are known for, each in its place. Supply costs are 0.1 * (3^m - 1) G a soldier for m fields,
    // ending in columns 28 and 48; hero levels rise by 30 and 50 points, then each step is the sum of the two before.
    void quirks_data()
    {
        QTest::addColumn<QString>("ist");
        QTest::addColumn<QString>("soll");
        const auto leer = [](const QStringList &b) { // the places of the empty lines, then the number of lines
            QString s;
            for (int i = 0; i < b.size(); ++i)
                s += b[i].isEmpty() ? QString::number(i + 1) + u' ' : QString();
            return s + QString::number(b.size());
        };
        const QList<Kommando> &k = kommandos();
        QTest::newRow("blanks of list texts") << k[12].liste + u'|' + k[17].liste + u'|' + k[19].liste
            << "#A   Nachr. an alle|#PACK   Ausdruck packen|#ERWBAU Erklärung von Erwbau";
        QTest::newRow("syntax lines") << k[0].syntax + u'|' + k[15].syntax
            << "#BEF <Spielnr> <ZugNr> <Spielernr> [>Passwort>]|DRT <Spielernr> <DRT-Datei> <Passwort>";
        QTest::newRow("misspelt step") << verarbeitung()[1] << "Sphäre der Unverletzlichleit";
        QTest::newRow("no site") << grossProduktion().block.filter(QStringLiteral("|---")).join(u'/').simplified()
            << "|Leder |6 |10 | |--- | | | | | | |/|LE |7 |36 | |--- | | | | | | |/|Natternblut |10 |200 | |--- | | | | | | |";
        QTest::newRow("empty lines of the formulas") << leer(einzeln().block) << "2 5 7 10 12 15 34 37";
        QTest::newRow("empty lines of the combat") << leer(kampfablauf().block) << "2 4 6 10 11";
        QTest::newRow("empty lines of the extensions") << leer(stammerweiterungen().block) << "2 19 35";
        QTest::newRow("lines of the castle") << leer(burgerweiterung().block) << "8";
        // numerator, bar and denominator start in column 9; bar and denominator end in column 69
        QTest::newRow("combat formula") << kampfablauf().block.mid(6, 3).join(u'|')
            << QString(8, u' ') + "Heeresstärke der Angreifer|  AQ =  " + QString(61, u'-') + u'|' + QString(8, u' ')
                   + "Heeresstärke der Angreifer + Heeresstärke der Verteidiger + 1";
        QString kosten = QStringLiteral("Zu zahlende Felder  G pro Soldat        G pro 100 Soldaten");
        for (int m = 1, drei = 3; m <= 8; ++m, drei *= 3)
            kosten += u'|' + QString::number(m) + QString::number((drei - 1) / 10.0, 'f', 2).rightJustified(27)
                      + QString::number((drei - 1) * 10.0, 'f', 2).rightJustified(20);
        QTest::newRow("supply costs") << nachschub().block.join(u'|') << kosten;
        QString stufen = QStringLiteral("Erforderliche Punkte       Level|");
        for (int level = 2, punkte = 20, a = 30, b = 50; level <= 10; ++level, punkte += a, b += a, a = b - a)
            stufen += QString::number(punkte).leftJustified(27) + QString::number(level) + u'|';
        QTest::newRow("hero levels") << heldenaufstieg().block.join(u'|') << stufen + "usw.";
    }
    void quirks()
    {
        QFETCH(QString, ist);
        QTEST(ist, "soll");
    }

    void barTables_data()
    {
        QTest::addColumn<QStringList>("block");
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<QList<int>>("breiten");
        QTest::addColumn<int>("volleZeilen"); // lines with every column bar
        QTest::addColumn<int>("regeln");
        QTest::newRow("Prodtabelle")
            << grossProduktion().block << 15 << QList<int>{12, 3, 5, 13, 5, 3, 4, 3, 3, 3, 3} << 11 << 3;
        QTest::newRow("BCD") << bcdProdukte().block << 18 << QList<int>{14, 4, 41} << 15 << 3;
        QTest::newRow("Terrain") << terrain().block << 17 << QList<int>{15, 9, 9, 9, 9, 10} << 11 << 5;
        QTest::newRow("Rang") << rang().block << 24 << QList<int>{2, 15, 15, 2, 2, 6, 5, 2, 2, 3, 3, 3} << 21 << 3;
    }
    void barTables()
    {
        QFETCH(QStringList, block);
        QFETCH(int, zeilen);
        QFETCH(QList<int>, breiten);
        QFETCH(int, volleZeilen);
        QFETCH(int, regeln);
        QList<int> soll{0};
        for (int b : breiten)
            soll << soll.last() + b + 1;
        const QString regel(soll.last() + 1, u'-');
        QCOMPARE(block.size(), zeilen);
        QVERIFY(block.first() == regel && block.last() == regel);
        int voll = 0;
        for (const QString &z : block) {
            QCOMPARE(z.size(), regel.size());
            QList<int> ist;
            for (int i = z.indexOf(u'|'); i >= 0; i = z.indexOf(u'|', i + 1))
                ist << i;
            // a heading may group columns, but no bar stands off the grid
            for (int p : ist)
                QVERIFY2(soll.contains(p), qPrintable(z));
            QVERIFY2(z == regel || (!ist.isEmpty() && ist.first() == 0 && ist.last() == soll.last()), qPrintable(z));
            voll += ist == soll;
        }
        QCOMPARE(voll, volleZeilen);
        QCOMPARE(int(block.count(regel)), regeln);
    }

    void alignedTables_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QList<int>>("spalten");
        QTest::newRow("EE, first part") << stammerweiterungen().block.mid(2, 16) << QList<int>{0, 6, 22, 44};
        QTest::newRow("EE, second part") << stammerweiterungen().block.mid(19, 16) << QList<int>{0, 6, 11, 30};
        QTest::newRow("BurgErw") << burgerweiterung().block << QList<int>{0, 9, 19, 35, 45};
    }
    void alignedTables()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(QList<int>, spalten);
        for (const QString &z : zeilen) {
            QVERIFY(!z.endsWith(u' ') && !z.contains(u'|'));
            for (int s : spalten)
                QVERIFY2(spalteBeginnt(z, s), qPrintable(QStringLiteral("%1 @%2").arg(z).arg(s)));
        }
    }

    void properties()
    {
        // 33 entries of 51 paragraphs, an empty line between entries, keywords in the order of their character codes
        const QString text = eigenschaften().ansicht;
        const QRegularExpression kopf(QStringLiteral("(?:^|\\r\\n\\r\\n)([A-ZÄÖÜ]+) \\([^()]+\\): \\S"));
        QStringList schluessel;
        for (auto m = kopf.globalMatch(text); m.hasNext();)
            schluessel << m.next().captured(1);
        QStringList geordnet = schluessel;
        geordnet.sort();
        geordnet.removeDuplicates();
        QCOMPARE(schluessel, geordnet);
        QVERIFY(schluessel.size() == 33 && text.split(kLeer).size() == 33 && text.split(kCrLf).size() == 51 + 32);
    }
};

BW_TEST_MAIN(TstReferenz)
#include "tst_referenz.moc"
