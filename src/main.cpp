#include "core/pet_state.h"
#include "core/random_source.h"
#include "ui/frmMain.h"
#include "ui/look.h"
#include "ui/qt_platform.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Pictures and game files are addressed by bare name beside the program.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    nupel::installGameLook();

    nupel::PetState state;
    nupel::ClockRandom random;
    nupel::QtPlatform platform;

    random.seedFromClock();
    state.setNewGameValues();
    state.petName = QStringLiteral("もも");

    nupel::frmMain mainWindow(state, random, platform);
    mainWindow.Form_Load();
    return app.exec();
}
