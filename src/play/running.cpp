#include "play/running.h"

#include "core/figures.h"
#include "life/pet_types.h"

namespace nupel {

void startPlay(PetState &state, MainView &view)
{
    view.showRoomPicture(1);
    view.showWindow();
    state.petLives = true;
    state.walkCount = 0;
    view.setCaption(MainLabel::Label1, state.petName);
    view.setCaption(MainLabel::Label3, state.petType);
    view.setCaption(MainLabel::Label7, state.petName);
    view.setCaption(MainLabel::Label5, state.generation.print());
    view.setCaption(MainLabel::Label14, moneyText(state.money));
    showTypeIcon(state, view);
    view.showRoomPicture(1);
}

PauseChange togglePause(PetState &state)
{
    if (state.suspended == 0) {
        state.suspended = 1;
        return PauseChange::Paused;
    }
    if (state.suspended == 1) {
        state.suspended = 0;
        return PauseChange::Resumed;
    }
    return PauseChange::Unchanged;
}

void suspendForQuit(PetState &state)
{
    state.suspended = 1;
}

void resumeAfterQuit(PetState &state)
{
    state.suspended = 0;
}

} // namespace nupel
