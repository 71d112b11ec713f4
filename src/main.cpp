#include "core/pet_state.h"
#include "core/random_source.h"
#include "files/session_end.h"
#include "ui/desktop.h"
#include "ui/frmOpening.h"
#include "ui/look.h"
#include "ui/qt_platform.h"
#include "ui/termination_requests.h"

#include <QApplication>

#include <malloc.h>

int main(int argc, char *argv[])
{
    // The game sits on the desktop for hours and wakes ten times a second:
    // Qt's own event loop wakes more cheaply than GLib's, and writing each
    // step's few pixels down the X connection costs less than the shared
    // memory image, which makes every repaint wait for the X server first.
    qputenv("QT_NO_GLIB", "1");
    qputenv("QT_XCB_NO_MITSHM", "1");
    // Pictures and window buffers of more than 128 KB get memory of their own,
    // handed back the moment they go. By default the C library raises that
    // limit after the first such buffer is freed (the opening screen's), and
    // later ones then stay in the heap, which does not shrink.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
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
