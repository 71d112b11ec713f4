#pragma once

#include "core/main_view.h"
#include "core/pet_state.h"
#include "core/random_source.h"

#include <QString>

namespace nupel {

// Cause codes the death tests write into `deathCause`.
inline const QString dirtCode = QStringLiteral("gomi");
inline const QString hungerCode = QStringLiteral("harahe");
inline const QString illnessCode = QStringLiteral("stre");
inline const QString overeatingCode = QStringLiteral("kashok");
inline const QString oldAgeCode = QStringLiteral("zyumyo");

// The label of a death of old age: the one cause after which an egg may hatch.
inline const QString oldAgeLabel = QStringLiteral("寿命");

// Tests dirt above 100, satiety below 0, sickness above 100 and satiety above
// 300 in this order; the first that holds writes its code into `deathCause`.
// Returns whether the pet died.
bool vitalTest(PetState &state);

// The lifespan drawn at a birthday from five fractions r1 … r5:
// Int(10 r1) × Int(10 r5) + Int(10 r2) + Int(10 r3) + Int(10 r4) + 1, 1 to 109.
int lifespanDraw(RandomSource &random);

enum class OldAgeOutcome { Skipped, Lives, Dies };

// The birthday's old-age test. A set `skipLifespanCheck` is cleared and nothing
// is drawn (Skipped); otherwise an age above the lifespan draw writes the
// old-age code into `deathCause` (Dies).
OldAgeOutcome oldAgeTest(PetState &state, RandomSource &random);

// The label shown for a cause code; any other text comes back unchanged.
QString deathCauseLabel(const QString &cause);

// The death hand-off: suspends the game, turns the cause code into its label,
// hides the main window and opens the death screen.
void handleDeath(PetState &state, MainView &view);

} // namespace nupel
