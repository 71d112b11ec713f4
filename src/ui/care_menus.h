#pragma once

#include "core/pet_state.h"
#include "core/platform.h"
#include "core/random_source.h"
#include "ui/care_dialog.h"

namespace nupel {

// The feeding dialog "餌を与える": three foods, each with its price and
// description, and "やっぱやめた".
class frmGiveEsa final : public CareMenuDialog {
    Q_OBJECT
public:
    frmGiveEsa(PetState &state, RandomSource &random, Platform &platform, QWidget *parent = nullptr);
};

// The doctor's dialog "医者に診せる": three treatments and "やっぱやめた".
class frmMedical final : public CareMenuDialog {
    Q_OBJECT
public:
    frmMedical(PetState &state, Platform &platform, QWidget *parent = nullptr);
};

// The cleaning dialog "掃除する": three ways of cleaning and "やっぱやめた".
class frmClean final : public CareMenuDialog {
    Q_OBJECT
public:
    frmClean(PetState &state, Platform &platform, QWidget *parent = nullptr);
};

} // namespace nupel
