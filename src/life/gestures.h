#pragma once

#include "core/pet_state.h"
#include "core/platform.h"
#include "core/random_source.h"

namespace nupel {

// The egg price a double-click on the egg count sets.
inline constexpr int bestEggPrice = 100;

// Mouse button code of the right button, as the main window reports it.
inline constexpr int rightButton = 2;

// Money paid for a pet lost in the accident.
inline constexpr int accidentCompensation = 50000;

// Sets the egg market to its best price until the next laying draws a new one.
void setBestEggPrice(PetState &state);

// The main window's timer interval for the current speed toggle (1 ms for 0,
// 100 ms for 1); advances the toggle to the other setting.
int toggleTimerSpeed(int &speedToggle);

// A mouse release on the type heading: always draws k below 8; when k equals
// `shift` and the right button was released, draws r2 and multiplies the
// money by 5 × r2 − 1 (stored with rounding and saturation). Returns whether
// the money was gambled.
bool gambleMoney(PetState &state, RandomSource &random, int button, int shift);

// The traffic accident: two notices in order, then the compensation (stopping
// at the money's upper limit) and a first-generation pet of age 1. Everything
// else about the pet stays.
void trafficAccident(PetState &state, Platform &platform);

// Advances the room to its next picture, 1 → 2 → 3 → 1, and returns the
// picture number to show.
int nextRoomPicture(PetState &state);

} // namespace nupel
