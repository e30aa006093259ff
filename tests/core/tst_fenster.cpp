// The window menu routines over all windows, and the info, help and
// description boxes.
#include "core/fensterliste.h"
#include "core/form3.h"
#include "core/form4.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "mainwindow/form6.h"
#include "orderref/form2.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const bool g_ohneTon = [] { return qputenv("PULSE_SERVER", "unix:/nonexistent/pulse"); }();
// Stand-ins for the map window and its field-size dialog, made on first use.
Form *g_karte = nullptr, *g_groesse = nullptr;
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
    QStringList zeilen(int box) const { return dlg.boxen.value(box).prompt.split(QLatin1Char('\n')); }

private slots:
    void initTestCase()
    {
        QVERIFY(g_ohneTon);
        ProgrammPfad = dir.path() + QStringLiteral("/");
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
    void minimiseAll_data();
    void minimiseAll();
    void closeAllKeepsTheProgramRunning();
    void arrange_data();
    void arrange();
    void infoAndHelpBoxes();
    void descriptionFromTheStartSettings();
};

void TstFenster::minimiseAll_data()
{
    QTest::addColumn<int>("groesse"); // -1 never opened, 0 hidden, 1 open
    QTest::newRow("map never opened") << -1;
    QTest::newRow("size dialog open: the map is given back") << 1;
    QTest::newRow("map disabled by another popup") << 0;
}

void TstFenster::minimiseAll()
{
    QFETCH(int, groesse);
    AllesMinimiert = 0;
    QCOMPARE(g_karte == nullptr, groesse == -1);
    if (groesse >= 0) {
        aktiviere(g_karte);
        g_karte->setEnabled(false);
        fensterliste::fenster(QStringLiteral("Groesse"))->setVisible(groesse == 1);
        aktiviere(f);
    }
    QTest::keyClick(f, Qt::Key_F8);
    // The map is made, hidden, when it was never opened.
    QCOMPARE(g_karte->isVisible(), groesse >= 0);
    QCOMPARE(g_karte->fensterZustand(), 1);
    QCOMPARE(g_karte->isEnabled(), groesse != 0);
    QVERIFY(!g_groesse || !g_groesse->isVisible());
    QVERIFY(f->isVisible());
    for (Form *w : std::initializer_list<Form *>{f, Form2::instance(), Form3::instance(), Form4::instance(), Form6::instance()})
        QCOMPARE(w->fensterZustand(), 1);
    QVERIFY(!Form2::instance()->isVisible() && !Form4::instance()->isVisible() && !Form6::instance()->isVisible());
    QCOMPARE(AllesMinimiert, qint16(1));
    g_karte->setEnabled(true);
    g_karte->hide();
    Form6::instance()->setFensterZustand(0);
}

void TstFenster::closeAllKeepsTheProgramRunning()
{
    // From the enlarged view's own menu.
    for (Form *w : std::initializer_list<Form *>{f, Form2::instance(), Form4::instance(), g_karte, Form6::instance()})
        aktiviere(w);
    QTest::keyClick(Form6::instance(), Qt::Key_F9);
    QVERIFY(f->isVisible() && g_karte->isVisible());
    QCOMPARE(f->fensterZustand(), 1);
    QCOMPARE(g_karte->fensterZustand(), 1);
    for (Form *w : std::initializer_list<Form *>{Form2::instance(), Form3::instance(), Form4::instance(), Form6::instance()})
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    QTest::qWait(50);
    QVERIFY(m_ende == 0 && dlg.boxen.isEmpty());
    g_karte->hide();
}

void TstFenster::arrange_data()
{
    QTest::addColumn<int>("zustand"); // -1 hidden, 0 normal, 1 minimised
    QTest::newRow("hidden view is emptied") << -1;
    QTest::newRow("open view to the corner") << 0;
    QTest::newRow("minimised view stays minimised") << 1;
}

void TstFenster::arrange()
{
    QFETCH(int, zustand);
    Form6 *g = Form6::instance();
    f->Text1->setText(QStringLiteral("AB 1"));
    f->befmax_Click();
    g->move(200, 150);
    zustand < 0 ? g->hide() : g->setFensterZustand(zustand);
    f->move(40, 30);
    // From the enlarged view's menu while it is open, else from the main window's.
    Form *von = zustand == 0 ? static_cast<Form *>(g) : f;
    aktiviere(von);
    QTest::keyClick(von, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(f->pos(), QPoint(0, 0));
    QCOMPARE(g->isVisible(), zustand >= 0);
    QCOMPARE(g->Text1->text(), zustand < 0 ? QString() : QStringLiteral("AB 1"));
    QCOMPARE(FensterInhalt, QStringLiteral("Befehl"));
    if (zustand >= 0) {
        QCOMPARE(g->fensterZustand(), zustand);
        QCOMPARE(g->pos(), QPoint(0, 0));
    }
    g->Unload();
}

void TstFenster::infoAndHelpBoxes()
{
    KontaktMail = QStringLiteral("post@heim.example");
    KontaktSeite = QStringLiteral("https://heim.example/");
    QTest::keyClick(f, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClick(f, Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(dlg.boxen.size(), 3);
    QCOMPARE(dlg.boxen[0].title, QStringLiteral("Programminformationen"));
    const QStringList info = zeilen(0);
    QCOMPARE(info.size(), 5);
    QCOMPARE(info.mid(0, 2), (QStringList{"Befehlswart, Version 2.10", ""}));
    QCOMPARE(info.mid(3), (QStringList{"EMail: post@heim.example", "Homepage: https://heim.example/"}));
    for (const auto &b : dlg.boxen)
        QCOMPARE(b.buttons, 0);
    QCOMPARE(dlg.boxen[1].title, QStringLiteral("Befehlswart"));
    // Headings, and samples of the paragraphs.
    const QStringList a = zeilen(1), b = zeilen(2);
    QCOMPARE(a.size(), 6);
    QCOMPARE(b.size(), 6);
    QCOMPARE((QStringList{a[0], a[1], a[3], b[0], b[2], b[4]}),
             (QStringList{"HILFE ZU BEFEHLSWART:", "- Auswertungen laden:", "- Befehle laden und speichern:",
                          "- Hilfe zu Gubbefehlen:", "- Ansicht aktualisieren:", "- Befehlswart beenden:"}));
    QVERIFY(a[4].startsWith("Befehle werden im Menü 'Befehle --> laden' oder mit F3") && b[5].endsWith("Strg-Q möglich."));
}

void TstFenster::descriptionFromTheStartSettings()
{
    Form3 *f3 = Form3::instance();
    aktiviere(f3);
    QTest::mouseClick(f3->Label10, Qt::LeftButton);
    QCOMPARE(dlg.boxen.size(), 1);
    QCOMPARE(dlg.boxen[0].buttons, 0);
    const QStringList z = zeilen(0);
    QCOMPARE(z.size(), 5);
    QCOMPARE((QStringList{z[0], z[1], z[3]}), (QStringList{"Informationen über Befehlswart:", "", "Wissenswertes über den Zeichensatz:"}));
    QVERIFY(z[2].contains("Gub") && z[2].endsWith(" Dazu lädt man links unten die letzte Auswerung und schreibt rechts oben den nächsten Befehl."));
    QVERIFY(z[4].startsWith("Da das Gubprogramm ein DOS-Programm ist, verwendet es den OEM-Zeichensatz.")
            && z[4].endsWith("hergeschalten wird, sehen sie wieder normal aus.)"));
    f3->hide();
}

QTEST_MAIN(TstFenster)
#include "tst_fenster.moc"
