#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace nupel {

inline const QString pGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString gothic = QStringLiteral("ＭＳ ゴシック");
inline const QString pMincho = QStringLiteral("ＭＳ Ｐ明朝");

// Text is drawn without hinting. Before hinting the first glyph of a
// Japanese font, the hinter measures the script's alignment zones from
// reference glyphs all over the font file, which keeps some 2 MB of each of
// the three font files in memory for as long as the game runs; at these sizes
// hinting only moves a few rows of grey pixels, and no letter moves sideways.
inline constexpr QFont::HintingPreference textHinting = QFont::PreferNoHinting;

// Maps the game's font names onto the IPA fonts, draws the application's
// text without hinting, sets the application's widget style, which rings the
// control that has the keyboard focus, and the roles screen readers read.
// Call once, after the application object exists.
void installGameLook();

// A font of the game, 12 point bold unless told otherwise, sized in pixels so
// that the layout does not depend on the screen's resolution, unhinted.
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
