// Sizes in twips (1440 to the inch) turned into pixels by the screen's
// logical DPI, and colours written &HBBGGRR.
#pragma once

#include <QColor>
#include <QRect>

class QWidget;

namespace platform {

int twipsX(double twips);
int twipsY(double twips);
double pixelsToTwipsX(int px);
QRect twipsRect(double left, double top, double width, double height);
void place(QWidget *w, double left, double top, double width, double height);

// &HBBGGRR, and &H800000nn for the system colours.
QColor color(quint32 bbggrr);

} // namespace platform
