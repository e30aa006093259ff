#include "core/form3.h"

#include "platform/codepage.h"
#include "core/einstellungen.h"
#include "core/fensterliste.h"
#include "core/form4.h"
#include "core/globals.h"
#include "core/sound.h"
#include "core/startup.h"
#include "core/windowmenu.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/yield.h"
#include "platform/units.h"
#include "mainwindow/form1.h"
#include "orderref/form2.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QScreen>

using namespace platform;

namespace {
Form3 *g_form3 = nullptr;

const fensterliste::Anmeldung kImFensterMenue(QStringLiteral("Form3"), fensterliste::zugang<Form3>());

const QString kKeinKlang = QStringLiteral("Es existiert keine entsprechende Sounddatei auf deinem Computer.");
const QString kFehlendeDateien = QStringLiteral("Fehlende Dateien");
const QString kVerknuepfungenFehlen = QStringLiteral(
    "Es fehlen höchstwahrscheinlich die Dateien, die die Informationen für Tramsel's Homepage und Tramsel's Mail "
    "enthalten. Bitte neu installieren. Falls das Problem öfter auftritt, gib' mir bitte Bescheid.");
const QString kHomepageDatei = QStringLiteral("Tramsel's Homepage.url");
const QString kMailDatei = QStringLiteral("Tramsel's GubMail.url");

constexpr quint32 kGelb = 0x0000FFFF;
constexpr quint32 kOliv = 0x00008080;
constexpr quint32 kBraun = 0x00004080;
constexpr quint32 kWeiss = 0x00FFFFFF;
constexpr quint32 kArbeitsflaeche = 0x8000000C;
constexpr quint32 kRahmen = 0x8000000A;

// The folder to fall back on when the chosen one is gone: the root.
QString heimOrdner() { return QDir::homePath() + QLatin1Char('/'); }

void wechsleOrdner(const QString &ordner)
{
    if (ordner.isEmpty() || !QDir::setCurrent(ordner))
        raise(76);
}


// A switch of the settings file takes 0 or 1; a hand-edited other value
// changes nothing, and the rest of the file still applies.
void uebernimm(qint16 wert, qint16 &schalter)
{
    if (wert == 0 || wert == 1)
        schalter = wert;
}

void versteckeFenster(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            w->hide();
}

} // namespace

std::function<bool(const QUrl &)> Form3::linkOeffnen = [](const QUrl &ziel) { return QDesktopServices::openUrl(ziel); };

Form3 *Form3::instance()
{
    if (!g_form3) {
        g_form3 = new Form3();
        g_form3->Form_Load();
    }
    return g_form3;
}

bool Form3::exists() { return g_form3 != nullptr; }

Form3::~Form3()
{
    if (g_form3 == this)
        g_form3 = nullptr;
    // The players go quiet with the window; the next one opens them afresh.
    for (WavePlayer *m : {MMControl1, MMControl2, MMControl3, MMControl4, MMControl5, MMControl6, MMControl7, MMControl8})
        m->Command(QStringLiteral("Close"));
}

