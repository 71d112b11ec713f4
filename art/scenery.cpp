#include "scenery.h"

#include "ink.h"

#include <QFont>
#include <QLinearGradient>

#include <cmath>
#include <numbers>
#include <vector>

namespace art {

Canvas::Canvas(QSize size, int scale) : m_size(size), m_image(size * scale, QImage::Format_RGB32)
{
    m_image.fill(Qt::white);
    m_painter.begin(&m_image);
    // Left alone at 1× so that scale draws exactly what it always drew.
    if (scale != 1)
        m_painter.scale(scale, scale);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
}

QImage Canvas::finish()
{
    m_painter.end();
    return m_image;
}

QRandomGenerator sceneryRandom(quint32 seed)
{
    return QRandomGenerator(seed);
}

qreal randomBetween(QRandomGenerator &random, qreal low, qreal high)
{
    return low + random.generateDouble() * (high - low);
}

void paintVerticalGradient(QPainter &p, const QRectF &rect, std::initializer_list<std::pair<qreal, QColor>> stops)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    for (const auto &[at, colour] : stops)
        gradient.setColorAt(at, colour);
    p.fillRect(rect, gradient);
}

QPainterPath cloudPath(QPointF centre, qreal size)
{
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addEllipse(centre + QPointF(-size * 0.55, size * 0.1), size * 0.45, size * 0.35);
    cloud.addEllipse(centre + QPointF(-size * 0.1, -size * 0.12), size * 0.5, size * 0.45);
    cloud.addEllipse(centre + QPointF(size * 0.45, size * 0.02), size * 0.45, size * 0.38);
    cloud.addRoundedRect(QRectF(centre.x() - size * 0.9, centre.y(), size * 1.75, size * 0.45), size * 0.22,
                         size * 0.22);
    return cloud.simplified();
}

QPainterPath hillPath(const QRectF &rect, std::initializer_list<qreal> heights)
{
    const std::vector<qreal> ys(heights);
    const qreal step = rect.width() / qreal(ys.size() - 1);
    // The sides and bottom run past rect so no outline shows along the edges.
    constexpr qreal overhang = 4;
    QPainterPath path;
    path.moveTo(rect.left() - overhang, ys.front());
    path.lineTo(rect.left(), ys.front());
    // Smooth curve through the points: control handles run level, so each
    // height is a gentle crest or dip rather than a corner.
    for (size_t i = 1; i < ys.size(); ++i) {
        const qreal x0 = rect.left() + step * qreal(i - 1);
        const qreal x1 = x0 + step;
        path.cubicTo(x0 + step / 2, ys[i - 1], x1 - step / 2, ys[i], x1, ys[i]);
    }
    path.lineTo(rect.right() + overhang, ys.back());
    path.lineTo(rect.right() + overhang, rect.bottom() + overhang);
    path.lineTo(rect.left() - overhang, rect.bottom() + overhang);
    path.closeSubpath();
    return path;
}

void paintGrassTuft(QPainter &p, QPointF root, qreal height, const QColor &colour)
{
    for (qreal lean : {-0.55, 0.0, 0.5}) {
        QPainterPath blade(root + QPointF(lean * height * 0.3, 0));
        blade.quadTo(root + QPointF(lean * height * 0.4, -height * 0.6),
                     root + QPointF(lean * height * 0.9, -height * (1 - std::abs(lean) * 0.3)));
        paintStroke(p, blade, colour, 1.2);
    }
}

void paintFlower(QPainter &p, QPointF centre, qreal radius, const QColor &petals)
{
    const QColor line = petals.darker(220);
    for (int i = 0; i < 5; ++i) {
        const qreal angle = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 5;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.62;
        paintOutlined(p, circlePath(at, radius * 0.48), petals, line, 0.7);
    }
    paintOutlined(p, circlePath(centre, radius * 0.38), QColor("#ffd53a"), line, 0.7);
}

void paintStarfield(QPainter &p, const QRectF &area, int count, quint32 seed)
{
    QRandomGenerator random = sceneryRandom(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF at(randomBetween(random, area.left(), area.right()),
                         randomBetween(random, area.top(), area.bottom()));
        const int brightness = int(randomBetween(random, 120, 255));
        const qreal size = random.bounded(6) == 0 ? 2.5 : 0.7;
        if (size > 1)
            paintFilled(p, sparklePath(at, size * 1.4), QColor(255, 250, 220, brightness));
        else
            paintFilled(p, circlePath(at, size), QColor(255, 255, 255, brightness));
    }
}

void paintVersionMark(QPainter &p, const QRectF &picture, const QColor &text, const QColor &shadow)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(9);
    p.save();
    p.setFont(font);
    const QRectF box = picture.adjusted(0, 0, -5, -4);
    p.setPen(shadow);
    p.drawText(box.translated(1, 1), Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Nupel Ver 1.0"));
    p.setPen(text);
    p.drawText(box, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Nupel Ver 1.0"));
    p.restore();
}

} // namespace art
