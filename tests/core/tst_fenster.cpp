// The window menu routines over all windows, and the info, help and description boxes.
#include "core/fensterliste.h"
#include "core/form3.h"
#include "core/form4.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "mainwindow/form6.h"
#include "orderref/form2.h"
#include "testmain.h"
#include "testsupport.h"

#include <QtTest>

OHNE_TON;

namespace {
// Stand-ins for the map window and its field-size dialog, made on first use.
Form *g_karte = nullptr, *g_groesse = nullptr;
QList<Form *> andere() { return {Form2::instance(), Form3::instance(), Form4::instance(), Form6::instance()}; }
void anmelden(const QString &name, Form *&w)
{
    fensterliste::anmelden(name, {[&w, name] { return w ? w : (w = new Form(name)); }, [&w] { return w != nullptr; }});
}
} // namespace

class TstFenster : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Dialoge dlg;
    Form1 *f = nullptr;
    int m_ende = 0;

    void aktiviere(Form *w)
    {
        w->show();
        w->setFensterZustand(0);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    QStringList zeilen(int box) const { return dlg.boxen.value(box).prompt.split(u'\n'); }

private slots:
    void initTestCase()
    {
        ProgrammPfad = dir.path() + u'/';
        Form1::endProgram = [this] { ++m_ende; };
        f = Form1::instance();
        Form3::instance();
        anmelden(QStringLiteral("Karte"), g_karte);
        anmelden(QStringLiteral("Groesse"), g_groesse);
    }
    void init()
    {
        dlg.leeren();
        aktiviere(f);
    }

    void minimiseOrCloseAll_data()
    {
        QTest::addColumn<int>("groesse"); // -1 map never opened, 0 size dialog hidden, 1 open, 2 close all
        QTest::newRow("minimise, map never opened: made hidden") << -1;
        QTest::newRow("minimise, size dialog open: the map is given back") << 1;
        QTest::newRow("minimise, map disabled by another popup") << 0;
        QTest::newRow("close all from the enlarged view, the program runs on") << 2;
    }
    void minimiseOrCloseAll()
    {
        QFETCH(int, groesse);
        const bool zu = groesse == 2;
        AllesMinimiert = 0;
        QCOMPARE(g_karte == nullptr, groesse == -1);
        if (groesse >= 0) {
            aktiviere(g_karte);
            g_karte->setEnabled(zu);
            fensterliste::fenster(QStringLiteral("Groesse"))->setVisible(groesse == 1);
            for (Form *w : zu ? andere() : QList<Form *>{f})
                aktiviere(w);
        }
        QTest::keyClick(zu ? static_cast<Form *>(Form6::instance()) : f, zu ? Qt::Key_F9 : Qt::Key_F8);
        QCOMPARE(g_karte->isVisible(), groesse >= 0);
        QCOMPARE(g_karte->isEnabled(), groesse != 0);
        QVERIFY(!g_groesse || !g_groesse->isVisible());
        QVERIFY(f->isVisible() && f->fensterZustand() == 1 && g_karte->fensterZustand() == 1);
        // hidden windows only take the state when minimised
        for (Form *w : andere())
            QVERIFY2(!w->isVisible() && (zu || w->fensterZustand() == 1), qPrintable(w->objectName()));
        QCOMPARE(AllesMinimiert, qint16(!zu));
        QTest::qWait(50);
        QVERIFY(m_ende == 0 && dlg.boxen.isEmpty());
    }

    void arrange_data()
    {
        QTest::addColumn<int>("zustand"); // -1 hidden, 0 normal, 1 minimised
        QTest::newRow("hidden view is emptied") << -1;
        QTest::newRow("open view to the corner") << 0;
        QTest::newRow("minimised view stays minimised") << 1;
    }
    void arrange()
    {
        QFETCH(int, zustand);
        Form6 *g = Form6::instance();
        f->Text1->setText(QStringLiteral("AB 1"));
        f->befmax_Click();
        g->move(200, 150);
        zustand < 0 ? g->hide() : g->setFensterZustand(zustand);
        f->move(40, 30);
        // from the enlarged view's menu while it is open, else from the main window's
        Form *von = zustand == 0 ? static_cast<Form *>(g) : f;
        aktiviere(von);
        QTest::keyClick(von, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(f->pos(), QPoint(0, 0));
        QCOMPARE(g->isVisible(), zustand >= 0);
        QCOMPARE(g->Text1->text(), zustand < 0 ? QString() : QStringLiteral("AB 1"));
        QCOMPARE(FensterInhalt, QStringLiteral("Befehl"));
        if (zustand >= 0)
            QVERIFY(g->fensterZustand() == zustand && g->pos() == QPoint(0, 0));
        g->Unload();
    }

    void infoHelpAndDescription()
    {
        KontaktMail = QStringLiteral("post@heim.example");
        KontaktSeite = QStringLiteral("https://heim.example/");
        QTest::keyClick(f, Qt::Key_I, Qt::ControlModifier);
        QTest::keyClick(f, Qt::Key_H, Qt::ControlModifier);
        QTest::mouseClick(Form3::instance()->Label10, Qt::LeftButton);
        QCOMPARE(dlg.boxen.size(), 4);
        for (const auto &b : dlg.boxen)
            QCOMPARE(b.buttons, 0);
        QCOMPARE(dlg.boxen[0].title, QStringLiteral("Programminformationen"));
        QCOMPARE(zeilen(0).mid(0, 2), (QStringList{"Befehlswart, Version 2.10", ""}));
        QCOMPARE(zeilen(0).mid(3), (QStringList{"EMail: post@heim.example", "Homepage: https://heim.example/"}));
        // the help in two boxes of six lines, the description in five
        QCOMPARE(dlg.boxen[1].title, QStringLiteral("Befehlswart"));
        QVERIFY(zeilen(1).size() == 6 && zeilen(1)[0] == QStringLiteral("HILFE ZU BEFEHLSWART:"));
        QVERIFY(zeilen(2).size() == 6 && zeilen(2)[0] == QStringLiteral("- Hilfe zu Gubbefehlen:"));
        const QStringList z = zeilen(3);
        QCOMPARE(z.size(), 5);
        QCOMPARE((QStringList{z[0], z[1], z[3]}), (QStringList{"Informationen über Befehlswart:", "", "Wissenswertes über den Zeichensatz:"}));
        QVERIFY(z[2].endsWith(" Dazu lädt man links unten die letzte Auswerung und schreibt rechts oben den nächsten Befehl."));
    }
};

BW_TEST_MAIN(TstFenster)
#include "tst_fenster.moc"
