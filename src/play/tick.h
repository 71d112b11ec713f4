#pragma once

#include "core/main_view.h"
#include "core/pet_state.h"
#include "core/platform.h"
#include "core/random_source.h"

#include <QString>

namespace nupel {

// Face icon of the food picture for a satiety: best between 200 and 249,
// worst below 50 and from 250 on.
QString foodFace(int satiety);
// Face icon of the mood or room picture for a sickness or dirt level: best
// below 30, worst from 80 on.
QString levelFace(int level);

// One event of the main window's timer. Unless the game is suspended the pet
// takes a step, and every tenth event is a tick: levels, death test, type
// change, tantrums, faces and labels, and every tenth tick the laying, the
// new egg price and the birthday with its old-age test.
void mainTimerEvent(PetState &state, RandomSource &random, MainView &view, Platform &platform);

// The tick alone, as the tenth timer event runs it.
void simulationTick(PetState &state, RandomSource &random, MainView &view, Platform &platform);

} // namespace nupel
