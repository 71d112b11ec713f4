#pragma once

#include "core/numbers.h"

#include <QString>

namespace nupel {

// The figures on the labels: a number followed by its unit, with no space
// between.
QString eggsText(const Cell &eggs);
QString moneyText(const Int32 &money);
QString ageText(const Cell &age);

} // namespace nupel
