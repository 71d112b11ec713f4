// Timer events per second of the main window in fast-forward, beside a bare
// 1 ms timer in the same process: nupel-bench-fast [ROUNDS] [SECONDS]
//
// The real main window runs its whole tick (walk, labels, face icons, pet
// icon) on whatever display Qt finds. The age label's double-click sets the
// 1 ms interval. Notices are answered at once and the pet is put back in good
// health after every event, so no event ends early in a notice or a death.
// Each round counts the game and the bare timer for SECONDS each, in turns.

#include "figures.h"
#include "timer_probe.h"
#include "ui/look.h"

#include <QApplication>
#include <QDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    nupel::installGameLook();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const double seconds = argc > 2 ? std::max(0.2, std::atof(argv[2])) : 2.0;

    nupel::FastForwardGame game;
    if (!game.running()) {
        std::fprintf(stderr, "nupel-bench-fast: the age label did not set the 1 ms interval\n");
        return 1;
    }
    nupel::frmMain &window = game.window;
    nupel::PetState &state = game.state;
    const nupel::SilentPlatform &platform = game.platform;

    std::vector<double> gameRate;
    std::vector<double> bare;
    std::vector<double> gameCost;
    std::vector<double> bareCost;
    for (int round = 0; round < rounds; ++round) {
        // Turns alternate which goes first, so a drift of the machine weighs on both.
        const bool gameFirst = round % 2 == 0;
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == gameFirst) {
                const double busy = nupel::processSeconds();
                window.timer().start();
                const nupel::TimerRate rate = nupel::measureWindowRate(window, state, seconds);
                window.timer().stop();
                gameRate.push_back(rate.eventsPerSecond);
                gameCost.push_back((nupel::processSeconds() - busy) * 1e6 / rate.events);
            } else {
                const double busy = nupel::processSeconds();
                const nupel::TimerRate rate = nupel::measureBareTimerRate(seconds);
                bare.push_back(rate.eventsPerSecond);
                bareCost.push_back((nupel::processSeconds() - busy) * 1e6 / rate.events);
            }
        }
        std::printf("round %d game %.1f bare %.1f cpu_us_per_event game %.1f bare %.1f\n", round + 1, gameRate.back(),
                    bare.back(), gameCost.back(), bareCost.back());
    }
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("notices_answered %d\n", platform.notices);
    std::printf("pet_age %s\n", qPrintable(state.age.print()));
    std::printf("game_events_per_second %.1f\n", nupel::median(gameRate));
    std::printf("bare_events_per_second %.1f\n", nupel::median(bare));
    std::printf("game_cpu_us_per_event %.1f\n", nupel::median(gameCost));
    std::printf("bare_cpu_us_per_event %.1f\n", nupel::median(bareCost));
    return 0;
}
