#include "map/kartenleinwand.h"

#include "map/symbolbilder.h"
#include "platform/controls.h"
#include "platform/units.h"

#include <QGlyphRun>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>
#include <cmath>

using namespace kartenmodell;

Kartenleinwand::Kartenleinwand(const SymbolBestand &symbole, QWidget *parent) : QWidget(parent), m_symbole(symbole)
{
    setObjectName(QStringLiteral("Picture1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setFont(platform::font(QStringLiteral("Times New Roman"), 7));
    m_sx = platform::twipsX(14400) / 14400.0;
    m_sy = platform::twipsY(14400) / 14400.0;
}

void Kartenleinwand::gitterZeichnen(int spalten, int zeilen, double w, double h)
{
    m_spalten = spalten;
    m_zeilen = zeilen;
    m_w = w;
    m_h = h;
    update();
}

void Kartenleinwand::leeren() { gitterZeichnen(0, 0, 0, 0); }

void Kartenleinwand::zelleNeu(int spalte, int zeile)
{
    if (spalte < 1 || zeile < 1 || !hatGitter())
        return;
    const double wp = m_w * m_sx, hp = m_h * m_sy;
    const int x0 = int(std::lround((spalte - 1) * wp)), y0 = int(std::lround((zeile - 1) * hp));
    const int x1 = int(std::lround(spalte * wp)), y1 = int(std::lround(zeile * hp));
    update(QRect(x0 - 1, y0 - 1, std::max(x1 - x0, 48) + 3, std::max(y1 - y0, 16) + 3));
}

void Kartenleinwand::symbolNeu(Symbol art, int feld)
{
    if (feld < 1 || feld > kMaxFelder || !m_symbole.geladen(art, feld))
        return;
    const SymbolElement &e = m_symbole.element(art, feld);
    const QSizeF g = symbolGroesse(art);
    update(QRect(int(e.ort.x() * m_sx) - 1, int(e.ort.y() * m_sy) - 1, int(g.width() * m_sx) + 3,
                 int(g.height() * m_sy) + 3));
}

void Kartenleinwand::paintEvent(QPaintEvent *e)
{
    QPainter p(this);
    malen(p, e->rect());
}

void Kartenleinwand::malen(QPainter &p, const QRect &bereich) const
{
    p.fillRect(bereich, platform::color(0x8000000F));
    if (hatGitter() && m_w > 0 && m_h > 0) {
        const double wp = m_w * m_sx, hp = m_h * m_sy;
        auto kante = [](int k, double s) { return int(std::lround(k * s)); };
        // Only the cells the rectangle touches.
        const int c0 = qBound(1, int(bereich.left() / wp), m_spalten);
        const int c1 = qBound(1, int(bereich.right() / wp) + 1, m_spalten);
        const int r0 = qBound(1, int(bereich.top() / hp), m_zeilen);
        const int r1 = qBound(1, int(bereich.bottom() / hp) + 1, m_zeilen);
        if (AktuelleSpalte >= c0 && AktuelleSpalte <= c1 && AktuelleZeile >= r0 && AktuelleZeile <= r1
            && AktuelleSpalte <= m_spalten && AktuelleZeile <= m_zeilen) {
            const int x0 = kante(AktuelleSpalte - 1, wp), y0 = kante(AktuelleZeile - 1, hp);
            p.fillRect(QRect(QPoint(x0, y0), QPoint(kante(AktuelleSpalte, wp), kante(AktuelleZeile, hp))),
                       platform::color(quint32(MarkierFarbe)));
        }
        // The cell outlines as one-pixel fills: the fastest road to pixels.
        const int top = kante(r0 - 1, hp), bottom = kante(r1, hp);
        const int left = kante(c0 - 1, wp), right = kante(c1, wp);
        for (int c = c0 - 1; c <= c1; ++c)
            p.fillRect(QRect(kante(c, wp), top, 1, bottom - top + 1), Qt::black);
        for (int r = r0 - 1; r <= r1; ++r)
            p.fillRect(QRect(left, kante(r, hp), right - left + 1, 1), Qt::black);
        zahlenMalen(p, c0, c1, r0, r1);
    }
    // The symbols lie above the grid.
    const QRectF feld(bereich);
    m_symbole.jedesSichtbare([&](Symbol art, int, const SymbolElement &e) {
        const QSizeF g = symbolGroesse(art);
        const QRect r(QPoint(int(std::lround(e.ort.x() * m_sx)), int(std::lround(e.ort.y() * m_sy))),
                      QSize(int(std::lround(g.width() * m_sx)), int(std::lround(g.height() * m_sy))));
        if (!feld.intersects(r))
            return;
        p.fillRect(r, platform::color(e.farbe));
        p.drawImage(r.topLeft(), symbolBild(art, r.size()));
    });
}

void Kartenleinwand::zahlenMalen(QPainter &p, int c0, int c1, int r0, int r1) const
{
    // One glyph run for all numbers: a blank, then the digits, from the
    // cell's top-left corner.
    QRawFont &raw = m_ziffernSchrift;
    if (!raw.isValid()) {
        raw = QRawFont::fromFont(font());
        m_glyphen = raw.glyphIndexesForString(QStringLiteral(" 0123456789"));
        m_vorschub = raw.advancesForGlyphIndexes(m_glyphen);
    }
    const QList<quint32> &glyphen = m_glyphen;
    const QList<QPointF> &vorschub = m_vorschub;
    if (!raw.isValid() || glyphen.size() != 11)
        return;
    const double wp = m_w * m_sx, hp = m_h * m_sy;
    const double ascent = raw.ascent();
    QList<quint32> ix;
    QList<QPointF> pos;
    ix.reserve((c1 - c0 + 1) * (r1 - r0 + 1) * 5);
    pos.reserve(ix.capacity());
    char ziffern[8];
    for (int r = r0; r <= r1; ++r) {
        const double y = std::lround((r - 1) * hp) + ascent;
        for (int c = c0; c <= c1; ++c) {
            double x = std::lround((c - 1) * wp) + vorschub[0].x();
            const int n = (r - 1) * m_spalten + c;
            const int len = std::snprintf(ziffern, sizeof ziffern, "%d", n);
            for (int i = 0; i < len; ++i) {
                const int g = 1 + (ziffern[i] - '0');
                ix.append(glyphen[g]);
                pos.append(QPointF(x, y));
                x += vorschub[g].x();
            }
        }
    }
    QGlyphRun lauf;
    lauf.setRawFont(raw);
    lauf.setGlyphIndexes(ix);
    lauf.setPositions(pos);
    p.setPen(platform::color(0x80000012));
    p.drawGlyphRun(QPointF(0, 0), lauf);
}

void Kartenleinwand::mousePressEvent(QMouseEvent *e)
{
    setFocus(Qt::MouseFocusReason);
    const QPointF twips = inTwips(e->position());
    if (const auto t = m_symbole.treffer(twips))
        emit symbolGedrueckt(*t, e->button());
    else
        emit mausGedrueckt(twips, e->button());
}

void Kartenleinwand::focusOutEvent(QFocusEvent *e)
{
    QWidget::focusOutEvent(e);
    emit fokusVerloren();
}
