#include "lettering.h"

#include "ink.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QTransform>

namespace art {
namespace {

QPainterPath letteringPath(const QString &text, const QFont &font, qreal tilt)
{
    const QFontMetricsF metrics(font);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    qreal x = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString letter = text.mid(i, 1);
        QPainterPath glyph;
        glyph.addText(x, 0, font, letter);
        const QPointF pivot = glyph.boundingRect().center();
        const qreal sway = (i % 2 == 0 ? -1 : 1);
        QTransform rock;
        rock.translate(pivot.x(), pivot.y() + sway * tilt * metrics.height() * 0.012);
        rock.rotate(sway * tilt);
        rock.translate(-pivot.x(), -pivot.y());
        path.addPath(rock.map(glyph));
        // Letters nudge together so the name reads as one badge.
        x += metrics.horizontalAdvance(letter) * 0.97;
    }
    return path.simplified();
}

} // namespace

QFont titleFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    return font;
}

void paintLettering(QPainter &p, const QString &text, const QRectF &box, const LetteringStyle &style, const QFont &font)
{
    const qreal margin = style.outlineWidth + style.rimWidth;
    const QRectF inner =
        box.adjusted(margin, margin, -margin - style.shadowOffset.x(), -margin - style.shadowOffset.y());
    const QPainterPath path = fitPath(letteringPath(text, font, style.tilt), inner);

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    paintStroke(p, path.translated(style.shadowOffset), style.shadow, 2 * margin);
    paintFilled(p, path.translated(style.shadowOffset), style.shadow);
    paintStroke(p, path, style.rim, 2 * margin);
    paintStroke(p, path, style.outline, 2 * style.outlineWidth);

    const QRectF bounds = path.boundingRect();
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0, style.fillTop);
    fill.setColorAt(1, style.fillBottom);
    paintFilled(p, path, fill);

    // A glassy band across the top half of the letters.
    p.setClipPath(path);
    paintFilled(p, rectPath(QRectF(bounds.left(), bounds.top(), bounds.width(), bounds.height() * 0.42)),
                QColor(255, 255, 255, 70));
    p.restore();
}

} // namespace art
