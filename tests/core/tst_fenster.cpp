// The window menu routines over all windows, and the info, help and
// description boxes.
#include "core/fensterliste.h"
#include "core/form3.h"
#include "core/form4.h"
#include "core/globals.h"
#include "mainwindow/form1.h"
#include "mainwindow/form6.h"
#include "orderref/form2.h"
#include "platform/form.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const bool g_ohneTon = [] {
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse");
    return true;
}();

// Stand-ins for the map window and its field-size dialog.
Form *g_karte = nullptr;
Form *g_groesse = nullptr;
int g_karteAngelegt = 0;
} // namespace

class TstFenster : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    Dialoge *dlg = nullptr;
    Form1 *f = nullptr;
    int m_ende = 0;

    void aktiviere(Form *w)
    {
        w->show();
        w->setFensterZustand(0);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

private slots:
    void initTestCase();
    void init();
    void minimiseAllBeforeTheMapWasOpened();
    void minimiseAllGivesTheMapBack_data();
    void minimiseAllGivesTheMapBack();
    void closeAllKeepsTheProgramRunning();
    void arrange_data();
    void arrange();
    void arrangeFromEveryWindowMenu_data();
    void arrangeFromEveryWindowMenu();
    void infoBox();
    void helpBoxes();
    void descriptionFromTheStartSettings();
};

void TstFenster::initTestCase()
{
    Q_UNUSED(g_ohneTon);
    QVERIFY(dir.isValid());
    ProgrammPfad = dir.path() + QStringLiteral("/prog/");
    StandardPfad = dir.path();
    dlg = new Dialoge;
    Form1::endProgram = [this] { ++m_ende; };
    f = Form1::instance();
    f->Dir1->setPath(dir.path());
    Form3::instance();
    fensterliste::anmelden(QStringLiteral("Karte"), {[] {
                                                          if (!g_karte) {
                                                              ++g_karteAngelegt;
                                                              g_karte = new Form(QStringLiteral("Karte"));
                                                          }
                                                          return g_karte;
                                                      },
                                                      [] { return g_karte != nullptr; }});
    fensterliste::anmelden(QStringLiteral("Groesse"), {[] {
                                                            if (!g_groesse)
                                                                g_groesse = new Form(QStringLiteral("Groesse"));
                                                            return g_groesse;
                                                        },
                                                        [] { return g_groesse != nullptr; }});
}

void TstFenster::init()
{
    dlg->leeren();
    AllesMinimiert = 0;
    aktiviere(f);
}

void TstFenster::minimiseAllBeforeTheMapWasOpened()
{
    QVERIFY(!g_karte);
    QVERIFY(!Form6::exists());
    QTest::keyClick(f, Qt::Key_F8);
    QCOMPARE(g_karteAngelegt, 1);
    QVERIFY(!g_karte->isVisible());
    QCOMPARE(g_karte->fensterZustand(), 1);
    // Not opened yet, so not made: hiding a dialog that isn't there.
    QVERIFY(!g_groesse);
    QCOMPARE(f->fensterZustand(), 1);
    QVERIFY(f->isVisible());
    for (Form *w : std::initializer_list<Form *>{Form2::instance(), Form4::instance(), Form6::instance()}) {
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        QCOMPARE(w->fensterZustand(), 1);
    }
    QCOMPARE(Form3::instance()->fensterZustand(), 1);
    QCOMPARE(AllesMinimiert, qint16(1));
    // A hidden window shows later in the state it was given.
    Form6::instance()->setFensterZustand(0);
}

void TstFenster::minimiseAllGivesTheMapBack_data()
{
    QTest::addColumn<bool>("dialogOffen");
    QTest::newRow("size dialog open") << true;
    QTest::newRow("map disabled by another popup") << false;
}

void TstFenster::minimiseAllGivesTheMapBack()
{
    QFETCH(bool, dialogOffen);
    Form *karte = fensterliste::fenster(QStringLiteral("Karte"));
    Form *groesse = fensterliste::fenster(QStringLiteral("Groesse"));
    aktiviere(karte);
    karte->setEnabled(false);
    groesse->setVisible(dialogOffen);
    f->winwinmin_Click();
    QVERIFY(!groesse->isVisible());
    QCOMPARE(karte->isEnabled(), dialogOffen);
    QCOMPARE(karte->fensterZustand(), 1);
    karte->setEnabled(true);
    karte->hide();
}

