// Renders each window of the game to a PNG file, on the offscreen platform,
// with a pet state chosen to show every control in use: once at 1× ("frmMain.png")
// and once more on a screen scaled 2× ("frmMain@2x.png").

#include "core/pet_state.h"
#include "core/platform.h"
#include "core/random_source.h"
#include "life/chatter.h"
#include "play/tick.h"
#include "silent_platform.h"
#include "ui/care_menus.h"
#include "ui/Form10.h"
#include "ui/frmBuyEgg.h"
#include "ui/frmDie.h"
#include "ui/frmEnding.h"
#include "ui/frmInputName.h"
#include "ui/frmMain.h"
#include "ui/frmOpening.h"
#include "ui/look.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProcess>
#include <QScrollBar>

#include <cstdio>

namespace {

// The chatter sentence that needs the most room in the given font.
QString widestChatter(const QFontMetrics &metrics)
{
    QString widest;
    for (const QString &subject : nupel::chatterSubjects())
        for (const QString &object : nupel::chatterObjects())
            for (const QString &predicate : nupel::chatterPredicates()) {
                const QString line = subject + object + predicate;
                if (metrics.horizontalAdvance(line) > metrics.horizontalAdvance(widest))
                    widest = line;
            }
    return widest;
}

// "" at 1×, "@2x" on a screen scaled 2×.
QString scaleSuffix;

bool save(QWidget &window, const QDir &out, const QString &name)
{
    // Let deferred drawing (the pet's step waits for the next frame) land.
    QElapsedTimer settling;
    settling.start();
    while (settling.elapsed() < 50)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const QString path = out.filePath(name + scaleSuffix + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "nupel-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The run at 2× is this program again, on a screen scaled by Qt.
    const bool twice = qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2");
    if (twice)
        scaleSuffix = QStringLiteral("@2x");
    QApplication app(argc, argv);
    // Resolved now: the working directory moves to the pictures below.
    const QDir out(QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath()).absolutePath());
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "nupel-screenshots: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    nupel::installGameLook();

    nupel::PetState state;
    nupel::ClockRandom random;
    nupel::SilentPlatform platform;
    random.seed(7);
    state.setNewGameValues();
    state.petName = QStringLiteral("もも");

    bool ok = true;
    {
        nupel::frmMain window(state, random, platform);
        window.Form_Load();
        window.timer().stop();
        ok &= save(window, out, QStringLiteral("frmMain"));
    }
    {
        nupel::frmMain window(state, random, platform);
        window.Form_Load();
        window.timer().stop();
        const auto *speech = window.findChild<QLabel *>(QStringLiteral("Label18"));
        window.setCaption(nupel::MainLabel::Label18, widestChatter(speech->fontMetrics()));
        ok &= save(window, out, QStringLiteral("frmMain-chatter"));
    }
    {
        // A pet in the middle of its life: a later generation of another type,
        // eggs to sell and faces that tell different stories.
        nupel::PetState play = state;
        play.petType = QStringLiteral("KaneQueen");
        play.generation = 3;
        play.age = 12;
        play.money = 48250;
        play.eggs = 37;
        play.eggPrice = 70;
        play.satiety = 162;
        play.sickness = 61;
        play.dirt = 84;
        nupel::frmMain window(play, random, platform);
        window.Form_Load();
        window.timer().stop();
        nupel::simulationTick(play, random, window, platform);
        window.movePet({1800, 1500});
        window.setCaption(nupel::MainLabel::Label18, QStringLiteral("僕は木漏れ日が大好きだ"));
        ok &= save(window, out, QStringLiteral("frmMain-play"));
    }
    {
        // The care dialogs with 1200 yen: the dearer services are disabled.
        nupel::PetState care = state;
        care.money = 1200;
        care.eggs = 12;
        care.eggPrice = 30;
        nupel::frmGiveEsa feeding(care, random, platform);
        feeding.Form_Load();
        feeding.show();
        ok &= save(feeding, out, QStringLiteral("frmGiveEsa"));
        nupel::frmMedical doctor(care, platform);
        doctor.Form_Load();
        doctor.show();
        ok &= save(doctor, out, QStringLiteral("frmMedical"));
        nupel::frmClean cleaning(care, platform);
        cleaning.Form_Load();
        cleaning.show();
        ok &= save(cleaning, out, QStringLiteral("frmClean"));
        nupel::frmBuyEgg market(care);
        market.Form_Load();
        market.findChild<QScrollBar *>(QStringLiteral("HScroll1"))->setValue(4);
        market.show();
        ok &= save(market, out, QStringLiteral("frmBuyEgg"));
    }
    {
        // The opening screen prepares a game of its own, away from the others.
        nupel::PetState fresh;
        nupel::ClockRandom freshRandom;
        nupel::frmOpening opening(fresh, freshRandom, platform);
        opening.Form_Load();
        opening.timer().stop();
        opening.show();
        ok &= save(opening, out, QStringLiteral("frmOpening"));
    }
    {
        nupel::PetState fresh;
        fresh.setNewGameValues();
        nupel::frmInputName nameEntry(fresh, random, platform);
        nameEntry.Form_Load();
        nameEntry.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("もも"));
        nameEntry.show();
        ok &= save(nameEntry, out, QStringLiteral("frmInputName"));
    }
    {
        nupel::frmEnding ending(state, random, platform);
        ending.show();
        ok &= save(ending, out, QStringLiteral("frmEnding"));
    }
    {
        // An old pet's grave, then the hatching window its eggs may bring.
        nupel::PetState dead = state;
        dead.deathCause = QStringLiteral("寿命");
        dead.age = 6;
        dead.suspended = 1;
        nupel::frmMain mainWindow(dead, random, platform);
        mainWindow.timer().stop();
        nupel::frmDie grave(dead, random, platform, mainWindow);
        grave.Form_Load();
        ok &= save(grave, out, QStringLiteral("frmDie"));
        nupel::Form10 hatching(dead, platform, mainWindow);
        hatching.Form_Load();
        ok &= save(hatching, out, QStringLiteral("Form10"));
    }
    if (ok && !twice) {
        QProcess scaled;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        scaled.setProcessEnvironment(environment);
        scaled.setProcessChannelMode(QProcess::ForwardedChannels);
        scaled.start(QCoreApplication::applicationFilePath(), {out.path()});
        ok = scaled.waitForFinished(-1) && scaled.exitStatus() == QProcess::NormalExit && scaled.exitCode() == 0;
    }
    return ok ? 0 : 1;
}
