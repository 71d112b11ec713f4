#include "life/hatching.h"

#include "life/death.h"

namespace nupel {

namespace {

constexpr int hatchingDigit = 5;

} // namespace

bool hatchingDraw(PetState &state, RandomSource &random)
{
    // Cleared first: a hatching of an earlier generation must not carry over.
    state.hatchPending = 0;
    if (state.deathCause != oldAgeLabel)
        return false;
    for (double drawn = 0; drawn < state.eggs; ++drawn) {
        if (drawBelow(random, 10) == hatchingDigit) {
            state.hatchPending = 1;
            return true;
        }
    }
    return false;
}

void raiseHatchling(PetState &state)
{
    state.satiety = 200;
    state.sickness = 0;
    state.dirt = 0;
    // A hatchling dirties its room faster than a new game's pet.
    state.dirtRate = 3;
    state.hungerRate = 2;
    state.sicknessRate = 1;
    state.eggs = 0;
    state.age = 0;
    state.clutchMax = 10;
    state.eggValueFactor = 1;
    state.petType = QStringLiteral("Normal");
    state.eggTimer = 0;
    state.suspended = 0;
    state.petLives = true;
    state.generation = state.generation + 1;
}

} // namespace nupel
