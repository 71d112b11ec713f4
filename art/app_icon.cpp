#include "app_icon.h"

#include "ink.h"

#include <QDir>
#include <QPainter>

#include <cmath>

namespace art {
namespace {

const QColor bodyColour("#97dc6e");
const QColor lineColour("#20411a");
const QColor ballColour("#ffe15a");
const QColor cheekColour(255, 110, 130, 150);

// What each size can carry. Small icons keep only what reads at that size, and
// every size has its own whole-pixel line, so none of them is a scaled copy.
struct Detail {
    int size;
    int line;  // outline width in pixels
    bool tile; // the pet stands on a patch of sky and grass
    bool antenna;
    bool cheeks;
    bool gloss;
    bool egg; // an egg waits beside the pet
};

constexpr Detail details[] = {
    {16, 1, false, false, false, false, false}, {24, 1, false, true, false, false, false},
    {32, 1, true, true, true, false, false},    {48, 2, true, true, true, true, false},
    {64, 2, true, true, true, true, true},      {128, 4, true, true, true, true, true},
    {256, 7, true, true, true, true, true},
};

const Detail &detailFor(int size)
{
    for (const Detail &detail : details) {
        if (detail.size == size)
            return detail;
    }
    return details[std::size(details) - 1];
}

// A rectangle of whole pixels, moved by half a pixel for odd lines so that an
// outline covers whole pixels instead of smearing over two.
QRectF snapped(qreal left, qreal top, qreal width, qreal height, int line)
{
    const qreal offset = line % 2 ? 0.5 : 0;
    return QRectF(std::round(left) + offset, std::round(top) + offset, std::round(width), std::round(height));
}

void paintTile(QPainter &p, int size, int line)
{
    const QRectF tile = snapped(0, 0, size - 1, size - 1, line);
    const qreal radius = size * 0.2;
    QLinearGradient sky(0, 0, 0, size);
    sky.setColorAt(0, QColor("#a9dcff"));
    sky.setColorAt(1, QColor("#e6f6ff"));
    const QPainterPath shape = roundedRectPath(tile, radius);
    paintFilled(p, shape, sky);
    p.save();
    p.setClipPath(shape);
    const qreal horizon = std::round(size * 0.78);
    paintFilled(p, rectPath(QRectF(0, horizon, size, size)), QColor("#7cc257"));
    paintLine(p, {0, horizon + (line % 2 ? 0.5 : 0)}, {qreal(size), horizon + (line % 2 ? 0.5 : 0)}, QColor("#3f7a2a"),
              line);
    p.restore();
    paintStroke(p, shape, QColor("#2c5a78"), line);
}

void paintEgg(QPainter &p, const QRectF &box, int line)
{
    QPainterPath egg;
    egg.addEllipse(box);
    paintOutlined(p, egg, roundShade(box, QColor("#fff8e6")), QColor("#5a4526"), line);
    p.save();
    p.setClipPath(egg);
    const qreal spot = box.width() * 0.16;
    QPainterPath spots;
    spots.addEllipse(QPointF(box.left() + box.width() * 0.35, box.top() + box.height() * 0.4), spot, spot);
    spots.addEllipse(QPointF(box.left() + box.width() * 0.68, box.top() + box.height() * 0.66), spot * 0.8, spot * 0.8);
    paintFilled(p, spots, QColor("#8fd36a"));
    p.restore();
}

// Eyes at small sizes are whole-pixel blocks; larger ones are ovals with a glint.
void paintEyes(QPainter &p, const QRectF &body, int size)
{
    const qreal eyeY = body.top() + body.height() * 0.45;
    const qreal gap = body.width() * 0.17;
    const qreal cx = body.center().x();
    if (size <= 32) {
        const int width = size <= 16 ? 1 : 2;
        const int height = size <= 16 ? 2 : size <= 24 ? 3 : 4;
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        for (const qreal x : {cx - gap, cx + gap})
            p.fillRect(QRect(int(std::round(x - width / 2.0)), int(std::round(eyeY - height / 2.0)), width, height),
                       lineColour);
        p.restore();
        return;
    }
    const qreal rx = size * 0.045;
    const qreal ry = size * 0.065;
    for (const qreal x : {cx - gap, cx + gap}) {
        paintFilled(p, ellipsePath({x, eyeY}, rx, ry), lineColour);
        paintFilled(p, ellipsePath({x - rx * 0.35, eyeY - ry * 0.4}, rx * 0.38, rx * 0.38), Qt::white);
    }
}

void paintMouth(QPainter &p, const QRectF &body, int size, int line)
{
    const qreal y = body.top() + body.height() * 0.66;
    const qreal half = std::max(1.0, body.width() * 0.08);
    const qreal cx = body.center().x();
    if (size <= 16) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(int(std::round(cx - 1)), int(std::round(y)), 2, 1), lineColour);
        p.restore();
        return;
    }
    QPainterPath smile({cx - half, y});
    smile.quadTo(QPointF(cx, y + half * 1.4), QPointF(cx + half, y));
    paintStroke(p, smile, lineColour, line);
}

} // namespace

