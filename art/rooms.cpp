// The pet's room backgrounds. The pet walks across the lower part of each, so
// detail stays up in the sky and the ground is kept plain.

#include "scenes.h"

#include "ink.h"
#include "scenery.h"

#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace art {
namespace {

const QSize meadowSize(288, 225);
const QSize roomSize(288, 224);

void paintSpiralSun(QPainter &p, QPointF centre, qreal radius)
{
    constexpr int rays = 14;
    const QColor line("#a4160c");
    for (int i = 0; i < rays; ++i) {
        const qreal angle = 2 * std::numbers::pi * i / rays;
        const qreal spread = std::numbers::pi / rays * 0.55;
        const qreal reach = radius * (i % 2 == 0 ? 1.85 : 1.55);
        auto at = [&](qreal a, qreal r) { return centre + QPointF(std::cos(a), std::sin(a)) * r; };
        const QPainterPath ray =
            polygonPath({at(angle - spread, radius * 0.95), at(angle, reach), at(angle + spread, radius * 0.95)});
        paintOutlined(p, ray, QColor(i % 2 == 0 ? "#ff4a2a" : "#ff9a2a"), line, 1.2);
    }

    QRadialGradient glow(centre - QPointF(radius * 0.3, radius * 0.35), radius * 1.2);
    glow.setColorAt(0, QColor("#ff8a5a"));
    glow.setColorAt(0.6, QColor("#f0301c"));
    glow.setColorAt(1, QColor("#c01a10"));
    paintOutlined(p, circlePath(centre, radius), glow, line, 1.6);
    paintStroke(p, spiralPath(centre, radius * 0.8, 2.6), QColor("#ffd070"), radius * 0.11);
}

void paintCloud(QPainter &p, QPointF centre, qreal size)
{
    const QPainterPath cloud = cloudPath(centre, size);
    paintFilled(p, cloud.translated(0, size * 0.08), QColor(90, 140, 200, 70));
    paintOutlined(p, cloud, QColor("#ffffff"), QColor("#8fb8e0"), 1.0);
}

QPainterPath planetPatch(QPointF centre, qreal rx, qreal ry, int waves, qreal phase)
{
    return wobblyEllipsePath(centre, rx, ry, std::min(rx, ry) * 0.25, waves, phase);
}

// The ring is drawn in two halves so the planet can sit between them.
void paintRingHalf(QPainter &p, QPointF centre, qreal rx, qreal ry, qreal tilt, bool front)
{
    p.save();
    p.translate(centre);
    p.rotate(tilt);
    p.setClipPath(rectPath(QRectF(-rx * 1.2, front ? 0 : -ry * 2, rx * 2.4, ry * 2)));
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), rx, ry);
    ring.addEllipse(QPointF(0, 0), rx * 0.8, ry * 0.62);
    paintOutlined(p, ring, QColor(225, 236, 255, 215), QColor("#3a4a7a"), 1.0);
    p.restore();
}

void paintBluePlanet(QPainter &p, QPointF centre, qreal radius)
{
    constexpr qreal tilt = -16;
    paintRingHalf(p, centre, radius * 1.6, radius * 0.36, tilt, false);

    const QPainterPath globe = circlePath(centre, radius);
    QRadialGradient sea(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.3);
    sea.setColorAt(0, QColor("#a8e0ff"));
    sea.setColorAt(0.45, QColor("#3a8ae8"));
    sea.setColorAt(1, QColor("#0d2a78"));
    paintFilled(p, globe, sea);

    p.save();
    p.setClipPath(globe);
    const QColor land(120, 210, 150, 200);
    paintFilled(p, planetPatch(centre + QPointF(-radius * 0.35, -radius * 0.15), radius * 0.32, radius * 0.22, 5, 0.4),
                land);
    paintFilled(p, planetPatch(centre + QPointF(radius * 0.4, radius * 0.35), radius * 0.28, radius * 0.2, 4, 1.2),
                land);
    paintFilled(p, planetPatch(centre + QPointF(radius * 0.1, -radius * 0.62), radius * 0.2, radius * 0.1, 3, 2.0),
                land);
    for (qreal band : {-0.35, 0.1, 0.55}) {
        QPainterPath streak(centre + QPointF(-radius, radius * band));
        streak.cubicTo(centre + QPointF(-radius * 0.3, radius * (band - 0.12)),
                       centre + QPointF(radius * 0.3, radius * (band + 0.12)), centre + QPointF(radius, radius * band));
        paintStroke(p, streak, QColor(255, 255, 255, 90), radius * 0.07);
    }
    // Night side, so the planet looks lit by the same light as the sphere.
    paintFilled(p, circlePath(centre + QPointF(radius * 0.45, radius * 0.4), radius * 1.05), QColor(5, 15, 50, 70));
    p.restore();
    paintStroke(p, globe, QColor("#0b1f55"), 1.4);

    paintRingHalf(p, centre, radius * 1.6, radius * 0.36, tilt, true);
}

void paintGreenSphere(QPainter &p, QPointF centre, qreal radius)
{
    paintFilled(p, circlePath(centre + QPointF(4, 5), radius), QColor(40, 40, 50, 60));
    QRadialGradient shade(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.35);
    shade.setColorAt(0, QColor("#eaffc8"));
    shade.setColorAt(0.3, QColor("#7ee05a"));
    shade.setColorAt(0.8, QColor("#2a8a2c"));
    shade.setColorAt(1, QColor("#155a1c"));
    paintOutlined(p, circlePath(centre, radius), shade, QColor("#0f3a12"), 1.4);
}

