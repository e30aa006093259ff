// The reference pane of the main window: the category box Combo3, the entry
// list List1 and the explanation box Text6, and the rules tables it shows in
// the enlarged view. The texts themselves live in rulesref/referenz.h.
#include "mainwindow/form1.h"

#include "core/globals.h"
#include "core/sound.h"
#include "mainwindow/form6.h"
#include "platform/units.h"
#include "rulesref/referenz.h"

#include <QMouseEvent>
#include <QSignalBlocker>

using namespace platform;

namespace {

// Mark of the #DRUMF entry in place of an explanation.
const QString kDrumf = QStringLiteral("#DRUMF");

// A click on the entry that is already selected changes no selection, yet
// the player expects its explanation (or the #DRUMF view) again.
class NochmalGeklickt : public QObject {
public:
    NochmalGeklickt(QListWidget *liste, std::function<void()> klick)
        : QObject(liste), m_liste(liste), m_klick(std::move(klick))
    {
        liste->viewport()->installEventFilter(this);
        connect(liste, &QListWidget::itemSelectionChanged, this, [this] {
            m_auswahlNeu = true;
            m_klick();
        });
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::MouseButtonPress) {
            m_auswahlNeu = false;
            m_gedrueckt = true;
        } else if (e->type() == QEvent::MouseButtonRelease && m_gedrueckt) {
            m_gedrueckt = false;
            const QListWidgetItem *item = m_liste->itemAt(static_cast<QMouseEvent *>(e)->position().toPoint());
            if (!m_auswahlNeu && item && item->isSelected())
                m_klick();
        }
        return false;
    }

private:
    QListWidget *m_liste;
    std::function<void()> m_klick;
    bool m_auswahlNeu = false;
    bool m_gedrueckt = false;
};

void listeFuellen(Form1 *f, const QStringList &eintraege, const QString &schrift, double groesse)
{
    f->Text6->setFontName(QStringLiteral("MS Sans Serif"));
    f->Text6->setFontSize(8);
    // Filling the list is not a pick: the click handler stays out of it.
    const QSignalBlocker block(f->List1);
    f->List1->clear();
    f->List1->setFont(platform::font(schrift, groesse));
    for (int i = 0; i < eintraege.size(); ++i)
        f->List1->insertItem(i, eintraege[i]);
    place(f->List1, 9000, 4920, 3132, 1392);
}

void listeLeeren(Form1 *f)
{
    const QSignalBlocker block(f->List1);
    f->List1->clear();
}

// The enlarged view shows a reference text: read-only, without printing.
// The tables put their text in first; the #DRUMF text and the properties
// come last, after the key.
struct Gross {
    QString schrift;
    double groesse;
    QString ueberschrift;
    QString titel;
    QString schluessel;
    QString text;
    bool textZuletzt;
};

void grossZeigen(const Gross &a)
{
    Form6 *g = Form6::instance();
    g->show();
    g->setFensterZustand(0);
    g->SetFocus();
    g->Text1->setFontName(a.schrift);
    g->Text1->setFontSize(a.groesse);
    if (!a.textZuletzt)
        g->fuellen(a.text);
    g->Label1->setCaption(a.ueberschrift);
    g->setWindowTitle(a.titel);
    g->drr->setVisible(false);
    g->Text1->setLocked(true);
    FensterInhalt = a.schluessel;
    if (a.textZuletzt)
        g->fuellen(a.text);
}

// The frame every rules table runs: the list emptied, the table in
// miniature in the pane, and the table with its notes in the enlarged view.
void tafelZeigen(Form1 *f, const rulesref::Tafel &t)
{
    listeLeeren(f);
    if (t.paneGroesse > 0) {
        place(f->List1, 9000, 4920, 3132, 1392);
        f->Text6->setFontName(QStringLiteral("Courier New"));
        f->Text6->setFontSize(t.paneGroesse);
        f->Text6->setText(t.block.join(rulesref::crlf));
    }
    grossZeigen({t.schrift, t.schriftGroesse, t.ueberschrift, t.titel, t.schluessel, t.ansicht, t.paneGroesse == 0});
}

QStringList listenTexte(const QList<rulesref::Kommando> &k)
{
    QStringList l;
    for (const rulesref::Kommando &e : k)
        l << e.liste;
    return l;
}

