// Drawing the map: the size boxes, "New", the grid's layout in the window,
// and the selection of a field by a click.
#include "map/karte.h"

#include "core/sound.h"
#include "map/ladenmenu.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/units.h"

#include <QScreen>
#include <QTimer>

using namespace platform;
using namespace kartenmodell;

namespace {
const QString kZuVieleFelder = QStringLiteral("Nicht mehr als 10000 Felder möglich.");

QSizeF schirmTwips(QWidget *w)
{
    QRect s(0, 0, 1024, 768);
    if (QScreen *sc = w->screen())
        s = sc->geometry();
    return {pixelsToTwipsX(s.width()), pixelsToTwipsX(s.height())};
}

// The room a window's client area can have on the screen.
QSizeF platzTwips(Karte *k)
{
    QRect s(0, 0, 1024, 768);
    if (QScreen *sc = k->screen())
        s = sc->availableGeometry();
    const int rahmenB = k->frameGeometry().width() - k->width();
    // Room also for the status bar, which the load chooser's hints show.
    const int rahmenH = k->frameGeometry().height() - k->client()->height()
                        + (k->StatusBar1->isHidden() ? k->StatusBar1->height() : 0);
    return {pixelsToTwipsX(s.width() - rahmenB), pixelsToTwipsX(s.height() - rahmenH)};
}

// The window flashes red for a moment when the drawing is done.
void aufblitzen(Karte *k)
{
    QPalette rot = k->palette();
    rot.setColor(QPalette::Window, color(0xFF));
    k->client()->setAutoFillBackground(true);
    k->client()->setPalette(rot);
    QTimer::singleShot(100, k, [k] {
        k->client()->setPalette(QPalette());
        k->client()->setAutoFillBackground(false);
    });
}
} // namespace

void KarteZeichnen()
{
    Karte *k = Karte::instance();
    try {
        const double wZahl = toNumber(k->Text1->text());
        const double hZahl = toNumber(k->Text2->text());
        if (hZahl * wZahl > kMaxFelder) {
            MsgBox(kZuVieleFelder);
            return;
        }
        if (wZahl == 1 || hZahl == 1) {
            MsgBox(QStringLiteral("Ein Gebilde, welches nur ein Feld in eine Richtung besitzt ist doch keine Karte.")
                   + QStringLiteral("\r\n")
                   + QStringLiteral("Da wir hier jedoch ein KARTENprogramm haben und eine KARTE erstellen wollen, "
                                    "musst du wohl eine andere Einstellung wählen."));
            return;
        }
        const qint16 w = CInt(wZahl), h = CInt(hZahl);
        if (w < 0 || h < 0)
            raise(380); // a canvas of negative size
        // A size that rounds to 0 ("0,4") is no map either.
        if (w == 0 || h == 0) {
            k->Picture1->leeren();
            return;
        }
        SpaltenAnzahl = w;
        ZeilenAnzahl = h;
        Massstab = 10;
        const double zw = FeldBreite / Massstab, zh = FeldHoehe / Massstab;
        // A canvas beyond what a window can be is refused like a negative one.
        if (!(zw > 0) || !(zh > 0) || twipsX(w * zw + kRand) > 32000 || twipsY(h * zh + kRand) > 32000)
            raise(380);
        k->Picture1->leeren();
        if (PositionBehalten == 0) {
            const QRectF bild = leinwand(w, h).translated(BildLinks, BildOben);
            k->setBildTwips(bild);
            const double noetigB = 120 + bild.width() + AbstandRechts;
            const double noetigH = 2 * 480 + bild.height();
            // A map larger than the screen leaves the window at the screen's
            // size, toolbar and panel in reach; the scroll buttons show the rest.
            const QSizeF platz = platzTwips(k);
            const double breite = std::max<double>(std::min(noetigB, platz.width()), FensterBreite);
            const double hoehe = std::max<double>(std::min(noetigH, platz.height()), FensterHoehe);
            k->setFensterGroesseTwips(breite, hoehe);
            k->setRahmenGroesseTwips(breite - AbstandRechts - 120, hoehe - 564);
            FeldDatenAnordnen();
            KarteZentrieren();
        }
        if (!k->TxtTerrain->isEnabled()) {
            k->PositionX = 1;
            k->PositionY = 1;
            k->AufKarteKlicken();
            k->EnableTruen();
        } else if (AktuelleSpalte != 0 && AktuelleZeile != 0) {
            // The selected cell keeps its place; its number is that of the
            // new map, or field 1 when the cell is no longer on it.
            int neu = feldAus(AktuelleSpalte, AktuelleZeile);
            if (neu == 0)
                neu = 1;
            if (neu != AktuellesFeld || k->feldtafel.gezeigtesFeld != neu) {
                k->feldtafel.feldWaehlen(neu, false);
                k->spiegeln();
            }
        }
        // The symbols go with the grid: each to its cell at the new size.
        k->feldtafel.symbole.anIhreZellen();
        k->Picture1->gitterZeichnen(w, h, zw, zh);
        aufblitzen(k);
        k->SetFocus();
    } catch (const Error &e) {
        k->SetFocus();
        if (KeineMeldung == 1)
            return;
        if (e.number == 13)
            MsgBox(QStringLiteral("Bitte gültige Werte angeben"));
        else
            MsgBox(QStringLiteral("Laufzeitfehler Nr.") + str(e.number) + QStringLiteral(": ") + e.description);
    }
}

