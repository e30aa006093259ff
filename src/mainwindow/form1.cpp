#include "mainwindow/form1.h"

#include "core/fensterliste.h"
#include "core/globals.h"
#include "core/sound.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/yield.h"
#include "platform/numbers.h"
#include "platform/units.h"
#include "platform/waveplayer.h"

#include <QApplication>
#include <QDir>
#include <QAbstractItemView>
#include <QFrame>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStyle>

using namespace platform;

std::function<void()> Form1::endProgram = [] { platform::programmBeenden(); };

namespace {
Form1 *g_form1 = nullptr;

// The window menu reaches it by its name and never unloads it: it holds the
// report and the orders.
const fensterliste::Anmeldung kImFensterMenue(QStringLiteral("Form1"), fensterliste::zugang<Form1>());
} // namespace

Form1 *Form1::instance()
{
    if (!g_form1) {
        g_form1 = new Form1();
        g_form1->Form_Load();
    }
    return g_form1;
}

bool Form1::exists() { return g_form1 != nullptr; }

Form1::Form1() : Form(QStringLiteral("Form1"))
{
    setWindowTitle(QStringLiteral("Befehlswart"));
    setFont(platform::font(QStringLiteral("MS Sans Serif"), 8.25));
    setClientSizeTwips(12228, 8208);
    setCentredOnFirstShow();
    buildControls();
    buildMenu();
    connectFontHandlers();
    connectRulesHandlers();
    setHauptfenster(this);
}

