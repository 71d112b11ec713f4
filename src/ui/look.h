#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace nupel {

inline const QString pGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString gothic = QStringLiteral("ＭＳ ゴシック");
inline const QString pMincho = QStringLiteral("ＭＳ Ｐ明朝");

// Maps the game's font names onto the IPA fonts, sets the application's
// widget style, which rings the control that has the keyboard focus, and the
// roles screen readers read. Call once, after the application object exists.
void installGameLook();

// A font of the game, 12 point bold unless told otherwise, sized in pixels so
// that the layout does not depend on the screen's resolution.
QFont gameFont(const QString &family = pGothic, int points = 12, bool bold = true);

// Geometry given in twips, 15 to a pixel.
constexpr int twipsToPixels(int twips)
{
    return twips / 15;
}
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace nupel
