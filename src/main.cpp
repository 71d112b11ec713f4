#include "core/pet_state.h"
#include "core/random_source.h"
#include "files/session_end.h"
#include "ui/desktop.h"
#include "ui/frmOpening.h"
#include "ui/long_running.h"
#include "ui/look.h"
#include "ui/qt_platform.h"
#include "ui/termination_requests.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    nupel::settleForLongRunning();
    QApplication app(argc, argv);
    nupel::joinDesktop();
    nupel::installGameLook();

    nupel::PetState state;
    nupel::ClockRandom random;
    nupel::QtPlatform platform;
    // Game files are addressed by bare name in the working folder.
    nupel::settleGameFolders(platform);

    // Logging out, shutting down or a polite kill keeps a living pet.
    nupel::TerminationRequests terminationRequests;
    QObject::connect(&terminationRequests, &nupel::TerminationRequests::requested,
                     [&] { nupel::answerTerminationRequest(state, random, platform); });

    // The windows end the program themselves; a window hidden while the quit
    // dialog is up must not end it.
    app.setQuitOnLastWindowClosed(false);

    // The opening screen seeds the random source and sets the new-game values;
    // each window opens the next and goes when it is done.
    auto *opening = new nupel::frmOpening(state, random, platform);
    opening->Form_Load();
    opening->show();
    return app.exec();
}
