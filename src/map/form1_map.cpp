// Map entries of the main window; owned by the map window.
#include "mainwindow/form1.h"

#include "core/sound.h"
#include "map/herst.h"
#include "map/karte.h"
#include "map/kartenmodell.h"
#include "platform/yield.h"

void Form1::HBefErst_Click()
{
    // The map comes up as through its own menu entry, click sound included.
    starttt_Click();
    platform::DoEvents();
    HErst *h = HErst::instance();
    h->show();
    h->SetFocus();
    // A run under way is only brought forward; its answers and path stay.
    if (HeeresSchritt != 0)
        return;
    h->Label1->setCaption(QStringLiteral("Lade, falls noch nicht vorhanden, zuerst die entsprechende Karte.")
                          + QStringLiteral("\r\n\r\n") + QStringLiteral("Wieviel kostet ein Söldner?"));
    h->Text1->show();
    h->Text1->setFocus();
}

void Form1::starttt_Click()
{
    KlickSpielen();
    Karte *k = Karte::instance();
    k->show();
    k->setFensterZustand(0);
    k->SetFocus();
}

bool Form1::karteUngespeichert() const { return Karte::exists() && Karte::instance()->ungespeichert(); }
