#include "life/death.h"

namespace nupel {

bool vitalTest(PetState &state)
{
    if (state.dirt > 100)
        state.deathCause = dirtCode;
    else if (state.satiety < 0)
        state.deathCause = hungerCode;
    else if (state.sickness > 100)
        state.deathCause = illnessCode;
    else if (state.satiety > 300)
        state.deathCause = overeatingCode;
    else
        return false;
    return true;
}

int lifespanDraw(RandomSource &random)
{
    const int first = drawBelow(random, 10);
    const int second = drawBelow(random, 10);
    const int third = drawBelow(random, 10);
    const int fourth = drawBelow(random, 10);
    const int fifth = drawBelow(random, 10);
    return first * fifth + second + third + fourth + 1;
}

OldAgeOutcome oldAgeTest(PetState &state, RandomSource &random)
{
    if (state.skipLifespanCheck == 1) {
        state.skipLifespanCheck = 0;
        return OldAgeOutcome::Skipped;
    }
    if (state.age > lifespanDraw(random)) {
        state.deathCause = oldAgeCode;
        return OldAgeOutcome::Dies;
    }
    return OldAgeOutcome::Lives;
}

QString deathCauseLabel(const QString &cause)
{
    if (cause == hungerCode)
        return QStringLiteral("空腹");
    if (cause == illnessCode)
        return QStringLiteral("病気");
    if (cause == dirtCode)
        return QStringLiteral("汚れ");
    if (cause == oldAgeCode)
        return oldAgeLabel;
    if (cause == overeatingCode)
        return QStringLiteral("過食");
    return cause;
}

void handleDeath(PetState &state, MainView &view)
{
    // Suspended first, so no timer event can find a second death while the
    // death screen comes up.
    state.suspended = 1;
    // A dead pet is never saved, whatever ends the program from here on.
    state.petLives = false;
    state.deathCause = deathCauseLabel(state.deathCause);
    view.hideWindow();
    view.openDeathScreen();
}

} // namespace nupel
