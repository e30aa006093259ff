// The map canvas: paints the grid, the field numbers, the selected cell and
// the field symbols from the model, only inside the exposed rectangle, and
// turns a mouse press into a point in twips or a symbol hit.
#pragma once

#include "map/symbole.h"

#include <QFont>
#include <QRawFont>
#include <QWidget>

class Kartenleinwand : public QWidget {
    Q_OBJECT
public:
    Kartenleinwand(const SymbolBestand &symbole, QWidget *parent = nullptr);

    // The grid as drawn: W x H cells of w x h twips. Later changes of the
    // field size show with the next drawing.
    void gitterZeichnen(int spalten, int zeilen, double w, double h);
    // The canvas cleared: no grid.
    void leeren();
    bool hatGitter() const { return m_spalten > 0 && m_zeilen > 0; }
    int gitterSpalten() const { return m_spalten; }

    // Repaints one cell (with the number that may reach beyond it), or one
    // symbol, instead of the whole canvas.
    void zelleNeu(int spalte, int zeile);
    void symbolNeu(kartenmodell::Symbol art, int feld);

    // Paints the part inside the rectangle (pixels of the canvas).
    void malen(QPainter &p, const QRect &bereich) const;
    // Twips of a point in pixels.
    QPointF inTwips(QPointF pixel) const { return {pixel.x() / m_sx, pixel.y() / m_sy}; }

signals:
    void mausGedrueckt(QPointF twips, Qt::MouseButton button);
    void symbolGedrueckt(SymbolTreffer treffer, Qt::MouseButton button);
    void fokusVerloren();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    void zahlenMalen(QPainter &p, int c0, int c1, int r0, int r1) const;
    const SymbolBestand &m_symbole;
    int m_spalten = 0, m_zeilen = 0;
    double m_w = 0, m_h = 0;
    double m_sx = 1, m_sy = 1;
    // The digits of the field numbers, looked up once.
    mutable QRawFont m_ziffernSchrift;
    mutable QList<quint32> m_glyphen;
    mutable QList<QPointF> m_vorschub;
};
