#pragma once

#include <QImage>

namespace art {

// The game's bitmaps are 256-colour. Builds a palette fitted to the picture
// (median cut) rather than a fixed one, and dithers only where the picture
// has more colours than the palette, so flat areas stay clean.
QImage toIndexed8(const QImage &image);

} // namespace art
