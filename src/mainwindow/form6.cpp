#include "mainwindow/form6.h"

#include "core/drucken.h"
#include "core/fensterliste.h"
#include "core/globals.h"
#include "core/sound.h"
#include "core/windowmenu.h"
#include "mainwindow/form1.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/units.h"

#include <QMenuBar>
#include <QScopedValueRollback>

using namespace platform;

namespace {
Form6 *g_form6 = nullptr;

const fensterliste::Anmeldung kImFensterMenue(QStringLiteral("Form6"), fensterliste::zugang<Form6>(&Form6::Unload));

const QString kTitelEntwurf = QStringLiteral("Maximierte Auswertung / Befehle");

} // namespace

Form6 *Form6::instance()
{
    if (!g_form6)
        g_form6 = new Form6();
    return g_form6;
}

bool Form6::exists() { return g_form6 != nullptr; }

Form6::Form6() : Form(QStringLiteral("Form6"))
{
    setFont(platform::font(QStringLiteral("MS Sans Serif"), 8.25));
    // The text box keeps its size. The heading gets room for three lines
    // (the address runs over two, and the first is wider than the window),
    // the close button a row of its own below.
    setClientSizeTwips(12192, 8820);
    moveTwips(36, 612);
    QWidget *c = client();

    Label1 = new Label(c);
    Label1->setObjectName(QStringLiteral("Label1"));
    {
        QFont f = platform::font(QStringLiteral("System"), 9.6);
        f.setBold(true);
        Label1->setFont(f);
    }
    place(Label1, 120, 0, 12012, 720);

    Text1 = steuerelement<TextBox>(c, QStringLiteral("Text1"), 120, 720, 12012, 7572);
    connect(Text1, &TextBox::changed, this, &Form6::Text1_Change);

    Command2 = steuerelement<QPushButton>(c, QStringLiteral("Command2"), 120, 8364, 12012, 372, QStringLiteral("Schliessen"));
    connect(Command2, &QPushButton::clicked, this, &Form6::Command2_Click);
    setCancelButton(Command2);

    QMenuBar *mb = menuBar();
    drr = mb->addAction(QStringLiteral("Drucken"));
    drr->setObjectName(QStringLiteral("drr"));
    connect(drr, &QAction::triggered, this, &Form6::drr_Click);

    winwindowdow = mb->addMenu(QStringLiteral("Fenster"));
    winwindowdow->setObjectName(QStringLiteral("winwindowdow"));
    winwindowdow->menuAction()->setObjectName(QStringLiteral("winwindowdow"));
    auto mk = [this](const char *name, const QString &caption, const QKeySequence &key, void (Form6::*handler)()) {
        QAction *a = winwindowdow->addAction(caption);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return a;
    };
    winwinanord = mk("winwinanord", QStringLiteral("Fenster anordnen"), QKeySequence(Qt::CTRL | Qt::Key_A),
                     &Form6::winwinanord_Click);
    winwinmin = mk("winwinmin", QStringLiteral("alle Fenster minimieren"), QKeySequence(Qt::Key_F8),
                   &Form6::winwinmin_Click);
    winwinschliess = mk("winwinschliess", QStringLiteral("alle Fenster schliessen und Hauptfenster minimieren"),
                        QKeySequence(Qt::Key_F9), &Form6::winwinschliess_Click);
    // Ctrl+A would select the text instead.
    menuKeysWinOver({Text1});

    designState();
}

void Form6::designState()
{
    setWindowTitle(kTitelEntwurf);
    Label1->setCaption(QString());
    Text1->setLocked(false);
    Text1->setFontName(QStringLiteral("MS Sans Serif"));
    Text1->setFontSize(8.25);
    fuellen(QString());
    drr->setVisible(true);
    verandert = 0;
}

void Form6::fuellen(const QString &text)
{
    const QScopedValueRollback<bool> fuellt(m_fuellt, true);
    Text1->setText(text);
}

void Form6::Unload()
{
    hide();
    setFensterZustand(0);
    designState();
}

void Form6::Text1_Change()
{
    if (m_fuellt)
        return;
    if (verandert == 0)
        verandert = 1;
}

void Form6::Command2_Click()
{
    hide();
    KlickSpielen();
}

void Form6::drr_Click()
{
    KlickSpielen();
    try {
        if (Text1->text().isEmpty()) {
            MsgBox(QStringLiteral("Kein Text enthalten zum Drucken!"));
            return;
        }
        inhaltDrucken();
    } catch (const Error &e) {
        druckFehlerMelden(e);
    }
}

void Form6::inhaltDrucken()
{
    Form1 *f1 = Form1::instance();
    Druckauftrag a;
    a.inhalt = FensterInhalt;
    a.text = Text1->text();
    a.schrift = Text1->fontName();
    a.groesse = Text1->fontSize();
    // The whole report as loaded; a load that kept nothing in the store
    // (stopped, or a report without head line) leaves only what is shown.
    a.ganzerBericht = [f1] {
        const QByteArray ganz = f1->store();
        return ganz.isEmpty() ? f1->Text2->text() : f1->reportText(ganz);
    };
    a.status = [f1](const QString &wort) { f1->setLoadStatus(wort); };
    // The main window's bar shows the print's course unless a load uses it.
    bool balken = false;
    if (f1->arbeit != 1)
        a.fortschritt = [f1, &balken](double anteil) {
            balken = true;
            f1->drawBar(f1->hoehe * anteil, true);
        };
    Drucken(a);
    if (balken)
        f1->eraseBar();
}

void Form6::winwinanord_Click() { FensterAnordnen(); }

void Form6::winwinmin_Click()
{
    FensterMinimieren();
    ueuebertragen();
}

void Form6::winwinschliess_Click()
{
    FensterSchliessen();
    ueuebertragen();
}

void Form6::ueuebertragen()
{
    // Only the report and the orders go back; the rules reference's texts
    // never do.
    const bool bericht = FensterInhalt == QLatin1String("Auswertung");
    if (verandert != 1 || (!bericht && FensterInhalt != QLatin1String("Befehl")))
        return;
    Form1 *f = Form1::instance();
    verandert = 0;
    // While a load runs, the main window's texts are being replaced: what
    // the view holds is the old text and must not go back over the new.
    if (f->arbeit == 1)
        return;
    const QString text = Text1->text();
    if (text == (bericht ? f->Text2 : f->Text1)->text())
        return;
    if (MsgBox(QStringLiteral("Im maximierten Fenster wurde etwas verändert.\nSoll es übertragen werden?"), YesNo) != Yes)
        return;
    (bericht ? f->Text2 : f->Text1)->setText(text);
}

void Form6::Form_Deactivate() { ueuebertragen(); }

void Form6::Form_QueryUnload(qint16 &, qint16) { ueuebertragen(); }

// Closed through its frame the view is unloaded: it comes back empty.
void Form6::Form_Unload(qint16 &)
{
    setFensterZustand(0);
    designState();
}
