#include "pets.h"

#include "ink.h"

#include <QFont>

#include <cmath>

namespace art {
namespace {

// All coordinates below are on the 32×32 icon grid; at icon size one unit is
// one pixel, so features are placed on whole and half pixels to stay crisp.
constexpr qreal gridUnits = 32;

const QColor whiteColour("#ffffff");
const QColor cheekColour(255, 110, 130, 140);

void paintFeet(QPainter &p, const Ink &ink, const QRectF &left, const QRectF &right)
{
    QPainterPath feet;
    feet.addEllipse(left);
    feet.addEllipse(right);
    paintOutlined(p, feet, ink);
}

void paintBody(QPainter &p, const QPainterPath &body, const Ink &ink)
{
    paintOutlined(p, body, roundShade(body.boundingRect(), ink.fill), ink.line);
}

// A dark oval eye with a glint, the friendliest kind of eye at small sizes.
void paintDotEye(QPainter &p, QPointF centre, qreal rx, qreal ry, const QColor &colour)
{
    paintFilled(p, ellipsePath(centre, rx, ry), colour);
    paintFilled(p, rectPath(QRectF(centre.x() - rx * 0.75, centre.y() - ry * 0.8, 1, 1)), whiteColour);
}

// A white eye with its pupil pushed towards where the pet looks.
void paintRoundEye(QPainter &p, QPointF centre, qreal radius, QPointF look, const QColor &line)
{
    paintOutlined(p, circlePath(centre, radius), whiteColour, line, 0.8);
    paintFilled(p, circlePath(centre + look, radius * 0.55), line);
}

void paintCheeks(QPainter &p, QPointF left, QPointF right)
{
    QPainterPath cheeks;
    cheeks.addEllipse(left, 1.8, 1.1);
    cheeks.addEllipse(right, 1.8, 1.1);
    paintFilled(p, cheeks, cheekColour);
}

QPainterPath arcPath(QPointF from, QPointF control, QPointF to)
{
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

QPainterPath spikePath(QPointF base, QPointF tip, qreal halfWidth)
{
    const QPointF along = tip - base;
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF across(-along.y() / length * halfWidth, along.x() / length * halfWidth);
    return polygonPath({base - across, tip, base + across});
}

QPainterPath zigzagPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    return path;
}

void paintNormal(QPainter &p)
{
    const Ink body{QColor("#97dc6e"), QColor("#20411a")};

    paintStroke(p, arcPath({16, 9.5}, {15, 5.5}, {18.5, 4.5}), body.line, 1.1);
    paintOutlined(p, circlePath({19.5, 4}, 2.2), QColor("#ffe15a"), body.line);

    paintFeet(p, {body.fill.darker(118), body.line}, QRectF(8, 25.5, 6.5, 4.5), QRectF(17.5, 25.5, 6.5, 4.5));
    paintBody(p, blobPath(QRectF(4, 8.5, 24, 20.5)), body);
    paintGloss(p, {10, 13}, 2.4, 1.4);

    paintCheeks(p, {8.5, 21}, {23.5, 21});
    paintDotEye(p, {12.5, 17.5}, 1.5, 2.1, body.line);
    paintDotEye(p, {19.5, 17.5}, 1.5, 2.1, body.line);
    paintStroke(p, arcPath({14.5, 21.5}, {16, 23.4}, {17.5, 21.5}), body.line, 1.0);
}

void paintKattin(QPainter &p)
{
    const Ink body{QColor("#8d9fb8"), QColor("#1c2533")};

    paintOutlined(p, polygonPath({{7.5, 25}, {13.5, 25}, {14, 30}, {7, 30}}), {body.fill.darker(125), body.line});
    paintOutlined(p, polygonPath({{18.5, 25}, {24.5, 25}, {25, 30}, {18, 30}}), {body.fill.darker(125), body.line});

    const QPainterPath block =
        polygonPath({{8.5, 5.5}, {23.5, 5.5}, {28, 10}, {28, 24.5}, {24.5, 28}, {7.5, 28}, {4, 24.5}, {4, 10}});
    paintOutlined(p, block, body.fill, body.line);

    // Facets catch the light differently, which is what makes it read as stone.
    p.save();
    p.setClipPath(block);
    paintFilled(p, rectPath(QRectF(0, 0, 32, 10.5)), body.fill.lighter(125));
    paintFilled(p, rectPath(QRectF(24.5, 10.5, 7.5, 21.5)), body.fill.darker(118));
    paintFilled(p, rectPath(QRectF(0, 24.5, 32, 7.5)), body.fill.darker(112));
    paintLine(p, {4, 10.5}, {28, 10.5}, withAlpha(body.line, 110), 0.8);
    paintLine(p, {24.5, 10.5}, {24.5, 28}, withAlpha(body.line, 90), 0.8);
    p.restore();
    paintOutlined(p, block, Qt::NoBrush, body.line);

    paintStroke(p, zigzagPath({{20, 5.5}, {19, 8}, {21, 9.5}, {20, 12}}), body.line, 0.8);
    paintStroke(p, zigzagPath({{4, 20}, {6.5, 21}, {6, 23.5}}), body.line, 0.8);
    paintFilled(p, circlePath({26.3, 21}, 0.7), body.line);
    paintFilled(p, circlePath({8, 7.5}, 0.6), whiteColour);

    // Brows slope down to the middle: a stern, unmoved look.
    paintLine(p, {8.5, 12.5}, {14, 14.5}, body.line, 1.6);
    paintLine(p, {23.5, 12.5}, {18, 14.5}, body.line, 1.6);
    paintFilled(p, rectPath(QRectF(9.5, 16, 4.5, 2.5)), body.line);
    paintFilled(p, rectPath(QRectF(18, 16, 4.5, 2.5)), body.line);
    paintFilled(p, rectPath(QRectF(12, 16.5, 1, 1)), whiteColour);
    paintFilled(p, rectPath(QRectF(20.5, 16.5, 1, 1)), whiteColour);
    paintLine(p, {12.5, 22.5}, {19.5, 22.5}, body.line, 1.2);
}

void paintGenkikki(QPainter &p)
{
    const Ink body{QColor("#ff9424"), QColor("#4a1e00")};
    const Ink band{QColor("#e8303a"), body.line};

    paintLimb(p, {8.5, 17}, {4.5, 8}, 3, body);
    paintLimb(p, {23.5, 17}, {27.5, 8}, 3, body);
    paintOutlined(p, circlePath({4, 6.5}, 2.3), body.fill, body.line);
    paintOutlined(p, circlePath({28, 6.5}, 2.3), body.fill, body.line);

    paintFeet(p, {body.fill.darker(120), body.line}, QRectF(8.5, 26, 6, 4.5), QRectF(17.5, 26, 6, 4.5));
    const QPainterPath ball = circlePath({16, 19}, 10.5);
    paintBody(p, ball, body);

    p.save();
    p.setClipPath(ball);
    paintOutlined(p, rectPath(QRectF(0, 10.5, 32, 3.5)), band);
    paintLine(p, {0, 12.25}, {32, 12.25}, whiteColour, 0.9);
    p.restore();
    paintOutlined(p, ball, Qt::NoBrush, body.line);
    paintOutlined(p, polygonPath({{25.5, 12}, {30.5, 9.5}, {30, 12.5}}), band, 0.8);
    paintOutlined(p, polygonPath({{25.5, 12.5}, {30, 14}, {29, 16}}), band, 0.8);

    paintStroke(p, arcPath({10.5, 18}, {12.2, 15}, {14, 18}), body.line, 1.3);
    paintStroke(p, arcPath({18, 18}, {19.8, 15}, {21.5, 18}), body.line, 1.3);

    QPainterPath grin;
    grin.moveTo(10, 20.5);
    grin.lineTo(22, 20.5);
    grin.cubicTo(22, 26.5, 10, 26.5, 10, 20.5);
    grin.closeSubpath();
    paintFilled(p, grin, QColor("#7a1408"));
    p.save();
    p.setClipPath(grin);
    paintFilled(p, rectPath(QRectF(9, 20, 14, 2)), whiteColour);
    paintFilled(p, ellipsePath({16, 26}, 3.5, 2.2), QColor("#ff6f7d"));
    p.restore();
    paintStroke(p, grin, body.line, 1.0);
}

void paintVVV(QPainter &p)
{
    const Ink body{QColor("#9c5fe0"), QColor("#240a40")};
    const Ink spike{QColor("#ff72c6"), body.line};

    // One spike per V of the name, fanned out like a punk crest.
    paintOutlined(p, spikePath({11, 12}, {5, 1.5}, 2.6), spike);
    paintOutlined(p, spikePath({21, 12}, {27, 1.5}, 2.6), spike);
    paintOutlined(p, spikePath({16, 11}, {16, 0.5}, 2.8), spike);

    paintOutlined(p, polygonPath({{8, 26}, {14, 27}, {12, 30.5}, {5.5, 30.5}}), {body.fill.darker(125), body.line});
    paintOutlined(p, polygonPath({{18, 27}, {23.5, 26}, {25.5, 30.5}, {19.5, 30.5}}),
                  {body.fill.darker(125), body.line});

    // Raised hand making a V sign.
    paintLimb(p, {23.5, 20.5}, {27.5, 16}, 2.6, body);
    paintLimb(p, {27.5, 16}, {26.6, 11.2}, 1.3, body, 0.8);
    paintLimb(p, {27.5, 16}, {30.4, 12}, 1.3, body, 0.8);
    paintOutlined(p, circlePath({27.6, 16.1}, 1.9), body);

    paintBody(p, blobPath(QRectF(4.5, 9.5, 21, 19.5)), body);
    paintGloss(p, {9.5, 13.5}, 2.2, 1.2);

    // Almond eyes with sharp outer corners: keen rather than cross.
    paintOutlined(p, polygonPath({{6.5, 15}, {13.8, 16}, {13.4, 19.2}, {9.5, 19}}), whiteColour, body.line, 0.9);
    paintOutlined(p, polygonPath({{23.5, 15}, {16.2, 16}, {16.6, 19.2}, {20.5, 19}}), whiteColour, body.line, 0.9);
    paintFilled(p, circlePath({12, 17.6}, 1.25), body.line);
    paintFilled(p, circlePath({18, 17.6}, 1.25), body.line);
    paintStroke(p, arcPath({12.5, 22.5}, {16.5, 24}, {18.5, 21.3}), body.line, 1.1);
}

void paintStresser(QPainter &p)
{
    const Ink body{QColor("#d3e3ea"), QColor("#2e3f4c")};

    // Hair on end, each strand kinked like a frayed nerve.
    paintStroke(p, zigzagPath({{10, 10}, {7.5, 6.5}, {8, 5}, {5.5, 2}}), body.line, 0.9);
    paintStroke(p, zigzagPath({{13, 8.5}, {11.5, 5}, {12.5, 3.5}, {11, 0.8}}), body.line, 0.9);
    paintStroke(p, zigzagPath({{16, 8}, {16.8, 4.5}, {15.5, 3}, {16.5, 0.5}}), body.line, 0.9);
    paintStroke(p, zigzagPath({{19, 8.5}, {20.5, 5}, {19.5, 3.5}, {21.5, 0.8}}), body.line, 0.9);
    paintStroke(p, zigzagPath({{22, 10}, {24.5, 6.5}, {24, 5}, {26.5, 2}}), body.line, 0.9);

    paintFeet(p, {body.fill.darker(118), body.line}, QRectF(8.5, 26.5, 5.5, 4), QRectF(18, 26.5, 5.5, 4));
    paintBody(p, wobblyEllipsePath({16, 19}, 10.5, 10, 0.55, 9, 0.6), body);

    const QColor swirl("#3b4f8c");
    paintOutlined(p, circlePath({12, 17}, 3.1), whiteColour, body.line, 0.8);
    paintOutlined(p, circlePath({20, 17}, 3.1), whiteColour, body.line, 0.8);
    paintStroke(p, spiralPath({12, 17}, 2.5, 2.2), swirl, 0.8);
    paintStroke(p, spiralPath({20, 17}, 2.5, 2.2), swirl, 0.8);

    paintStroke(
        p,
        zigzagPath(
            {{11.5, 24}, {12.8, 22.8}, {14.2, 24}, {15.5, 22.8}, {16.8, 24}, {18.2, 22.8}, {19.5, 24}, {20.5, 23.2}}),
        body.line, 0.9);

    const Ink sweat{QColor("#7fd0ff"), QColor("#1d5a86")};
    paintOutlined(p, dropPath({27.5, 9.5}, 1.8), sweat, 0.8);
    paintOutlined(p, dropPath({4, 12}, 1.5), sweat, 0.8);
    paintOutlined(p, dropPath({28.5, 17.5}, 1.3), sweat, 0.8);
}

void paintKasutama(QPainter &p)
{
    const Ink body{QColor("#a39985"), QColor("#332a1e")};

    // A single limp hair that has given up.
    paintStroke(p, arcPath({15.5, 13}, {16.5, 7.5}, {21, 10}), body.line, 0.9);

    paintFeet(p, {body.fill.darker(120), body.line}, QRectF(9.5, 27, 5, 3.2), QRectF(17.5, 27, 5, 3.2));
    const QPainterPath lump = wobblyEllipsePath({16, 21}, 10, 8, 0.5, 7, 1.3);
    paintBody(p, lump, body);

    p.save();
    p.setClipPath(lump);
    const QColor grime(90, 75, 55, 90);
    paintFilled(p, ellipsePath({9, 24}, 1.6, 1.1), grime);
    paintFilled(p, ellipsePath({14, 27}, 1.2, 0.8), grime);
    const Ink patch{QColor("#8fa6c4"), body.line};
    paintOutlined(p, polygonPath({{19, 21.5}, {24.5, 21}, {25, 27}, {19.5, 27.5}}), patch, 0.7);
    for (qreal y : {22.8, 25.2}) {
        paintLine(p, {18.3, y}, {20.1, y + 0.4}, body.line, 0.5);
        paintLine(p, {24.1, y - 0.3}, {25.8, y}, body.line, 0.5);
    }
    p.restore();

    // Sticking plaster across the top of the head.
    p.save();
    p.translate(10.5, 15);
    p.rotate(-30);
    paintOutlined(p, roundedRectPath(QRectF(-3.2, -1.1, 6.4, 2.2), 0.9), QColor("#f4ead0"), body.line, 0.6);
    paintLine(p, {0, -0.9}, {0, 0.9}, withAlpha(body.line, 140), 0.5);
    p.restore();

    // Heavy lids droop towards the outside: worn out rather than sad.
    paintFilled(p, circlePath({12.5, 20}, 1.4), body.line);
    paintFilled(p, circlePath({19.5, 20}, 1.4), body.line);
    paintFilled(p, polygonPath({{10.5, 17.5}, {14.5, 17.5}, {14.5, 19.6}, {10.5, 20}}), body.fill);
    paintFilled(p, polygonPath({{17.5, 17.5}, {21.5, 17.5}, {21.5, 20}, {17.5, 19.6}}), body.fill);
    paintLine(p, {10.6, 20.3}, {14.4, 19.5}, body.line, 0.9);
    paintLine(p, {17.6, 19.5}, {21.4, 20.3}, body.line, 0.9);
    paintStroke(p, zigzagPath({{13.5, 24}, {14.8, 23.4}, {16.1, 24}, {17.3, 23.5}}), body.line, 0.8);

    const QColor dust(130, 120, 105, 170);
    paintFilled(p, circlePath({4.5, 28.5}, 1.3), dust);
    paintFilled(p, circlePath({2.7, 29.8}, 0.8), dust);
    paintFilled(p, circlePath({28, 29}, 1), dust);
}

void paintTabezo(QPainter &p)
{
    const Ink body{QColor("#f79cbf"), QColor("#4d1027")};
    const Ink metal{QColor("#d2d6de"), QColor("#2c3038")};

    // The fork is held upright behind the body, ready for the next meal.
    paintLimb(p, {28, 22}, {28.5, 7.5}, 1.2, metal, 0.7);
    paintOutlined(p, roundedRectPath(QRectF(26, 4.5, 5, 3.5), 1), metal, 0.7);
    for (qreal x : {26.6, 28.5, 30.4})
        paintLimb(p, {x, 5}, {x, 1}, 0.6, metal, 0.6);

    paintFeet(p, {body.fill.darker(118), body.line}, QRectF(7, 27, 5.5, 3.5), QRectF(19.5, 27, 5.5, 3.5));
    paintBody(p, ellipsePath({16, 20}, 14.5, 10), body);
    paintGloss(p, {7.5, 14}, 2.4, 1.2);

    paintDotEye(p, {9.5, 15}, 1.3, 1.6, body.line);
    paintDotEye(p, {22.5, 15}, 1.3, 1.6, body.line);
    paintCheeks(p, {5.5, 19}, {26.5, 19});

    QPainterPath mouth;
    mouth.moveTo(9.5, 18);
    mouth.cubicTo(13, 17, 19, 17, 22.5, 18);
    mouth.cubicTo(23, 25, 19, 28.2, 16, 28.2);
    mouth.cubicTo(13, 28.2, 9, 25, 9.5, 18);
    mouth.closeSubpath();
    paintOutlined(p, mouth, QColor("#6a0e22"), body.line);
    p.save();
    p.setClipPath(mouth);
    paintFilled(p, ellipsePath({16, 28}, 5, 3.2), QColor("#ff6f8c"));
    paintFilled(p, polygonPath({{12, 17}, {14.5, 17}, {13.6, 19.6}, {12.6, 19.6}}), whiteColour);
    paintFilled(p, polygonPath({{17.5, 17}, {20, 17}, {19.4, 19.6}, {18.4, 19.6}}), whiteColour);
    p.restore();

    const Ink crumb{QColor("#e0b060"), QColor("#6b4210")};
    paintOutlined(p, circlePath({4.5, 26}, 0.9), crumb, 0.5);
    paintOutlined(p, circlePath({2.5, 23.5}, 0.7), crumb, 0.5);
    paintOutlined(p, circlePath({26.5, 27.5}, 0.8), crumb, 0.5);
}

void paintFuntaro(QPainter &p)
{
    const Ink body{QColor("#94602e"), QColor("#2e1806")};
    const QColor sheen = body.fill.lighter(135);

    // Stink lines rise from the swirl; the flies come with it.
    const QColor stink("#8cbf2a");
    paintStroke(p, zigzagPath({{5, 13}, {3.8, 11}, {5, 9}, {3.8, 7}}), stink, 1.0);
    paintStroke(p, zigzagPath({{27, 13}, {28.2, 11}, {27, 9}, {28.2, 7}}), stink, 1.0);

    paintFeet(p, {body.fill.darker(120), body.line}, QRectF(8, 27, 6, 3.5), QRectF(18, 27, 6, 3.5));
    const QPainterPath base = roundedRectPath(QRectF(3.5, 19, 25, 10), 5);
    const QPainterPath middle = roundedRectPath(QRectF(6.5, 12.5, 19, 8.5), 4.2);
    const QPainterPath top = roundedRectPath(QRectF(9.5, 7, 13, 7.5), 3.7);
    QPainterPath curl;
    curl.moveTo(12.5, 8);
    curl.cubicTo(12.5, 4, 18, 2, 19.5, 4.5);
    curl.cubicTo(20.5, 6.5, 17.5, 7, 17, 5.5);
    curl.cubicTo(16, 6, 16.5, 8, 16.5, 8);
    curl.closeSubpath();
    paintOutlined(p, curl, body.fill, body.line, 0.9);
    for (const QPainterPath &tier : {top, middle, base})
        paintOutlined(p, tier, roundShade(tier.boundingRect(), body.fill), body.line);
    paintStroke(p, arcPath({11.5, 9}, {13, 8}, {15, 8.2}), sheen, 0.9);
    paintStroke(p, arcPath({8.5, 15}, {10, 13.8}, {13, 13.8}), sheen, 0.9);

    paintRoundEye(p, {12.5, 22.5}, 2.2, {0.4, 0.3}, body.line);
    paintRoundEye(p, {19.5, 22.5}, 2.2, {0.4, 0.3}, body.line);
    paintStroke(p, arcPath({14, 26}, {16, 27.8}, {18, 26}), body.line, 1.0);

    const Ink fly{QColor(255, 255, 255, 220), QColor("#1a1a1a")};
    for (QPointF at : {QPointF(4.5, 3.5), QPointF(26, 5)}) {
        paintOutlined(p, ellipsePath(at + QPointF(-0.9, -1), 0.9, 0.7), fly, 0.5);
        paintOutlined(p, ellipsePath(at + QPointF(0.9, -1), 0.9, 0.7), fly, 0.5);
        paintFilled(p, circlePath(at, 0.9), fly.line);
    }
}

QPainterPath eggPath(const QRectF &r)
{
    const qreal cx = r.center().x();
    const qreal waist = r.top() + r.height() * 0.62;
    const qreal half = r.width() / 2;
    QPainterPath path;
    path.moveTo(cx, r.top());
    path.cubicTo(cx + half * 0.62, r.top(), r.right(), waist - r.height() * 0.32, r.right(), waist);
    path.cubicTo(r.right(), r.bottom() - r.height() * 0.12, cx + half * 0.55, r.bottom(), cx, r.bottom());
    path.cubicTo(cx - half * 0.55, r.bottom(), r.left(), r.bottom() - r.height() * 0.12, r.left(), waist);
    path.cubicTo(r.left(), waist - r.height() * 0.32, cx - half * 0.62, r.top(), cx, r.top());
    path.closeSubpath();
    return path;
}

void paintTamagoro(QPainter &p)
{
    const Ink shell{QColor("#fbf1d6"), QColor("#4a3920")};
    const Ink leg{QColor("#f39a2b"), shell.line};
    const QColor inside("#241a10");

    paintLimb(p, {12.5, 26}, {11.5, 29.5}, 1.2, leg, 0.7);
    paintLimb(p, {19.5, 26}, {20.5, 29.5}, 1.2, leg, 0.7);
    paintOutlined(p, ellipsePath({10.5, 30}, 2.2, 1.1), leg, 0.7);
    paintOutlined(p, ellipsePath({21.5, 30}, 2.2, 1.1), leg, 0.7);

    const QPainterPath egg = eggPath(QRectF(6.5, 5, 19, 24));
    // Everything under the jagged crack line.
    QPainterPath below = zigzagPath({{0, 15},
                                     {6, 15},
                                     {8.5, 17.5},
                                     {11, 15},
                                     {13.5, 17.5},
                                     {16, 15},
                                     {18.5, 17.5},
                                     {21, 15},
                                     {23.5, 17.5},
                                     {26, 15},
                                     {32, 15},
                                     {32, 32},
                                     {0, 32}});
    below.closeSubpath();
    const QPainterPath bottomShell = egg.intersected(below);
    const QPainterPath cap = egg.subtracted(below);

    // The dark inside and the eyes go first, so the broken rim hides the
    // lower half of each eye: it is peeping out, not yet hatched.
    paintFilled(p, ellipsePath({16, 15}, 8.6, 4.6), inside);
    for (qreal x : {12.5, 19.5}) {
        paintFilled(p, circlePath({x, 13.6}, 2.6), whiteColour);
        paintFilled(p, circlePath({x + 0.9, 13.4}, 1.1), inside);
    }

    paintBody(p, bottomShell, shell);
    p.save();
    p.setClipPath(bottomShell);
    const QColor spot("#d9b98a");
    paintFilled(p, ellipsePath({20.5, 23}, 1.4, 1), spot);
    paintFilled(p, ellipsePath({10, 21.5}, 0.9, 0.8), spot);
    p.restore();

    // The lid is lifted and tipped back on its right-hand hinge.
    p.save();
    p.translate(26, 12);
    p.rotate(15);
    p.translate(-26, -15);
    paintBody(p, cap, shell);
    paintFilled(p, ellipsePath({19, 10}, 1.1, 0.8), spot);
    paintGloss(p, {12, 10}, 1.3, 1.6, 200);
    p.restore();
}

void paintVexPro(QPainter &p)
{
    const Ink body{QColor("#2f4787"), QColor("#0a0f26")};
    const Ink cape{QColor("#d82a3c"), QColor("#3a0610")};

    QPainterPath cloak;
    cloak.moveTo(9, 11);
    cloak.cubicTo(5, 18, 3, 24, 1.5, 29.5);
    cloak.lineTo(6, 28);
    cloak.lineTo(9, 30);
    cloak.lineTo(23, 30);
    cloak.lineTo(26, 28);
    cloak.lineTo(30.5, 29.5);
    cloak.cubicTo(29, 24, 27, 18, 23, 11);
    cloak.closeSubpath();
    paintOutlined(p, cloak, cape);

    paintFeet(p, {body.fill.darker(140), body.line}, QRectF(9, 25.5, 6, 4.5), QRectF(17, 25.5, 6, 4.5));
    // Swept quiff: the one hair that is never out of place.
    paintOutlined(p, polygonPath({{12, 10}, {19, 3}, {18, 7}, {22, 5.5}, {20, 10}}), body.fill.lighter(115), body.line);
    const QPainterPath ball = circlePath({16, 18.5}, 10);
    paintBody(p, ball, {body.fill.lighter(108), body.line});
    paintGloss(p, {11, 11.5}, 2, 1.1, 120);

    const QPainterPath shades = polygonPath(
        {{6.5, 14}, {25.5, 14}, {25, 17}, {23, 19.5}, {18.5, 19.5}, {16, 16.5}, {13.5, 19.5}, {9, 19.5}, {7, 17}});
    paintOutlined(p, shades, QColor("#0b0b12"), body.line, 0.8);
    paintLine(p, {9, 18}, {11.5, 15.3}, QColor("#7ee8ff"), 0.9);
    paintLine(p, {19, 18}, {21.5, 15.3}, QColor("#7ee8ff"), 0.9);

    paintStroke(p, arcPath({12.5, 22.5}, {16, 23.6}, {19.5, 21.3}), whiteColour, 1.0);
    paintOutlined(p, starPath({21.5, 25}, 2.9, 1.3, 5), QColor("#ffd43b"), QColor("#5a3a00"), 0.7);
}

void paintRandoman(QPainter &p)
{
    const QColor line("#2a2030");

    paintOutlined(p, circlePath({11, 28}, 2.6), QColor("#b49cff"), line);
    paintOutlined(p, rectPath(QRectF(18, 25.5, 5, 4.5)), QColor("#c6e85a"), line);

    QPainterPath lopsided;
    lopsided.moveTo(14, 9);
    lopsided.cubicTo(21, 7, 27.5, 13, 27.5, 20);
    lopsided.cubicTo(27.5, 26, 23, 28.5, 16, 28.5);
    lopsided.cubicTo(8.5, 28.5, 4, 26, 4.5, 20.5);
    lopsided.cubicTo(5, 15, 8, 10.5, 14, 9);
    lopsided.closeSubpath();

    // Patchwork: nobody agreed on what this one should look like.
    const QPainterPath dotted = polygonPath({{0, 0}, {15, 0}, {13, 15}, {0, 17}});
    const QPainterPath striped = polygonPath({{15, 0}, {32, 0}, {32, 13}, {20, 16}, {13, 15}});
    const QPainterPath plain = polygonPath({{0, 17}, {13, 15}, {15, 24}, {9, 32}, {0, 32}});
    const QPainterPath checked = polygonPath({{13, 15}, {20, 16}, {32, 13}, {32, 32}, {22, 32}, {15, 24}});
    const QPainterPath corner = polygonPath({{15, 24}, {22, 32}, {9, 32}});
    p.save();
    p.setClipPath(lopsided);
    paintFilled(p, dotted, QColor("#ff8fb8"));
    paintFilled(p, striped, QColor("#4fc9b0"));
    paintFilled(p, plain, QColor("#b49cff"));
    paintFilled(p, checked, QColor("#ffa64d"));
    paintFilled(p, corner, QColor("#c6e85a"));

    p.save();
    p.setClipPath(striped, Qt::IntersectClip);
    for (qreal x = 8; x < 40; x += 3)
        paintLine(p, {x, 0}, {x - 16, 16}, QColor(255, 255, 255, 150), 1.0);
    p.restore();
    for (QPointF dot : {QPointF(8, 12), QPointF(11, 10.5), QPointF(7, 15.5)})
        paintFilled(p, circlePath(dot, 0.7), QColor(255, 255, 255, 200));
    p.save();
    p.setClipPath(checked, Qt::IntersectClip);
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 8; ++col) {
            if ((row + col) % 2 == 0)
                paintFilled(p, rectPath(QRectF(14 + col * 2, 14 + row * 2, 2, 2)), QColor(180, 80, 20, 80));
        }
    }
    p.restore();

