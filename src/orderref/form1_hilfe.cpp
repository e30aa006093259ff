// Help by order code from the main window; owned by the order-code reference.
#include "mainwindow/form1.h"

#include "core/sound.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "orderref/form2.h"
#include "orderref/schnellhilfe.h"

void Form1::hilfe_Click()
{
    KlickSpielen();
    help = platform::InputBox(QStringLiteral("Zu welchem Gub-Befehl wird Hilfe benötigt?\r\n"
                                       "Im Auswahlmenü befinden sich die vollständigen Erklärungen."),
                        QStringLiteral("Hilfe zu Gub-Befehle"), orderref::kAuswahlmenue);
    hilfemoeglichkeiten();
}

void Form1::hilfemoeglichkeiten()
{
    const orderref::HilfeAntwort antwort = orderref::schnellhilfe(help);
    if (antwort.auswahlmenue) {
        Form2 *f = Form2::instance();
        f->show();
        f->setFensterZustand(0);
        f->SetFocus();
        return;
    }
    for (const orderref::HilfeBox &b : antwort.boxen)
        platform::MsgBox(b.text, b.flags);
}