Form3::Form3() : Form(QStringLiteral("Form3"))
{
    setWindowTitle(QStringLiteral("Befehlswart - Starteinstellungen"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFont(platform::font(QStringLiteral("MS Sans Serif"), 8.25));
    setClientSizeTwips(5892, 5292);
    buildControls();
    setCentredOnFirstShow();
}

void Form3::buildControls()
{
    QWidget *c = client();
    auto label = [](QWidget *parent, const char *name, double l, double t, double w, double h, const QString &cap) {
        return beschriftung(parent, QLatin1String(name), l, t, w, h, cap);
    };
    auto frame = [c](const char *name, double l, double t, double w, double h, const QString &cap) {
        return steuerelement<QGroupBox>(c, QLatin1String(name), l, t, w, h, cap);
    };
    auto text = [](QWidget *parent, const char *name, double l, double t, double w, const QString &t0) {
        return steuerelement<QLineEdit>(parent, QLatin1String(name), l, t, w, 288, t0);
    };
    auto knopf = [](QWidget *parent, const QString &name, double l, double t, double w, double h,
                    const QString &cap) {
        return steuerelement<QPushButton>(parent, name, l, t, w, h, cap);
    };
    auto box = [](QWidget *parent, const char *name, double l, double t, double w, const QString &cap) {
        return steuerelement<QCheckBox>(parent, QLatin1String(name), l, t, w, 252, cap);
    };

    Label2 = label(c, "Label2", 120, 120, 4200, 252, QStringLiteral("Willkommen zu Befehlswart."));
    QFont fett = Label2->font();
    fett.setBold(true);
    Label2->setFont(fett);
    Label10 = label(c, "Label10", 5532, 60, 252, 252, QStringLiteral("?"));
    Label10->setAlignment(Qt::AlignCenter);
    Label10->setFont(fett);
    Label10->setBackColor(kRahmen);
    m_label10Farbe = platform::color(kRahmen);
    Label10->setMouseTracking(true);

    const QString durchsuchen = QStringLiteral("Durchsuchen...");
    Frame1 = frame("Frame1", 120, 420, 5652, 612, QStringLiteral("Pfad für Gub Auswertungen und Gub Befehlsdateien"));
    Text1 = text(Frame1, "Text1", 120, 240, 3960, heimOrdner());
    Command1[0] = knopf(Frame1, QStringLiteral("Command1(0)"), 4200, 228, 1332, 312, durchsuchen);

    Frame3 = frame("Frame3", 120, 1092, 5652, 792, QStringLiteral("Standardname für Auswertungsdatei"));
    Text3 = text(Frame3, "Text3", 120, 240, 3960, QStringLiteral("Auswertung.txt"));
    Text3->setEnabled(false);
    Check1 = box(Frame3, "Check1", 120, 540, 2400, QStringLiteral("Automatisch laden"));
    Command1[1] = knopf(Frame3, QStringLiteral("Command1(1)"), 4200, 228, 1332, 312, durchsuchen);
    Command1[1]->setEnabled(false);

    Frame2 = frame("Frame2", 120, 1944, 5652, 612, QStringLiteral("Standardname für Befehlsdatei"));
    Text2 = text(Frame2, "Text2", 120, 240, 3960, QStringLiteral("Befehle.txt"));
    Command1[2] = knopf(Frame2, QStringLiteral("Command1(2)"), 4200, 228, 1332, 312, durchsuchen);

    Frame4 = frame("Frame4", 120, 2616, 4200, 1080, QStringLiteral("Soundeinstellungen"));
    Check2 = box(Frame4, "Check2", 120, 240, 2200, QStringLiteral("Tippsounds"));
    Check3 = box(Frame4, "Check3", 120, 492, 2200, QStringLiteral("Bestätigungssounds"));
    Check4 = box(Frame4, "Check4", 120, 744, 2200, QStringLiteral("Klicksounds"));
    Command5 = knopf(Frame4, QStringLiteral("Command5"), 2760, 660, 1300, 336, QStringLiteral("Testen"));
    Command5->setEnabled(false);

    Command4 = knopf(c, QStringLiteral("Command4"), 4440, 2616, 1332, 1512, QString());
    platform::alsBildknopf(Command4);
    Command2 = knopf(c, QStringLiteral("Command2"), 120, 3780, 3300, 372,
                     QStringLiteral("Als Standardeinstellungen verwenden"));
    Command3 = knopf(c, QStringLiteral("Command3"), 3540, 3780, 780, 372, QStringLiteral("Ok"));

    // As wide as the frames above: the message about a missing sound file
    // takes one line, and the row below leaves no room for a second.
    Label1 = label(c, "Label1", 120, 4212, 5652, 216, QString());
    Label1->setForeColor(0x000000FF);
    Label3 = label(c, "Label3", 120, 4440, 960, 204, QStringLiteral("Autor:"));
    Label6 = label(c, "Label6", 120, 4650, 960, 204, QStringLiteral("EMail:"));
    Label7 = label(c, "Label7", 120, 4860, 960, 204, QStringLiteral("Homepage:"));
    for (Label *l : {Label3, Label6, Label7})
        l->setForeColor(0x000000FF);
    Label9 = label(c, "Label9", 1140, 4440, 4600, 204, QStringLiteral("das Befehlswart-Team"));
    Label9->setForeColor(0x00008000);
    Label4 = label(c, "Label4", 1140, 4650, 4600, 204, QStringLiteral("befehlswart@example.org"));
    Label5 = label(c, "Label5", 1140, 4860, 4600, 204, QStringLiteral("https://befehlswart.example.org/"));
    for (Label *l : {Label4, Label5}) {
        QFont u = l->font();
        u.setUnderline(true);
        l->setFont(u);
        l->setCursor(Qt::PointingHandCursor);
    }
    Label4->setForeColor(kOliv);
    Label5->setForeColor(kBraun);

    Dir1 = new DirListBox(c);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->hide();

    ProgressBar1 = new ProgressBar(c);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    place(ProgressBar1, 0, 5100, 5892, 192);

    connect(Check1, &QCheckBox::toggled, this, &Form3::Check1_Click);
    connect(Check2, &QCheckBox::toggled, this, &Form3::Check2_Click);
    connect(Check3, &QCheckBox::toggled, this, &Form3::Check3_Click);
    connect(Check4, &QCheckBox::toggled, this, &Form3::Check4_Click);
    for (int i = 0; i < 3; ++i)
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form3::Command5_Click);
    for (QObject *o : std::initializer_list<QObject *>{Check2, Check3, Check4, Label4, Label5, Label10, c})
        o->installEventFilter(this);
    c->setMouseTracking(true);

    // Enter is "Ok" unless another button has the focus; Esc quits.
    setDefaultButton(Command3);
    setCancelButton(Command4);
}

bool Form3::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type t = event->type();
    if (t == QEvent::MouseButtonPress) {
        if (watched == Check2)
            Check2_MouseDown();
        else if (watched == Check3)
            Check3_MouseDown();
        else if (watched == Check4)
            Check4_MouseDown();
        else if (watched == Label4)
            Label4_MouseDown();
        else if (watched == Label5)
            Label5_MouseDown();
        else if (watched == Label10)
            Label10_MouseDown();
    } else if (t == QEvent::MouseButtonRelease) {
        auto *me = static_cast<QMouseEvent *>(event);
        auto *w = qobject_cast<QWidget *>(watched);
        const bool drin = w && w->rect().contains(me->position().toPoint());
        if (watched == Label4) {
            Label4_MouseUp();
            if (drin)
                Label4_Click();
        } else if (watched == Label5) {
            Label5_MouseUp();
            if (drin)
                Label5_Click();
        } else if (watched == Label10) {
            Label10_MouseUp();
            if (drin)
                Label10_Click();
        }
    } else if (t == QEvent::MouseMove) {
        if (watched == Label10)
            Label10_MouseMove();
        else if (watched == client())
            Form_MouseMove();
    } else if (t == QEvent::FocusOut) {
        if (watched == Check2)
            Check2_LostFocus();
        else if (watched == Check3)
            Check3_LostFocus();
        else if (watched == Check4)
            Check4_LostFocus();
    }
    return Form::eventFilter(watched, event);
}