    QPen stitch(line, 0.7, Qt::DashLine);
    stitch.setDashPattern({1.2, 1.2});
    p.setPen(stitch);
    p.setBrush(Qt::NoBrush);
    for (const QPainterPath &patch : {dotted, striped, plain, checked, corner})
        p.drawPath(patch);
    p.restore();
    paintOutlined(p, lopsided, Qt::NoBrush, line);

    paintRoundEye(p, {11, 17.5}, 3.3, {0.8, 0.4}, line);
    paintFilled(p, circlePath({20.5, 18}, 1.2), line);
    paintLine(p, {18.5, 15}, {22.5, 14}, line, 0.9);
    paintStroke(p, zigzagPath({{11.5, 24}, {13.5, 22.8}, {15, 24.5}, {17, 23}, {19.5, 24}}), line, 0.9);

    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(40);
    QPainterPath mark;
    mark.addText(0, 0, font, QStringLiteral("?"));
    paintOutlined(p, fitPath(mark, QRectF(23, 0.5, 7.5, 10.5)), QColor("#fff27a"), line, 0.9);
}

void paintIkarin(QPainter &p)
{
    const Ink body{QColor("#e8392c"), QColor("#3d0804")};
    const Ink horn{QColor("#fff0c8"), body.line};

    paintOutlined(p, polygonPath({{7.5, 13}, {5.5, 4}, {12.5, 10}}), horn);
    paintOutlined(p, polygonPath({{24.5, 13}, {26.5, 4}, {19.5, 10}}), horn);

    paintFeet(p, {body.fill.darker(125), body.line}, QRectF(8.5, 26, 6, 4.5), QRectF(17.5, 26, 6, 4.5));
    paintBody(p, circlePath({16, 19}, 10.5), body);

    paintLine(p, {8.5, 14}, {14.5, 17}, body.line, 1.9);
    paintLine(p, {23.5, 14}, {17.5, 17}, body.line, 1.9);
    paintFilled(p, polygonPath({{10, 17}, {14, 18.6}, {13.2, 20.5}, {10.6, 20.5}}), whiteColour);
    paintFilled(p, polygonPath({{22, 17}, {18, 18.6}, {18.8, 20.5}, {21.4, 20.5}}), whiteColour);
    paintFilled(p, circlePath({12.6, 19.3}, 1.1), body.line);
    paintFilled(p, circlePath({19.4, 19.3}, 1.1), body.line);

    QPainterPath snarl;
    snarl.moveTo(10.5, 25.5);
    snarl.quadTo(16, 21, 21.5, 25.5);
    snarl.quadTo(16, 23.5, 10.5, 25.5);
    snarl.closeSubpath();
    paintOutlined(p, snarl, QColor("#5a0a05"), body.line, 1.0);
    paintFilled(p, polygonPath({{12.3, 24}, {14, 23.3}, {13.4, 26.3}}), whiteColour);
    paintFilled(p, polygonPath({{19.7, 24}, {18, 23.3}, {18.6, 26.3}}), whiteColour);

    // Letting off steam, quite literally.
    const Ink steam{QColor("#ffffff"), QColor("#6c7480")};
    QPainterPath puff;
    puff.setFillRule(Qt::WindingFill);
    puff.addEllipse(QPointF(27.5, 4.5), 2.5, 2.2);
    puff.addEllipse(QPointF(29.5, 2.5), 1.8, 1.6);
    puff.addEllipse(QPointF(25.5, 2.5), 1.7, 1.5);
    paintOutlined(p, puff.simplified(), steam, 0.8);
    QPainterPath puffLeft;
    puffLeft.setFillRule(Qt::WindingFill);
    puffLeft.addEllipse(QPointF(3.2, 6), 1.9, 1.7);
    puffLeft.addEllipse(QPointF(2, 3.8), 1.4, 1.3);
    paintOutlined(p, puffLeft.simplified(), steam, 0.8);
}

