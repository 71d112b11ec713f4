#pragma once

#include "core/pet_state.h"
#include "core/random_source.h"

namespace nupel {

// The burial's hatching draws: only after a death of old age, one draw of
// Int(10 × r) per egg held, where a 5 hatches and ends the draws. Records the
// result in `hatchPending` and returns it.
bool hatchingDraw(PetState &state, RandomSource &random);

// Raising the hatchling: the levels, rates, eggs, age, clutch, egg value and
// type start afresh, the game resumes and the generation goes up by one.
// Money, tantrum kind, change progress, egg price and the rest carry over.
void raiseHatchling(PetState &state);

} // namespace nupel
