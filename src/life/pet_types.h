#pragma once

#include "core/main_view.h"
#include "core/pet_state.h"
#include "core/random_source.h"

#include <QString>

#include <array>

namespace nupel {

// One row of the type catalogue. Rows marked `drawn` take their values from
// the random source when applied.
struct PetTypeRow {
    QString name;
    QString iconFile;
    double clutchMax;
    double eggValueFactor;
    double sicknessRate;
    double hungerRate;
    double dirtRate;
    double tantrumKind;
    bool drawn = false;
};

inline constexpr int petTypeCount = 13;

// The thirteen pet types, indexed by the number the type draw gives.
const std::array<PetTypeRow, petTypeCount> &petTypes();

// The row named exactly `name`, or nullptr.
const PetTypeRow *findPetType(const QString &name);

// Writes the per-type values of the type now in `petType` and loads its icon
// into the pet picture, in the catalogue's order: clutchMax, eggValueFactor,
// sicknessRate, hungerRate, dirtRate, icon, tantrumKind. "Randoman" draws its
// values here. An unknown type changes nothing.
void applyPetType(PetState &state, RandomSource &random, MainView &view);

// Loads the icon of the type now in `petType` into the pet picture; an unknown
// type leaves the picture unchanged.
void showTypeIcon(const PetState &state, MainView &view);

} // namespace nupel
