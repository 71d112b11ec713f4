#pragma once

// Counts of timer events per second, for the programs that measure the main
// window's timer.

#include "core/pet_state.h"
#include "silent_platform.h"
#include "ui/frmMain.h"

namespace nupel {

struct TimerRate {
    double eventsPerSecond = 0;
    double longestGapMs = 0;
    int events = 0;
};

// Runs the event loop for `seconds` and counts the main window's timer
// events, keeping the pet well after each one.
TimerRate measureWindowRate(frmMain &window, PetState &state, double seconds);

// Runs the event loop for `seconds` with a precise timer of `intervalMs` that
// does nothing but count its events.
TimerRate measureBareTimerRate(double seconds, int intervalMs = 1);

} // namespace nupel
