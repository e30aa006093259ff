#include "map/karte.h"

#include "core/fensterliste.h"
#include "core/sound.h"
#include "map/groesse.h"
#include "map/symbolbilder.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/units.h"
#include "platform/yield.h"

#include <QApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QToolTip>
#include <QValidator>
#include <QWheelEvent>

using namespace platform;
using namespace kartenmodell;

namespace {
Karte *g_karte = nullptr;

// The window menu reaches the map window by its name.
const fensterliste::Anmeldung kImFensterMenue(QStringLiteral("Karte"),
                                              {[]() -> Form * { return Karte::instance(); },
                                               [] { return Karte::exists(); }});

const QString kLadeTitel = QStringLiteral(
    "Alle Morveldateien laden: Lädt alle folgenden Dateien der ausgewählten Datei (funktioniert nur mit Dateien der "
    "Form 'V???S???.Z?\?')    ");

void setzeText(QLineEdit *e, const TafelText &t)
{
    if (e->text() != t.text) {
        const QSignalBlocker b(e);
        e->setText(t.text);
        // A name of 30 characters ends in blanks: show its start, not the
        // blanks, unless the player is typing there.
        if (!e->hasFocus())
            e->setCursorPosition(0);
    }
    e->setEnabled(t.enabled);
}

void setzeListe(QComboBox *c, const TafelListe &l)
{
    if (c->currentIndex() != l.index) {
        const QSignalBlocker b(c);
        c->setCurrentIndex(l.index);
    }
    c->setEnabled(l.enabled);
}

void setzeHaken(QCheckBox *c, const TafelHaken &h)
{
    if (c->isChecked() != (h.value == 1)) {
        const QSignalBlocker b(c);
        c->setChecked(h.value == 1);
    }
    c->setEnabled(h.enabled);
}

void alleMarkieren(QLineEdit *e)
{
    // After the mouse press has placed the caret.
    QTimer::singleShot(0, e, [e] { e->selectAll(); });
}
} // namespace

Karte *Karte::instance()
{
    if (!g_karte) {
        g_karte = new Karte();
        g_karte->Form_Load();
    }
    return g_karte;
}

bool Karte::exists() { return g_karte != nullptr; }

