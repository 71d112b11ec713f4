#pragma once

#include <QPainter>
#include <QRectF>

namespace art {

// The face beside each status gauge, from best to worst.
enum class Mood {
    Delighted,
    Content,
    Unhappy,
    Miserable,
};

void drawMoodFace(QPainter &p, Mood mood, const QRectF &box);

} // namespace art
