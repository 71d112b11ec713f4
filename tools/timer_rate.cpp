// Measures how many timer events per second the main window really gets, at
// the normal pace and in fast-forward: nupel-timer-rate [SECONDS]
//
// Runs the real main window with its real tick on whatever display Qt finds
// (use xvfb-run for a headless X server). Notices are answered at once and the
// pet is kept alive and well, so every event does a full walk and tick.

#include "core/pet_state.h"
#include "core/random_source.h"
#include "timer_probe.h"
#include "ui/frmMain.h"
#include "ui/look.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// Time of one event's work and repaint, without waiting for the timer.
double workPerEventMicroseconds(nupel::frmMain &window, nupel::PetState &state, int events)
{
    QElapsedTimer clock;
    qint64 busy = 0;
    for (int i = 0; i < events; ++i) {
        clock.start();
        window.Timer1_Timer();
        nupel::keepPetWell(state);
        // The repaint of the moved pet belongs to the event's cost.
        QCoreApplication::processEvents();
        busy += clock.nsecsElapsed();
    }
    return busy / 1e3 / events;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    nupel::installGameLook();
    const double seconds = argc > 1 ? std::max(0.5, std::atof(argv[1])) : 5.0;

    nupel::PetState state;
    nupel::ClockRandom random;
    nupel::SilentPlatform platform;
    random.seedFromClock();
    state.setNewGameValues();
    state.petName = QStringLiteral("もも");

    nupel::frmMain window(state, random, platform);
    window.Form_Load();

    const nupel::TimerRate normal = nupel::measureWindowRate(window, state, seconds);
    window.Label17_DblClick();
    const nupel::TimerRate fast = nupel::measureWindowRate(window, state, seconds);

    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("normal (%d ms): %.1f events/s, longest gap %.1f ms\n", 100, normal.eventsPerSecond,
                normal.longestGapMs);
    std::printf("fast-forward (%d ms): %.1f events/s, longest gap %.1f ms\n",
                window.timer().interval(), fast.eventsPerSecond, fast.longestGapMs);
    window.timer().stop();
    std::printf("bare 1 ms timer: %.1f events/s\n", nupel::measureBareTimerRate(seconds).eventsPerSecond);
    const double work = workPerEventMicroseconds(window, state, 5000);
    std::printf("work per event: %.1f us (enough for %.0f events/s)\n", work, 1e6 / work);
    std::printf("pet age %s, notices answered %d\n", qPrintable(state.age.print()),
                platform.notices);
    return 0;
}
