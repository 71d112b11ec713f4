#pragma once

#include "core/main_view.h"
#include "core/pet_state.h"

namespace nupel {

// Loading the main window: room picture, window shown (a living pet is in
// play from here), labels, pet icon.
void startPlay(PetState &state, MainView &view);

// What the pause button did to the game.
enum class PauseChange { Paused, Resumed, Unchanged };

// The pause button: a running game stands still, a paused one runs on. Any
// other value of `suspended` is left alone and changes nothing.
PauseChange togglePause(PetState &state);

// The quit dialog: the game stands still while it is open, and runs on when
// the player cancels the quit.
void suspendForQuit(PetState &state);
void resumeAfterQuit(PetState &state);

} // namespace nupel
