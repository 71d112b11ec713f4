#include "faces.h"

#include "ink.h"

namespace art {
namespace {

constexpr qreal gridUnits = 32;
const QPointF faceCentre(16, 16.5);
constexpr qreal faceRadius = 12.5;

struct FaceLook {
    QColor skin;
    QColor line;
};

// The skin drains from sunny yellow to cold blue-grey as things get worse.
FaceLook lookFor(Mood mood)
{
    switch (mood) {
    case Mood::Delighted: return {QColor("#ffd23c"), QColor("#4a2a00")};
    case Mood::Content: return {QColor("#f6e79a"), QColor("#4a3a10")};
    case Mood::Unhappy: return {QColor("#d3d8cc"), QColor("#33382e")};
    case Mood::Miserable: return {QColor("#a7b6d2"), QColor("#1e2840")};
    }
    return {};
}

QPainterPath curve(QPointF from, QPointF control, QPointF to)
{
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

void paintDotEyes(QPainter &p, const QColor &line, qreal y)
{
    for (qreal x : {11.5, 20.5}) {
        paintFilled(p, ellipsePath({x, y}, 1.6, 2.1), line);
        paintFilled(p, rectPath(QRectF(x - 1, y - 1.5, 1, 1)), Qt::white);
    }
}

void paintCheeks(QPainter &p, int alpha)
{
    QPainterPath cheeks;
    cheeks.addEllipse(QPointF(7.5, 19.5), 2, 1.2);
    cheeks.addEllipse(QPointF(24.5, 19.5), 2, 1.2);
    paintFilled(p, cheeks, QColor(255, 100, 110, alpha));
}

void paintDelighted(QPainter &p, const FaceLook &look)
{
    paintStroke(p, curve({9, 14.5}, {11.5, 10}, {14, 14.5}), look.line, 1.5);
    paintStroke(p, curve({18, 14.5}, {20.5, 10}, {23, 14.5}), look.line, 1.5);
    paintCheeks(p, 170);

    QPainterPath mouth;
    mouth.moveTo(9.5, 18);
    mouth.lineTo(22.5, 18);
    mouth.cubicTo(22.5, 25.5, 9.5, 25.5, 9.5, 18);
    mouth.closeSubpath();
    paintFilled(p, mouth, QColor("#8a1a10"));
    p.save();
    p.setClipPath(mouth);
    paintFilled(p, ellipsePath({16, 24.2}, 4, 2.4), QColor("#ff7080"));
    p.restore();
    paintStroke(p, mouth, look.line, 1.0);

    const Ink twinkle{QColor("#fff8b0"), QColor("#b07800")};
    paintOutlined(p, sparklePath({4, 4.5}, 3.8), twinkle, 0.8);
    paintOutlined(p, sparklePath({28, 5}, 2.8), twinkle, 0.8);
    paintOutlined(p, sparklePath({28.5, 27.5}, 2.4), twinkle, 0.8);
}

void paintContent(QPainter &p, const FaceLook &look)
{
    paintDotEyes(p, look.line, 14);
    paintCheeks(p, 90);
    paintStroke(p, curve({12, 21}, {16, 23.5}, {20, 21}), look.line, 1.3);
}

void paintUnhappy(QPainter &p, const FaceLook &look)
{
    paintLine(p, {8.5, 10.5}, {13, 9.5}, look.line, 1.1);
    paintLine(p, {23.5, 10.5}, {19, 9.5}, look.line, 1.1);
    paintDotEyes(p, look.line, 14.5);
    paintStroke(p, curve({11.5, 23.5}, {16, 19.5}, {20.5, 23.5}), look.line, 1.3);
}

void paintMiserable(QPainter &p, const FaceLook &look)
{
    paintLine(p, {8.5, 11}, {13.5, 9}, look.line, 1.1);
    paintLine(p, {23.5, 11}, {18.5, 9}, look.line, 1.1);
    // Eyes screwed shut, crying.
    paintStroke(p, curve({9, 13.5}, {11.5, 15.8}, {14, 13.5}), look.line, 1.4);
    paintStroke(p, curve({18, 13.5}, {20.5, 15.8}, {23, 13.5}), look.line, 1.4);

    const QColor tear("#5ab8ff");
    for (qreal x : {10.5, 21.5}) {
        paintFilled(p, roundedRectPath(QRectF(x - 1, 15, 2, 9), 1), withAlpha(tear, 220));
    }
    paintOutlined(p, dropPath({6.5, 17.5}, 1.5), Ink{tear, QColor("#124a80")}, 0.7);
    paintOutlined(p, dropPath({25.5, 17.5}, 1.5), Ink{tear, QColor("#124a80")}, 0.7);

    QPainterPath wail;
    wail.moveTo(12.5, 24.5);
    wail.cubicTo(12.5, 19, 19.5, 19, 19.5, 24.5);
    wail.cubicTo(17.5, 23.5, 14.5, 23.5, 12.5, 24.5);
    wail.closeSubpath();
    paintOutlined(p, wail, QColor("#4a1020"), look.line, 1.0);
}

} // namespace

void drawMoodFace(QPainter &p, Mood mood, const QRectF &box)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / gridUnits, box.height() / gridUnits);

    const FaceLook look = lookFor(mood);
    const QPainterPath face = circlePath(faceCentre, faceRadius);
    paintOutlined(p, face, roundShade(face.boundingRect(), look.skin), look.line, 1.1);
    paintGloss(p, {10.5, 8.5}, 2.6, 1.3, 150);

    switch (mood) {
    case Mood::Delighted: paintDelighted(p, look); break;
    case Mood::Content: paintContent(p, look); break;
    case Mood::Unhappy: paintUnhappy(p, look); break;
    case Mood::Miserable: paintMiserable(p, look); break;
    }
    p.restore();
}

} // namespace art
