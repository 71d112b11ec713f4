// Whether anything grows as a pet lives for hours: the main window fast-
// forwarded for MINUTES minutes, processor time per timer event and peak
// memory taken minute by minute: nupel-bench-flat [MINUTES]
//
// The same window as nupel-bench-fast: the age label's double-click sets the
// 1 ms interval, notices are answered at once and the pet is put back in good
// health after every event, so the game runs its whole tick about half a
// million times in ten minutes while age, eggs and money keep growing. Each
// minute is twelve slices of five seconds; its figure is the cheapest slice.
// Other programs on a shared machine only ever make a slice dearer (caches
// shared, the processor lent elsewhere), often for a whole minute, while
// anything that grew with the pet would make every slice dearer. The ten
// minutes are then summed up by a line through them that a single dear
// minute does not bend (the median of the slopes between every two minutes,
// Theil and Sen's estimate), read at the first and the last minute.

#include "figures.h"
#include "timer_probe.h"
#include "ui/look.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int slicesPerMinute = 12;
constexpr double sliceSeconds = 5.0;

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
    std::vector<double> cost;
    std::vector<double> peak;
    for (int minute = 1; minute <= minutes; ++minute) {
        std::vector<double> slices;
        double rate = 0;
        for (int slice = 0; slice < slicesPerMinute; ++slice) {
            const double busy = nupel::processSeconds();
            const nupel::TimerRate counted = nupel::measureWindowRate(game.window, game.state, sliceSeconds);
            slices.push_back((nupel::processSeconds() - busy) * 1e6 / std::max(1, counted.events));
            events += counted.events;
            rate += counted.eventsPerSecond / slicesPerMinute;
        }
        cost.push_back(*std::min_element(slices.begin(), slices.end()));
        peak.push_back(statusMib("VmHWM"));
        std::printf("minute %d events_per_second %.1f cpu_us_per_event %.2f peak_mib %.2f rss_mib %.2f median_us %.2f "
                    "type %s slices_us",
                    minute, rate, cost.back(), peak.back(), statusMib("VmRSS"), nupel::median(slices),
                    qPrintable(game.state.petType));
        for (double slice : slices)
            std::printf(" %.1f", slice);
        std::printf("\n");
        std::fflush(stdout);
    }
    std::printf("events %lld\n", events);
    std::printf("notices_answered %d\n", game.platform.notices);
    std::printf("pet_age %s\n", qPrintable(game.state.age.print()));
    const Trend trend = robustTrend(cost);
    std::printf("first_cpu_us_per_event %.2f\n", trend.at(1));
    std::printf("last_cpu_us_per_event %.2f\n", trend.at(int(cost.size())));
    std::printf("first_peak_mib %.2f\n", peak.front());
    std::printf("last_peak_mib %.2f\n", peak.back());
    return 0;
}
