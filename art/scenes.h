#pragma once

#include <QImage>

namespace art {

// Each picture is drawn at its 1× size times scale (1, 2 or 3).

// Backgrounds of the pet's room.
QImage drawMeadowRoom(int scale);
QImage drawSpaceRoom(int scale);
QImage drawShapesRoom(int scale);

// The opening screen cycles through these once a second.
QImage drawMorningTitle(int scale);
QImage drawSunsetTitle(int scale);
QImage drawNightTitle(int scale);

QImage drawNameBanner(int scale);
QImage drawGrave(int scale);

} // namespace art
