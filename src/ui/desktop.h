#pragma once

#include "core/platform.h"

#include <QDir>
#include <QIcon>

namespace nupel {

// Tells the desktop which entry the game's windows belong to and gives every
// window the game's icon, so that a task bar shows them as one program.
void joinDesktop();

// The largest window icon, in pixels at a scale of 1, that a task bar or
// window switcher draws from a window's own icon. Launchers and menus read
// the larger sizes from the icon theme instead.
constexpr int largestWindowIconSize = 64;

// The game's icon from a hicolor theme tree (folders "16x16", "32x32", ...),
// with the sizes up to the largest window icon at `screenScale`. Every size
// an application icon holds is decoded, kept for the whole run and sent to
// the X server with each new window, notices included, so the sizes only a
// launcher draws are left to the theme.
QIcon windowIconFrom(const QDir &theme, qreal screenScale);

// Chooses where this run keeps its files and reads its pictures (beside the
// program when it is portable, the player's data folder when installed), makes
// the working folder the working directory and, when that folder cannot be
// used, tells the player once, naming the folder and the reason.
void settleGameFolders(Platform &platform);

} // namespace nupel