Karte::Karte() : Form(QStringLiteral("Karte"))
{
    setWindowTitle(QStringLiteral("Karte"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(platform::font(QStringLiteral("MS Sans Serif"), 8.25));
    buildControls();
    m_rollTakt.setInterval(100);
    connect(&m_rollTakt, &QTimer::timeout, this, [this] {
        if (fertig == 0)
            rollen(m_rollKnopf);
        else
            m_rollTakt.stop();
    });
}

void Karte::buildControls()
{
    QWidget *c = client();
    auto text = [c](const char *name, double l, double t, double w) {
        return steuerelement<QLineEdit>(c, QLatin1String(name), l, t, w, 288);
    };
    auto label = [c](const char *name, double l, double t, double w, const QString &cap) {
        return beschriftung(c, QLatin1String(name), l, t, w, 252, cap);
    };
    auto knopf = [c](const char *name, double l, double w, const QString &cap) {
        auto *b = steuerelement<QPushButton>(c, QLatin1String(name), l, 120, w, 252, cap);
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    };
    auto liste = [this, c](const char *name, double t, const QStringList &eintraege) {
        auto *cb = new QComboBox(c);
        cb->setObjectName(QLatin1String(name));
        platform::nurGewaehlt(cb);
        cb->installEventFilter(this); // for the tooltip
        cb->addItems(eintraege);
        cb->setMaxVisibleItems(eintraege.size());
        place(cb, 5400, t, 1692, 288);
        return cb;
    };
    auto haken = [c](const char *name, double t, const QString &cap) {
        auto *b = new QCheckBox(cap, c);
        b->setObjectName(QLatin1String(name));
        place(b, 5400, t, 1692, 252);
        return b;
    };

    Text1 = text("Text1", 120, 120, 372);
    Label1 = label("Label1", 600, 120, 252, QStringLiteral("X"));
    QFont x = platform::font(QStringLiteral("Courier New"), 10.8);
    x.setBold(true);
    Label1->setFont(x);
    Label1->setAlignment(Qt::AlignCenter);
    Text2 = text("Text2", 840, 120, 372);
    Command4 = knopf("Command4", 1320, 372, QString());
    Command3 = knopf("Command3", 1680, 372, QString());
    Command5 = knopf("Command5", 2160, 372, QString());
    Command6 = knopf("Command6", 2520, 372, QString());
    Command4->setIcon(pfeilBild(0));
    Command3->setIcon(pfeilBild(1));
    Command5->setIcon(pfeilBild(2));
    Command6->setIcon(pfeilBild(3));
    Command8 = knopf("Command8", 3000, 492, QStringLiteral("Load"));
    Command7 = knopf("Command7", 3600, 492, QStringLiteral("Save"));
    Command2 = knopf("Command2", 4200, 492, QStringLiteral("Size"));
    Command1 = knopf("Command1", 4800, 492, QStringLiteral("New"));
    Command1->setDefault(true);
    Command1->setEnabled(false);
    Line1 = new QFrame(c);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    Picture2 = new QWidget(c);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAutoFillBackground(true);
    place(Picture2, 120, 480, 5172, 5292);
    Picture1 = new Kartenleinwand(feldtafel.symbole, Picture2);
    setBildTwips(QRectF(0, 0, 5172, 5292));

    Label2 = label("Label2", 5400, 120, 1092, QStringLiteral("FeldNummer"));
    TxtFeldNummer = text("TxtFeldNummer", 6600, 120, 492);
    TxtTerrain = liste("TxtTerrain", 480, kTerrain);
    TxtGubhort = haken("TxtGubhort", 840, QStringLiteral("Gubhort"));
    Label4 = label("Label4", 5400, 1200, 972, QStringLiteral("FeldName"));
    TxtFeldName = text("TxtFeldName", 6360, 1200, 732);
    TxtFeldName->setMaxLength(kNamenLaenge);
    TxtBesonderheiten = liste("TxtBesonderheiten", 1560, kBesonderheiten);
    TxtBurgArt = liste("TxtBurgArt", 1920, kBurgArt);
    Label3 = label("Label3", 5400, 2280, 972, QStringLiteral("Burgklasse"));
    TxtBurgklasse = text("TxtBurgklasse", 6600, 2280, 492);
    Label5 = label("Label5", 5400, 2640, 972, QStringLiteral("Besitzer"));
    TxtBesitzer = text("TxtBesitzer", 6600, 2640, 492);
    Label6 = label("Label6", 5400, 3000, 972, QStringLiteral("SpielerName"));
    TxtSpielerName = text("TxtSpielerName", 6360, 3000, 732);
    TxtSpielerName->setMaxLength(kNamenLaenge);
    Label8 = label("Label8", 5400, 3360, 1212, QStringLiteral("SpielerNummer"));
    TxtSpielerNummer = text("TxtSpielerNummer", 6600, 3360, 492);
    Label7 = label("Label7", 5400, 3720, 972, QStringLiteral("OberHerr"));
    TxtOberHerr = text("TxtOberHerr", 6600, 3720, 492);
    TxtSpielerRang = liste("TxtSpielerRang", 4080, kSpielerRang);
    TxtEchtBit = liste("TxtEchtBit", 4440, kEchtBit);
    TxtErzmagier = haken("TxtErzmagier", 4800, QStringLiteral("Erzmagier"));
    TxtDrufelbatze = haken("TxtDrufelbatze", 5160, QStringLiteral("Drufelbatze"));
    Text3 = text("Text3", 5400, 5520, 1692);
    Text3->setEnabled(false);
    Text3->hide();
    TxtFeldNummer->setEnabled(false);
    for (QLineEdit *e : {TxtBurgklasse, TxtBesitzer, TxtSpielerNummer, TxtOberHerr})
        e->setText(QStringLiteral("0"));
    // The number boxes take only what a record's member holds: -32768 to
    // 32767, digits after a minus; empty or "-" only on the way.
    static const QRegularExpression zahl16(QStringLiteral(
        "-?0*([0-9]{1,4}|[12][0-9]{4}|3[01][0-9]{3}|32[0-6][0-9]{2}|327[0-5][0-9]|3276[0-7])|-0*32768"));
    for (QLineEdit *e : {TxtBurgklasse, TxtSpielerNummer, TxtOberHerr})
        e->setValidator(new QRegularExpressionValidator(zahl16, e));

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    // The load chooser's hints show while the window is disabled: readable.
    QPalette hinweis = StatusBar1->palette();
    hinweis.setColor(QPalette::Disabled, QPalette::WindowText, hinweis.color(QPalette::Active, QPalette::WindowText));
    StatusBar1->setPalette(hinweis);
    StatusBar1->setFixedHeight(twipsY(240));
    setStatusBar(StatusBar1);
    StatusBar1->hide();
    setFensterGroesseTwips(7224, 5856);

    connect(Text1, &QLineEdit::textChanged, this, &Karte::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Karte::Text2_Change);
    // Enter presses "New", the window's default button, while it is enabled.
    for (QLineEdit *e : {Text1, Text2})
        connect(e, &QLineEdit::returnPressed, Command1, &QPushButton::click);
    connect(Command1, &QPushButton::clicked, this, &Karte::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Karte::Command2_Click);
    connect(Command7, &QPushButton::clicked, this, &Karte::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Karte::Command8_Click);
    for (QObject *o : std::initializer_list<QObject *>{Command3, Command4, Command5, Command6, Picture1, Picture2})
        o->installEventFilter(this);

    connect(TxtTerrain, &QComboBox::currentIndexChanged, this, &Karte::TxtTerrain_Click);
    // The entry shown picked again: the record may hold another value.
    const std::pair<QComboBox *, Feldtafel::SymbolListe> symbolListen[] = {
        {TxtTerrain, Feldtafel::SymbolListe::Terrain},
        {TxtBesonderheiten, Feldtafel::SymbolListe::Besonderheiten},
        {TxtBurgArt, Feldtafel::SymbolListe::BurgArt},
    };
    for (const auto &[box, liste] : symbolListen) {
        connect(box, &QComboBox::activated, this, [this, liste = liste](int i) {
            feldtafel.eintragWaehlen(liste, i);
            spiegeln();
        });
    }
    connect(TxtBesonderheiten, &QComboBox::currentIndexChanged, this, &Karte::TxtBesonderheiten_Click);
    connect(TxtBurgArt, &QComboBox::currentIndexChanged, this, &Karte::TxtBurgArt_Click);
    connect(TxtSpielerRang, &QComboBox::currentIndexChanged, this, &Karte::TxtSpielerRang_Click);
    connect(TxtEchtBit, &QComboBox::currentIndexChanged, this, &Karte::TxtEchtBit_Click);
    connect(TxtGubhort, &QCheckBox::toggled, this, &Karte::TxtGubhort_Click);
    connect(TxtErzmagier, &QCheckBox::toggled, this, [this](bool an) {
        feldtafel.setErzmagier(an ? 1 : 0);
    });
    connect(TxtDrufelbatze, &QCheckBox::toggled, this, [this](bool an) {
        feldtafel.setDrufelbatze(an ? 1 : 0);
    });
    connect(TxtBurgklasse, &QLineEdit::textChanged, this, &Karte::TxtBurgklasse_Change);
    const std::pair<QLineEdit *, TafelText Tafel::*> texte[] = {
        {TxtFeldName, &Tafel::TxtFeldName},       {TxtBesitzer, &Tafel::TxtBesitzer},
        {TxtSpielerName, &Tafel::TxtSpielerName}, {TxtSpielerNummer, &Tafel::TxtSpielerNummer},
        {TxtOberHerr, &Tafel::TxtOberHerr},
    };
    for (const auto &[box, feld] : texte) {
        connect(box, &QLineEdit::textChanged, this, [this, feld = feld](const QString &t) {
            feldtafel.setText(feld, t);
        });
    }
    for (QLineEdit *e : {Text1, Text2, TxtFeldName, TxtSpielerName, TxtBesitzer, TxtBurgklasse, TxtOberHerr,
                         TxtSpielerNummer})
        e->installEventFilter(this);

    connect(Picture1, &Kartenleinwand::mausGedrueckt, this, [this](QPointF p, Qt::MouseButton b) {
        Picture1_MouseDown(qint16(b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 1), 0, float(p.x()),
                           float(p.y()));
    });
    connect(Picture1, &Kartenleinwand::symbolGedrueckt, this, [this](SymbolTreffer t, Qt::MouseButton) {
        symbolMouseDown(t.art, t.feld);
    });
    connect(Picture1, &Kartenleinwand::fokusVerloren, this, [this] {
        if (const auto f = feldtafel.symbole.fokussiert())
            symbolLostFocus(f->art, f->feld);
    });
}

void Karte::Form_Load()
{
    Titel = kLadeTitel;
    Kosten = 0;
    GarNichtsMachen = 1;
    FelderAnzahl = -2;
    FeldVorher = 0;
    PositionBehalten = 0;
    FeldBreite = kStandardFeldGroesse;
    FeldHoehe = kStandardFeldGroesse;
    MarkierFarbe = kMarkierGrau;
    BildLinks = 0;
    BildOben = 0;
    BildBreite = 5172;
    BildHoehe = 5292;
    FensterBreite = 7224;
    FensterHoehe = 5856;
    AbstandRechts = FensterBreite - 5172 - 120;
    AbstandBeschriftung = FensterBreite - 5400;
    AbstandZahlenfelder = FensterBreite - 6600;
    AbstandNamenfelder = FensterBreite - 6360;
    FelderWerteInitialisieren();
    EnableFalsen();
    GarNichtsMachen = 0;
    gespeichert.merken();
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

bool Karte::ungespeichert() const { return gespeichert.veraendert() || feldtafel.eingabenOffen(); }

bool Karte::verwerfenBestaetigt(const QString &wirklich) const
{
    return MsgBox(QStringLiteral("Karte noch nicht gespeichert.\r\n") + wirklich, YesNo | Warning, kTitel) == Yes;
}

void Karte::Form_Activate()
{
    if (SpaltenAnzahl != 0)
        Text1->setText(str(SpaltenAnzahl));
    if (ZeilenAnzahl != 0)
        Text2->setText(str(ZeilenAnzahl));
    Text1->selectAll();
    Text1->setFocus();
}

void Karte::Form_QueryUnload(qint16 &Cancel, qint16 UnloadMode)
{
    Q_UNUSED(UnloadMode);
    hide();
    Cancel = 1;
}

// ---- geometry in twips

double Karte::breiteTwips() const { return pixelsToTwipsX(client()->width()); }

void Karte::setFensterGroesseTwips(double breite, double hoehe)
{
    setClientSizeTwips(breite, hoehe);
    place(Line1, 0, 0, breite, 30);
    layout()->activate(); // the new size now, so that centring sees it
}

QRectF Karte::bildTwips() const { return m_bild; }

void Karte::setBildTwips(const QRectF &r)
{
    m_bild = r;
    place(Picture1, r.left(), r.top(), r.width(), r.height());
}

void Karte::setRahmenGroesseTwips(double breite, double hoehe) { place(Picture2, 120, 480, breite, hoehe); }

// ---- scroll buttons: one step at the press, then one every 100 ms

bool Karte::eventFilter(QObject *watched, QEvent *event)
{
    if (auto *knopf = qobject_cast<QPushButton *>(watched)) {
        // The second press of a quick double click comes as a double click.
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            if (knopf == Command4) Command4_MouseDown();
            else if (knopf == Command3) Command3_MouseDown();
            else if (knopf == Command5) Command5_MouseDown();
            else if (knopf == Command6) Command6_MouseDown();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            if (knopf == Command4) Command4_MouseUp();
            else if (knopf == Command3) Command3_MouseUp();
            else if (knopf == Command5) Command5_MouseUp();
            else if (knopf == Command6) Command6_MouseUp();
        }
        return false;
    }
    if (event->type() == QEvent::Wheel && (watched == Picture1 || watched == Picture2)) {
        radDrehen(static_cast<QWheelEvent *>(event));
        return true;
    }
    if (auto *cb = qobject_cast<QComboBox *>(watched); cb && event->type() == QEvent::ToolTip) {
        // An entry wider than its list box shows whole in a tooltip.
        QStyleOptionComboBox o;
        o.initFrom(cb);
        const QSize text = cb->fontMetrics().size(Qt::TextSingleLine, cb->currentText());
        if (cb->style()->sizeFromContents(QStyle::CT_ComboBox, &o, text, cb).width() > cb->width())
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), cb->currentText(), cb);
        else
            QToolTip::hideText();
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        if (watched == Text1) Text1_GotFocus();
        else if (watched == Text2) Text2_GotFocus();
        else if (watched == TxtFeldName) TxtFeldName_GotFocus();
        else if (watched == TxtSpielerName) TxtSpielerName_GotFocus();
        else if (watched == TxtBesitzer) TxtBesitzer_GotFocus();
        else if (watched == TxtBurgklasse) TxtBurgklasse_GotFocus();
        else if (watched == TxtOberHerr) TxtOberHerr_GotFocus();
        else if (watched == TxtSpielerNummer) TxtSpielerNummer_GotFocus();
    }
    return Form::eventFilter(watched, event);
}

