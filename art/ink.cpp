#include "ink.h"

#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace art {

QPainterPath circlePath(QPointF centre, qreal radius)
{
    return ellipsePath(centre, radius, radius);
}

QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath rectPath(const QRectF &rect)
{
    QPainterPath path;
    path.addRect(rect);
    return path;
}

QPainterPath roundedRectPath(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath blobPath(const QRectF &r)
{
    const qreal cx = r.center().x();
    const qreal halfWidth = r.width() / 2;
    const qreal waist = r.top() + r.height() * 0.58;
    const qreal upper = waist - r.top();
    const qreal lower = r.bottom() - waist;

    QPainterPath path;
    path.moveTo(cx, r.top());
    path.cubicTo(cx + halfWidth * 0.56, r.top(), r.right(), waist - upper * 0.56, r.right(), waist);
    path.cubicTo(r.right(), waist + lower * 0.72, cx + halfWidth * 0.7, r.bottom(), cx, r.bottom());
    path.cubicTo(cx - halfWidth * 0.7, r.bottom(), r.left(), waist + lower * 0.72, r.left(), waist);
    path.cubicTo(r.left(), waist - upper * 0.56, cx - halfWidth * 0.56, r.top(), cx, r.top());
    path.closeSubpath();
    return path;
}

QPainterPath wobblyEllipsePath(QPointF centre, qreal rx, qreal ry, qreal amplitude, int waves, qreal phase)
{
    constexpr int steps = 96;
    QPolygonF points;
    for (int i = 0; i < steps; ++i) {
        const qreal angle = 2 * std::numbers::pi * i / steps;
        const qreal swell = 1 + amplitude / std::max(rx, ry) * std::sin(waves * angle + phase);
        points << centre + QPointF(std::cos(angle) * rx * swell, std::sin(angle) * ry * swell);
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points)
{
    QPolygonF polygon;
    for (int i = 0; i < points * 2; ++i) {
        const qreal angle = -std::numbers::pi / 2 + std::numbers::pi * i / points;
        const qreal radius = i % 2 == 0 ? outer : inner;
        polygon << centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath sparklePath(QPointF centre, qreal radius)
{
    // Concave sides make a twinkle rather than a diamond.
    const qreal waist = radius * 0.18;
    QPainterPath path;
    path.moveTo(centre + QPointF(0, -radius));
    path.quadTo(centre + QPointF(waist, -waist), centre + QPointF(radius, 0));
    path.quadTo(centre + QPointF(waist, waist), centre + QPointF(0, radius));
    path.quadTo(centre + QPointF(-waist, waist), centre + QPointF(-radius, 0));
    path.quadTo(centre + QPointF(-waist, -waist), centre + QPointF(0, -radius));
    path.closeSubpath();
    return path;
}

QPainterPath dropPath(QPointF tip, qreal radius)
{
    const QPointF bulb = tip + QPointF(0, radius * 1.7);
    QPainterPath path;
    path.moveTo(tip);
    path.cubicTo(tip + QPointF(radius * 0.25, radius * 0.6), bulb + QPointF(radius, -radius * 0.6),
                 bulb + QPointF(radius, 0));
    path.arcTo(QRectF(bulb.x() - radius, bulb.y() - radius, radius * 2, radius * 2), 0, -180);
    path.cubicTo(bulb + QPointF(-radius, -radius * 0.6), tip + QPointF(-radius * 0.25, radius * 0.6), tip);
    path.closeSubpath();
    return path;
}

QPainterPath spiralPath(QPointF centre, qreal radius, qreal turns)
{
    constexpr int steps = 60;
    QPainterPath path;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal angle = t * turns * 2 * std::numbers::pi;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * t;
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

QPainterPath fitPath(const QPainterPath &path, const QRectF &box)
{
    const QRectF bounds = path.boundingRect();
    const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

void paintOutlined(QPainter &p, const QPainterPath &path, const QBrush &fill, const QColor &line, qreal width)
{
    p.save();
    p.setBrush(fill);
    p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

void paintOutlined(QPainter &p, const QPainterPath &path, const Ink &ink, qreal width)
{
    paintOutlined(p, path, QBrush(ink.fill), ink.line, width);
}

void paintFilled(QPainter &p, const QPainterPath &path, const QBrush &fill)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void paintStroke(QPainter &p, const QPainterPath &path, const QColor &colour, qreal width)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

void paintLine(QPainter &p, QPointF from, QPointF to, const QColor &colour, qreal width)
{
    QPainterPath path(from);
    path.lineTo(to);
    paintStroke(p, path, colour, width);
}

void paintLimb(QPainter &p, QPointF from, QPointF to, qreal thickness, const Ink &ink, qreal lineWidth)
{
    paintLine(p, from, to, ink.line, thickness + 2 * lineWidth);
    paintLine(p, from, to, ink.fill, thickness);
}

QBrush roundShade(const QRectF &bounds, const QColor &base)
{
    const QPointF light = bounds.topLeft() + QPointF(bounds.width() * 0.36, bounds.height() * 0.3);
    QRadialGradient gradient(light, std::max(bounds.width(), bounds.height()) * 0.8);
    gradient.setColorAt(0.0, base.lighter(122));
    gradient.setColorAt(0.5, base);
    gradient.setColorAt(1.0, base.darker(122));
    return gradient;
}

void paintGloss(QPainter &p, QPointF centre, qreal rx, qreal ry, int alpha)
{
    paintFilled(p, ellipsePath(centre, rx, ry), withAlpha(Qt::white, alpha));
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

} // namespace art
