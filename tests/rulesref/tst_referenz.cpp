// The shape of the rules reference data: counts, line widths, column bars
// and the way the texts are put together.
#include "rulesref/referenz.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace rulesref;

namespace {

const QString kLeer = QStringLiteral("\r\n\r\n");

Tafel tafelZu(const QString &schluessel)
{
    for (const Tafel &t : alleTafeln())
        if (t.schluessel == schluessel)
            return t;
    return {};
}

// Positions of the bars that close cells of these widths, the first bar at 0.
QList<int> balken(const QList<int> &breiten)
{
    QList<int> p{0};
    for (int b : breiten)
        p << p.last() + b + 1;
    return p;
}

QList<int> balkenIn(const QString &zeile)
{
    QList<int> p;
    for (int i = 0; i < zeile.size(); ++i)
        if (zeile[i] == u'|')
            p << i;
    return p;
}

// A value begins here: a blank before it (or the line start), none on it.
bool spalteBeginnt(const QString &zeile, int spalte)
{
    return spalte < zeile.size() && zeile[spalte] != u' ' && (spalte == 0 || zeile[spalte - 1] == u' ');
}

} // namespace

class TstReferenz : public QObject {
    Q_OBJECT
private slots:
    void hashCommands();
    void drumfText();
    void spells();
    void spellCosts_data();
    void spellCosts();
    void tablesHaveDistinctKeys();
    void barTables_data();
    void barTables();
    void alignedTables_data();
    void alignedTables();
    void supplyCosts();
    void combatFormula();
    void emptyLinesAndNotes();
    void enlargedTexts();
    void properties();
};

void TstReferenz::hashCommands()
{
    const QList<Kommando> &k = kommandos();
    QCOMPARE(k.size(), 22);
    QVERIFY(k[drumfPosition].liste.startsWith(QStringLiteral("#DRUMF")));
    QVERIFY(kommandoText(drumfPosition).isEmpty() && kommandoText(-1).isEmpty() && kommandoText(22).isEmpty());
    for (int i = 0; i < k.size(); ++i) {
        if (i == drumfPosition)
            continue;
        const QString t = kommandoText(i);
        QVERIFY(t.startsWith(k[i].syntax + kLeer) && !t.endsWith(u'\n') && !k[i].erklaerung.isEmpty());
        // one paragraph, two for #MV
        QCOMPARE(int(k[i].erklaerung.count(QStringLiteral("\r\n"))), k[i].liste.startsWith(QStringLiteral("#MV")) ? 1 : 0);
    }
}

void TstReferenz::drumfText()
{
    const QString t = rulesref::drumfText();
    const QStringList teile = t.split(kLeer);
    // syntax line and introduction, 24 options, two examples
    QCOMPARE(teile.size(), 27);
    const QStringList kopf = teile.first().split(QStringLiteral("\r\n"));
    QCOMPARE(kopf.size(), 2);
    QVERIFY(kopf[0].startsWith(QStringLiteral("#DRUMF ")));
    QVERIFY(kopf[0].endsWith(u' '));
    QVERIFY(kopf[1].endsWith(QStringLiteral("Folgende Parameter sind moeglich: ")));
    const QRegularExpression option(QStringLiteral("^[A-Z]+( \\[Dauer\\])?: \\S"));
    int dauerhaft = 0;
    for (int i = 1; i <= 24; ++i) {
        QVERIFY2(option.match(teile[i]).hasMatch(), qPrintable(teile[i]));
        QVERIFY(!teile[i].contains(u'\n'));
        if (teile[i].contains(QStringLiteral("[Dauer]:")))
            ++dauerhaft;
    }
    QCOMPARE(dauerhaft, 18);
    QVERIFY(teile[25].startsWith(QStringLiteral("Beispiel: '#DRUMF 17 ")));
    QVERIFY(teile[26].startsWith(QStringLiteral("Weiteres Beispiel: '#DRUMF 17 ")));
    QVERIFY(!t.endsWith(u'\n'));
}

