#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace art {

// Sign-writer lettering: a dark outline, a light rim round that and a drop
// shadow, so the name stands out on any background.
struct LetteringStyle {
    QColor fillTop;
    QColor fillBottom;
    QColor outline;
    QColor rim;
    QColor shadow;
    qreal outlineWidth = 3;
    qreal rimWidth = 3;
    QPointF shadowOffset{3, 4};
    qreal tilt = 0; // degrees; letters rock alternately for a bouncy look
};

QFont titleFont();
void paintLettering(QPainter &p, const QString &text, const QRectF &box, const LetteringStyle &style,
                    const QFont &font = titleFont());

} // namespace art
