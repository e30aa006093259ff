// Draws a new 100 x 100 map (every cell and number, from the model to
// pixels) beside a plain fill of the same canvas, then times a click on
// the map answered: the panel stored and shown, the cells repainted.
#include "map/karte.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Dialoge dlg;
    Karte *k = Karte::instance();
    k->show();
    k->Text1->setText(QStringLiteral("100"));
    k->Text2->setText(QStringLiteral("100"));

    QElapsedTimer t;
    t.start();
    QTimer::singleShot(0, [] { popupKlick(1); });
    k->Command1_Click();
    const double neu = t.nsecsElapsed() / 1e6;

    const QSize groesse = k->Picture1->size();
    QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> fuellen, zeichnen;
    for (int i = 0; i < 7; ++i) {
        t.restart();
        bild.fill(Qt::white);
        fuellen.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        {
            QPainter p(&bild);
            k->Picture1->malen(p, bild.rect());
        }
        zeichnen.push_back(t.nsecsElapsed() / 1e6);
    }

    // A click: store the panel into the old field, show the new one, repaint.
    std::vector<double> klicks;
    for (int i = 0; i < 25; ++i) {
        const int feld = 1 + (i * 37) % 400;
        const QRectF z = kartenmodell::zelle(kartenmodell::spalteVon(feld), kartenmodell::zeileVon(feld));
        t.restart();
        k->Picture1_MouseDown(1, 0, float(z.center().x()), float(z.center().y()));
        QCoreApplication::processEvents(); // the two cells repainted
        klicks.push_back(t.nsecsElapsed() / 1e6);
    }

    std::printf("map canvas:            %d x %d pixels (100 x 100 fields)\n", groesse.width(), groesse.height());
    std::printf("plain fill:            %8.2f ms\n", median(fuellen));
    std::printf("map drawn, all cells:  %8.2f ms  (target: under 16 ms)\n", median(zeichnen));
    std::printf("ratio:                 %8.1f x\n", median(zeichnen) / median(fuellen));
    std::printf("\"New\" 100 x 100:       %8.2f ms  (popup answered at once)\n", neu);
    std::printf("click answered:        %8.2f ms  (target: under 5 ms)\n", median(klicks));
    return 0;
}