void Karte::rollenStarten(QPushButton *knopf)
{
    fertig = 0;
    m_rollKnopf = knopf;
    rollen(knopf);
    m_rollTakt.start();
}

void Karte::rollenStoppen()
{
    fertig = 1;
    m_rollTakt.stop();
}

void Karte::rollen(QPushButton *richtung)
{
    // Before the first drawing there is no step.
    if (Massstab == 0 || !richtung)
        return;
    QRectF b = m_bild;
    const double sx = FeldBreite / Massstab, sy = FeldHoehe / Massstab;
    QRect schirm(0, 0, 1024, 768);
    if (QScreen *s = screen())
        schirm = s->geometry();
    const double schirmB = pixelsToTwipsX(schirm.width()), schirmH = pixelsToTwipsX(schirm.height());
    // Title bar and borders take room the screen's bounds do not know of:
    // the last column and row may also come into the frame.
    const double rahmenB = pixelsToTwipsX(Picture2->width()), rahmenH = pixelsToTwipsX(Picture2->height());
    if (richtung == Command4 && b.left() < 0)
        b.moveLeft(b.left() + sx);
    else if (richtung == Command3
             && (b.left() + b.width() + AbstandRechts > schirmB || b.right() - kRand > rahmenB))
        b.moveLeft(b.left() - sx);
    else if (richtung == Command5 && b.top() < 0)
        b.moveTop(b.top() + sy);
    else if (richtung == Command6
             && (b.top() + b.height() + 1.5 * sy > schirmH || b.bottom() - kRand > rahmenH))
        b.moveTop(b.top() - sy);
    else
        return;
    setBildTwips(b);
}