void FeldDatenAnordnen()
{
    Karte *k = Karte::instance();
    const double breite = k->breiteTwips();
    auto links = [](QWidget *w, double l) {
        const QRect g = w->geometry();
        w->move(twipsX(l), g.top());
    };
    for (QWidget *w : std::initializer_list<QWidget *>{
             k->Label2, k->Label3, k->Label4, k->Label5, k->Label6, k->Label7, k->Label8, k->TxtGubhort,
             k->TxtErzmagier, k->TxtDrufelbatze, k->TxtTerrain, k->TxtBesonderheiten, k->TxtBurgArt,
             k->TxtSpielerRang, k->TxtEchtBit, k->Text3})
        links(w, breite - AbstandBeschriftung);
    for (QWidget *w : std::initializer_list<QWidget *>{k->TxtFeldNummer, k->TxtBurgklasse, k->TxtBesitzer,
                                                        k->TxtOberHerr, k->TxtSpielerNummer})
        links(w, breite - AbstandZahlenfelder);
    for (QWidget *w : std::initializer_list<QWidget *>{k->TxtFeldName, k->TxtSpielerName})
        links(w, breite - AbstandNamenfelder);
}

void KarteZentrieren()
{
    Karte *k = Karte::instance();
    const QSizeF s = schirmTwips(k);
    const double b = pixelsToTwipsX(k->frameGeometry().width());
    const double h = pixelsToTwipsX(k->frameGeometry().height());
    k->moveTwips(s.width() / 2 - b / 2, s.height() / 2 - h / 2);
}

// ---- size boxes and "New"

void Karte::Text1_Change() { Command1->setEnabled(!Text1->text().isEmpty() && !Text2->text().isEmpty()); }
void Karte::Text2_Change() { Text1_Change(); }
void Karte::Text1_GotFocus() { QTimer::singleShot(0, Text1, [this] { Text1->selectAll(); }); }
void Karte::Text2_GotFocus() { QTimer::singleShot(0, Text2, [this] { Text2->selectAll(); }); }

void Karte::Command1_Click()
{
    KlickSpielen();
    try {
        if (toNumber(Text2->text()) * toNumber(Text1->text()) > kMaxFelder) {
            MsgBox(kZuVieleFelder);
            return;
        }
        LadeArt = 0;
        // Asked about the map as it is, before the boxes' size is stored.
        const bool aenderungen = ungespeichert();
        const qint16 spaltenVorher = SpaltenAnzahl, zeilenVorher = ZeilenAnzahl;
        SpaltenAnzahl = CInt(toNumber(Text1->text()));
        ZeilenAnzahl = CInt(toNumber(Text2->text()));
        LadenMenu *menu = LadenMenu::instance();
        LadeArt = qint16(menu->waehlen(Command1, {QStringLiteral("Neue Karte zeichnen"),
                                                  QStringLiteral("Nur die Linien neu zeichnen")}));
        if (LadeArt != 1 && aenderungen
            && !verwerfenBestaetigt(
                QStringLiteral("Wirklich neue Karte zeichnen und Änderungen an der Karte verwerfen?"))) {
            SpaltenAnzahl = spaltenVorher;
            ZeilenAnzahl = zeilenVorher;
            return;
        }
        if (LadeArt == 1) {
            KarteZeichnen();
        } else {
            SteuerElementeEntladen();
            FelderWerteInitialisieren();
            KarteZeichnen();
            EnableTruen();
        }
    } catch (const Error &) {
        MsgBox(QStringLiteral("Nur ganze Zahlen und keine anderen Zeichen möglich."));
    }
}

// ---- selection

void Karte::Picture1_MouseDown(qint16 Button, qint16 Shift, float X, float Y)
{
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    // The canvas takes the focus from any symbol.
    if (const auto f = feldtafel.symbole.fokussiert())
        symbolLostFocus(f->art, f->feld);
    PositionX = X;
    PositionY = Y;
    AufKarteKlicken();
    if (!m_gewaehlt)
        return; // beside the grid: no field, no step, no sound
    if (FelderKlickModus == 1)
        MacheBefehl();
    else if (FelderKlickModus == 0)
        FeldSpielen();
}

void Karte::AufKarteKlicken()
{
    m_gewaehlt = feldtafel.AufKarteKlicken(PositionX, PositionY);
    spiegeln();
}

