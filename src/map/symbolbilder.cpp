#include "map/symbolbilder.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

using namespace kartenmodell;

namespace {
const QColor kHimmel(150, 225, 240);
const QColor kBlassHimmel(215, 235, 245);

// Paints on a canvas of 13 x 14 units (26 x 28 for the high mountain,
// 9 x 9 for the feature mark), scaled to the pixels asked for.
void malen(QPainter &p, Symbol art)
{
    p.setPen(Qt::NoPen);
    auto berge = [&p] {
        p.fillRect(QRectF(0, 0, 13, 14), kHimmel);
        p.setBrush(QColor(140, 90, 40));
        const QPointF a[] = {{-1, 14}, {4.5, 4}, {8, 10}, {10, 6.5}, {14, 14}};
        p.drawPolygon(a, 5);
        p.setBrush(Qt::white);
        const QPointF s[] = {{3.4, 6}, {4.5, 4}, {5.6, 6}};
        p.drawPolygon(s, 3);
    };
    auto baeume = [&p] {
        p.fillRect(QRectF(0, 0, 13, 14), kHimmel);
        p.fillRect(QRectF(0, 12, 13, 2), QColor(70, 120, 40));
        for (double x : {3.0, 9.5}) {
            p.setBrush(QColor(20, 110, 40));
            const QPointF t[] = {{x, 1.5}, {x + 3.3, 10.5}, {x - 3.3, 10.5}};
            p.drawPolygon(t, 3);
            p.fillRect(QRectF(x - 0.6, 10.5, 1.2, 2), QColor(100, 60, 20));
        }
    };
    auto turm = [&p](const QColor &fahne) {
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(QRectF(3, 5, 7, 9));
        for (double x : {3.0, 5.5, 8.0})
            p.drawRect(QRectF(x, 3.5, 2, 1.6));
        p.fillRect(QRectF(5.5, 10, 2, 4), QColor(60, 50, 40));
        p.fillRect(QRectF(6.3, 0, 0.7, 3.6), QColor(60, 60, 60));
        p.setBrush(fahne);
        const QPointF f[] = {{7, 0}, {11, 1}, {7, 2.2}};
        p.drawPolygon(f, 3);
    };
    switch (art) {
    case Ebene:
        p.fillRect(QRectF(0, 0, 13, 14), QColor(120, 200, 70));
        p.setPen(QPen(QColor(70, 150, 40), 0.8));
        for (double y : {4.0, 8.0, 12.0})
            p.drawLine(QPointF(2, y), QPointF(4, y - 1.5));
        p.drawLine(QPointF(8, 6), QPointF(10, 4.5));
        p.drawLine(QPointF(8, 10.5), QPointF(10, 9));
        break;
    case Gebirge:
    case GebirgeGM: berge(); break;
    case HochGebirge: {
        p.fillRect(QRectF(0, 0, 26, 28), kBlassHimmel);
        p.setBrush(QColor(120, 120, 125));
        const QPointF a[] = {{-1, 28}, {7, 12}, {10, 15}, {14, 3}, {19, 13}, {21, 10}, {27, 28}};
        p.drawPolygon(a, 7);
        p.setBrush(QColor(85, 85, 90));
        const QPointF b[] = {{14, 3}, {19, 13}, {21, 10}, {27, 28}, {15, 28}, {16, 14}};
        p.drawPolygon(b, 6);
        p.setBrush(Qt::white);
        const QPointF s[] = {{11.8, 8}, {14, 3}, {16.4, 8}, {14.8, 7}, {13.4, 8.6}};
        p.drawPolygon(s, 5);
        break;
    }
    case See:
        p.fillRect(QRectF(0, 0, 13, 14), QColor(40, 100, 210));
        p.setPen(QPen(QColor(190, 220, 255), 0.9));
        p.setBrush(Qt::NoBrush);
        for (double y : {3.5, 7.5, 11.5}) {
            QPainterPath w;
            w.moveTo(1, y);
            w.cubicTo(3, y - 1.5, 4, y + 1.5, 6.5, y);
            w.cubicTo(8.5, y - 1.5, 9.5, y + 1.5, 12, y);
            p.drawPath(w);
        }
        break;
    case Sumpf:
        p.fillRect(QRectF(0, 0, 13, 14), QColor(115, 85, 45));
        p.fillRect(QRectF(0, 0, 13, 5), kHimmel);
        p.setPen(QPen(QColor(60, 120, 40), 0.9));
        for (double x : {2.0, 4.5, 7.0, 9.5, 11.5})
            p.drawLine(QPointF(x, 13), QPointF(x + (int(x) % 2 ? 0.8 : -0.6), 3 + int(x) % 3));
        p.setBrush(QColor(110, 70, 30));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(4, 2, 1.2, 2.5));
        p.drawEllipse(QRectF(9, 3, 1.2, 2.5));
        break;
    case Wald:
    case WaldNG: baeume(); break;
    case SBurg: turm(QColor(220, 20, 20)); break;
    case NBurg: turm(QColor(30, 60, 220)); break;
    case GubHort:
        p.fillRect(QRectF(0, 0, 13, 14), QColor(240, 220, 90));
        p.setBrush(QColor(30, 110, 30));
        p.drawEllipse(QRectF(2, 10, 7, 3));
        p.fillRect(QRectF(5.2, 1, 0.8, 11), QColor(60, 60, 60));
        p.setBrush(QColor(220, 20, 20));
        {
            const QPointF f[] = {{6, 1}, {11, 2.6}, {6, 4.6}};
            p.drawPolygon(f, 3);
        }
        break;
    case Bes:
        p.fillRect(QRectF(0, 0, 9, 9), QColor(220, 30, 30));
        p.fillRect(QRectF(3, 3, 3, 3), Qt::black);
        break;
    default: break;
    }
}

