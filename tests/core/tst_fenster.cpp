// The window menu routines over all windows, a hidden window's state, and the info, help and description boxes.
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

    // A hidden window stays hidden in any state; the system hears of it only when shown, else it puts up a frame.
    void hiddenWindowTakesItsStateWhenShown()
    {
        Form w(QStringLiteral("Probe"));
        w.show();
        for (int zustand : {0, 1}) {
            w.setFensterZustand(1 - zustand);
            w.hide();
            w.setFensterZustand(zustand);
            QVERIFY(!w.isVisible() && w.fensterZustand() == zustand && w.isMinimized() == (zustand == 0));
            w.show();
            QVERIFY(w.fensterZustand() == zustand && w.isMinimized() == (zustand == 1));
        }
    }

    void infoHelpAndDescription()
    {
        KontaktMail = QStringLiteral("post@heim.example");
        KontaktSeite = QStringLiteral("https://heim.example/");
        QTest::keyClick(f, Qt::Key_I, Qt::ControlModifier);
        QTest::keyClick(f, Qt::Key_H, Qt::ControlModifier);
        QTest::mouseClick(Form3::instance()->Label10, Qt::LeftButton);
        // Word for word as the file has them: the title, then the lines; a line beginning with "*" is the maker's
        // own words, ending in the rest of it.
        const QStringList boxen = QString::fromUtf8(liesDatei(QFINDTESTDATA("hilfetexte.txt"))).chopped(1).split("\n====\n");
        QCOMPARE(dlg.boxen.size(), boxen.size());
        for (qsizetype i = 0; i < boxen.size(); ++i) {
            QStringList soll = boxen[i].split(u'\n');
            QVERIFY(dlg.boxen[i].title == soll.takeFirst() && dlg.boxen[i].buttons == 0);
            QStringList ist = zeilen(int(i));
            for (qsizetype j = 0; j < std::min(ist.size(), soll.size()); ++j)
                if (soll[j].startsWith(u'*') && ist[j].endsWith(soll[j].mid(1)))
                    ist[j] = soll[j];
            QCOMPARE(ist, soll);
        }
    }
};

BW_TEST_MAIN(TstFenster)
#include "tst_fenster.moc"
