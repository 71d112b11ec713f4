#include "life/walking.h"

namespace nupel {

void walkPet(PetState &state, RandomSource &random, MainView &view)
{
    state.walkCount = state.walkCount + 1;
    if (state.walkCount == 10) {
        state.walkCount = 0;
        state.walkDirection = drawBelow(random, 4);
    }

    static constexpr QPoint steps[] = {
        {walkStep, walkStep}, {walkStep, -walkStep}, {-walkStep, -walkStep}, {-walkStep, walkStep}};
    const int direction = static_cast<int>(state.walkDirection);
    if (direction < 0 || direction > 3)
        return;
    const QPoint next = view.petPosition() + steps[direction];
    if (next.x() < walkLeftMin || next.y() < walkTopMin || next.x() > walkLeftMax || next.y() > walkTopMax)
        return;
    view.movePet(next);
}

} // namespace nupel
