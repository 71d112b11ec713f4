#pragma once

#include "core/pet_state.h"

#include <QString>

namespace nupel {

// The market's price line: "ただいまの卵相場 →" and the price, nothing after
// the arrow before the first laying.
QString eggPriceLine(const PetState &state);

// What `count` eggs fetch: count × price × the type's egg value × 5, in that
// order, in floating point. An empty price counts as 0.
double eggSaleAmount(const PetState &state, double count);

// The amount label: "600円" for 4 eggs at 30 yen.
QString eggAmountText(const PetState &state, double count);

// The largest selection: every egg held, however many (none if there are
// none), limited only by the range of int.
int eggSelectionMaximum(const PetState &state);

// "全部売る": every egg is chosen for sale; nothing is sold yet.
void selectAllEggs(PetState &state);

// "これだけ売る": sells `count` eggs, the proceeds rounded to whole yen.
void sellEggs(PetState &state, int count);

} // namespace nupel
