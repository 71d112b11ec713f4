// Whether anything grows as a pet lives for hours: the main window fast-
// forwarded for MINUTES minutes, processor time per timer event and peak
// memory taken minute by minute: nupel-bench-flat [MINUTES]
//
// The same window as nupel-bench-fast: the age label's double-click sets the
// 1 ms interval, notices are answered at once and the pet is put back in good
// health after every event, so the game runs its whole tick about half a
// million times in ten minutes while age, eggs and money keep growing. Each
// minute is six slices of ten seconds; its figure is the median slice, so
// that one slice in which the machine was busy elsewhere does not decide it.

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

constexpr int slicesPerMinute = 6;
constexpr double sliceSeconds = 10.0;

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
        cost.push_back(nupel::median(slices));
        peak.push_back(statusMib("VmHWM"));
        std::printf("minute %d events_per_second %.1f cpu_us_per_event %.2f peak_mib %.2f rss_mib %.2f\n", minute, rate,
                    cost.back(), peak.back(), statusMib("VmRSS"));
        std::fflush(stdout);
    }
    std::printf("events %lld\n", events);
    std::printf("notices_answered %d\n", game.platform.notices);
    std::printf("pet_age %s\n", qPrintable(game.state.age.print()));
    std::printf("first_cpu_us_per_event %.2f\n", cost.front());
    std::printf("last_cpu_us_per_event %.2f\n", cost.back());
    std::printf("first_peak_mib %.2f\n", peak.front());
    std::printf("last_peak_mib %.2f\n", peak.back());
    return 0;
}
