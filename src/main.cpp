#include "core/pet_state.h"
#include "core/random_source.h"
#include "ui/desktop.h"
#include "ui/frmOpening.h"
#include "ui/look.h"
#include "ui/qt_platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    nupel::joinDesktop();
    nupel::installGameLook();

    nupel::PetState state;
    nupel::ClockRandom random;
    nupel::QtPlatform platform;
    // Game files are addressed by bare name in the working folder.
    nupel::settleGameFolders(platform);

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