void Form1::buildControls()
{
    QWidget *c = client();
    auto mkLabel = [c](const char *name, double l, double t, double w, double h, const QString &cap = QString()) {
        return beschriftung(c, QLatin1String(name), l, t, w, h, cap);
    };
    Line1 = new QFrame(c);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(0, 0, twipsX(12228), 2);

    Label1 = mkLabel("Label1", 120, 120, 3972, 192);
    Label1->setForeColor(0x0000FF);
    Label3 = mkLabel("Label3", 120, 360, 2052, 252);
    {
        QFont f = platform::font(QStringLiteral("MS Sans Serif"), 9.6);
        f.setBold(true);
        Label3->setFont(f);
        Label3->setForeColor(0x0000FF);
    }
    Label5 = mkLabel("Label5", 2160, 360, 1932, 252);
    Label5->setForeColor(0x0000FF);

    File1 = steuerelement<FileListBox>(c, QStringLiteral("File1"), 120, 720, 1932, 2952);
    Dir1 = steuerelement<DirListBox>(c, QStringLiteral("Dir1"), 2160, 720, 1932, 2880);

    Label10 = mkLabel("Label10", 120, 3720, 1332, 252, QStringLiteral("Auswertung:"));
    Label14 = mkLabel("Label14", 1560, 3720, 2532, 252);
    Label14->setBackColor(0xC0C0C0);
    Label14->setForeColor(0x0000FF);

    Text3 = steuerelement<QLineEdit>(c, QStringLiteral("Text3"), 120, 3960, 492, 288, QStringLiteral("7"));
    Combo2 = new QComboBox(c);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->setEditText(QStringLiteral("Courier New"));
    place(Combo2, 840, 3960, 1932, 288);
    Command3 = steuerelement<QPushButton>(c, QStringLiteral("Command3"), 2880, 3960, 1212, 252, QStringLiteral("Abbruch"));
    Command3->hide();

    Picture1 = new QWidget(c);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    {
        QPalette p = Picture1->palette();
        p.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
        Picture1->setPalette(p);
    }
    place(Picture1, 80, 4320, 60, 132);

    Text2 = steuerelement<TextBox>(c, QStringLiteral("Text2"), 120, 4560, 8772, 3492);
    Text2->setFontName(QStringLiteral("Courier New"));
    Text2->setFontSize(Auswertungsgroesse);

    UebergangsText = steuerelement<TextStore>(c, QStringLiteral("UebergangsText"), 10560, 120, 252, 1092);

    Label2 = mkLabel("Label2", 4320, 120, 1620, 192, QStringLiteral("Neue Befehle:"));
    Text4 = steuerelement<QLineEdit>(c, QStringLiteral("Text4"), 4320, 360, 492, 288, QStringLiteral("10"));
    Combo1 = new QComboBox(c);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setEditText(QStringLiteral("Courier New"));
    place(Combo1, 4920, 360, 1932, 288);

    Text1 = steuerelement<TextBox>(c, QStringLiteral("Text1"), 4320, 720, 6132, 3492);
    Text1->setFontName(QStringLiteral("Courier New"));
    Text1->setFontSize(10.2);
    connect(Text1, &TextBox::changed, this, &Form1::Text1_Change);

    Label8 = mkLabel("Label8", 6960, 120, 2412, 612);
    Label8->setForeColor(0x0000FF);
    Label4 = mkLabel("Label4", 9480, 120, 972, 252, QStringLiteral("Dateiname:"));
    Text5 = steuerelement<QLineEdit>(c, QStringLiteral("Text5"), 9480, 360, 972, 288, QStringLiteral("Befehle"));
    connect(Text5, &QLineEdit::textChanged, this, &Form1::Text5_Change);

    Command2 = new QPushButton(c);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setToolTip(QStringLiteral("Beenden"));
    place(Command2, 10840, 120, 1000, 1150);
    platform::alsBildknopf(Command2);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);

    Label6 = mkLabel("Label6", 10560, 1440, 1572, 612);
    Label9 = mkLabel("Label9", 10560, 2040, 1572, 1812, QStringLiteral("Bedingung:"));
    Label12 = mkLabel("Label12", 10680, 2280, 1332, 1452);
    Label7 = mkLabel("Label7", 10560, 3960, 1572, 612);
    Label13 = mkLabel("Label13", 9360, 4320, 1056, 192);

    Combo3 = new QComboBox(c);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    Combo3->addItems({QStringLiteral("#-Commandos"), QStringLiteral("Ablauf eines Kampfes"),
                      QStringLiteral("Aufsteigen der Helden"), QStringLiteral("Bildung von B-,C- und D-Produkten"),
                      QStringLiteral("Burgerweiterung"), QStringLiteral("Eigenschaften der Helden und Monster"),
                      QStringLiteral("Einzelne Formeln"), QStringLiteral("Grosse Produktionstabelle"),
                      QStringLiteral("Nachschubkosten"), QStringLiteral("Rangtabelle"),
                      QStringLiteral("Stammerweiterungen"), QStringLiteral("Terraintabelle"),
                      QStringLiteral("Verarbeitungsreihenfolge"), QStringLiteral("Zaubersprüche")});
    place(Combo3, 9000, 4560, 3132, 288);
    // The narrow cut of the window's face: in the full one the longest
    // category is wider than the box's text field.
    Combo3->setFont(platform::font(QStringLiteral("Liberation Sans Narrow"), 8.25));
    List1 = new ListBox(c);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(platform::font(QStringLiteral("Courier New"), 7.8));
    place(List1, 9000, 4920, 3132, 1392);
    Text6 = new TextBox(c);
    Text6->setObjectName(QStringLiteral("Text6"));
    Text6->setLocked(true);
    place(Text6, 9000, 6480, 3132, 1572);

    Command1 = new QPushButton(c);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    Command1->setIconSize(QSize(16, 16));
    Command1->setToolTip(QStringLiteral("voriger Teil"));
    place(Command1, 8640, 4560, 252, 1572);
    Command1->hide();
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    Label15 = mkLabel("Label15", 8640, 6120, 252, 372);
    Label15->setFont(platform::font(QStringLiteral("MS Sans Serif"), 12));
    Label15->setAlignment(Qt::AlignCenter);
    Label15->hide();
    Command4 = new QPushButton(c);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command4->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    Command4->setIconSize(QSize(16, 16));
    Command4->setToolTip(QStringLiteral("nächster Teil"));
    place(Command4, 8640, 6480, 252, 1572);
    Command4->hide();
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);

    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(File1, &FileListBox::clicked, this, &Form1::File1_Click);
    connect(Dir1, &DirListBox::clicked, this, &Form1::Dir1_Click);
    connect(Dir1, &DirListBox::changed, this, &Form1::Dir1_Change);

    for (QComboBox *liste : {Combo1, Combo2, Combo3})
        platform::nurGewaehlt(liste);
    c->installEventFilter(this);
    menuKeysWinOver({Text1, Text2, Text6, Text3, Text4, Text5, Combo1, Combo2, Combo3, List1, File1, Dir1});
    setCancelButton(Command2);
}

