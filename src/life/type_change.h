#pragma once

#include "core/main_view.h"
#include "core/pet_state.h"
#include "core/platform.h"
#include "core/random_source.h"

namespace nupel {

// Satiety that eating eggs never lifts the pet above.
inline constexpr int eggMealLimit = 250;

// Turns the pet into another type of the catalogue: draws until the type
// differs ("Vex.Pro." only when its own draw does not exceed `generation`),
// applies it with its icon, announces it, then the pet eats all its eggs.
void changeType(PetState &state, RandomSource &random, MainView &view, Platform &platform);

} // namespace nupel