void Karte::radDrehen(QWheelEvent *e)
{
    // A notch moves the map one field as a scroll button does; with shift
    // the wheel turns sideways.
    QPoint d = e->angleDelta();
    if ((e->modifiers() & Qt::ShiftModifier) && d.x() == 0)
        d = QPoint(d.y(), 0);
    m_rad += d;
    for (; m_rad.y() >= 120; m_rad.ry() -= 120)
        rollen(Command5);
    for (; m_rad.y() <= -120; m_rad.ry() += 120)
        rollen(Command6);
    for (; m_rad.x() >= 120; m_rad.rx() -= 120)
        rollen(Command4);
    for (; m_rad.x() <= -120; m_rad.rx() += 120)
        rollen(Command3);
}

void Karte::Command4_MouseDown() { rollenStarten(Command4); }
void Karte::Command3_MouseDown() { rollenStarten(Command3); }
void Karte::Command5_MouseDown() { rollenStarten(Command5); }
void Karte::Command6_MouseDown() { rollenStarten(Command6); }
void Karte::Command4_MouseUp() { rollenStoppen(); }
void Karte::Command3_MouseUp() { rollenStoppen(); }
void Karte::Command5_MouseUp() { rollenStoppen(); }
void Karte::Command6_MouseUp() { rollenStoppen(); }

