#include "orderref/form2.h"

#include "core/fensterliste.h"
#include "core/globals.h"
#include "core/sound.h"
#include "platform/yield.h"
#include "platform/units.h"
#include "core/windowmenu.h"
#include "orderref/katalog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenuBar>
#include <QProxyStyle>
#include <QSignalBlocker>

using namespace platform;

namespace {
Form2 *g_form2 = nullptr;

const fensterliste::Anmeldung kImFensterMenue(QStringLiteral("Form2"), fensterliste::zugang<Form2>(&Form2::Unload));

constexpr quint32 kGruen = 0xC000;
constexpr quint32 kRot = 0xFF;

// The longest title fills the list to the pixel: its rows keep a margin of
// one pixel instead of the style's three.
class SchmaleZeilen : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric m, const QStyleOption *o, const QWidget *w) const override
    {
        if (m == PM_FocusFrameHMargin)
            return 0;
        return QProxyStyle::pixelMetric(m, o, w);
    }
};

// The heading's script font, or where it is missing a serif italic whose
// lines are as high as the heading's box: the installed chancery faces
// need 19 pixels at this size and would cut off the descenders.
QFont ueberschriftFont()
{
    QFont f = platform::font(QStringLiteral("QuillScript"), 10.2);
    if (!QFontDatabase::hasFamily(QStringLiteral("QuillScript"))) {
        f.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
        f.setStyleHint(QFont::Serif);
        f.setItalic(true);
    }
    return f;
}
} // namespace

Form2 *Form2::instance()
{
    if (!g_form2) {
        g_form2 = new Form2();
        g_form2->Form_Load();
    }
    return g_form2;
}

bool Form2::exists() { return g_form2 != nullptr; }

Form2::Form2() : Form(QStringLiteral("Form2"))
{
    setWindowTitle(QStringLiteral("Hilfe zu Gub Befehlen"));
    // Fixed single border: no maximise, no resizing.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFont(platform::font(QStringLiteral("MS Sans Serif"), 8.25));
    buildMenu();
    buildControls();
    setClientSizeTwips(9972, 7092);
    designState();
}

void Form2::buildControls()
{
    QWidget *c = client();

    List1 = new ListBox(c);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(platform::font(QStringLiteral("Courier New"), 9));
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *zeilen = new SchmaleZeilen(QApplication::style()->name());
    zeilen->setParent(List1);
    List1->setStyle(zeilen);
    place(List1, 120, 120, 8292, 3312);
    // The selection, not the current row: a mouse press moves the current row
    // before it selects, and the handler reads the selection.
    connect(List1, &QListWidget::itemSelectionChanged, this, &Form2::List1_Click);

    Label1 = new Label(c);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(ueberschriftFont());
    Label1->setWordWrap(false);
    place(Label1, 120, 3480, 9732, 252);

    Command2 = new QPushButton(c);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setToolTip(QStringLiteral("Schliessen"));
    place(Command2, 8880, 120, 1000, 1150);
    platform::alsBildknopf(Command2);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);

    Text1 = new TextBox(c);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFontName(QStringLiteral("Courier New"));
    Text1->setFontSize(7.8);
    Text1->setLocked(true);
    place(Text1, 120, 3720, 9732, 3200);

    Command1 = steuerelement<QPushButton>(c, QStringLiteral("Command1"), 8520, 1440, 1332, 252, QStringLiteral("Geheimbefehle"));
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    Label2 = new Label(c);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(false);

    setTabOrder(List1, Command2);
    setTabOrder(Command2, Text1);
    setTabOrder(Text1, Command1);

    setCancelButton(Command2);
    menuKeysWinOver({List1, Text1});
}

void Form2::buildMenu()
{
    winwindowdowssss = menuBar()->addMenu(QStringLiteral("Fenster"));
    winwindowdowssss->setObjectName(QStringLiteral("winwindowdowssss"));
    winwindowdowssss->menuAction()->setObjectName(QStringLiteral("winwindowdowssss"));
    auto mk = [this](const char *name, const QString &caption, const QKeySequence &key, void (Form2::*handler)()) {
        QAction *a = winwindowdowssss->addAction(caption);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return a;
    };
    winwinmin = mk("winwinmin", QStringLiteral("alle Fenster minimieren"), QKeySequence(Qt::Key_F8),
                   &Form2::winwinmin_Click);
    winwinschliess = mk("winwinschliess", QStringLiteral("alle Fenster schliessen und Hauptfenster minimieren"),
                        QKeySequence(Qt::Key_F9), &Form2::winwinschliess_Click);
    winwinanord = mk("winwinanord", QStringLiteral("Fenster anordnen"), QKeySequence(Qt::CTRL | Qt::Key_A),
                     &Form2::winwinanord_Click);
}

