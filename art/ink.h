#pragma once

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <initializer_list>

namespace art {

// A painted shape's colours: what fills it and the line drawn round it.
struct Ink {
    QColor fill;
    QColor line;
};

QPainterPath circlePath(QPointF centre, qreal radius);
QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry);
QPainterPath polygonPath(std::initializer_list<QPointF> points);
QPainterPath rectPath(const QRectF &rect);
QPainterPath roundedRectPath(const QRectF &rect, qreal radius);

// Round body that is fuller towards the bottom, so it sits on the ground.
QPainterPath blobPath(const QRectF &rect);
// Ellipse whose rim wobbles; amplitude is in the same units as the radii.
QPainterPath wobblyEllipsePath(QPointF centre, qreal rx, qreal ry, qreal amplitude, int waves, qreal phase = 0);
QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points);
QPainterPath sparklePath(QPointF centre, qreal radius);
// Tear or sweat drop hanging from its pointed tip.
QPainterPath dropPath(QPointF tip, qreal radius);
QPainterPath spiralPath(QPointF centre, qreal radius, qreal turns);
// Scales and centres a path into box, keeping its proportions.
QPainterPath fitPath(const QPainterPath &path, const QRectF &box);

void paintOutlined(QPainter &p, const QPainterPath &path, const QBrush &fill, const QColor &line, qreal width = 1.0);
void paintOutlined(QPainter &p, const QPainterPath &path, const Ink &ink, qreal width = 1.0);
void paintFilled(QPainter &p, const QPainterPath &path, const QBrush &fill);
void paintStroke(QPainter &p, const QPainterPath &path, const QColor &colour, qreal width = 1.0);
void paintLine(QPainter &p, QPointF from, QPointF to, const QColor &colour, qreal width = 1.0);
// A thick round-ended stroke with an outline, for arms, legs and stalks.
void paintLimb(QPainter &p, QPointF from, QPointF to, qreal thickness, const Ink &ink, qreal lineWidth = 1.0);

// Soft light from the upper left, so flat shapes look round.
QBrush roundShade(const QRectF &bounds, const QColor &base);
void paintGloss(QPainter &p, QPointF centre, qreal rx, qreal ry, int alpha = 190);

QColor withAlpha(QColor colour, int alpha);

} // namespace art