// ---------------------------------------------------------------- load

void Form3::spielerOeffnen()
{
    struct Spieler {
        WavePlayer *m;
        const char *datei;
        qint16 *flag;
    };
    const Spieler alle[] = {
        {MMControl1, "gub3.wav", &vorhandenbest},   {MMControl2, "gub2.wav", &vorhandenbest},
        {MMControl3, "gub1.wav", &vorhandenbest},   {MMControl4, "dui.wav", &vorhandentipp},
        {MMControl5, "Klick.wav", &vorhandenklick}, {MMControl6, "Trööt.wav", &vorhandenklick},
        {MMControl7, "Feld.wav", &vorhandenklick},  {MMControl8, "Gubhort.wav", &vorhandenklick},
    };
    for (const Spieler &s : alle) {
        const QString gefunden = einstellungen::finde(KlangPfad, QString::fromUtf8(s.datei));
        if (gefunden.isEmpty())
            continue;
        s.m->Notify = false;
        s.m->Wait = true;
        s.m->FileName = KlangPfad + gefunden;
        s.m->Command(QStringLiteral("Open"));
        *s.flag = 1;
    }
}

void Form3::einstellungenLesen()
{
    warten = 1;
    // The whole file is read at once, so it is closed whatever happens.
    const einstellungen::Werte w = einstellungen::laden(ProgrammPfad + einstellungen::kDateiname);
    StandardPfad = w.pfad;
    StandardBefehlsdatei = w.befehlsdatei;
    StartAuswertung = w.auswertung;
    uebernimm(w.autoLaden, auto_);
    uebernimm(w.bestaetigung, BestaetigungsKlangAn);
    uebernimm(w.tipp, TippKlangAn);
    uebernimm(w.klick, KlickKlangAn);

    Text3->setText(StartAuswertung);
    Text2->setText(StandardBefehlsdatei);
    Text1->setText(StandardPfad);
    Check1->setChecked(auto_ == 1);
    if (klangDa(QStringLiteral("dui.wav")))
        Check2->setChecked(TippKlangAn == 1);
    if (klangDa(QStringLiteral("gub1.wav")) || klangDa(QStringLiteral("gub2.wav")) || klangDa(QStringLiteral("gub3.wav")))
        Check3->setChecked(BestaetigungsKlangAn == 1);
    if (klangDa(QStringLiteral("klick.wav")))
        Check4->setChecked(KlickKlangAn == 1);
    warten = 0;
}