void Form1::buildMenu()
{
    QMenuBar *mb = menuBar();
    auto mkMenu = [](QMenuBar *bar, const char *name, const QString &title) {
        QMenu *m = bar->addMenu(title);
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name));
        return m;
    };
    auto mkAction = [this](QMenu *m, const char *name, const QString &caption, const QKeySequence &key,
                           void (Form1::*handler)()) {
        QAction *a = m->addAction(caption);
        a->setObjectName(QLatin1String(name));
        if (!key.isEmpty()) {
            a->setShortcut(key);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        if (handler)
            connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return a;
    };
    auto sep = [](QMenu *m, const char *name) { m->addSeparator()->setObjectName(QLatin1String(name)); };

    d = mkMenu(mb, "d", QStringLiteral("Datei"));
    aktu = mkAction(d, "aktu", QStringLiteral("Neu laden"), QKeySequence(Qt::Key_F5), &Form1::aktu_Click);
    sep(d, "nichds");
    beend = mkAction(d, "beend", QStringLiteral("Beenden"), QKeySequence(Qt::CTRL | Qt::Key_Q), &Form1::beend_Click);

    befehle = mkMenu(mb, "befehle", QStringLiteral("Befehle"));
    hilfe = mkAction(befehle, "hilfe", QStringLiteral("Hilfe"), QKeySequence(Qt::Key_F1), &Form1::hilfe_Click);
    sep(befehle, "nix");
    speichern = mkAction(befehle, "speichern", QStringLiteral("speichern"), QKeySequence(Qt::Key_F2), &Form1::speichern_Click);
    speichern->setEnabled(false);
    laden = mkAction(befehle, "laden", QStringLiteral("laden"), QKeySequence(Qt::Key_F3), &Form1::laden_Click);
    sep(befehle, "garnix");
    zaehlzaehl = mkAction(befehle, "zaehlzaehl", QStringLiteral("zählen"), QKeySequence(Qt::ALT | Qt::Key_Backspace),
                          &Form1::zaehlzaehl_Click);
    grossbuchstststaben = mkAction(befehle, "grossbuchstststaben", QStringLiteral("Nur Grossbuchstaben"),
                                   QKeySequence(Qt::Key_F4), &Form1::grossbuchstststaben_Click);
    grossbuchstststaben->setCheckable(true);
    befmax = mkAction(befehle, "befmax", QStringLiteral("Maximieren"), QKeySequence(Qt::Key_F7), &Form1::befmax_Click);
    sep(befehle, "nixnixnix");
    HBefErst = mkAction(befehle, "HBefErst", QStringLiteral("Heeresbefehle erstellen"), QKeySequence(Qt::CTRL | Qt::Key_E),
                        &Form1::HBefErst_Click);

    auswww = mkMenu(mb, "auswww", QStringLiteral("Auswertung"));
    auswmax = mkAction(auswww, "auswmax", QStringLiteral("Maximieren"), QKeySequence(Qt::Key_F6), &Form1::auswmax_Click);
    sep(auswww, "nixnixnixnixnixnixnix");
    leerzeichfuegein = mkAction(auswww, "leerzeichfuegein", QStringLiteral("Leerzeichen sinnvoll einfügen"),
                                QKeySequence(Qt::CTRL | Qt::Key_L), &Form1::leerzeichfuegein_Click);
    auswertungspeicherrrrn = mkAction(auswww, "auswertungspeicherrrrn", QStringLiteral("speichern"),
                                      QKeySequence(Qt::CTRL | Qt::Key_S), &Form1::auswertungspeicherrrrn_Click);
    sep(auswww, "nothingno");
    searchforsomething = auswww->addMenu(QStringLiteral("suchen..."));
    searchforsomething->setObjectName(QStringLiteral("searchforsomething"));
    searchforsomething->menuAction()->setObjectName(QStringLiteral("searchforsomething"));
    bevoelkerruuung = mkAction(searchforsomething, "bevoelkerruuung", QStringLiteral("Bevölkerung"), {}, &Form1::bevoelkerruuung_Click);
    GGold = mkAction(searchforsomething, "GGold", QStringLiteral("verfügbares Gold"), {}, &Form1::GGold_Click);
    zzzauber = mkAction(searchforsomething, "zzzauber", QStringLiteral("Zaubersprüche"), {}, &Form1::zzzauber_Click);
    proodukte = mkAction(searchforsomething, "proodukte", QStringLiteral("Produkte"), {}, &Form1::proodukte_Click);
    kkontore = mkAction(searchforsomething, "kkontore", QStringLiteral("Kontore"), {}, &Form1::kkontore_Click);
    hhhelden = mkAction(searchforsomething, "hhhelden", QStringLiteral("Helden"), {}, &Form1::hhhelden_Click);
    llandstriche = mkAction(searchforsomething, "llandstriche", QStringLiteral("Landstriche"), {}, &Form1::llandstriche_Click);
    sstatistik = mkAction(searchforsomething, "sstatistik", QStringLiteral("Statistik"), {}, &Form1::sstatistik_Click);

    drr = mkMenu(mb, "drr", QStringLiteral("Drucken"));
    auswdruck = mkAction(drr, "auswdruck", QStringLiteral("Auswertung drucken"), QKeySequence(Qt::Key_F11), &Form1::auswdruck_Click);
    befdruck = mkAction(drr, "befdruck", QStringLiteral("Befehle drucken"), QKeySequence(Qt::Key_F12), &Form1::befdruck_Click);

    winwindowdow = mkMenu(mb, "winwindowdow", QStringLiteral("Fenster"));
    winwinmin = mkAction(winwindowdow, "winwinmin", QStringLiteral("alle Fenster minimieren"), QKeySequence(Qt::Key_F8),
                         &Form1::winwinmin_Click);
    winwinschliess = mkAction(winwindowdow, "winwinschliess", QStringLiteral("alle Fenster schliessen und Hauptfenster minimieren"),
                              QKeySequence(Qt::Key_F9), &Form1::winwinschliess_Click);
    winwinanord = mkAction(winwindowdow, "winwinanord", QStringLiteral("Fenster anordnen"), QKeySequence(Qt::CTRL | Qt::Key_A),
                           &Form1::winwinanord_Click);

    mappp = mkMenu(mb, "mappp", QStringLiteral("Karte"));
    starttt = mkAction(mappp, "starttt", QStringLiteral("öffnen"), QKeySequence(Qt::CTRL | Qt::Key_K), &Form1::starttt_Click);

    Fragezeichen = mkMenu(mb, "Fragezeichen", QStringLiteral("?"));
    inf = mkAction(Fragezeichen, "inf", QStringLiteral("Info"), QKeySequence(Qt::CTRL | Qt::Key_I), &Form1::inf_Click);
    hlp = mkAction(Fragezeichen, "hlp", QStringLiteral("Help"), QKeySequence(Qt::CTRL | Qt::Key_H), &Form1::hlp_Click);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == client() && event->type() == QEvent::Paint)
        paintBar();
    return Form::eventFilter(watched, event);
}