void paintKaneQueen(QPainter &p)
{
    const Ink body{QColor("#f2b632"), QColor("#4d2c00")};
    const Ink crown{QColor("#fff07a"), body.line};

    paintFeet(p, {body.fill.darker(118), body.line}, QRectF(8, 26.5, 6, 4), QRectF(16.5, 26.5, 6, 4));
    const QPainterPath ball = blobPath(QRectF(4, 9, 22, 20));
    paintBody(p, ball, body);
    paintGloss(p, {9.5, 13}, 2.2, 1.2);

    paintOutlined(p, polygonPath({{8.5, 11}, {7.5, 3.5}, {11.5, 7}, {15, 1.5}, {18.5, 7}, {22.5, 3.5}, {21.5, 11}}),
                  crown);
    paintFilled(p, circlePath({15, 8.3}, 1.3), QColor("#e0203a"));
    paintFilled(p, circlePath({11, 9.2}, 0.8), QColor("#2a7ae0"));
    paintFilled(p, circlePath({19, 9.2}, 0.8), QColor("#2a7ae0"));
    for (QPointF tip : {QPointF(7.5, 3.5), QPointF(15, 1.5), QPointF(22.5, 3.5)})
        paintOutlined(p, circlePath(tip, 1), whiteColour, body.line, 0.6);

    // Lids half down and pupils sideways: she looks down her nose at you.
    for (qreal x : {11.0, 18.0}) {
        paintOutlined(p, ellipsePath({x, 18}, 2.4, 2), whiteColour, body.line, 0.8);
        paintFilled(p, circlePath({x + 1.1, 18.7}, 1.2), body.line);
        paintFilled(p, polygonPath({{x - 2.7, 15.5}, {x + 2.7, 15.5}, {x + 2.7, 17.6}, {x - 2.7, 17.6}}), body.fill);
        paintLine(p, {x - 2.6, 17.6}, {x + 2.6, 17.6}, body.line, 1.1);
    }
    paintLine(p, {8.5, 17.6}, {7.3, 16.4}, body.line, 0.8);
    paintLine(p, {20.5, 17.6}, {21.7, 16.4}, body.line, 0.8);

    paintOutlined(p, ellipsePath({15, 23}, 1.6, 1), QColor("#e0303f"), body.line, 0.7);

    drawYenCoin(p, {25.5, 24.5}, 5);
}

} // namespace

