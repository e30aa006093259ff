#include "map/herst.h"

#include "core/fensterliste.h"
#include "core/globals.h"
#include "core/sound.h"
#include "mainwindow/form1.h"
#include "map/heerespfad.h"
#include "map/karte.h"
#include "map/kartenmodell.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/units.h"

using namespace platform;

namespace {
HErst *g_herst = nullptr;

// Reached by its name, as the map's other windows are.
const fensterliste::Anmeldung kImFensterMenue(QStringLiteral("HErst"),
                                              {[]() -> Form * { return HErst::instance(); },
                                               [] { return HErst::exists(); }});

// The order kinds of the list, in their order, with their codes.
struct Befehlsart {
    const char *eintrag;
    const char *art;
};
const Befehlsart kArten[] = {
    {"Goldraubzug (RG)", "RG"},
    {"Sklavenraubzug (RS)", "RS"},
    {"Unterjochungsfeldzug (BU)", "BU"},
    {"Vertreibungsfeldzug (BV)", "BV"},
    {"Unterstützungsfeldzug (UN)", "UN"},
};

constexpr double kText1Breite = 612;
constexpr double kText1Links = 120;
constexpr double kBreite = 2772;
} // namespace

HErst *HErst::instance()
{
    if (!g_herst) {
        g_herst = new HErst();
        g_herst->Form_Load();
    }
    return g_herst;
}

bool HErst::exists() { return g_herst != nullptr; }

// The wizard belongs to the map: it stays above it while the path is
// clicked, so "Fertig" is never hidden behind a large map.
HErst::HErst() : Form(QStringLiteral("HErst"), Karte::instance())
{
    setWindowTitle(QStringLiteral("Heeresbefehle erstellen"));
    // Fixed dialog border.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(platform::font(QStringLiteral("MS Sans Serif"), 8.25));
    buildControls();
    setClientSizeTwips(kBreite, 2052);
    Karte::instance()->installEventFilter(this);
    Karte::instance()->Picture1->installEventFilter(this);
}

void HErst::buildControls()
{
    QWidget *c = client();

    Label1 = new Label(c);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setCaption(QStringLiteral("Zuerst die richtige Karte laden."));
    place(Label1, 120, 120, 2508, 1032);

    Text2 = steuerelement<QLineEdit>(c, QStringLiteral("Text2"), 120, 480, 612, 288);
    Text2->hide();

    List1 = steuerelement<ListBox>(c, QStringLiteral("List1"), 120, 600, 2532, 1008);
    List1->hide();

    Label2 = new Label(c);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setCaption(QStringLiteral("Wieviel Söldner sollen angeheuert werden?"));
    place(Label2, 120, 840, 2532, 612);
    Label2->hide();

    Text1 = steuerelement<QLineEdit>(c, QStringLiteral("Text1"), kText1Links, 1320, kText1Breite, 288);
    Text1->hide();

    Command1 = steuerelement<QPushButton>(c, QStringLiteral("Command1"), 120, 1680, 1092, 252, QStringLiteral("Abbrechen"));

    Command2 = steuerelement<QPushButton>(c, QStringLiteral("Command2"), 1560, 1680, 1092, 252, QStringLiteral("Weiter -->"));

    setTabOrder(List1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Text1);
    setTabOrder(Text1, Text2);

    connect(Command1, &QPushButton::clicked, this, &HErst::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &HErst::Command2_Click);
    // Only the player chooses a kind: a click, Space or an arrow key selects
    // a row; the row that merely carries the focus frame chooses nothing.
    connect(List1, &QListWidget::itemSelectionChanged, this, &HErst::List1_Click);
    connect(Text1, &QLineEdit::textChanged, this, &HErst::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &HErst::Text2_Change);
    // Enter in the soldiers' box moves on to the mercenaries'; the key still
    // reaches the default button after that.
    connect(Text2, &QLineEdit::returnPressed, this, [this] {
        int key = 13;
        Text2_KeyPress(key);
    });
    setCancelButton(Command1);
    setDefaultButton(Command2);
}

void HErst::Form_Load() { HeeresSchritt = 0; }

// Disabled along with the map (while its popup or size dialog is open), the
// wizard lost its focus; the step's answer box takes it back, so what the
// player types next is an answer and Enter goes on.
void HErst::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::EnabledChange && isEnabled() && !focusWidget()) {
        QWidget *antwort = HeeresSchritt == 1 ? static_cast<QWidget *>(List1) : HeeresSchritt >= 4 ? Text2 : Text1;
        if (antwort->isVisibleTo(this) && antwort->isEnabled())
            antwort->setFocus();
    }
    Form::changeEvent(e);
}

void HErst::Text2_KeyPress(int &KeyAscii)
{
    if (KeyAscii == 13 && Text1->isVisible())
        Text1->setFocus();
}

void HErst::List1_Click()
{
    const QList<QListWidgetItem *> gewaehlt = List1->selectedItems();
    const int row = gewaehlt.isEmpty() ? -1 : List1->row(gewaehlt.first());
    if (HeeresSchritt == 1) {
        if (row >= 0 && row < int(std::size(kArten)))
            Art = QString::fromUtf8(kArten[row].art);
        // With no kind chosen (the list emptied) no one goes on.
        Command2->setEnabled(row >= 0);
    }
    if (row < 0)
        return;
    if (BestaetigungsKlangAn == 1)
        Abspielen(klangspieler().MMControl4);
}

