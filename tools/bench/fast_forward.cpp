// Timer events per second of the main window in fast-forward, beside a bare
// 1 ms timer in the same process: nupel-bench-fast [ROUNDS] [SECONDS]
//
// The real main window runs its whole tick (walk, labels, face icons, pet
// icon) on whatever display Qt finds. The age label's double-click sets the
// 1 ms interval. Notices are answered at once and the pet is put back in good
// health after every event, so no event ends early in a notice or a death.
// Each round counts the game and the bare timer for SECONDS each, in turns.

#include "core/random_source.h"
#include "timer_probe.h"
#include "ui/look.h"

#include <QApplication>
#include <QDir>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Processor time of the whole process, all its threads.
double processSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    nupel::installGameLook();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const double seconds = argc > 2 ? std::max(0.2, std::atof(argv[2])) : 2.0;

    nupel::PetState state;
    nupel::ClockRandom random;
    nupel::SilentPlatform platform;
    random.seedFromClock();
    state.setNewGameValues();
    state.petName = QStringLiteral("もも");

    nupel::frmMain window(state, random, platform);
    window.Form_Load();
    window.Label17_DblClick();
    if (window.timer().interval() != 1) {
        std::fprintf(stderr, "nupel-bench-fast: the age label did not set the 1 ms interval\n");
        return 1;
    }
    // Unmeasured: decodes the pictures and fills the font caches.
    nupel::measureWindowRate(window, state, 0.5);

    std::vector<double> game;
    std::vector<double> bare;
    std::vector<double> gameCost;
    std::vector<double> bareCost;
    for (int round = 0; round < rounds; ++round) {
        // Turns alternate which goes first, so a drift of the machine weighs on both.
        const bool gameFirst = round % 2 == 0;
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == gameFirst) {
                const double busy = processSeconds();
                window.timer().start();
                const nupel::TimerRate rate = nupel::measureWindowRate(window, state, seconds);
                window.timer().stop();
                game.push_back(rate.eventsPerSecond);
                gameCost.push_back((processSeconds() - busy) * 1e6 / rate.events);
            } else {
                const double busy = processSeconds();
                const nupel::TimerRate rate = nupel::measureBareTimerRate(seconds);
                bare.push_back(rate.eventsPerSecond);
                bareCost.push_back((processSeconds() - busy) * 1e6 / rate.events);
            }
        }
        std::printf("round %d game %.1f bare %.1f cpu_us_per_event game %.1f bare %.1f\n", round + 1, game.back(),
                    bare.back(), gameCost.back(), bareCost.back());
    }
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("notices_answered %d\n", platform.notices);
    std::printf("pet_age %s\n", qPrintable(state.age.print()));
    std::printf("game_events_per_second %.1f\n", median(game));
    std::printf("bare_events_per_second %.1f\n", median(bare));
    std::printf("game_cpu_us_per_event %.1f\n", median(gameCost));
    std::printf("bare_cpu_us_per_event %.1f\n", median(bareCost));
    return 0;
}
