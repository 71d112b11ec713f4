#include "files/session_end.h"

#include "files/save_file.h"

namespace nupel {

void answerTerminationRequest(const PetState &state, RandomSource &random, Platform &platform)
{
    if (!state.petLives) {
        platform.endProgram();
        return;
    }
    const WriteOutcome outcome = saveGame(state, random);
    if (!outcome.written) {
        // The desktop is going away: there is no one left to show a notice to.
        platform.endProgramFailing(
            QStringLiteral("nupel: cannot save the game to %1: %2").arg(outcome.fileName, outcome.reason));
        return;
    }
    platform.endProgram();
}

} // namespace nupel
