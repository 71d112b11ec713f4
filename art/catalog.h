#pragma once

#include <QImage>
#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace art {

enum class PictureFormat {
    Icon,   // 32-bit ARGB .ico with a transparent background
    Bitmap, // 256-colour .bmp
};

// Where the game finds a picture: in a file beside the program, or compiled
// into the program as a resource.
enum class PicturePlace {
    Beside,
    Inside,
};

// Every picture is drawn at these scales, for screens of every pixel density.
inline constexpr std::array drawnScales = {1, 2, 3};

struct Picture {
    QString fileName;
    PictureFormat format;
    PicturePlace place;
    std::function<QImage(int scale)> draw;
};

// Every picture the game loads, by the file name it looks for.
const std::vector<Picture> &catalog();

// The picture exactly as it is stored at one scale: full colour for icons,
// indexed for bitmaps.
QImage storedImage(const Picture &picture, int scale = 1);

// The file holding a bitmap's drawing at a scale: "name.bmp" at 1×,
// "name@2x.bmp" and "name@3x.bmp" beside it. An icon keeps every scale in
// its one file.
QString scaledFileName(const Picture &picture, int scale);

// Writes every scale of the picture into an existing directory. Returns an
// empty string on success, otherwise why a file could not be written.
QString writePicture(const Picture &picture, const QString &directory);

} // namespace art
