#include "life/gestures.h"

namespace nupel {

void setBestEggPrice(PetState &state)
{
    state.eggPrice = bestEggPrice;
}

int toggleTimerSpeed(int &speedToggle)
{
    const int interval = speedToggle * 99 + 1;
    speedToggle = (speedToggle + 1) % 2;
    return interval;
}

bool gambleMoney(PetState &state, RandomSource &random, int button, int shift)
{
    // Every release takes its draw, whatever the button, so the later draws
    // of the game do not depend on which button the player let go.
    const int k = drawBelow(random, 8);
    if (k != shift || button != rightButton)
        return false;
    const double factor = 5.0 * random.next() - 1.0;
    state.money = factor * static_cast<double>(state.money.value());
    return true;
}

void trafficAccident(PetState &state, Platform &platform)
{
    platform.messageBox(QStringLiteral("あなたのＮｕｐｅｌは交通事故にあい、死んでしまいました。"), programTitle,
                        NoticeButtons::Ok, NoticeIcon::None);
    platform.messageBox(QStringLiteral("Ｎｕｐｅｌを弁償してもらい、慰謝料を50000もらいました。"), programTitle,
                        NoticeButtons::Ok, NoticeIcon::None);
    state.money = static_cast<double>(state.money.value()) + accidentCompensation;
    state.generation = 1;
    state.age = 1;
}

int nextRoomPicture(PetState &state)
{
    state.roomPicture = state.roomPicture + 1;
    if (state.roomPicture == 4)
        state.roomPicture = 1;
    return static_cast<int>(state.roomPicture.value());
}

} // namespace nupel