void HErst::Text1_Change()
{
    if (HeeresSchritt == 2) {
        HeeresSchritt = 3;
        Command2->setEnabled(true);
    } else if (HeeresSchritt == 4 && !Text2->text().isEmpty()) {
        HeeresSchritt = 5;
        Command2->setEnabled(true);
    }
}

void HErst::Text2_Change()
{
    if (HeeresSchritt == 4 && !Text1->text().isEmpty()) {
        HeeresSchritt = 5;
        Command2->setEnabled(true);
    }
}

void HErst::Command2_Click()
{
    KlickSpielen();
    try {
        weiter();
    } catch (const Error &e) {
        // The step stays; the player mends the answer and clicks again.
        if (e.number == 13)
            MsgBox(QStringLiteral("Bitte gültige Werte angeben"));
        else
            MsgBox(QStringLiteral("Laufzeitfehler Nr.") + QString::number(e.number) + QStringLiteral(": ")
                   + e.description);
    }
}

void HErst::weiter()
{
    switch (HeeresSchritt) {
    case 0:
        SoeldnerKosten = CInt(toNumber(Text1->text()));
        List1->show();
        Command2->setEnabled(false);
        Label1->setCaption(QStringLiteral("Welcher Heeresbefehl soll erstellt werden?"));
        for (const Befehlsart &a : kArten)
            List1->addItem(QString::fromUtf8(a.eintrag));
        HeeresSchritt = 1;
        Text1->hide();
        Text1->clear();
        break;
    case 1:
        Command2->setEnabled(false);
        Text1->show();
        List1->hide();
        List1->clear();
        Text1->setFocus();
        Label1->setCaption(QStringLiteral("Wieviel Gubs sollen verteidigen?"));
        HeeresSchritt = 2;
        break;
    case 3:
        Vert = CInt(toNumber(Text1->text()));
        Command2->setEnabled(false);
        Text1->clear();
        Text2->show();
        Text2->setFocus();
        Label2->show();
        HeeresSchritt = 4;
        Label1->setCaption(QStringLiteral("Mitführende Soldaten:"));
        break;
    case 5: {
        Soldaten = CInt(toNumber(Text2->text()));
        Soeld = heerespfad::soeldnerSumme(toNumber(Text1->text()), SoeldnerKosten);
        GubAnzahl = heerespfad::gubAnzahl(Soeld, SoeldnerKosten, Soldaten);
        Command2->setEnabled(false);
        Command2->setText(QStringLiteral("Fertig"));
        Text2->clear();
        Text2->hide();
        Label2->hide();
        Text1->setEnabled(false);
        place(Text1, kText1Links, 1320, kBreite - 2 * kText1Links, 288);
        const QString kopf = heerespfad::zeilenKopf(Art, Vert, Soeld);
        Text1->setText(kopf);
        karteZeileBeginnen(kopf);
        FelderKlickModus = 1;
        MarkierFarbe = kPfadGruen;
        Label1->setCaption(QStringLiteral("Jetzt bitte in der richtigen Reihenfolge auf die entsprechenden Felder "
                                          "klicken (StartBurg eingeschlossen)."));
        HeeresSchritt = 6;
        break;
    }
    case 7:
        fertig();
        break;
    default:
        break;
    }
}

// Both ends of a run: the wizard hidden, the map out of path mode, the
// orders box in front.
void HErst::schliessen()
{
    FelderKlickModus = 0;
    HeeresSchritt = 0;
    Command2->setText(QStringLiteral("Weiter -->"));
    Text1->hide();
    hide();
    List1->hide();
    Command2->setEnabled(true);
    karteZuruecksetzen();
    Text1->setEnabled(true);
    Form1 *f1 = Form1::instance();
    f1->SetFocus();
    f1->Text1->setFocus();
    Text1->clear();
    place(Text1, kText1Links, 1320, kText1Breite, 288);
    MarkierFarbe = kMarkierGrau;
}

void HErst::fertig()
{
    Form1 *f1 = Form1::instance();
    // A load is filling the orders box: the line would land inside a loaded
    // line and be lost when the load counts the orders as saved. The step
    // stays, so the player finishes once the load is over.
    if (f1->Text1->locked()) {
        MsgBox(Form1::kBeschaeftigt);
        return;
    }
    const QString zeile = Text1->text();
    schliessen();
    // An edit at the end of the orders, so they count as changed, and one
    // step to undo; it costs the line, not the whole orders. The caret goes
    // after it.
    f1->Text1->anhaengen(heerespfad::anBefehle(f1->Text1->text(), zeile), true);
    f1->Text1->setSelStart(f1->Text1->length());
}

void HErst::Command1_Click()
{
    KlickSpielen();
    abbrechen();
}

void HErst::abbrechen()
{
    schliessen();
    List1->clear();
    Label2->hide();
    Text2->clear();
    Text2->hide();
}

// The close box leaves no path mode behind: it cancels as "Abbrechen" does.
// Closing the window when it is not open changes nothing.
void HErst::Form_QueryUnload(qint16 &Cancel, qint16 UnloadMode)
{
    Q_UNUSED(UnloadMode);
    Cancel = 1;
    if (isVisible() || HeeresSchritt != 0)
        abbrechen();
}
