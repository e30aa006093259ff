// The army path: each click on the map while the wizard builds an order.
#include "map/karte.h"

#include "core/sound.h"
#include "map/heerespfad.h"
#include "map/herst.h"
#include "map/kartenmodell.h"

// A click is handled to its end before the next one runs: there is no yield
// here, so a second click never meets a stale previous field.
void Karte::MacheBefehl()
{
    HErst *h = HErst::instance();
    const int f = AktuellesFeld;
    const bool erster = HeeresSchritt == 6;
    heerespfad::Pfad pfad{FelderAnzahl, Kosten, FeldVorher};
    heerespfad::Schritt schritt = heerespfad::Schritt::Abgelehnt;
    if (f >= 1 && f <= SpaltenAnzahl * ZeilenAnzahl)
        schritt = heerespfad::klick(pfad, f, erster, Felder[f].GubHortFlag == 1, h->GubAnzahl, SpaltenAnzahl);

    switch (schritt) {
    case heerespfad::Schritt::Abgelehnt:
        TroeoetSpielen();
        return;
    case heerespfad::Schritt::GubHort:
        GubHortSpielen();
        break;
    case heerespfad::Schritt::Feld:
        FeldSpielen();
        setWindowTitle(heerespfad::kartenTitel(pfad.kosten));
        break;
    }
    FelderAnzahl = pfad.felderAnzahl;
    Kosten = pfad.kosten;
    FeldVorher = pfad.feldVorher;

    if (erster) {
        HeeresSchritt = 7;
        h->Command2->setEnabled(true);
    }
    Text3->setText(Text3->text() + heerespfad::zeilenAnhang(f, erster));
    h->Text1->setText(Text3->text());
    Text3->end(false);
    h->Text1->end(false);
}
