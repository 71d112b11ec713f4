#pragma once

#include "core/pet_state.h"
#include "core/random_source.h"

namespace nupel {

// The three foods on sale, cheapest first.
enum class Food {
    WarawaraX, // "わらわらＸ": plenty of food for little money
    Melt,      // "メルト＃＃": hurries the next change of type
    Dna99,     // "ＤＮＡ９９": also spares the pet its next old-age test
};

// Price of a food in yen.
int foodCost(Food food);

// Feeds the pet and takes the price. Nothing caps satiety and nothing checks
// the cash: the dialog offers only the foods the cash covers, and the tick
// judges an overfed pet. "メルト＃＃" draws one fraction.
void giveFood(PetState &state, RandomSource &random, Food food);

} // namespace nupel
