#include "timer_probe.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace nupel {

namespace {

// Counts the timeouts of `timer` for `seconds` of a local event loop; `after`
// runs right after each one.
TimerRate countTimeouts(QTimer &timer, double seconds, const std::function<void()> &after)
{
    TimerRate rate;
    qint64 previous = -1;
    qint64 longestGap = 0;
    QElapsedTimer clock;
    // Connected after the timer's own handlers, so it runs right after them.
    const auto counter = QObject::connect(&timer, &QTimer::timeout, [&] {
        ++rate.events;
        const qint64 now = clock.nsecsElapsed();
        if (previous >= 0)
            longestGap = std::max(longestGap, now - previous);
        previous = now;
        if (after)
            after();
    });
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    clock.start();
    loop.exec();
    const double elapsed = clock.nsecsElapsed() / 1e9;
    QObject::disconnect(counter);
    rate.eventsPerSecond = rate.events / elapsed;
    rate.longestGapMs = longestGap / 1e6;
    return rate;
}

} // namespace

namespace {

PetState newGame()
{
    PetState state;
    state.setNewGameValues();
    state.petName = QStringLiteral("もも");
    return state;
}

} // namespace

FastForwardGame::FastForwardGame() : state(newGame()), window(state, random, platform)
{
    random.seedFromClock();
    window.Form_Load();
    window.Label17_DblClick();
    m_running = window.timer().interval() == 1;
    if (m_running)
        measureWindowRate(window, state, 0.5);
}

TimerRate measureWindowRate(frmMain &window, PetState &state, double seconds)
{
    return countTimeouts(window.timer(), seconds, [&state] { keepPetWell(state); });
}

TimerRate measureBareTimerRate(double seconds, int intervalMs)
{
    QTimer bare;
    bare.setTimerType(Qt::PreciseTimer);
    bare.setInterval(intervalMs);
    bare.start();
    return countTimeouts(bare, seconds, {});
}

} // namespace nupel
