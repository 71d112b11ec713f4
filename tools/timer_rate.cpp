// Measures how many timer events per second the main window really gets, at
// the normal pace and in fast-forward: nupel-timer-rate [SECONDS]
//
// Runs the real main window with its real tick on whatever display Qt finds
// (use xvfb-run for a headless X server). Notices are answered at once and the
// pet is kept alive and well, so every event does a full walk and tick.

#include "core/pet_state.h"
#include "core/platform.h"
#include "core/random_source.h"
#include "ui/frmMain.h"
#include "ui/look.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

class SilentPlatform final : public nupel::Platform {
public:
    nupel::NoticeAnswer messageBox(const QString &, const QString &, nupel::NoticeButtons buttons,
                                   nupel::NoticeIcon) override
    {
        ++notices;
        return buttons == nupel::NoticeButtons::YesNo ? nupel::NoticeAnswer::No
                                                      : nupel::NoticeAnswer::Ok;
    }
    void beep() override {}
    QString openFileDialog(const QString &, const QString &, const QString &) override
    {
        return {};
    }
    void endProgram() override {}

    int notices = 0;
};

struct Rate {
    double eventsPerSecond;
    double longestGapMs;
};

// Counts the window's timer events for `seconds` of the event loop.
Rate measure(nupel::frmMain &window, nupel::PetState &state, double seconds)
{
    int events = 0;
    qint64 previous = -1;
    qint64 longestGap = 0;
    QElapsedTimer clock;
    // Connected after the window's own handler, so it runs right after each tick.
    const auto counter = QObject::connect(&window.timer(), &QTimer::timeout, [&] {
        ++events;
        const qint64 now = clock.nsecsElapsed();
        if (previous >= 0)
            longestGap = std::max(longestGap, now - previous);
        previous = now;
        state.satiety = 200;
        state.sickness = 0;
        state.dirt = 0;
        state.skipLifespanCheck = 1;
        state.suspended = 0;
    });
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    clock.start();
    loop.exec();
    const double elapsed = clock.nsecsElapsed() / 1e9;
    QObject::disconnect(counter);
    return {events / elapsed, longestGap / 1e6};
}

// Events per second of a bare 1 ms timer with nothing connected: the most
// the platform can deliver.
double bareTimerRate(double seconds)
{
    QTimer bare;
    bare.setTimerType(Qt::PreciseTimer);
    bare.setInterval(1);
    int events = 0;
    QObject::connect(&bare, &QTimer::timeout, [&] { ++events; });
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    bare.start();
    loop.exec();
    return events / (clock.nsecsElapsed() / 1e9);
}

// Time of one event's work and repaint, without waiting for the timer.
double workPerEventMicroseconds(nupel::frmMain &window, nupel::PetState &state, int events)
{
    QElapsedTimer clock;
    qint64 busy = 0;
    for (int i = 0; i < events; ++i) {
        clock.start();
        window.Timer1_Timer();
        state.satiety = 200;
        state.sickness = 0;
        state.dirt = 0;
        state.skipLifespanCheck = 1;
        state.suspended = 0;
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
    SilentPlatform platform;
    random.seedFromClock();
    state.setNewGameValues();
    state.petName = QStringLiteral("もも");

    nupel::frmMain window(state, random, platform);
    window.Form_Load();

    const Rate normal = measure(window, state, seconds);
    window.Label17_DblClick();
    const Rate fast = measure(window, state, seconds);

    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("normal (%d ms): %.1f events/s, longest gap %.1f ms\n", 100, normal.eventsPerSecond,
                normal.longestGapMs);
    std::printf("fast-forward (%d ms): %.1f events/s, longest gap %.1f ms\n",
                window.timer().interval(), fast.eventsPerSecond, fast.longestGapMs);
    window.timer().stop();
    std::printf("bare 1 ms timer: %.1f events/s\n", bareTimerRate(seconds));
    const double work = workPerEventMicroseconds(window, state, 5000);
    std::printf("work per event: %.1f us (enough for %.0f events/s)\n", work, 1e6 / work);
    std::printf("pet age %s, notices answered %d\n", qPrintable(state.age.print()),
                platform.notices);
    return 0;
}