// ---- "Size"

void Karte::Command2_Click()
{
    KlickSpielen();
    Groesse::instance()->zeigen();
}

// ---- the panel mirrors the rules' state

void Karte::spiegeln()
{
    if (m_spiegeln)
        return;
    m_spiegeln = true;
    const Tafel &t = feldtafel.tafel;
    const auto fokusVorher = Picture1->hasFocus();
    setzeText(TxtFeldNummer, t.TxtFeldNummer);
    setzeListe(TxtTerrain, t.TxtTerrain);
    setzeHaken(TxtGubhort, t.TxtGubhort);
    setzeText(TxtFeldName, t.TxtFeldName);
    setzeListe(TxtBesonderheiten, t.TxtBesonderheiten);
    setzeListe(TxtBurgArt, t.TxtBurgArt);
    setzeText(TxtBurgklasse, t.TxtBurgklasse);
    setzeText(TxtBesitzer, t.TxtBesitzer);
    setzeText(TxtSpielerName, t.TxtSpielerName);
    setzeText(TxtSpielerNummer, t.TxtSpielerNummer);
    setzeText(TxtOberHerr, t.TxtOberHerr);
    setzeListe(TxtSpielerRang, t.TxtSpielerRang);
    setzeListe(TxtEchtBit, t.TxtEchtBit);
    setzeHaken(TxtErzmagier, t.TxtErzmagier);
    setzeHaken(TxtDrufelbatze, t.TxtDrufelbatze);
    TxtFeldNummer->setEnabled(false);
    Label2->setEnabled(t.Label2.enabled);
    Label3->setEnabled(t.Label3.enabled);
    Label4->setEnabled(t.Label4.enabled);
    Label5->setEnabled(t.Label5.enabled);
    Label6->setEnabled(t.Label6.enabled);
    Label7->setEnabled(t.Label7.enabled);
    Label8->setEnabled(t.Label8.enabled);
    // A symbol that took the focus takes it from the panel.
    const auto f = feldtafel.symbole.fokussiert();
    if (f && !fokusVorher && f != m_letzterFokus)
        Picture1->setFocus(Qt::OtherFocusReason);
    if (m_letzterFokus && m_letzterFokus != f)
        Picture1->symbolNeu(m_letzterFokus->art, m_letzterFokus->feld);
    m_letzterFokus = f;
    neuMalen();
    m_spiegeln = false;
}

