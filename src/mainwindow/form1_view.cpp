// Enlarged view and printing of the report and the orders.
#include "mainwindow/form1.h"

#include "core/drucken.h"
#include "core/globals.h"
#include "core/sound.h"
#include "mainwindow/form6.h"
#include "platform/dialogs.h"
#include "platform/errors.h"

using namespace platform;

namespace {
// Fills the enlarged view with one of the main window's boxes.
void vergroessern(TextBox *quelle, const QString &was, const QString &leer, const QString &titel,
                  const QString &inhalt)
{
    Form6 *f6 = Form6::instance();
    f6->show();
    f6->setFensterZustand(0);
    f6->SetFocus();
    f6->Text1->setFontSize(quelle->fontSize());
    f6->Text1->setFontName(quelle->fontName());
    f6->fuellen(quelle->text());
    const QString schluss = QStringLiteral(", geladen mit Befehlswart, Version ") + ProgrammVersion
                            + QStringLiteral(", zu finden unter ") + HeimatSeite + QStringLiteral(".");
    f6->Label1->setCaption((f6->Text1->text().isEmpty() ? leer : was) + schluss);
    f6->setWindowTitle(titel);
    f6->drr->setVisible(true);
    f6->Text1->setLocked(true);
    FensterInhalt = inhalt;
}
} // namespace

void Form1::auswertungmaximieren()
{
    vergroessern(Text2, QStringLiteral("Maximierte Auswertung"),
                 QStringLiteral("Maximierte Auswertung (in der leider nichts steht...)"),
                 QStringLiteral("Maximierte Auswertung"), QStringLiteral("Auswertung"));
}

void Form1::befehlmaximieren()
{
    vergroessern(Text1, QStringLiteral("Maximierte Befehlsdatei"),
                 QStringLiteral("Maximierte Befehlsdatei (in der leider nichts steht...)"),
                 QStringLiteral("Maximierte Befehlsdatei"), QStringLiteral("Befehl"));
}

void Form1::auswmax_Click()
{
    KlickSpielen();
    auswertungmaximieren();
}

void Form1::befmax_Click()
{
    KlickSpielen();
    befehlmaximieren();
}

namespace {
// Shows the box in the enlarged view and prints it from there; the view
// ends minimised when it was open before, hidden otherwise.
void druckeAusHauptfenster(Form1 *f, TextBox *quelle, const QString &keinText, void (Form1::*fuellen)())
{
    KlickSpielen();
    try {
        if (quelle->text().isEmpty()) {
            MsgBox(keinText);
            return;
        }
        Form6 *f6 = Form6::instance();
        const bool sichtbar = f6->isVisible();
        if (sichtbar)
            f6->setFensterZustand(0);
        (f->*fuellen)();
        f6->inhaltDrucken();
        f6->setFensterZustand(1);
        if (!sichtbar)
            f6->hide();
        f->SetFocus();
    } catch (const Error &e) {
        druckFehlerMelden(e);
    }
}
} // namespace

void Form1::auswdruck_Click()
{
    druckeAusHauptfenster(this, Text2, QStringLiteral("Keine Auswertung vorhanden!"), &Form1::auswertungmaximieren);
}

void Form1::befdruck_Click()
{
    druckeAusHauptfenster(this, Text1, QStringLiteral("Keine Befehle vorhanden!"), &Form1::befehlmaximieren);
}
