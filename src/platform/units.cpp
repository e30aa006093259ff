#include "platform/units.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace platform {

namespace {
double logicalDpiX()
{
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->logicalDotsPerInchX();
    return 96.0;
}
double logicalDpiY()
{
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->logicalDotsPerInchY();
    return 96.0;
}
} // namespace

int twipsX(double twips) { return static_cast<int>(std::lround(twips * logicalDpiX() / 1440.0)); }
int twipsY(double twips) { return static_cast<int>(std::lround(twips * logicalDpiY() / 1440.0)); }
double pixelsToTwipsX(int px) { return px * 1440.0 / logicalDpiX(); }

QRect twipsRect(double left, double top, double width, double height)
{
    const int l = twipsX(left), t = twipsY(top);
    return QRect(l, t, twipsX(left + width) - l, twipsY(top + height) - t);
}

void place(QWidget *w, double left, double top, double width, double height)
{
    w->setGeometry(twipsRect(left, top, width, height));
}

QColor color(quint32 v)
{
    if (v & 0x80000000u) {
        const QPalette pal = QApplication::palette();
        switch (v & 0xFFu) {
        case 0x0F: return pal.color(QPalette::Button);          // button face
        case 0x12: return pal.color(QPalette::ButtonText);      // button text
        case 0x0D: return pal.color(QPalette::Highlight);       // highlight
        case 0x09: return pal.color(QPalette::HighlightedText); // highlighted / title text
        case 0x0C: return pal.color(QPalette::Dark);            // application workspace
        case 0x0A: return pal.color(QPalette::Mid);             // active border
        case 0x05: return pal.color(QPalette::Base);            // window background
        case 0x08: return pal.color(QPalette::Text);            // window text
        default: return pal.color(QPalette::Window);
        }
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

} // namespace platform
