#pragma once

#include <QFileDevice>
#include <QString>

namespace nupel {

// Why the system refused a file or folder, in words the player reads; the
// system's own text stands only for a refusal not named here.
QString refusalInJapanese(int error);

// Why writing `file` failed: from the error number the failing call left,
// or, when it left none, from Qt's own account of the file.
QString writeFailureReason(const QFileDevice &file, int error);

// Why a name that code page 932 cannot hold makes no file.
QString nameNotWritableReason();

} // namespace nupel