void TstFenster::closeAllKeepsTheProgramRunning()
{
    aktiviere(Form6::instance());
    aktiviere(Form2::instance());
    aktiviere(Form4::instance());
    Form *karte = fensterliste::fenster(QStringLiteral("Karte"));
    aktiviere(karte);
    aktiviere(f);
    QTest::keyClick(f, Qt::Key_F9);
    QVERIFY(f->isVisible());
    QCOMPARE(f->fensterZustand(), 1);
    QVERIFY(karte->isVisible());
    QCOMPARE(karte->fensterZustand(), 1);
    for (Form *w : std::initializer_list<Form *>{Form2::instance(), Form3::instance(), Form4::instance(), Form6::instance()})
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    QTest::qWait(50);
    QCOMPARE(m_ende, 0);
    QVERIFY(dlg->boxen.isEmpty());
    karte->hide();
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
    f->Text1->setText(QStringLiteral("AB 1"));
    f->befmax_Click();
    Form6 *g = Form6::instance();
    QVERIFY(g->isVisible());
    g->move(200, 150);
    if (zustand == -1)
        g->hide();
    else
        g->setFensterZustand(zustand);
    aktiviere(f);
    f->move(40, 30);
    QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(f->pos(), QPoint(0, 0));
    QCOMPARE(FensterInhalt, QStringLiteral("Befehl"));
    if (zustand == -1) {
        QVERIFY(!g->isVisible());
        QVERIFY(g->Text1->text().isEmpty());
        QCOMPARE(g->windowTitle(), QStringLiteral("Maximierte Auswertung / Befehle"));
        return;
    }
    QVERIFY(g->isVisible());
    QCOMPARE(g->fensterZustand(), zustand);
    QCOMPARE(g->pos(), QPoint(0, 0));
    QCOMPARE(g->Text1->text(), QStringLiteral("AB 1"));
    g->Unload();
}

void TstFenster::arrangeFromEveryWindowMenu_data()
{
    QTest::addColumn<QString>("fenster");
    QTest::newRow("Form1") << "Form1";
    QTest::newRow("Form2") << "Form2";
    QTest::newRow("Form6") << "Form6";
}

void TstFenster::arrangeFromEveryWindowMenu()
{
    QFETCH(QString, fenster);
    Form *w = fenster == QLatin1String("Form2") ? static_cast<Form *>(Form2::instance())
              : fenster == QLatin1String("Form6") ? static_cast<Form *>(Form6::instance())
                                                  : f;
    aktiviere(w);
    w->move(70, 60);
    // Each window's own menu, by its entries' names.
    for (const char *name : {"winwinanord", "winwinmin", "winwinschliess"})
        QVERIFY2(w->findChild<QAction *>(QLatin1String(name)), name);
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(w->pos(), QPoint(0, 0));
    QTest::keyClick(w, Qt::Key_F8);
    QCOMPARE(w->fensterZustand(), 1);
    QCOMPARE(f->fensterZustand(), 1);
    aktiviere(w);
    QTest::keyClick(w, Qt::Key_F9);
    QCOMPARE(f->fensterZustand(), 1);
    QCOMPARE(w->isVisible(), w == f);
    QCOMPARE(m_ende, 0);
}