// The controls as the design leaves them, before the load fills the list.
void Form2::designState()
{
    {
        const QSignalBlocker block(List1);
        List1->clear();
    }
    Label1->setCaption(QString());
    Text1->setText(QString());
    Label2Left = 8580;
    Label2Top = 1800;
    Label2Width = 1212;
    Label2Height = 192;
    placeLabel2();
    Label2->setCaption(QStringLiteral("ON"));
    Label2->setBackColor(kGruen);
    Command1->setEnabled(true);
    moveTwips(36, 612);
}

void Form2::placeLabel2() { place(Label2, Label2Left, Label2Top, Label2Width, Label2Height); }

void Form2::addTitles()
{
    // Filling the list is not a pick: the click handler stays out of it.
    const QSignalBlocker block(List1);
    const QList<orderref::Befehl> &k = orderref::katalog();
    for (int i = 0; i < k.size(); ++i)
        List1->insertItem(i, k[i].titel);
}

void Form2::Form_Load()
{
    OnOFF = 1;
    addTitles();
}

void Form2::GeheimBefsON()
{
    {
        const QSignalBlocker block(List1);
        List1->clear();
    }
    addTitles();
}

void Form2::GeheimBefsOFF()
{
    const QSignalBlocker block(List1);
    const QList<orderref::Befehl> &k = orderref::katalog();
    int entfernt = 0;
    for (int p = 0; p < k.size(); ++p) {
        if (!k[p].geheim)
            continue;
        delete List1->takeItem(p - entfernt);
        ++entfernt;
    }
    // The list moved under the selection; the help shown stays as it is.
    List1->clearSelection();
    List1->setCurrentRow(-1);
}

void Form2::Command1_Click()
{
    if (!Command1->isEnabled())
        return;
    QString caption;
    quint32 farbe;
    if (OnOFF == 1) {
        OnOFF = 0;
        GeheimBefsOFF();
        caption = QStringLiteral("OFF");
        farbe = kRot;
    } else {
        OnOFF = 1;
        GeheimBefsON();
        caption = QStringLiteral("ON");
        farbe = kGruen;
    }

    // A second press while the indicator moves would leave it out of step
    // with the list, so the button waits until the animation has ended.
    Command1->setEnabled(false);
    const quint64 generation = m_generation;
    auto schritt = [&](float dLeft, float dWidth) {
        Label2Left += dLeft;
        Label2Width += dWidth;
        placeLabel2();
        // One yield a step: the window stays live while the indicator moves.
        platform::DoEvents();
        if (platform::programmEndet())
            return false;
        // Closed or unloaded meanwhile: the window is fresh again, leave it be.
        return generation == m_generation;
    };
    do {
        if (!schritt(10, -20))
            return;
    } while (Label2Width >= 20);
    Label2->setCaption(caption);
    Label2->setBackColor(farbe);
    do {
        if (!schritt(-10, 20))
            return;
    } while (Label2Width <= 1212);
    Command1->setEnabled(true);
}

void Form2::Command2_Click()
{
    KlickSpielen();
    hide();
}

void Form2::List1_Click()
{
    QString hilfe;
    const int n = List1->count();
    if (OnOFF == 1) {
        const QList<orderref::Befehl> &k = orderref::katalog();
        for (int i = 0; i < k.size() && i < n; ++i) {
            if (List1->item(i)->isSelected())
                hilfe = orderref::hilfetext(k[i]);
        }
    }
    if (OnOFF == 0) {
        const QList<orderref::Befehl> &o = orderref::oeffentlich();
        for (int i = 0; i < o.size() && i < n; ++i) {
            if (List1->item(i)->isSelected())
                hilfe = orderref::hilfetext(o[i]);
        }
    }
    if (BestaetigungsKlangAn == 1)
        Abspielen(klangspieler().MMControl4);
    const QListWidgetItem *aktuell = List1->currentItem();
    Label1->setCaption((aktuell ? aktuell->text() : QString()) + QStringLiteral(" , Befehl Nummer ")
                       + QString::number(List1->currentRow() + 1));
    Text1->setText(hilfe);
}

void Form2::winwinmin_Click() { FensterMinimieren(); }
void Form2::winwinschliess_Click() { FensterSchliessen(); }
void Form2::winwinanord_Click() { FensterAnordnen(); }

void Form2::Unload()
{
    hide();
    ++m_generation;
    setFensterZustand(0);
    designState();
    Form_Load();
}

// Closing through the title bar discards the window's state, as an unload
// does; the next showing finds it freshly loaded.
void Form2::Form_Unload(qint16 &)
{
    ++m_generation;
    designState();
    Form_Load();
}
