#pragma once

#include "core/pet_state.h"
#include "core/platform.h"
#include "core/random_source.h"

namespace nupel {

// The desktop asks the program to end (logout, shutdown, a closed terminal, a
// polite kill). A living pet is saved as "Ｓａｖｅ" saves it: its own file, a
// fresh key, written beside the older save and renamed over it. Without a
// living pet nothing is drawn or written. Then the program ends; when the save
// failed, with the reason on standard error and a failure status, the older
// save left as it was.
void answerTerminationRequest(const PetState &state, RandomSource &random, Platform &platform);

} // namespace nupel