void Form3::Form_Load()
{
    try {
        vorhandentipp = 0;
        vorhandenbest = 0;
        vorhandenklick = 0;
        KlangPfad = ProgrammPfad + QStringLiteral("sounds/");
        schluss = 0;
        manuell = 0;
        spielerOeffnen();
        ProgrammVersion = QStringLiteral("2.10");
        BestaetigungsKlangAn = 0;
        TippKlangAn = 0;
        KlickKlangAn = 0;
        StartAuswertung = Text3->text();
        StandardBefehlsdatei = Text2->text();
        wechsleOrdner(ProgrammPfad);
        StandardPfad = ProgrammPfad;

        const bool mitDatei = QFileInfo(ProgrammPfad + einstellungen::kDateiname).isFile();
        if (mitDatei)
            einstellungenLesen();

        const QString web = ProgrammPfad + kHomepageDatei;
        const QString mail = ProgrammPfad + kMailDatei;
        if (QFileInfo(web).isFile())
            OLE1 = einstellungen::verknuepfungsZiel(codepage::readFile(web));
        if (QFileInfo(mail).isFile())
            OLE2 = einstellungen::verknuepfungsZiel(codepage::readFile(mail));
        if (!QFileInfo(web).isFile() || !QFileInfo(mail).isFile())
            MsgBox(kVerknuepfungenFehlen, OkOnly, kFehlendeDateien);

        if (mitDatei)
            wechsleOrdner(StandardPfad);
    } catch (const platform::Error &e) {
        if (e.number == 76) {
            MsgBox(QStringLiteral("error nr.") + QString::number(e.number) + QStringLiteral("  Fehler: ") + e.description);
            QDir::setCurrent(heimOrdner());
            Text1->setText(heimOrdner());
        } else {
            MsgBox(kVerknuepfungenFehlen, OkOnly, kFehlendeDateien);
        }
    }
    // A read that stopped half-way must not leave the window refusing "Ok".
    warten = 0;

    if (FilmGezeigt.isValid() && FilmGezeigt.toInt() == 1)
        versteckeFenster("Form7");
    else if (!FilmGezeigt.isValid() || FilmGezeigt.toInt() == 0)
        versteckeFenster("Form5");
}

