#pragma once

#include "care/care_visits.h"
#include "core/pet_state.h"

namespace nupel {

// The doctor's three treatments, cheapest first; each lowers sickness.
enum class Treatment {
    Sanatorium, // "養生所へLet's Go!(500円)": 10 less
    Hospital,   // "近所の病院へ行こう(1200円)": 30 less
    Ambulance,  // "救急車だ!!(2500円)": cured outright
};

// The three ways of cleaning the room, cheapest first; each lowers dirt.
enum class Cleaning {
    KnockOffTools, // "パチ物の道具を使う(500円)": 10 less
    ProperTools,   // "専用の道具を使う(1000円)": 25 less
    Expert,        // "専門家を呼ぶ(2000円)": spotless
};

// Price of a treatment or a cleaning in yen.
int treatmentCost(Treatment treatment);
int cleaningCost(Cleaning cleaning);

// Pays for the treatment and lowers sickness, which may go below 0; if the
// cash falls short nothing changes.
CareOutcome treat(PetState &state, Treatment treatment);

// Pays for the cleaning and lowers dirt, which may go below 0; if the cash
// falls short nothing changes.
CareOutcome clean(PetState &state, Cleaning cleaning);

} // namespace nupel
