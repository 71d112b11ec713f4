#pragma once

#include "core/pet_state.h"
#include "core/platform.h"

namespace nupel {

// Answers every notice at once (OK, or No to a question) and counts them, so
// that no modal box holds the timer.
class SilentPlatform final : public Platform {
public:
    NoticeAnswer messageBox(const QString &, const QString &, NoticeButtons buttons, NoticeIcon) override
    {
        ++notices;
        return buttons == NoticeButtons::YesNo ? NoticeAnswer::No : NoticeAnswer::Ok;
    }
    void beep() override {}
    QString openFileDialog(const QString &, const QString &, const QString &) override { return {}; }
    void endProgram() override {}
    void endProgramFailing(const QString &) override {}

    int notices = 0;
};

// Puts the pet back in the middle of its levels, unpaused and without an
// old-age test at its next birthday, so that the next event does a full walk
// and tick instead of ending in a death.
inline void keepPetWell(PetState &state)
{
    state.satiety = 200;
    state.sickness = 0;
    state.dirt = 0;
    state.skipLifespanCheck = 1;
    state.suspended = 0;
}

} // namespace nupel
