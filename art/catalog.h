#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace art {

enum class PictureFormat {
    Icon,   // 32-bit ARGB .ico with a transparent background
    Bitmap, // 256-colour .bmp
};

struct Picture {
    QString fileName;
    PictureFormat format;
    std::function<QImage()> draw;
};

// Every picture the game loads, by the file name it looks for.
const std::vector<Picture>& catalog();

// The picture exactly as it is stored: full colour for icons, indexed for bitmaps.
QImage storedImage(const Picture& picture);

// Writes into an existing directory. Returns an empty string on success,
// otherwise why the file could not be written.
QString writePicture(const Picture& picture, const QString& directory);

} // namespace art
