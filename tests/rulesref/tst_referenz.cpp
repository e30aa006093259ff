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

Tafel tafelZu(const QString &schluessel)
{
    const QList<Tafel> alle = alleTafeln();
    const auto t = std::find_if(alle.begin(), alle.end(),
                                [&](const Tafel &e) { return e.schluessel == schluessel; });
    return t == alle.end() ? Tafel{} : *t;
}

// A value begins here: a blank before it (or the line start), none on it.
bool spalteBeginnt(const QString &z, int s) { return s < z.size() && z[s] != u' ' && (s == 0 || z[s - 1] == u' '); }

QString schriftVon(const QFont &s) { return s.family() + QString::number(s.pointSizeF()); }
QString schriftVon(const TextBox *t) { return t->fontName() + QString::number(t->fontSize()); }
} // namespace

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
        QCOMPARE(schriftVon(f->List1->font()), QStringLiteral("Courier New8"));
        QVERIFY(f->Text6->text().isEmpty() && f->Text6->locked());
        QCOMPARE(schriftVon(f->Text6), QStringLiteral("MS Sans Serif8"));
    }

    void categories_data()
    {
        QTest::addColumn<int>("position"); // a table's row is named by its key
        QTest::addColumn<int>("eintraege"); // 0: a rules table, in the pane and the enlarged view
        QTest::addColumn<QString>("schrift"); // of the list; of the pane for a table
        QTest::addColumn<QString>("text"); // the first and last entry; the enlarged view's title
        // the enlarged view's text: P a one-line paragraph, T the table, N notes ending in a non-blank
        QTest::addColumn<QString>("aufbau");
        const QString tn = QStringLiteral("T\r\n\r\nN"), ee = QStringLiteral("P\r\n\r\nT\r\n\r\nN");
        QTest::newRow("#-Commandos") << 0 << 22 << "Courier New8" << "#BEF|#ANFANG" << "";
        QTest::newRow("Verarbeitungsreihenfolge")
            << 12 << 89 << "Small Fonts6" << "Plündere Tempel|Gewinnprüfung" << "";
        QTest::newRow("Zaubersprüche") << 13 << 36 << "Courier New8" << "1  Schirm|72 Wir sind das Volk" << "";
        QTest::newRow("Kampfablauf") << 1 << 0 << "Courier New3" << "Ablauf eines Kampfes" << "T\r\n\r\n";
        QTest::newRow("HDAufstieg") << 2 << 0 << "Courier New3" << "Aufsteigen der Helden"
                                    << "P\r\nP\r\nP\r\n\r\nT";
        QTest::newRow("BCD") << 3 << 0 << "Courier New3" << "Bildung von B- , C- und D- Produkten" << tn;
        QTest::newRow("BurgErw") << 4 << 0 << "Courier New4" << "Burgerweiterung" << tn;
        QTest::newRow("Eigenschaften") // leaves the pane as it was
            << 5 << 0 << "MS Sans Serif8" << "Eigenschaften der Monster und Helden" << "N";
        QTest::newRow("Einzeln") << 6 << 0 << "Courier New3" << "Einzelne Formeln" << tn;
        QTest::newRow("Prodtabelle") << 7 << 0 << "Courier New3" << "Grosse Produktionstabelle" << tn;
        QTest::newRow("Nachschub") << 8 << 0 << "Courier New4" << "Nachschubkosten" << tn;
        QTest::newRow("Rang") << 9 << 0 << "Courier New3" << "Rangtabelle" << tn;
        QTest::newRow("EE") << 10 << 0 << "Courier New3" << "Stammerweiterungen" << ee;
        QTest::newRow("Terrain") << 11 << 0 << "Courier New3" << "Terraintabelle" << tn;
    }
    void categories()
    {
        QFETCH(int, position);
        QFETCH(int, eintraege);
        QFETCH(QString, schrift);
        QFETCH(QString, text);
        QFETCH(QString, aufbau);
        const QString schluessel = QString::fromLatin1(QTest::currentDataTag());
        const Tafel tafel = tafelZu(schluessel); // none for a list
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
            const QRegularExpression ansicht(QRegularExpression::anchoredPattern(muster));
            QVERIFY(ansicht.match(tafel.ansicht).hasMatch());
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
        // syntax line and introduction, 24 options, two examples, no line end after them
        const QStringList teile = rulesref::drumfText().split(kLeer);
        QCOMPARE(teile.size(), 27);
        const QRegularExpression kopf(
            QStringLiteral("^#DRUMF (?:[^\\r\\n]* )?\\r\\n[^\\r\\n]*Folgende Parameter sind moeglich: $"));
        QVERIFY2(kopf.match(teile.first()).hasMatch(), qPrintable(teile.first()));
        const QRegularExpression option(QStringLiteral("^[A-Z]+( \\[Dauer\\])?: [^\\r\\n]+$"));
        for (int i = 1; i <= 24; ++i)
            QVERIFY2(option.match(teile[i]).hasMatch(), qPrintable(teile[i]));
        QCOMPARE(teile.mid(1, 24).filter(QStringLiteral("[Dauer]:")).size(), 18);
        QVERIFY(teile[25].startsWith(QStringLiteral("Beispiel: '#DRUMF 17 ")));
        QVERIFY(teile[26].startsWith(QStringLiteral("Weiteres Beispiel: '#DRUMF 17 ")) && !teile[26].endsWith(u'\n'));
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
            QVERIFY(nummer > vorher);
            vorher = nummer;
            const int g = gruppen.indexOf(nummer < 10 ? 1 : nummer / 10 * 10 + 1);
            QVERIFY2(g >= 0 && z[i].mm == (g + 1) * 10 && z[i].natt == natt[g], qPrintable(l));
            QVERIFY(!z[i].offensiv || z[i].parameter);
            // the list's text, the cost line, an empty line, the description
            f->List1->setCurrentRow(i);
            const QStringList t = f->Text6->text().split(kCrLf);
            QCOMPARE(t.size(), 4);
            QVERIFY(t[0] == l && t[1] == kostenZeile(z[i]) && t[2].isEmpty() && !t[3].isEmpty());
        }
        QCOMPARE(kostenZeile(z[0]), QStringLiteral("(MM: 10; Natt: 2; nicht offensiv)"));
        QCOMPARE(kostenZeile(z[1]), QStringLiteral("(MM: 10; Natt: 2; benötigt Parameter; nicht offensiv)"));
        QCOMPARE(kostenZeile(z[35]), QStringLiteral("(MM: 70; Natt: 34; benötigt Parameter; offensiv)"));
    }

    void barTables_data()
    {
        QTest::addColumn<int>("zeilen"); // the row's name is the table's key
        QTest::addColumn<QList<int>>("breiten");
        QTest::addColumn<int>("volleZeilen"); // lines with every column bar
        QTest::addColumn<int>("regeln");
        QTest::newRow("Prodtabelle") << 15 << QList<int>{12, 3, 5, 13, 5, 3, 4, 3, 3, 3, 3} << 11 << 3;
        QTest::newRow("BCD") << 18 << QList<int>{14, 4, 41} << 15 << 3;
        QTest::newRow("Terrain") << 17 << QList<int>{15, 9, 9, 9, 9, 10} << 11 << 5;
        QTest::newRow("Rang") << 24 << QList<int>{2, 15, 15, 2, 2, 6, 5, 2, 2, 3, 3, 3} << 21 << 3;
    }
    void barTables()
    {
        QFETCH(int, zeilen);
        QFETCH(QList<int>, breiten);
        QFETCH(int, volleZeilen);
        QFETCH(int, regeln);
        const Tafel t = tafelZu(QString::fromLatin1(QTest::currentDataTag()));
        QList<int> soll{0};
        for (int b : breiten)
            soll << soll.last() + b + 1;
        const QString regel(soll.last() + 1, u'-');
        QCOMPARE(t.block.size(), zeilen);
        QVERIFY(t.block.first() == regel && t.block.last() == regel);
        int voll = 0;
        for (const QString &z : t.block) {
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
        QCOMPARE(int(t.block.count(regel)), regeln);
    }

    void alignedTables_data()
    {
        QTest::addColumn<int>("ersteZeile"); // the row's name begins with the table's key
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QList<int>>("spalten");
        QTest::newRow("EE, first part") << 2 << 16 << QList<int>{0, 6, 22, 44};
        QTest::newRow("EE, second part") << 19 << 16 << QList<int>{0, 6, 11, 30};
        QTest::newRow("BurgErw") << 0 << 8 << QList<int>{0, 9, 19, 35, 45};
        QTest::newRow("HDAufstieg") << 0 << 10 << QList<int>{0, 27};
        QTest::newRow("Nachschub, head") << 0 << 1 << QList<int>{0, 20, 40};
    }
    void alignedTables()
    {
        QFETCH(int, ersteZeile);
        QFETCH(int, anzahl);
        QFETCH(QList<int>, spalten);
        const Tafel t = tafelZu(QString::fromLatin1(QTest::currentDataTag()).section(u',', 0, 0));
        QVERIFY(t.block.size() >= ersteZeile + anzahl);
        for (const QString &z : t.block.mid(ersteZeile, anzahl)) {
            QVERIFY(!z.endsWith(u' ') && !z.contains(u'|'));
            for (int s : spalten)
                QVERIFY2(spalteBeginnt(z, s), qPrintable(QStringLiteral("%1 @%2").arg(z).arg(s)));
        }
    }

    void combatFormula()
    {
        const QStringList &b = kampfablauf().block;
        QCOMPARE(b.size(), 11);
        QCOMPARE(int(b.count(QString())), 4);
        const int bruch = b.indexOf(QRegularExpression(QStringLiteral("  AQ =  -+")));
        QVERIFY(bruch > 0 && bruch + 1 < b.size());
        // numerator, bar and denominator start in column 9; bar and denominator end in column 69
        QCOMPARE(b[bruch].mid(8), QString(61, u'-'));
        QCOMPARE(b[bruch + 1].size(), 69);
        for (const QString &z : {b[bruch - 1], b[bruch + 1]})
            QVERIFY(z.startsWith(QString(8, u' ')) && z[8] != u' ');
    }

    void properties()
    {
        const QStringList eintraege = eigenschaften().ansicht.split(kLeer);
        QCOMPARE(eintraege.size(), 33);
        const QRegularExpression kopf(QStringLiteral("^([A-ZÄÖÜ]+) \\([^()]+\\): \\S"));
        int absaetze = 0;
        QString vorher;
        for (const QString &e : eintraege) {
            const QStringList a = e.split(kCrLf);
            absaetze += a.size();
            const QRegularExpressionMatch m = kopf.match(a.first());
            QVERIFY2(m.hasMatch(), qPrintable(a.first()));
            for (const QString &weiter : a.mid(1))
                QVERIFY(!weiter.isEmpty() && !kopf.match(weiter).hasMatch());
            // keywords in the order of their character codes
            QVERIFY2(vorher < m.captured(1), qPrintable(m.captured(1)));
            vorher = m.captured(1);
        }
        QCOMPARE(absaetze, 51);
    }
};

BW_TEST_MAIN(TstReferenz)
#include "tst_referenz.moc"
