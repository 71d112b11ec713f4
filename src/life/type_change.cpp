#include "life/type_change.h"

#include "core/figures.h"
#include "life/pet_types.h"

namespace nupel {

namespace {

constexpr int vexProRow = 9;

} // namespace

void changeType(PetState &state, RandomSource &random, MainView &view, Platform &platform)
{
    const QString oldType = state.petType;
    for (;;) {
        const int drawn = drawBelow(random, petTypeCount);
        // "Vex.Pro." is rare in the first generations: its own draw must not
        // exceed the generation, otherwise the whole draw starts again.
        if (drawn == vexProRow && drawBelow(random, 15) + 1 > state.generation)
            continue;
        state.petType = petTypes()[drawn].name;
        if (state.petType != oldType)
            break;
    }
    applyPetType(state, random, view);
    platform.messageBox(state.petType + QStringLiteral("に変化しました"), QStringLiteral("変化!!!"), NoticeButtons::Ok,
                        NoticeIcon::Exclamation);

    // A pet already fuller than the limit eats its eggs without gaining.
    if (state.satiety <= eggMealLimit) {
        const double fed = state.satiety + state.eggs;
        state.satiety = fed > eggMealLimit ? eggMealLimit : fed;
    }
    state.eggs = 0;
    view.setCaption(MainLabel::Label12, eggsText(state.eggs));
}

} // namespace nupel