// ---------------------------------------------------------------- buttons

void Form3::Check1_Click()
{
    const bool an = Check1->isChecked();
    Text3->setEnabled(an);
    Command1[1]->setEnabled(an);
    auto_ = an ? 1 : 0;
}

void Form3::Command1_Click(int Index)
{
    KlickSpielen();
    try {
        AuswahlModus = qint16(Index);
        wechsleOrdner(Text1->text());
        Form4 *f = Form4::instance();
        f->show();
        f->SetFocus();
    } catch (const platform::Error &e) {
        if (e.number == 76) {
            Form4 *f = Form4::instance();
            f->show();
            f->SetFocus();
            QDir::setCurrent(heimOrdner());
        } else {
            MsgBox(QStringLiteral("Fehler Nummer ") + QString::number(e.number) + QStringLiteral(": '") + e.description
                   + QStringLiteral("' ist aufgetreten. Bitte mich per EMail benachrichtigen."));
        }
    }
}

void Form3::Command2_Click()
{
    KlickSpielen();
    StartAuswertung = Text3->text();
    StandardBefehlsdatei = Text2->text();
    StandardPfad = Text1->text();
    auto_ = Check1->isChecked() ? 1 : 0;
    warten = 1;
    try {
        einstellungen::Werte w;
        w.pfad = StandardPfad;
        w.befehlsdatei = StandardBefehlsdatei;
        w.auswertung = StartAuswertung;
        w.autoLaden = auto_;
        w.bestaetigung = BestaetigungsKlangAn;
        w.tipp = TippKlangAn;
        w.klick = KlickKlangAn;
        einstellungen::speichern(ProgrammPfad + einstellungen::kDateiname, w);
    } catch (const platform::Error &e) {
        MsgBox(platform::speicherFehler(e, QStringLiteral("Die Einstellungen wurden nicht gespeichert."),
                                        QStringLiteral("Dateiname beinhaltet ungültige Zeichen.")));
    }
    warten = 0;
}

void Form3::Command3_Click()
{
    KlickSpielen();
    if (warten == 1)
        return;
    try {
        if (Check1->isChecked())
            StartAuswertung = Text3->text();
        else
            StartAuswertung.clear();
        StandardBefehlsdatei = Text2->text();
        // A folder typed without its last "/" is the same folder; the names
        // are joined to it as they stand.
        StandardPfad = start::ordnerMitTrenner(Text1->text());
        wechsleOrdner(StandardPfad);
        Dir1->setPath(StandardPfad);

        // An empty name is no file to look for: the refusal itself tells the
        // player to empty the boxes when he wants none.
        const bool befehle = StandardBefehlsdatei.isEmpty() || QFileInfo(StandardPfad + StandardBefehlsdatei).isFile();
        const bool bericht = StartAuswertung.isEmpty() || QFileInfo(StandardPfad + StartAuswertung).isFile();
        if (!befehle || !bericht) {
            MsgBox(QStringLiteral("Die ausgewählten und angegebenen Dateien müssen sich beide im oben angegebenen "
                                  "Verzeichnis befinden.\r\nWenn du keine angeben möchtest, dann lösche einfach die "
                                  "Einträge. Die entsprechenden Dateien können nachher immer noch angegeben werden."));
            return;
        }

        Command3->setEnabled(false);
        Command3->setText(QStringLiteral("Lädt..."));
        for (QWidget *w : std::initializer_list<QWidget *>{Command2, Command1[0], Command1[1], Command1[2], Command4,
                                                           Command5, Text1, Text2, Text3, Check1, Check2, Check3,
                                                           Check4})
            w->setEnabled(false);
        Label1->setCaption(QString());
        schluss = 1;
        for (WavePlayer *m : {MMControl1, MMControl2, MMControl3, MMControl4})
            m->Command(QStringLiteral("Stop"));
        for (WavePlayer *m : {MMControl1, MMControl2, MMControl3, MMControl4})
            m->Command(QStringLiteral("Prev"));
        Form1 *f = Form1::instance();
        if (platform::programmEndet())
            return;
        f->show();
        hide();
    } catch (const platform::Error &e) {
        if (e.number == 76)
            MsgBox(QStringLiteral("Die ausgewählten und angegebenen Dateien müssen sich beide im oben angegebenen "
                                  "Verzeichnis befinden.\nAusserdem muss es sich um gültige Angaben handeln und das "
                                  "Laufwerk muss dasselbe sein, wie das, in dem sich Befehlswart befindet."));
        else
            MsgBox(QStringLiteral("Fehler Nummer ") + QString::number(e.number) + QStringLiteral(": '") + e.description
                   + QStringLiteral("' ist aufgetreten. Bitte mich per EMail benachrichtigen."));
    }
}

