#pragma once

#include <QString>
#include <QStringList>

namespace art {

// Draws a contact sheet of the catalogue (or just the named pictures) for
// review: each picture at real size and at 4×, on light and dark grounds.
// Returns an empty string on success, otherwise what went wrong.
QString writeContactSheet(const QString &path, const QStringList &onlyNames);

} // namespace art