void drawPet(QPainter &p, PetKind kind, const QRectF &box)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / gridUnits, box.height() / gridUnits);
    switch (kind) {
    case PetKind::Normal: paintNormal(p); break;
    case PetKind::Kattin: paintKattin(p); break;
    case PetKind::Genkikki: paintGenkikki(p); break;
    case PetKind::VVV: paintVVV(p); break;
    case PetKind::Stresser: paintStresser(p); break;
    case PetKind::Kasutama: paintKasutama(p); break;
    case PetKind::Tabezo: paintTabezo(p); break;
    case PetKind::Funtaro: paintFuntaro(p); break;
    case PetKind::Tamagoro: paintTamagoro(p); break;
    case PetKind::VexPro: paintVexPro(p); break;
    case PetKind::Randoman: paintRandoman(p); break;
    case PetKind::Ikarin: paintIkarin(p); break;
    case PetKind::KaneQueen: paintKaneQueen(p); break;
    }
    p.restore();
}

void drawEgg(QPainter &p, const QRectF &box)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / gridUnits, box.height() / gridUnits);
    const Ink shell{QColor("#fff8e6"), QColor("#5a4526")};
    const QPainterPath egg = eggPath(QRectF(5, 1, 22, 30));
    paintBody(p, egg, shell);
    p.save();
    p.setClipPath(egg);
    const QColor spot("#8fd36a");
    paintFilled(p, ellipsePath({12, 12}, 2.4, 1.8), spot);
    paintFilled(p, ellipsePath({20, 19}, 2.8, 2.1), spot);
    paintFilled(p, ellipsePath({11, 24}, 1.8, 1.4), spot);
    paintFilled(p, ellipsePath({21, 9}, 1.4, 1.1), spot);
    p.restore();
    paintOutlined(p, egg, Qt::NoBrush, shell.line);
    paintGloss(p, {11, 7}, 1.8, 2.8, 210);
    p.restore();
}

void drawYenCoin(QPainter &p, QPointF centre, qreal radius)
{
    const Ink coin{QColor("#ffde4f"), QColor("#5c3800")};
    paintOutlined(p, circlePath(centre, radius), coin, radius * 0.18);
    paintStroke(p, circlePath(centre, radius * 0.76), withAlpha(coin.line, 110), radius * 0.1);

    const qreal s = radius * 0.42;
    QPainterPath yen(centre + QPointF(-s, -s * 1.25));
    yen.lineTo(centre);
    yen.lineTo(centre + QPointF(s, -s * 1.25));
    yen.moveTo(centre);
    yen.lineTo(centre + QPointF(0, s * 1.4));
    for (qreal bar : {0.3, 0.9}) {
        yen.moveTo(centre + QPointF(-s * 0.85, s * bar));
        yen.lineTo(centre + QPointF(s * 0.85, s * bar));
    }
    paintStroke(p, yen, coin.line, radius * 0.16);
}

} // namespace art
