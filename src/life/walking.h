#pragma once

#include "core/main_view.h"
#include "core/pet_state.h"
#include "core/random_source.h"

namespace nupel {

// The pet's walking area inside the room, in twips: the pet picture's left
// and top edges stay within these bounds.
inline constexpr int walkLeftMin = 120;
inline constexpr int walkLeftMax = 3720;
inline constexpr int walkTopMin = 120;
inline constexpr int walkTopMax = 2760;
inline constexpr int walkStep = 60;
inline const QPoint petStartPosition{walkLeftMin, walkTopMax};

// One step of the pet: every tenth call draws a new diagonal; a step that
// would leave the walking area is skipped.
void walkPet(PetState &state, RandomSource &random, MainView &view);

} // namespace nupel