QStringList listenTexte(const QList<rulesref::Zauber> &z)
{
    QStringList l;
    for (const rulesref::Zauber &e : z)
        l << e.liste;
    return l;
}

} // namespace

void Form1::connectRulesHandlers()
{
    // A long step is cut at the list's edge; a click shows it whole below.
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every choice counts, also the category already shown.
    connect(Combo3, &QComboBox::activated, this, [this](int) { Combo3_Click(); });
    new NochmalGeklickt(List1, [this] { List1_Click(); });
}

void Form1::Combo3_Click()
{
    Text6->setText(QString());
    using Prozedur = void (Form1::*)();
    static const Prozedur prozeduren[] = {
        &Form1::listeladenkreuz,        &Form1::listeladenkampfablauf, &Form1::listeladenheldenaufstieg,
        &Form1::listeladenbcdprod,      &Form1::listeladenburgerw,     &Form1::listeladenEigenschaften,
        &Form1::listeladeneinzeln,      &Form1::listeladengrprod,      &Form1::listeladennachschub,
        &Form1::listeladenrang,         &Form1::listeladenerweiterung, &Form1::listeladenterrain,
        &Form1::listeladenverarbeitung, &Form1::listeladenzauber,
    };
    const int p = Combo3->currentIndex();
    if (p >= 0 && p < 14)
        (this->*prozeduren[p])();
}

void Form1::List1_Click()
{
    QString erklaerung;
    const int n = List1->count();
    if (Combo3->currentIndex() == 0) {
        for (int i = 0; i < 22 && i < n; ++i)
            if (List1->item(i)->isSelected())
                erklaerung = i == rulesref::drumfPosition ? kDrumf : rulesref::kommandoText(i);
    }
    if (Combo3->currentIndex() == 12) {
        // the step's own text is its explanation
        const QListWidgetItem *item = List1->currentItem();
        if (item && item->isSelected())
            erklaerung = item->text();
    }
    if (Combo3->currentIndex() == 13) {
        for (int i = 0; i < 36 && i < n; ++i)
            if (List1->item(i)->isSelected())
                erklaerung = rulesref::zauberText(i);
    }
    if (BestaetigungsKlangAn == 1)
        Abspielen(klangspieler().MMControl4);
    if (erklaerung.compare(kDrumf, Qt::CaseInsensitive) == 0)
        grossZeigen({QStringLiteral("Verdana"), 9, QStringLiteral("Erklärung zum #DRUMF - Kommando:"),
                     QStringLiteral("Das #DRUMF - Kommando"), QStringLiteral("#"), rulesref::drumfText(), true});
    else
        Text6->setText(erklaerung);
}

void Form1::listeladenkreuz()
{
    listeFuellen(this, listenTexte(rulesref::kommandos()), QStringLiteral("Courier New"), 8);
}

void Form1::listeladenverarbeitung()
{
    listeFuellen(this, rulesref::verarbeitung(), QStringLiteral("Small Fonts"), 6);
}

void Form1::listeladenzauber()
{
    listeFuellen(this, listenTexte(rulesref::zaubersprueche()), QStringLiteral("Courier New"), 8);
}

void Form1::listeladenkampfablauf() { tafelZeigen(this, rulesref::kampfablauf()); }
void Form1::listeladenheldenaufstieg() { tafelZeigen(this, rulesref::heldenaufstieg()); }
void Form1::listeladenbcdprod() { tafelZeigen(this, rulesref::bcdProdukte()); }
void Form1::listeladenburgerw() { tafelZeigen(this, rulesref::burgerweiterung()); }
void Form1::listeladenEigenschaften() { tafelZeigen(this, rulesref::eigenschaften()); }
void Form1::listeladeneinzeln() { tafelZeigen(this, rulesref::einzeln()); }
void Form1::listeladengrprod() { tafelZeigen(this, rulesref::grossProduktion()); }
void Form1::listeladennachschub() { tafelZeigen(this, rulesref::nachschub()); }
void Form1::listeladenrang() { tafelZeigen(this, rulesref::rang()); }
void Form1::listeladenerweiterung() { tafelZeigen(this, rulesref::stammerweiterungen()); }
void Form1::listeladenterrain() { tafelZeigen(this, rulesref::terrain()); }