void Form3::Command4_Click()
{
    KlickSpielen();
    Form1::endProgram();
}

void Form3::Form_Unload(qint16 &)
{
    for (WavePlayer *m : {MMControl1, MMControl2, MMControl3, MMControl4})
        m->Command(QStringLiteral("Close"));
    Form1::endProgram();
}

// ---------------------------------------------------------------- contact links

void Form3::kontaktOeffnen(const QUrl &ziel, const QString &fehlerText)
{
    // The order-code reference is put out of the way of the program that
    // opens the link; loading it here does not show it.
    Form2::instance()->setFensterZustand(1);
    if (ziel.isEmpty() || !ziel.isValid()) {
        MsgBox(fehlerText, OkOnly, kFehlendeDateien);
        Form2::instance()->setFensterZustand(0);
    } else if (!linkOeffnen(ziel)) {
        // The shortcut file is there; nothing on this system opens its link.
        MsgBox(QStringLiteral("Es wurde kein Programm gefunden, das diesen Link öffnen kann:\r\n")
               + ziel.toString());
        Form2::instance()->setFensterZustand(0);
    }
}

void Form3::Label4_Click()
{
    if (warten == 1)
        MsgBox(QStringLiteral("Es wird gerade eine Datei geladen."));
    kontaktOeffnen(OLE2, QStringLiteral("Es fehlt die Datei, die die Information für Tramsel's Mail enthält. Bitte neu "
                                        "installieren. Falls das Problem öfter auftritt, gib' mir bitte Bescheid."));
}

void Form3::Label5_Click()
{
    kontaktOeffnen(OLE1, QStringLiteral("Es fehlt die Datei, die die Information für Tramsel's Homepage enthält. Bitte "
                                        "neu installieren. Falls das Problem öfter auftritt, gib' mir bitte Bescheid."));
}

void Form3::Label4_MouseDown() { Label4->setForeColor(kGelb); }
void Form3::Label4_MouseUp() { Label4->setForeColor(kOliv); }
void Form3::Label5_MouseDown() { Label5->setForeColor(kGelb); }
void Form3::Label5_MouseUp() { Label5->setForeColor(kBraun); }

// ---------------------------------------------------------------- info label

void Form3::Label10_Click() { ProgrammBeschreibungZeigen(); }

void Form3::Label10_MouseDown()
{
    Label10->setBackColor(kArbeitsflaeche);
    m_label10Farbe = platform::color(kArbeitsflaeche);
}

void Form3::Label10_MouseMove()
{
    Label10->setBackColor(kWeiss);
    m_label10Farbe = platform::color(kWeiss);
}

void Form3::Label10_MouseUp()
{
    Label10->setBackColor(kRahmen);
    m_label10Farbe = platform::color(kRahmen);
}

