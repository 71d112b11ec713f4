#pragma once

#include "core/numbers.h"

#include <QString>

namespace nupel {

// Everything the game knows about the pet and its room. One instance lives for
// the whole run and is handed by reference to every window and rule.
struct PetState {
    // Identity and life
    QString petName;
    QString petType;
    Cell generation;
    Cell age;
    QString deathCause;

    // Levels the player manages
    Int16 satiety;
    Int16 sickness;
    Int16 dirt;

    // Per-type rates, overwritten when the pet changes type
    Cell hungerRate;
    Cell sicknessRate;
    Cell dirtRate;
    Cell clutchMax;
    Cell eggValueFactor;
    Cell tantrumKind;

    // Economy
    Int32 money;
    Cell eggs;
    Cell eggPrice;
    Cell eggsToSell;

    // Progress counters
    Cell changeProgress;
    Cell eggTimer;
    Cell timerCount;

    // Flags
    Cell suspended;
    Cell skipLifespanCheck;
    Cell hatchPending;
    // Whether a living pet is in play: set when the main window loads and when
    // a hatchling is raised, cleared when a death is found. Not saved.
    bool petLives = false;

    // Display state of the main window
    Cell walkCount;
    Cell walkDirection;
    Cell roomPicture;
    Cell shownGeneration;
    Cell eggsEaten;

    // The values a fresh game starts with, assigned in the game's fixed order.
    // Fields not named here are left as they are.
    void setNewGameValues();
};

} // namespace nupel