void TstReferenz::spells()
{
    const QList<Zauber> &z = zaubersprueche();
    QCOMPARE(z.size(), 36);
    const QList<int> gruppen{1, 21, 31, 41, 51, 61, 71};
    const QList<int> natt{2, 3, 5, 8, 13, 21, 34};
    const QRegularExpression kosten(
        QStringLiteral("^\\(MM: [1-9]\\d*; Natt: [1-9]\\d*; (benötigt Parameter; )?(nicht )?offensiv\\)$"));
    int vorher = 0;
    for (int i = 0; i < z.size(); ++i) {
        const QString &l = z[i].liste;
        // the name begins in the fourth character, whatever the number's length
        QVERIFY2(l[2] == u' ' && l[3] != u' ', qPrintable(l));
        const int nummer = l.left(2).trimmed().toInt();
        QVERIFY(nummer > vorher);
        vorher = nummer;
        // one cost for each group of numbers
        const int gruppe = gruppen.indexOf(nummer < 10 ? 1 : nummer / 10 * 10 + 1);
        QVERIFY(gruppe >= 0);
        QCOMPARE(z[i].mm, (gruppe + 1) * 10);
        QCOMPARE(z[i].natt, natt[gruppe]);
        // no spell is offensive without a parameter
        QVERIFY(!z[i].offensiv || z[i].parameter);

        const QStringList zeilen = zauberText(i).split(QStringLiteral("\r\n"));
        QCOMPARE(zeilen.size(), 4);
        QCOMPARE(zeilen[0], l);
        QVERIFY2(kosten.match(zeilen[1]).hasMatch(), qPrintable(zeilen[1]));
        QCOMPARE(zeilen[2], QString());
        QVERIFY(!zeilen[3].isEmpty());
    }
    QVERIFY(zauberText(36).isEmpty());
}

void TstReferenz::spellCosts_data()
{
    QTest::addColumn<QString>("liste");
    QTest::addColumn<QString>("kosten");
    QTest::newRow("1") << "1  Schirm" << "(MM: 10; Natt: 2; nicht offensiv)";
    QTest::newRow("2") << "2  Rüstung" << "(MM: 10; Natt: 2; benötigt Parameter; nicht offensiv)";
    QTest::newRow("32") << "32 Gift" << "(MM: 30; Natt: 5; benötigt Parameter; offensiv)";
    QTest::newRow("51") << "51 Plünderung" << "(MM: 50; Natt: 13; nicht offensiv)";
    QTest::newRow("72") << "72 Wir sind das Volk" << "(MM: 70; Natt: 34; benötigt Parameter; offensiv)";
}

void TstReferenz::spellCosts()
{
    QFETCH(QString, liste);
    QFETCH(QString, kosten);
    const QList<Zauber> &z = zaubersprueche();
    for (int i = 0; i < z.size(); ++i) {
        if (z[i].liste == liste) {
            QCOMPARE(kostenZeile(z[i]), kosten);
            return;
        }
    }
    QFAIL("spell not listed");
}

void TstReferenz::tablesHaveDistinctKeys()
{
    const QList<Tafel> t = alleTafeln();
    QCOMPARE(t.size(), 11);
    QSet<QString> schluessel;
    for (const Tafel &x : t) {
        schluessel << x.schluessel;
        QVERIFY(!x.titel.isEmpty() && !x.ueberschrift.isEmpty() && !x.ansicht.isEmpty());
        for (const QString &z : x.block)
            QVERIFY(!z.contains(u'\r') && !z.contains(u'\n'));
    }
    QCOMPARE(schluessel.size(), 11);
    QVERIFY(!schluessel.contains(QStringLiteral("Auswertung")) && !schluessel.contains(QStringLiteral("Befehl")));
}

void TstReferenz::barTables_data()
{
    QTest::addColumn<QString>("schluessel");
    QTest::addColumn<int>("zeilen");
    QTest::addColumn<QList<int>>("breiten");
    QTest::addColumn<int>("volleZeilen"); // lines with every column bar
    QTest::addColumn<int>("regeln");      // rule lines
    QTest::newRow("Prodtabelle") << "Prodtabelle" << 15 << QList<int>{12, 3, 5, 13, 5, 3, 4, 3, 3, 3, 3} << 11 << 3;
    QTest::newRow("BCD") << "BCD" << 18 << QList<int>{14, 4, 41} << 15 << 3;
    QTest::newRow("Terrain") << "Terrain" << 17 << QList<int>{15, 9, 9, 9, 9, 10} << 11 << 5;
    QTest::newRow("Rang") << "Rang" << 24 << QList<int>{2, 15, 15, 2, 2, 6, 5, 2, 2, 3, 3, 3} << 21 << 3;
}