void Form1::Form_Load()
{
    Label6->setCaption(QStringLiteral("Befehlswart\nVersion ") + ProgrammVersion);
    KontaktSeite = QStringLiteral("https://befehlswart.example.org/");
    KontaktMail = QStringLiteral("befehlswart@example.org");
    HeimatSeite = KontaktSeite + QStringLiteral("\r\nE-Mail: ") + KontaktMail;
    Label12->setCaption(QStringLiteral("Schreib' mir bitte eine E-Mail und sag' mir, was du vom Befehlswart hältst, falls du das Programm benutzt."));
    Label7->setCaption(QStringLiteral("Dezember 2026\nvom Befehlswart-Team"));

    x1 = 130;
    y1 = 4430;
    breite = 100;
    hoehe = 9600;
    Auswertungsgroesse = 7;
    Befehlgroesse = 10;

    Text5->setText(StandardBefehlsdatei);

    gross = 0;
    DruckSchriftGroesse = 10;
    verandert = 0;

    QDir::setCurrent(StandardPfad.isEmpty() ? QDir::currentPath() : StandardPfad);
    Dir1->setPath(QDir::currentPath());
    File1->setPath(QDir::currentPath());

    abbruch = 0;

    Combo3->setCurrentText(QStringLiteral("#-Commandos"));
    listeladenkreuz();

    Ueberschneidung = 100;

    // The start-up load runs before the font defaults below, so an OEM
    // report loaded at start ends up in Courier New at size 7.
    if (!StartAuswertung.isEmpty()) {
        File1->setCurrentRow(-1);
        File1->clearSelection();
        lad();
        if (programmEndet())
            return;
    }

    // On Linux the printer's fonts are the system's.
    // The program's own names stand beside the system's, so that a player
    // can always go back to "Courier New" or "Terminal".
    const QStringList fonts = platform::schriftAuswahl();
    for (const QString &f : fonts) {
        Combo1->addItem(f);
        Combo2->addItem(f);
    }
    for (QComboBox *c : {Combo1, Combo2}) {
        // The open list is as wide as its longest name, which it shows whole.
        c->view()->setTextElideMode(Qt::ElideNone);
        c->view()->setMinimumWidth(c->view()->sizeHintForColumn(0) + 2 * c->view()->frameWidth()
                                   + c->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, c));
    }

    Text1->setFontName(QStringLiteral("Courier New"));
    Text1->setFontSize(Befehlgroesse);
    Text2->setFontName(QStringLiteral("Courier New"));
    Text2->setFontSize(Auswertungsgroesse);
    Combo1->setEditText(Text1->fontName());
    Combo2->setEditText(Text2->fontName());
    Text3->setText(QStringLiteral("7"));
    Text4->setText(QStringLiteral("10"));

    const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize(1024, 768);
    BildschirmBreite = CInt(screen.width());
    BildschirmHoehe = CInt(screen.height());
    const QString anfangText = QStringLiteral("Dieses Programm ist optimiert für eine Auflösung von 1024 x 768 Pixeln. Deine Auflösung (")
                               + str(BildschirmBreite) + QStringLiteral("x") + str(BildschirmHoehe);
    if (BildschirmBreite > 1024)
        MsgBox(anfangText + QStringLiteral(") ist etwas zu hoch, um Befehlswart optimal nutzen zu können."));
    if (BildschirmBreite < 1024)
        MsgBox(anfangText + QStringLiteral(") ist etwas zu niedrig, um Befehlswart optimal nutzen zu können."));

    Label8->setForeColor(0x80000012);
    Label8->setCaption(QStringLiteral("Bildschirmauflösung: ") + str(BildschirmBreite) + QStringLiteral("x")
                       + str(BildschirmHoehe) + QStringLiteral("\r\nOptimiert für 1024x768, Schriftgrösse gross."));
}

