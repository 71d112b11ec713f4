#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QRectF>
#include <QSize>

namespace art {

// An opaque picture to paint on, with antialiasing switched on. Drawing is
// given in the picture's 1× pixels; at scale 2 or 3 the same drawing fills a
// picture two or three times as large, so every scale is drawn, not enlarged.
class Canvas {
public:
    explicit Canvas(QSize size, int scale = 1);
    QPainter &painter() { return m_painter; }
    QRectF rect() const { return QRectF(QPointF(0, 0), m_size); }
    QImage finish();

private:
    QSize m_size;
    QImage m_image;
    QPainter m_painter;
};

// Seeded so that every build draws exactly the same pictures.
QRandomGenerator sceneryRandom(quint32 seed);
qreal randomBetween(QRandomGenerator &random, qreal low, qreal high);

void paintVerticalGradient(QPainter &p, const QRectF &rect, std::initializer_list<std::pair<qreal, QColor>> stops);
QPainterPath cloudPath(QPointF centre, qreal size);
// Rolling ground whose top edge passes through the given heights, spread
// evenly across the width, and which runs down to the bottom of rect.
QPainterPath hillPath(const QRectF &rect, std::initializer_list<qreal> heights);
void paintGrassTuft(QPainter &p, QPointF root, qreal height, const QColor &colour);
void paintFlower(QPainter &p, QPointF centre, qreal radius, const QColor &petals);
void paintStarfield(QPainter &p, const QRectF &area, int count, quint32 seed);
void paintVersionMark(QPainter &p, const QRectF &picture, const QColor &text, const QColor &shadow);

} // namespace art
