#include "care/level_care.h"

#include <optional>

namespace nupel {

namespace {

// A paid service on one level: lowers it by an amount, or sets it to 0.
struct LevelService {
    int cost;
    std::optional<int> lowerBy; // empty: the level becomes 0
};

LevelService service(Treatment treatment)
{
    switch (treatment) {
    case Treatment::Sanatorium: return {500, 10};
    case Treatment::Hospital: return {1200, 30};
    case Treatment::Ambulance: return {2500, std::nullopt};
    }
    return {0, 0};
}

LevelService service(Cleaning cleaning)
{
    switch (cleaning) {
    case Cleaning::KnockOffTools: return {500, 10};
    case Cleaning::ProperTools: return {1000, 25};
    case Cleaning::Expert: return {2000, std::nullopt};
    }
    return {0, 0};
}

CareOutcome provide(PetState &state, Int16 &level, const LevelService &service)
{
    if (!canAfford(state, service.cost))
        return CareOutcome::ShortOfMoney;
    // No floor at 0: the tick's rates start again from a negative level.
    level = service.lowerBy ? level - *service.lowerBy : 0;
    state.money = state.money - service.cost;
    return CareOutcome::Applied;
}

} // namespace

int treatmentCost(Treatment treatment)
{
    return service(treatment).cost;
}

int cleaningCost(Cleaning cleaning)
{
    return service(cleaning).cost;
}

CareOutcome treat(PetState &state, Treatment treatment)
{
    return provide(state, state.sickness, service(treatment));
}

CareOutcome clean(PetState &state, Cleaning cleaning)
{
    return provide(state, state.dirt, service(cleaning));
}

} // namespace nupel
