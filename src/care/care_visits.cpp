#include "care/care_visits.h"

namespace nupel {

void suspendForCare(PetState &state)
{
    state.suspended = 1;
}

void resumeAfterCare(PetState &state)
{
    state.suspended = 0;
}

bool canAfford(const PetState &state, int cost)
{
    return state.money >= cost;
}

} // namespace nupel