void TstFenster::infoBox()
{
    KontaktMail = QStringLiteral("post@heim.example");
    KontaktSeite = QStringLiteral("https://heim.example/");
    QTest::keyClick(f, Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(dlg->boxen.size(), 1);
    QCOMPARE(dlg->boxen[0].title, QStringLiteral("Programminformationen"));
    QCOMPARE(dlg->boxen[0].buttons, int(platform::OkOnly));
    const QStringList z = dlg->boxen[0].prompt.split(QLatin1Char('\n'));
    QCOMPARE(z.size(), 5);
    QCOMPARE(z[0], QStringLiteral("Befehlswart, Version 2.10"));
    QCOMPARE(z[1], QString());
    QVERIFY(z[2].size() > 20);
    QCOMPARE(z[3], QStringLiteral("EMail: post@heim.example"));
    QCOMPARE(z[4], QStringLiteral("Homepage: https://heim.example/"));
}

void TstFenster::helpBoxes()
{
    QTest::keyClick(f, Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(dlg->boxen.size(), 2);
    for (const auto &b : dlg->boxen) {
        QCOMPARE(b.buttons, int(platform::OkOnly));
        QCOMPARE(b.title, QStringLiteral("Befehlswart"));
    }
    QCOMPARE(dlg->boxen[0].prompt.split(QLatin1Char('\n')), QStringList({
        "HILFE ZU BEFEHLSWART:",
        "- Auswertungen laden:",
        "Auswertungen werden geladen, indem man eine Datei im Dateiauswahlmenü anklickt. Auswertungen können nicht "
        "gespeichert werden. Der Zeichensatz der Auswertungen wird automatisch richtig dargestellt.",
        "- Befehle laden und speichern:",
        "Befehle werden im Menü 'Befehle --> laden' oder mit F3 geladen. Es wird der Dateiname genommen, der bei "
        "'Dateiname' steht und der Pfad, der im Dateiauswahlmenü ausgewählt ist. Diese erscheinen dann rechts oben.",
        "Gespeichert werden sie im Menü 'Befehle --> speichern' und zwar auf den Namen, der bei 'Dateiname:' rechts "
        "oben steht. Befehle werden immer im Standard-Zeichensatz von Windows gespeichert.",
    }));
    QCOMPARE(dlg->boxen[1].prompt.split(QLatin1Char('\n')), QStringList({
        "- Hilfe zu Gubbefehlen:",
        "Durch drücken von 'F1' oder durch Auswählen von 'Hilfe' im Menü 'Datei' wird ein Dialogfeld aufgerufen. "
        "Wenn der bestimmte Befehl bekannt ist, man ihn jedoch noch erläutert haben mag, kann man ihn jetzt eingeben. "
        "Falls man überhaupt nicht weiss, wie der Befehl, den man sucht, heisst, muss nur ENTER gedrückt werden "
        "(ohne den Standardtext zu überschreiben), damit eine Liste aller in Gub gültigen Befehle (erst ab "
        "Befehlswart Version 1.50 auch Geheimbefehle) angezeigt wird.",
        "- Ansicht aktualisieren:",
        "Die Dateien werden neu geladen, wenn F5 gedrückt wird oder im Menü 'Datei --> Neu laden' ausgewählt wird.",
        "- Befehlswart beenden:",
        "Um das Programm zu beenden, muss nur der Tramsel-Button gedrückt werden, oder im Menü 'Datei --> beenden' "
        "ausgewählt werden. Natürlich ist dies auch mit Strg-Q möglich.",
    }));
}

void TstFenster::descriptionFromTheStartSettings()
{
    Form3 *f3 = Form3::instance();
    aktiviere(f3);
    QTest::mouseClick(f3->Label10, Qt::LeftButton);
    QCOMPARE(dlg->boxen.size(), 1);
    QCOMPARE(dlg->boxen[0].buttons, int(platform::OkOnly));
    QCOMPARE(dlg->boxen[0].title, QStringLiteral("Befehlswart"));
    const QStringList z = dlg->boxen[0].prompt.split(QLatin1Char('\n'));
    QCOMPARE(z.size(), 5);
    QCOMPARE(z[0], QStringLiteral("Informationen über Befehlswart:"));
    QCOMPARE(z[1], QString());
    QVERIFY(z[2].contains(QStringLiteral("Gub")));
    QVERIFY(z[2].endsWith(QStringLiteral(
        " Dazu lädt man links unten die letzte Auswerung und schreibt rechts oben den nächsten Befehl.")));
    QCOMPARE(z[3], QStringLiteral("Wissenswertes über den Zeichensatz:"));
    QCOMPARE(z[4], QStringLiteral(
        "Da das Gubprogramm ein DOS-Programm ist, verwendet es den OEM-Zeichensatz. Nun kann es vorkommen, dass die "
        "Auswertungen in diesem Zeichensatz geschrieben wurden. Befehlswart erkennt dies automatisch und verwendet "
        "dann die richtige Schriftart dafür. Wenn Befehle geschrieben werden, werden sie allerdings immer im "
        "Standard-Windows-Zeichensatz geschrieben, auch wenn eine OEM-Schriftart verwendet wird. (Die Umlaute sehen "
        "dann z.B. zwar ganz anders aus, wenn jedoch eine Standard-Schriftart hergeschalten wird, sehen sie wieder "
        "normal aus.)"));
    f3->hide();
}

QTEST_MAIN(TstFenster)
#include "tst_fenster.moc"
