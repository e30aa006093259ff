// The map window's side of the army-order wizard: the order line's working
// copy on the map, leaving path mode, and the wizard's place beside the map.
#include "map/herst.h"

#include "map/karte.h"

#include <QLayout>
#include <QScreen>
#include <limits>

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

namespace {
// The part of the map's grid that shows in its frame, on the screen.
QRect gitterAufBildschirm(const Karte *k)
{
    const QRect bild(k->Picture1->mapToGlobal(QPoint(0, 0)), k->Picture1->size());
    const QRect rahmen(k->Picture2->mapToGlobal(QPoint(0, 0)), k->Picture2->size());
    return bild & rahmen;
}

qint64 flaeche(const QRect &r) { return qint64(r.width()) * r.height(); }
} // namespace

QPoint HErst::lage(const QRect &bildschirm, const QRect &karte, const QRect &gitter, const QSize &groesse)
{
    const QPoint kandidaten[] = {
        {karte.right() + 1, karte.top()},
        {karte.left() - groesse.width(), karte.top()},
        {karte.left(), karte.bottom() + 1},
        {karte.left(), karte.top() - groesse.height()},
    };
    QPoint beste;
    std::pair<qint64, qint64> wenigste(std::numeric_limits<qint64>::max(), 0);
    for (QPoint p : kandidaten) {
        // On the screen; a screen smaller than the wizard shows its top left.
        p.setX(std::max(bildschirm.left(), std::min(p.x(), bildschirm.right() + 1 - groesse.width())));
        p.setY(std::max(bildschirm.top(), std::min(p.y(), bildschirm.bottom() + 1 - groesse.height())));
        const QRect r(p, groesse);
        const std::pair<qint64, qint64> bedeckt(flaeche(r & gitter), flaeche(r & karte));
        if (bedeckt < wenigste) {
            wenigste = bedeckt;
            beste = p;
        }
    }
    return beste;
}

void HErst::anordnen()
{
    const Karte *k = Karte::instance();
    layout()->activate();
    QSize groesse = frameGeometry().size();
    // Before its first showing the wizard's frame is not known: it is taken
    // as thick as the map window's.
    if (groesse == size())
        groesse += k->frameGeometry().size() - k->size();
    const QPoint p = lage(k->screen()->availableGeometry(), k->frameGeometry(), gitterAufBildschirm(k), groesse);
    if (p != frameGeometry().topLeft())
        move(p);
}

bool HErst::ueberGitter() const { return frameGeometry().intersects(gitterAufBildschirm(Karte::instance())); }

void HErst::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        anordnen();
        m_rahmenOffen = true;
    }
    Form::setVisible(visible);
}

// The window manager frames a shown window a moment later; with the frame's
// size known the place is looked at once more.
void HErst::moveEvent(QMoveEvent *e)
{
    Form::moveEvent(e);
    if (m_rahmenOffen && frameGeometry() != geometry()) {
        m_rahmenOffen = false;
        anordnen();
    }
}

// The map window moves or grows, or its grid does (a map drawn or loaded):
// the wizard steps aside if it now covers the grid.
bool HErst::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && isVisible() && ueberGitter())
        anordnen();
    return Form::eventFilter(watched, event);
}
