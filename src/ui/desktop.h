#pragma once

#include "core/platform.h"

namespace nupel {

// Tells the desktop which entry the game's windows belong to and gives every
// window the game's icon, so that a task bar shows them as one program.
void joinDesktop();

// Chooses where this run keeps its files and reads its pictures (beside the
// program when it is portable, the player's data folder when installed), makes
// the working folder the working directory and, when that folder cannot be
// used, tells the player once, naming the folder and the reason.
void settleGameFolders(Platform &platform);

} // namespace nupel
