#include "care/feeding.h"

namespace nupel {

int foodCost(Food food)
{
    switch (food) {
    case Food::WarawaraX: return 1000;
    case Food::Melt: return 1500;
    case Food::Dna99: return 2500;
    }
    return 0;
}

void giveFood(PetState &state, RandomSource &random, Food food)
{
    switch (food) {
    case Food::WarawaraX: state.satiety = state.satiety + 50; break;
    case Food::Melt: {
        const int hurry = drawBelow(random, 10);
        state.changeProgress = state.changeProgress + hurry + 3;
        // The package says 30kg; the pet gets 40.
        state.satiety = state.satiety + 40;
        break;
    }
    case Food::Dna99:
        state.satiety = state.satiety + 20;
        state.changeProgress = state.changeProgress + 3;
        // A flag, not a count: two meals still spare only one test.
        state.skipLifespanCheck = 1;
        break;
    }
    state.money = state.money - foodCost(food);
}

} // namespace nupel
