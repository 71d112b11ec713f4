#pragma once

#include <QImage>

namespace art {

// Backgrounds of the pet's room.
QImage drawMeadowRoom();
QImage drawSpaceRoom();
QImage drawShapesRoom();

// The opening screen cycles through these once a second.
QImage drawMorningTitle();
QImage drawSunsetTitle();
QImage drawNightTitle();

QImage drawNameBanner();
QImage drawGrave();

} // namespace art
