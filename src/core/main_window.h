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

// Loading the main window: room picture, window shown (a living pet is in
// play from here), labels, pet icon.
void mainWindowLoad(PetState &state, MainView &view);

// One step of the pet: every tenth call draws a new diagonal; a step that
// would leave the walking area is skipped.
void walkPet(PetState &state, RandomSource &random, MainView &view);

// Label texts: a number followed by its unit, with no space between.
QString eggsText(const Cell &eggs);
QString moneyText(const Int32 &money);
QString ageText(const Cell &age);

} // namespace nupel