void Karte::neuMalen()
{
    // Only what a selection or a panel rule can have changed: the old and
    // the new selected cell, the symbols of both fields, the focused one.
    Picture1->zelleNeu(m_gemalteSpalte, m_gemalteZeile);
    Picture1->zelleNeu(AktuelleSpalte, AktuelleZeile);
    for (int a = 0; a < SymbolAnzahl; ++a) {
        Picture1->symbolNeu(Symbol(a), m_gemaltesFeld);
        Picture1->symbolNeu(Symbol(a), AktuellesFeld);
    }
    if (const auto f = feldtafel.symbole.fokussiert())
        Picture1->symbolNeu(f->art, f->feld);
    m_gemalteSpalte = AktuelleSpalte;
    m_gemalteZeile = AktuelleZeile;
    m_gemaltesFeld = AktuellesFeld;
}

void Karte::FelderWerteInitialisieren() { feldtafel.FelderWerteInitialisieren(); spiegeln(); }
void Karte::EnableTruen() { feldtafel.EnableTruen(); spiegeln(); }
void Karte::EnableFalsen() { feldtafel.EnableFalsen(); spiegeln(); }

void Karte::TxtBurgArt_Click() { feldtafel.setBurgArt(TxtBurgArt->currentIndex()); spiegeln(); }
void Karte::TxtBurgklasse_Change() { feldtafel.setBurgklasse(TxtBurgklasse->text()); spiegeln(); }
void Karte::TxtEchtBit_Click() { feldtafel.setEchtBit(TxtEchtBit->currentIndex()); spiegeln(); }
void Karte::TxtSpielerRang_Click() { feldtafel.setSpielerRang(TxtSpielerRang->currentIndex()); spiegeln(); }
void Karte::TxtTerrain_Click() { feldtafel.setTerrain(TxtTerrain->currentIndex()); spiegeln(); }
void Karte::TxtBesonderheiten_Click() { feldtafel.setBesonderheiten(TxtBesonderheiten->currentIndex()); spiegeln(); }
void Karte::TxtGubhort_Click() { feldtafel.setGubhort(TxtGubhort->isChecked() ? 1 : 0); spiegeln(); }

