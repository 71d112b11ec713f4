// Whether anything grows as a pet lives for hours: the main window fast-
// forwarded for MINUTES minutes, processor time per timer event and peak
// memory taken minute by minute: nupel-bench-flat [MINUTES]
//
// The same window as nupel-bench-fast: the age label's double-click sets the
// 1 ms interval, notices are answered at once and the pet is put back in good
// health after every event, so the game runs its whole tick about half a
// million times in ten minutes while age, eggs and money keep growing.
//
// A shared machine makes whole minutes dearer for everything running on it,
// by far more than the growth worth finding, so the game's cost is read
// against a yardstick taken at the same moment. Each minute of the game is
// 120 slices, and each slice is half a second of the game and an eighth of a
// second of a bare precise 1 ms timer in the same process, the order turned
// at every slice, so that whatever else the machine does weighs on both
// alike. The bare timer runs on a new thread each time, with an event loop
// of its own, so that it shares nothing the game's event loop may gather.
// The slice's figure is the game's processor time per event divided by the
// bare timer's; the minute's figure is the median of its slices. The
// minutes are then summed up by a line that a single odd minute does not
// bend (the median of the slopes between every two minutes, Theil and Sen's
// estimate), read at the first and the last minute.

#include "figures.h"
#include "timer_probe.h"
#include "ui/look.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int slicesPerMinute = 120;
constexpr double gameSeconds = 0.5;
constexpr double yardstickSeconds = 0.125;

// A straight line through per-minute figures, minute 1 first.
struct Trend {
    double slope = 0;
    double intercept = 0;
    double at(int minute) const { return intercept + slope * minute; }
};

Trend robustTrend(const std::vector<double> &perMinute)
{
    std::vector<double> slopes;
    for (std::size_t i = 0; i < perMinute.size(); ++i)
        for (std::size_t j = i + 1; j < perMinute.size(); ++j)
            slopes.push_back((perMinute[j] - perMinute[i]) / double(j - i));
    Trend trend;
    trend.slope = slopes.empty() ? 0 : nupel::median(slopes);
    std::vector<double> intercepts;
    for (std::size_t i = 0; i < perMinute.size(); ++i)
        intercepts.push_back(perMinute[i] - trend.slope * double(i + 1));
    trend.intercept = nupel::median(intercepts);
    return trend;
}

// A "Vm..." line of /proc/self/status, in MiB.
double statusMib(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray wanted = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(wanted))
            return line.mid(wanted.size()).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

// The bare timer on a thread of its own, started for this measurement, so
// that the yardstick shares the machine and the process with the game but
// nothing the game's event loop may have gathered.
nupel::TimerRate bareTimerOnNewThread(double seconds)
{
    nupel::TimerRate rate;
    QThread thread;
    QObject::connect(&thread, &QThread::started, [&] {
        rate = nupel::measureBareTimerRate(seconds);
        thread.quit();
    });
    thread.start();
    thread.wait();
    return rate;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    nupel::installGameLook();
    const int minutes = argc > 1 ? std::max(2, std::atoi(argv[1])) : 10;

    nupel::FastForwardGame game;
    if (!game.running()) {
        std::fprintf(stderr, "nupel-bench-flat: the age label did not set the 1 ms interval\n");
        return 1;
    }

    long long events = 0;
    std::vector<double> relative;
    std::vector<double> peak;
    for (int minute = 1; minute <= minutes; ++minute) {
        std::vector<double> gameCost;
        std::vector<double> bareCost;
        std::vector<double> ratios;
        double rate = 0;
        for (int slice = 0; slice < slicesPerMinute; ++slice) {
            const bool gameFirst = slice % 2 == 0;
            for (int turn = 0; turn < 2; ++turn) {
                const double busy = nupel::processSeconds();
                if ((turn == 0) == gameFirst) {
                    game.window.timer().start();
                    const nupel::TimerRate counted = nupel::measureWindowRate(game.window, game.state, gameSeconds);
                    game.window.timer().stop();
                    gameCost.push_back((nupel::processSeconds() - busy) * 1e6 / std::max(1, counted.events));
                    events += counted.events;
                    rate += counted.eventsPerSecond / slicesPerMinute;
                } else {
                    const nupel::TimerRate counted = bareTimerOnNewThread(yardstickSeconds);
                    bareCost.push_back((nupel::processSeconds() - busy) * 1e6 / std::max(1, counted.events));
                }
            }
            ratios.push_back(gameCost.back() / bareCost.back());
        }
        relative.push_back(nupel::median(ratios));
        peak.push_back(statusMib("VmHWM"));
        std::printf("minute %d events_per_second %.1f relative_cost %.4f peak_mib %.2f rss_mib %.2f game_us %.2f "
                    "bare_us %.2f type %s ratio_quartiles",
                    minute, rate, relative.back(), peak.back(), statusMib("VmRSS"), nupel::median(gameCost),
                    nupel::median(bareCost), qPrintable(game.state.petType));
        std::sort(ratios.begin(), ratios.end());
        for (double quarter : {0.0, 0.25, 0.5, 0.75, 1.0})
            std::printf(" %.3f", ratios[std::size_t(quarter * double(ratios.size() - 1))]);
        std::printf("\n");
        std::fflush(stdout);
    }
    std::printf("events %lld\n", events);
    std::printf("notices_answered %d\n", game.platform.notices);
    std::printf("pet_age %s\n", qPrintable(game.state.age.print()));
    const Trend trend = robustTrend(relative);
    std::printf("first_relative_cost %.4f\n", trend.at(1));
    std::printf("last_relative_cost %.4f\n", trend.at(int(relative.size())));
    std::printf("first_peak_mib %.2f\n", peak.front());
    std::printf("last_peak_mib %.2f\n", peak.back());
    return 0;
}