void Form3::Form_MouseMove()
{
    if (m_label10Farbe == platform::color(kWeiss))
        Label10_MouseUp();
}

// ---------------------------------------------------------------- sound switches

bool Form3::klangDa(const QString &name) const { return !einstellungen::finde(KlangPfad, name).isEmpty(); }

void Form3::schalterKlick(QCheckBox *box, bool dateiFehlt, qint16 &schalter)
{
    if (box->isChecked()) {
        if (dateiFehlt && manuell == 1) {
            box->setChecked(false);
            Label1->setCaption(kKeinKlang);
            return;
        }
        Command5->setEnabled(true);
        schalter = 1;
    } else {
        if (!Check2->isChecked() && !Check3->isChecked() && !Check4->isChecked())
            Command5->setEnabled(false);
        schalter = 0;
    }
}

void Form3::Check2_Click() { schalterKlick(Check2, !klangDa(QStringLiteral("dui.wav")), TippKlangAn); }

void Form3::Check3_Click()
{
    const bool fehlt = !klangDa(QStringLiteral("gub1.wav")) && !klangDa(QStringLiteral("gub3.wav"))
                       && !klangDa(QStringLiteral("gub2.wav"));
    schalterKlick(Check3, fehlt, BestaetigungsKlangAn);
}

void Form3::Check4_Click() { schalterKlick(Check4, !klangDa(QStringLiteral("klick.wav")), KlickKlangAn); }

void Form3::Check2_LostFocus() { Label1->setCaption(QString()); }
void Form3::Check3_LostFocus() { Label1->setCaption(QString()); }
void Form3::Check4_LostFocus() { Label1->setCaption(QString()); }
void Form3::Check2_MouseDown() { manuell = 1; }
void Form3::Check3_MouseDown() { manuell = 1; }
void Form3::Check4_MouseDown() { manuell = 1; }

void Form3::Command5_Click()
{
    if (vorhandentipp == 0 && vorhandenbest == 0 && vorhandenklick == 0) {
        MsgBox(QStringLiteral("Keine Sounddateien verfügbar."));
        return;
    }
    const bool c2 = Check2->isChecked(), c3 = Check3->isChecked(), c4 = Check4->isChecked();
    if (c2 && vorhandentipp == 0) {
        MsgBox(QStringLiteral("Tipp-Sounddatei nicht verfügbar."));
        if (!c3 && !c4)
            return;
    }
    if (c3 && vorhandenbest == 0) {
        MsgBox(QStringLiteral("Bestätigungs-Sounddatei nicht verfügbar."));
        if (!c2 && !c4)
            return;
    }
    if (c4 && vorhandenklick == 0) {
        MsgBox(QStringLiteral("Klick-Sounddatei nicht verfügbar."));
        if (!c2 && !c3)
            return;
    }

    struct Probe {
        QCheckBox *box;
        const char *datei;
        WavePlayer *m;
        const char *text;
    };
    const Probe proben[] = {
        {Check2, "dui.wav", MMControl4, "TIPPSOUND"}, {Check3, "gub1.wav", MMControl3, "GUB 1"},
        {Check3, "gub2.wav", MMControl2, "GUB 2"},    {Check3, "gub3.wav", MMControl1, "GUB 3"},
        {Check4, "Klick.wav", MMControl5, "KLICKSOUND"},
    };
    for (const Probe &p : proben) {
        if (schluss == 1)
            break;
        if (!p.box->isChecked() || !klangDa(QString::fromLatin1(p.datei)))
            continue;
        Label1->setCaption(QString::fromLatin1(p.text));
        Abspielen(p.m);
        // The player gives up "playing" at the latest a second past the sound's length.
        while (p.m->Mode() == WavePlayer::kPlaying && !platform::programmEndet())
            platform::Sleep(10);
        Label1->setCaption(QString());
        platform::DoEvents();
        platform::Sleep(500);
        if (platform::programmEndet())
            return;
    }
}