void Karte::TxtFeldName_GotFocus()
{
    QString t = TxtFeldName->text();
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    TxtFeldName->setText(t);
    alleMarkieren(TxtFeldName);
}

void Karte::TxtSpielerName_GotFocus()
{
    QString t = TxtSpielerName->text();
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    TxtSpielerName->setText(t);
    alleMarkieren(TxtSpielerName);
}

void Karte::TxtBesitzer_GotFocus() { alleMarkieren(TxtBesitzer); }
void Karte::TxtBurgklasse_GotFocus() { alleMarkieren(TxtBurgklasse); }
void Karte::TxtOberHerr_GotFocus() { alleMarkieren(TxtOberHerr); }
void Karte::TxtSpielerNummer_GotFocus() { alleMarkieren(TxtSpielerNummer); }

// ---- symbols

void Karte::SteuerElementeEntladen() { feldtafel.SteuerElementeEntladen(); m_letzterFokus.reset(); Picture1->update(); }

void Karte::symbolGotFocus(Symbol art, int Index)
{
    if (feldtafel.symbole.geladen(art, Index)) {
        if (m_letzterFokus)
            Picture1->symbolNeu(m_letzterFokus->art, m_letzterFokus->feld);
        feldtafel.symbole.fokus(art, Index, quint32(MarkierFarbe));
        m_letzterFokus = feldtafel.symbole.fokussiert();
        Picture1->symbolNeu(art, Index);
    }
}

void Karte::symbolLostFocus(Symbol art, int Index)
{
    const auto f = feldtafel.symbole.fokussiert();
    if (f && f->art == art && f->feld == Index) {
        feldtafel.symbole.fokusWeg();
        m_letzterFokus.reset();
        Picture1->symbolNeu(art, Index);
    }
}

void Karte::symbolMouseDown(Symbol art, int Index)
{
    // The symbol takes the focus and selects its own field, whatever cell
    // its corner lies on.
    symbolGotFocus(art, Index);
    const QRectF z = zelle(spalteVon(Index), zeileVon(Index));
    PositionX = float(z.center().x());
    PositionY = float(z.center().y());
    AufKarteKlicken();
    if (FelderKlickModus == 1)
        MacheBefehl();
    else if (FelderKlickModus == 0)
        FeldSpielen();
}
