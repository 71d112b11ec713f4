#include "care/egg_market.h"

namespace nupel {

QString eggPriceLine(const PetState &state)
{
    return QStringLiteral("ただいまの卵相場 →") + state.eggPrice.print();
}

double eggSaleAmount(const PetState &state, double count)
{
    return count * state.eggPrice * state.eggValueFactor * 5;
}

QString eggAmountText(const PetState &state, double count)
{
    return Cell(eggSaleAmount(state, count)).print() + QStringLiteral("円");
}

int eggSelectionMaximum(const PetState &state)
{
    if (state.eggs <= 0)
        return 0;
    return storeWhole<int>(state.eggs);
}

void selectAllEggs(PetState &state)
{
    state.eggsToSell = state.eggs;
}

void sellEggs(PetState &state, int count)
{
    state.eggsToSell = count;
    state.money = state.money + eggSaleAmount(state, state.eggsToSell);
    state.eggs = state.eggs - state.eggsToSell;
}

} // namespace nupel
