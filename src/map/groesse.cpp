#include "map/groesse.h"

#include "core/fensterliste.h"
#include "core/sound.h"
#include "map/karte.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/units.h"

#include <QScreen>
#include <QTimer>
#include <cmath>

using namespace platform;

namespace {
Groesse *g_groesse = nullptr;

// The window menu reaches the field-size dialog by its name.
const fensterliste::Anmeldung kImFensterMenue(QStringLiteral("Groesse"),
                                              {[]() -> Form * { return Groesse::instance(); },
                                               [] { return Groesse::exists(); }});

// Shortest text of a size: "5000" for 5000.0, "2,5" under German settings.
QString groessenText(double v)
{
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(v, 'g', 15);
}
} // namespace

Groesse *Groesse::instance()
{
    if (!g_groesse)
        g_groesse = new Groesse();
    return g_groesse;
}

bool Groesse::exists() { return g_groesse != nullptr; }

Groesse::Groesse() : Form(QStringLiteral("Groesse"), Karte::instance())
{
    setWindowTitle(QStringLiteral("Grösse der Felder"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::WindowModal);
    setFont(platform::font(QStringLiteral("MS Sans Serif"), 8.25));
    QWidget *c = client();
    Text1 = steuerelement<QLineEdit>(c, QStringLiteral("Text1"), 120, 120, 612, 288);
    Label1 = steuerelement<Label>(c, QStringLiteral("Label1"), 840, 120, 252, 252);
    Label1->setCaption(QStringLiteral("X"));
    QFont x = platform::font(QStringLiteral("Courier New"), 10.8);
    x.setBold(true);
    Label1->setFont(x);
    Label1->setAlignment(Qt::AlignCenter);
    Text2 = steuerelement<QLineEdit>(c, QStringLiteral("Text2"), 1080, 120, 612, 288);
    Command1 = steuerelement<QPushButton>(c, QStringLiteral("Command1"), 1920, 120, 492, 252, QStringLiteral("OK"));
    Command1->setDefault(true);
    Label2 = steuerelement<Label>(c, QStringLiteral("Label2"), 120, 480, 2292, 852);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setCaption(QStringLiteral(
        "Falls \"kleine Schriftarten\" aktiviert ist, ist mindestens die Einstellung \"7000 x 7000\" ratsam."));
    setClientSizeTwips(2520, 1344);
    connect(Command1, &QPushButton::clicked, this, &Groesse::Command1_Click);
    connect(Text1, &QLineEdit::returnPressed, Command1, &QPushButton::click);
    connect(Text2, &QLineEdit::returnPressed, Command1, &QPushButton::click);
    Text1->installEventFilter(this);
    Text2->installEventFilter(this);
}

void Groesse::zeigen()
{
    if (QScreen *s = Karte::instance()->screen())
        move(s->availableGeometry().center() - rect().center());
    show();
    SetFocus();
    Form_Activate();
}

void Groesse::Form_Activate()
{
    Text1->setText(groessenText(FeldBreite));
    Text2->setText(groessenText(FeldHoehe));
    Text1->selectAll();
    Text1->setFocus();
}

void Groesse::Text1_GotFocus() { QTimer::singleShot(0, Text1, [this] { Text1->selectAll(); }); }
void Groesse::Text2_GotFocus() { QTimer::singleShot(0, Text2, [this] { Text2->selectAll(); }); }

std::optional<double> Groesse::feldGroesse(const QString &text)
{
    try {
        const double v = toNumber(text);
        // Below 1 the grid has no size, above 32767 the map file cannot
        // keep it.
        if (v >= 1 && v <= 32767)
            return v;
    } catch (const Error &) {
    }
    return std::nullopt;
}

void Groesse::Command1_Click()
{
    KlickSpielen();
    const auto b = feldGroesse(Text1->text());
    const auto h = feldGroesse(Text2->text());
    if (!b || !h) {
        MsgBox(QStringLiteral("Bitte gültige Werte angeben"));
        return;
    }
    FeldBreite = *b;
    FeldHoehe = *h;
    hide();
}

bool Groesse::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == Text1)
            Text1_GotFocus();
        else if (watched == Text2)
            Text2_GotFocus();
    }
    return Form::eventFilter(watched, event);
}

void Groesse::hideEvent(QHideEvent *e)
{
    // However the dialog goes, the map window is usable again.
    Form::hideEvent(e);
    Karte::instance()->setEnabled(true);
}

void Groesse::changeEvent(QEvent *e)
{
    Form::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        QTimer::singleShot(0, this, [this] { hide(); });
}

void Groesse::Form_QueryUnload(qint16 &Cancel, qint16 UnloadMode)
{
    Q_UNUSED(UnloadMode);
    Cancel = 1;
    hide();
}