void TstReferenz::barTables()
{
    QFETCH(QString, schluessel);
    QFETCH(int, zeilen);
    QFETCH(QList<int>, breiten);
    QFETCH(int, volleZeilen);
    QFETCH(int, regeln);
    const Tafel t = tafelZu(schluessel);
    const QList<int> soll = balken(breiten);
    const int breite = soll.last() + 1;
    QCOMPARE(t.block.size(), zeilen);
    QCOMPARE(t.block.first(), QString(breite, u'-'));
    QCOMPARE(t.block.last(), QString(breite, u'-'));
    int voll = 0, regel = 0;
    for (const QString &z : t.block) {
        QCOMPARE(z.size(), breite);
        if (z == QString(breite, u'-')) {
            ++regel;
            continue;
        }
        const QList<int> ist = balkenIn(z);
        QVERIFY2(ist.first() == 0 && ist.last() == breite - 1, qPrintable(z));
        // a heading may group columns, but a bar never stands off the grid
        for (int p : ist)
            QVERIFY2(soll.contains(p), qPrintable(z));
        if (ist == soll)
            ++voll;
    }
    QCOMPARE(voll, volleZeilen);
    QCOMPARE(regel, regeln);
}

void TstReferenz::alignedTables_data()
{
    QTest::addColumn<QString>("schluessel");
    QTest::addColumn<int>("ersteZeile");
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<QList<int>>("spalten");
    QTest::newRow("tribe extensions A") << "EE" << 2 << 16 << QList<int>{0, 6, 22, 44};
    QTest::newRow("tribe extensions B") << "EE" << 19 << 16 << QList<int>{0, 6, 11, 30};
    QTest::newRow("castle") << "BurgErw" << 0 << 8 << QList<int>{0, 9, 19, 35, 45};
    QTest::newRow("levels") << "HDAufstieg" << 0 << 10 << QList<int>{0, 27};
}

void TstReferenz::alignedTables()
{
    QFETCH(QString, schluessel);
    QFETCH(int, ersteZeile);
    QFETCH(int, anzahl);
    QFETCH(QList<int>, spalten);
    const Tafel t = tafelZu(schluessel);
    QVERIFY(t.block.size() >= ersteZeile + anzahl);
    for (int i = ersteZeile; i < ersteZeile + anzahl; ++i) {
        const QString &z = t.block[i];
        QVERIFY(!z.endsWith(u' '));
        QVERIFY(!z.contains(u'|'));
        for (int s : spalten)
            QVERIFY2(spalteBeginnt(z, s), qPrintable(QStringLiteral("%1 @%2").arg(z).arg(s)));
    }
}

void TstReferenz::supplyCosts()
{
    const Tafel t = nachschub();
    QCOMPARE(t.block.size(), 9);
    QCOMPARE(t.block[0].size(), 58);
    for (int s : {0, 20, 40})
        QVERIFY(spalteBeginnt(t.block[0], s));
    for (int m = 1; m <= 8; ++m) {
        const QString &z = t.block[m];
        QCOMPARE(z.size(), 48);
        QCOMPARE(z.left(1), QString::number(m));
        // per soldier ends in column 28, per hundred in column 48, two decimals each
        const QStringList werte = z.mid(1).split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(werte.size(), 2);
        QCOMPARE(z.indexOf(werte[0]) + werte[0].size(), 28);
        const double jeSoldat = 0.1 * (std::pow(3.0, m) - 1);
        QCOMPARE(werte[0], QString::number(jeSoldat, 'f', 2));
        QCOMPARE(werte[1], QString::number(jeSoldat * 100, 'f', 2));
    }
}

void TstReferenz::combatFormula()
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