QImage drawAppIcon(int size)
{
    const Detail &detail = detailFor(size);
    const int line = detail.line;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    if (detail.tile)
        paintTile(p, size, line);

    // Without the tile the pet fills the icon; on it, the pet stands on the grass.
    const qreal margin = detail.tile ? size * 0.12 : 0;
    const qreal petWidth = detail.egg ? size * 0.62 : size - 2 * margin - 1;
    const qreal top = detail.antenna ? size * (detail.tile ? 0.26 : 0.22) : size * 0.12;
    const qreal bottom = detail.tile ? size * 0.88 : size - 1;
    const QRectF body = snapped(margin, top, petWidth, bottom - top, line);

    if (detail.antenna) {
        const qreal ballRadius = std::max(1.5, size * 0.075);
        const QPointF ball(body.center().x() + body.width() * 0.16, top - ballRadius - line);
        QPainterPath stalk({body.center().x(), body.top() + line});
        stalk.quadTo(QPointF(body.center().x() - body.width() * 0.02, ball.y()), ball);
        paintStroke(p, stalk, lineColour, line);
        paintOutlined(p, circlePath(ball, ballRadius), ballColour, lineColour, line);
    }

    paintOutlined(p, blobPath(body), roundShade(body, bodyColour), lineColour, line);
    if (detail.gloss)
        paintGloss(p, {body.left() + body.width() * 0.27, body.top() + body.height() * 0.27}, body.width() * 0.1,
                   body.height() * 0.07);
    if (detail.cheeks) {
        const qreal y = body.top() + body.height() * 0.62;
        for (const qreal x : {body.left() + body.width() * 0.17, body.right() - body.width() * 0.17})
            paintFilled(p, ellipsePath({x, y}, body.width() * 0.08, body.height() * 0.05), cheekColour);
    }
    paintEyes(p, body, size);
    paintMouth(p, body, size, line);

    if (detail.egg) {
        const qreal eggWidth = size * 0.2;
        paintEgg(p, snapped(size * 0.73, size * 0.62, eggWidth, eggWidth * 1.3, line), line);
    }
    return image;
}

const std::vector<int> &appIconSizes()
{
    static const std::vector<int> sizes = [] {
        std::vector<int> all;
        for (const Detail &detail : details)
            all.push_back(detail.size);
        return all;
    }();
    return sizes;
}

QString writeAppIcons(const QString &themeFolder, const QString &name)
{
    for (const int size : appIconSizes()) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(themeFolder).arg(size);
        if (!QDir().mkpath(folder))
            return QStringLiteral("cannot create %1").arg(folder);
        const QString path = QStringLiteral("%1/%2.png").arg(folder, name);
        if (!drawAppIcon(size).save(path, "PNG"))
            return QStringLiteral("cannot write %1").arg(path);
    }
    return {};
}

} // namespace art
