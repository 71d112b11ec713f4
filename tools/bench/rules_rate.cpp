// Timer events per second of the game rules alone, without any window:
//   nupel-bench-rules [ROUNDS] [EVENTS]
// (seconds of processor time of the measuring thread)
//
// The main window's timer event runs against a view that only remembers where
// the pet stands and a platform that answers every notice at once. The pet is
// measured in a few states (new game, great age, late generation, many eggs)
// to show that an event costs the same in all of them. After every tick the
// state is put back: levels in the middle, the held age, generation and egg
// count, and a pet that died of old age at its birthday is revived, so every
// rule keeps running, the old-age test included.

#include "core/main_view.h"
#include "core/random_source.h"
#include "figures.h"
#include "play/tick.h"
#include "silent_platform.h"

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

class NullView final : public nupel::MainView {
public:
    void setCaption(nupel::MainLabel, const QString &) override {}
    void loadPicture(nupel::MainImage, const QString &) override {}
    void showRoomPicture(int) override {}
    QPoint petPosition() const override { return m_pet; }
    void movePet(QPoint twips) override { m_pet = twips; }
    void showWindow() override {}
    void hideWindow() override {}
    void openDeathScreen() override {}

private:
    QPoint m_pet{120, 2760};
};

struct Holding {
    const char *name;
    double age;
    double generation;
    double eggs;
};

constexpr Holding holdings[] = {
    {"new-game", 0, 1, 0},
    {"age-100000", 100000, 1, 0},
    {"generation-100000", 0, 100000, 0},
    {"eggs-1000000000", 0, 1, 1000000000},
    {"all-three", 100000, 100000, 1000000000},
};

// Processor time of this thread: on a shared machine, time spent waiting for
// the processor while others run is not the rules' cost.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

struct Run {
    double eventsPerSecond;
    long deaths;
};

Run measure(const Holding &holding, long events, std::uint64_t seed)
{
    nupel::PetState state;
    nupel::ClockRandom random;
    random.seed(seed);
    NullView view;
    nupel::SilentPlatform platform;
    state.setNewGameValues();
    state.petName = QStringLiteral("もも");

    auto hold = [&] {
        state.satiety = 200;
        state.sickness = 0;
        state.dirt = 0;
        state.age = holding.age;
        state.generation = holding.generation;
        state.eggs = holding.eggs;
    };
    hold();
    long deaths = 0;
    const long ticks = events / 10;
    const double start = threadSeconds();
    for (long tick = 0; tick < ticks; ++tick) {
        for (int event = 0; event < 10; ++event)
            nupel::mainTimerEvent(state, random, view, platform);
        if (state.suspended == 1) {
            ++deaths;
            state.suspended = 0;
        }
        hold();
    }
    const double seconds = threadSeconds() - start;
    return {ticks * 10 / seconds, deaths};
}

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const long events = argc > 2 ? std::max(10L, std::atol(argv[2])) : 2000000;

    // Unmeasured: brings the code and the allocator up to speed.
    measure(holdings[0], events / 4, 1);

    constexpr int count = sizeof holdings / sizeof holdings[0];
    std::vector<double> rates[count];
    long deaths[count] = {};
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < count; ++i) {
            // Each round takes the states in a turned order, so a drift of the
            // machine weighs on all of them.
            const int which = (i + round) % count;
            const Run run = measure(holdings[which], events, 1000 + round);
            rates[which].push_back(run.eventsPerSecond);
            deaths[which] += run.deaths;
        }
    }
    for (int i = 0; i < count; ++i) {
        const double rate = nupel::median(rates[i]);
        std::printf("rules %s %.0f events/s %.1f ns/event deaths %ld\n", holdings[i].name, rate, 1e9 / rate, deaths[i]);
    }
    return 0;
}
