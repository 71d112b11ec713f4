#pragma once

// Counts of timer events per second, for the programs that measure the main
// window's timer.

#include "core/pet_state.h"
#include "core/random_source.h"
#include "silent_platform.h"
#include "ui/frmMain.h"

namespace nupel {

struct TimerRate {
    double eventsPerSecond = 0;
    double longestGapMs = 0;
    int events = 0;
};

// A new game's main window in fast-forward: the age label's double-click has
// set the 1 ms interval, and half a second has run unmeasured to read the
// pictures and fill the font caches. Notices are answered at once.
struct FastForwardGame {
    FastForwardGame();
    // False when the double-click did not set the 1 ms interval.
    bool running() const { return m_running; }

    PetState state;
    ClockRandom random;
    SilentPlatform platform;
    frmMain window;

private:
    bool m_running = false;
};

// Runs the event loop for `seconds` and counts the main window's timer
// events, keeping the pet well after each one.
TimerRate measureWindowRate(frmMain &window, PetState &state, double seconds);

// Runs the event loop for `seconds` with a precise timer of `intervalMs` that
// does nothing but count its events.
TimerRate measureBareTimerRate(double seconds, int intervalMs = 1);

} // namespace nupel
