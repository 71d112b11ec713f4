#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace art {

// The sizes, in pixels, at which the application icon is drawn.
const std::vector<int> &appIconSizes();

// The application icon, drawn for `size` with the detail that size can carry.
QImage drawAppIcon(int size);

// Writes the icon at every size into a hicolor theme tree:
// THEME/NxN/apps/NAME.png. Returns an empty string or what went wrong.
QString writeAppIcons(const QString &themeFolder, const QString &name);

} // namespace art