void Form1::Form_Activate()
{
    Dir1_Change();
}

void Form1::Dir1_Change()
{
    QDir::setCurrent(Dir1->path());
    File1->setPath(Dir1->path());
    if (verandert == 0) {
        verandert = 1;
        speichern->setEnabled(true);
    }
}

void Form1::Dir1_Click()
{
    if (arbeit != 1)
        return;
    if (MsgBox(QStringLiteral("Den aktuellen Ladevorgang wirklich abbrechen?"), YesNo) != Yes)
        return;
    ladAbbrechen();
    Dir1->setPath(Dir1->entryPath());
}

void Form1::File1_Click()
{
    try {
        if (verandert == 1 && !Text1->text().isEmpty()) {
            if (MsgBox(QStringLiteral("Befehle noch nicht gespeichert.\r\nWirklich neue Auswertung laden und Änderungen bei den Befehlen verwerfen?"),
                       YesNo | Warning, QStringLiteral("Befehlswart")) == No)
                return;
        }
        lad();
        Text2->setFocus();
    } catch (const platform::Error &e) {
        ladFehler(Ladeschritt::Klick, e.number, e.description);
    }
}

void Form1::aktu_Click()
{
    KlickSpielen();
    File1->refresh();
    Dir1->refresh();
}

void Form1::beend_Click() { ButtonEnde(); }

void Form1::Command2_Click()
{
    KlickSpielen();
    ButtonEnde();
}

namespace {
// The question before the end names first what it would drop unsaved.
int endeFrage(bool karte, qint16 verandert)
{
    QString offen;
    if (karte)
        offen += QStringLiteral("Karte noch nicht gespeichert.\r\n");
    if (verandert == 1)
        offen += QStringLiteral("Befehle noch nicht gespeichert.\r\n");
    if (offen.isEmpty())
        return MsgBox(QStringLiteral("Wirklich beenden?"), YesNo, QStringLiteral("Befehlswart"));
    return MsgBox(offen + QStringLiteral("Wirklich beenden?"), YesNo | Warning, QStringLiteral("Befehlswart"));
}
} // namespace

void Form1::ButtonEnde()
{
    if (endeFrage(karteUngespeichert(), verandert) == Yes)
        endProgram();
}

void Form1::Form_QueryUnload(qint16 &Cancel, qint16)
{
    if (endeFrage(karteUngespeichert(), verandert) != Yes)
        Cancel = 1;
}

void Form1::Form_Unload(qint16 &)
{
    const Klangspieler &k = klangspieler();
    for (WavePlayer *m : {k.MMControl1, k.MMControl2, k.MMControl3, k.MMControl4})
        m->Command(QStringLiteral("Close"));
    endProgram();
}

void Form1::enableFileMenus(bool on)
{
    aktu->setEnabled(on);
    speichern->setEnabled(on);
    laden->setEnabled(on);
    auswertungspeicherrrrn->setEnabled(on);
}

void Form1::drawBar(double length, bool visible)
{
    const bool same = visible == m_barVisible && twipsX(length) == twipsX(m_barLength);
    m_barLength = length;
    m_barVisible = visible;
    if (!same)
        client()->update(twipsRect(x1, y1 - breite, 2.0 * hoehe + 200, breite).adjusted(-2, -2, 2, 2));
}

void Form1::paintBar()
{
    if (!m_barVisible || m_barLength <= 0)
        return;
    QPainter p(client());
    const int left = twipsX(x1);
    const int top = twipsY(y1 - breite);
    p.fillRect(QRect(left, top, std::max(1, twipsX(x1 + m_barLength) - left), twipsY(y1) - top), platform::color(0xFF0000));
}
