// The map window's side of the army-order wizard: the order line's working
// copy on the map, and leaving path mode.
#include "map/herst.h"

#include "map/karte.h"

void HErst::karteZeileBeginnen(const QString &kopf)
{
    Karte *k = Karte::instance();
    k->Text3->show();
    k->Text3->setText(kopf);
}

void HErst::karteZuruecksetzen()
{
    Karte *k = Karte::instance();
    k->Text3->hide();
    k->Text3->clear();
    k->setFensterZustand(1);
    k->setWindowTitle(QStringLiteral("Karte"));
    k->FeldVorher = 0;
    k->Kosten = 0;
    k->FelderAnzahl = -2;
}
