#pragma once

#include "core/pet_state.h"

namespace nupel {

// What a paid care action did: it was carried out, or the cash fell short and
// nothing changed.
enum class CareOutcome { Applied, ShortOfMoney };

// The game stands still while a care dialog is open.
void suspendForCare(PetState &state);

// Every way out of a care dialog lets the game run on.
void resumeAfterCare(PetState &state);

// Whether the pet's cash pays for a price; a price equal to the cash is paid.
bool canAfford(const PetState &state, int cost);

} // namespace nupel