void paintSpeckles(QPainter &p, const QRectF &area, int count, quint32 seed)
{
    QRandomGenerator random = sceneryRandom(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF at(randomBetween(random, area.left(), area.right()),
                         randomBetween(random, area.top(), area.bottom()));
        // Quieter towards the floor so the pet stands out against it.
        const qreal calm = 1 - 0.6 * (at.y() - area.top()) / area.height();
        const bool light = random.bounded(2) == 0;
        const int alpha = int(randomBetween(random, 25, 80) * calm);
        const qreal size = random.bounded(5) == 0 ? 1.6 : 1.0;
        const QPainterPath dot = rectPath(QRectF(std::floor(at.x()), std::floor(at.y()), size, size));
        paintFilled(p, dot, light ? QColor(255, 255, 255, alpha) : QColor(30, 30, 40, alpha));
    }
}

} // namespace

QImage drawMeadowRoom(int scale)
{
    Canvas canvas(meadowSize, scale);
    QPainter &p = canvas.painter();
    const QRectF all = canvas.rect();

    paintVerticalGradient(p, all, {{0, QColor("#3b94e6")}, {0.55, QColor("#8fd0ff")}, {1, QColor("#d8f2ff")}});
    paintCloud(p, {196, 34}, 34);
    paintCloud(p, {258, 78}, 22);
    paintCloud(p, {128, 92}, 18);
    paintSpiralSun(p, {52, 50}, 23);

    const QPainterPath farHills = hillPath(all, {128, 112, 122, 104, 118, 126});
    paintOutlined(p, farHills, QColor("#86c79a"), QColor("#4f8f66"), 1.0);

    const QPainterPath hill = hillPath(all, {158, 136, 126, 140, 148});
    QLinearGradient grass(0, 126, 0, all.bottom());
    grass.setColorAt(0, QColor("#8ee05e"));
    grass.setColorAt(0.4, QColor("#6cc84a"));
    grass.setColorAt(1, QColor("#58b23e"));
    paintOutlined(p, hill, grass, QColor("#2f7a24"), 1.4);

    const QColor blade("#3f9a30");
    for (QPointF root : {QPointF(30, 150), QPointF(96, 134), QPointF(150, 135), QPointF(214, 144), QPointF(262, 150)})
        paintGrassTuft(p, root, 6, blade);
    paintFlower(p, {62, 148}, 3, QColor("#ffffff"));
    paintFlower(p, {176, 140}, 3, QColor("#ff9ac8"));
    paintFlower(p, {240, 152}, 2.6, QColor("#fff27a"));

    paintVersionMark(p, all, QColor("#ffffff"), QColor("#2f7a24"));
    return canvas.finish();
}

QImage drawSpaceRoom(int scale)
{
    Canvas canvas(roomSize, scale);
    QPainter &p = canvas.painter();
    const QRectF all = canvas.rect();

    paintVerticalGradient(p, all, {{0, QColor("#6e7079")}, {1, QColor("#a9abb2")}});
    paintSpeckles(p, all, 2600, 11);
    paintGreenSphere(p, {56, 50}, 30);
    paintBluePlanet(p, {226, 92}, 40);

    paintVersionMark(p, all, QColor("#e0141c"), QColor(255, 255, 255, 120));
    return canvas.finish();
}

QImage drawShapesRoom(int scale)
{
    Canvas canvas(roomSize, scale);
    QPainter &p = canvas.painter();
    const QRectF all = canvas.rect();

    paintVerticalGradient(p, all, {{0, QColor("#9c9c9e")}, {1, QColor("#b4b4b6")}});

    struct Shape {
        QPainterPath path;
        QColor colour;
    };
    auto box = [](qreal x, qreal y, qreal w, qreal h) { return rectPath(QRectF(x, y, w, h)); };
    // Translucent, so every overlap makes a new colour.
    const Shape shapes[] = {
        {box(16, 14, 96, 58), QColor(255, 206, 58, 215)},
        {circlePath({100, 66}, 34), QColor(232, 64, 58, 190)},
        {box(150, 8, 64, 98), QColor(58, 126, 232, 190)},
        {circlePath({220, 46}, 30), QColor(66, 192, 106, 190)},
        {circlePath({258, 112}, 20), QColor(240, 138, 208, 200)},
        {box(36, 92, 124, 20), QColor(122, 86, 216, 190)},
        {circlePath({30, 112}, 17), QColor(48, 192, 200, 200)},
        {box(186, 98, 46, 46), QColor(255, 138, 42, 180)},
        {circlePath({168, 132}, 11), QColor(255, 245, 240, 200)},
        {box(244, 10, 30, 30), QColor(40, 40, 60, 150)},
    };
    for (const Shape &shape : shapes)
        paintOutlined(p, shape.path, shape.colour, withAlpha(shape.colour.darker(170), 230), 1.2);

    // A plain floor for the pet to walk on.
    paintFilled(p, rectPath(QRectF(0, 160, all.width(), all.height() - 160)), QColor("#a2a2a6"));
    paintLine(p, {0, 160.5}, {all.width(), 160.5}, QColor("#7c7c82"), 1);
    paintLine(p, {0, 162.5}, {all.width(), 162.5}, QColor("#c4c4c8"), 1);
    return canvas.finish();
}

} // namespace art