// Letters of whole pixels, five high: a drawn font of that size would blur
// into a smudge on a symbol ten pixels wide.
struct Glyphe {
    char zeichen;
    const char *zeilen[5];
};
constexpr Glyphe kPixelSchrift[] = {
    {'G', {".###", "#...", "#.##", "#..#", ".###"}},
    {'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#"}},
    {'N', {"#..#", "##.#", "#.##", "#..#", "#..#"}},
};

const Glyphe &glyphe(char c)
{
    for (const Glyphe &g : kPixelSchrift)
        if (g.zeichen == c)
            return g;
    return kPixelSchrift[0];
}

// White letters on a dark band across the symbol's foot, as large as whole
// pixels allow.
void beschriften(QPainter &p, QSize pixel, const char *text)
{
    int breite = -1;
    for (const char *c = text; *c; ++c)
        breite += int(qstrlen(glyphe(*c).zeilen[0])) + 1;
    const int s = std::max(1, std::min(pixel.width() / breite, pixel.height() / 7));
    p.resetTransform();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, pixel.height() - 7 * s, pixel.width(), 7 * s), QColor(0, 0, 0, 150));
    int x = (pixel.width() - breite * s) / 2;
    const int y = pixel.height() - 6 * s;
    for (const char *c = text; *c; ++c) {
        const Glyphe &g = glyphe(*c);
        for (int r = 0; r < 5; ++r)
            for (int k = 0; g.zeilen[r][k]; ++k)
                if (g.zeilen[r][k] == '#')
                    p.fillRect(x + k * s, y + r * s, s, s, Qt::white);
        x += (int(qstrlen(g.zeilen[0])) + 1) * s;
    }
}

QSizeF einheiten(Symbol art)
{
    if (art == HochGebirge)
        return {26, 28};
    if (art == Bes)
        return {9, 9};
    return {13, 14};
}
} // namespace

QImage symbolBild(Symbol art, QSize pixel)
{
    // Images, not pixmaps: the cache may outlive the application object.
    static QHash<quint64, QImage> cache;
    const quint64 key = (quint64(art) << 40) | (quint64(pixel.width()) << 20) | quint64(pixel.height());
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    QImage pm(pixel.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QSizeF e = einheiten(art);
    p.scale(pm.width() / e.width(), pm.height() / e.height());
    malen(p, art);
    if (art == GebirgeGM || art == WaldNG)
        beschriften(p, pm.size(), art == GebirgeGM ? "GM" : "NG");
    p.end();
    cache.insert(key, pm);
    return pm;
}

QIcon pfeilBild(int richtung)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.translate(8, 8);
    p.rotate(richtung == 0 ? 0 : richtung == 1 ? 180 : richtung == 2 ? 90 : 270);
    const QPointF a[] = {{5, 0}, {-1, -5}, {-1, -2}, {-5, -2}, {-5, 2}, {-1, 2}, {-1, 5}};
    p.drawPolygon(a, 7);
    return QIcon(pm);
}