void TstReferenz::emptyLinesAndNotes()
{
    const QStringList &formeln = einzeln().block;
    QCOMPARE(formeln.size(), 37);
    QCOMPARE(int(formeln.count(QString())), 7);
    const Tafel t = rang();
    const QStringList notizen = t.ansicht.mid(t.block.join(QStringLiteral("\r\n")).size() + 4).split(QStringLiteral("\r\n"));
    QCOMPARE(notizen.size(), 20);
    QCOMPARE(int(notizen.count(QString())), 1);
    QCOMPARE(notizen[12], QString());
    // the last row names its titles only and keeps every bar
    QCOMPARE(balkenIn(t.block[22]).size(), 13);
    QCOMPARE(t.block[22].mid(35).remove(u'|').trimmed(), QString());
}

void TstReferenz::enlargedTexts()
{
    for (const Tafel &t : alleTafeln()) {
        const QString block = t.block.join(QStringLiteral("\r\n"));
        if (t.schluessel == QStringLiteral("Eigenschaften")) {
            QVERIFY(t.block.isEmpty());
            QCOMPARE(t.paneGroesse, 0.0);
            continue;
        }
        QVERIFY(t.ansicht.contains(block));
        if (t.schluessel == QStringLiteral("Kampfablauf")) {
            QCOMPARE(t.ansicht, block + kLeer);
        } else if (t.schluessel == QStringLiteral("HDAufstieg")) {
            const QStringList vorn = t.ansicht.left(t.ansicht.size() - block.size()).split(QStringLiteral("\r\n"));
            QCOMPARE(vorn.size(), 5); // three paragraphs, the empty line, the table's start
            QVERIFY(t.ansicht.endsWith(kLeer + block));
            QVERIFY(!vorn[0].isEmpty() && !vorn[1].isEmpty() && !vorn[2].isEmpty());
        } else if (t.schluessel == QStringLiteral("EE")) {
            QCOMPARE(t.ansicht.split(QStringLiteral("\r\n"))[2], t.block.first());
            QVERIFY(t.ansicht.indexOf(kLeer + block + kLeer) > 0);
            QVERIFY(t.ansicht.endsWith(QStringLiteral("Dies geschieht gegen Schluß der Verarbeitungsreihenfolge.")));
        } else {
            QVERIFY(t.ansicht.startsWith(block + kLeer));
            QVERIFY(!t.ansicht.endsWith(u'\n'));
        }
    }
    // the formulas sheet and the terrain table share their notes, as the
    // castle steps and the supply costs do
    auto notizen = [](const Tafel &t) { return t.ansicht.mid(t.block.join(QStringLiteral("\r\n")).size()); };
    QCOMPARE(notizen(einzeln()), notizen(terrain()));
    QCOMPARE(notizen(burgerweiterung()), notizen(nachschub()));
}

void TstReferenz::properties()
{
    const Tafel t = eigenschaften();
    const QStringList eintraege = t.ansicht.split(kLeer);
    QCOMPARE(eintraege.size(), 33);
    const QRegularExpression kopf(QStringLiteral("^([A-ZÄÖÜ]+) \\([^()]+\\): \\S"));
    int absaetze = 0;
    QString vorher;
    for (const QString &e : eintraege) {
        QVERIFY(!e.isEmpty() && !e.contains(QStringLiteral("\n\r\n")));
        const QStringList a = e.split(QStringLiteral("\r\n"));
        absaetze += a.size();
        const QRegularExpressionMatch m = kopf.match(a.first());
        QVERIFY2(m.hasMatch(), qPrintable(a.first()));
        for (int i = 1; i < a.size(); ++i)
            QVERIFY(!kopf.match(a[i]).hasMatch() && !a[i].isEmpty());
        // keywords in the order of their character codes
        QVERIFY2(vorher < m.captured(1), qPrintable(m.captured(1)));
        vorher = m.captured(1);
    }
    QCOMPARE(absaetze, 51);
    QVERIFY(!t.ansicht.endsWith(u'\n'));
}

QTEST_GUILESS_MAIN(TstReferenz)
#include "tst_referenz.moc"
