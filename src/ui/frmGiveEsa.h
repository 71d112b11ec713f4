#pragma once

#include "care/feeding.h"
#include "core/random_source.h"
#include "ui/care_dialog.h"

namespace nupel {

// The feeding dialog "餌を与える": three foods, each with its price and
// description, and "やっぱやめた".
class frmGiveEsa final : public CareDialog {
    Q_OBJECT
public:
    frmGiveEsa(PetState &state, RandomSource &random, QWidget *parent = nullptr);

    // Offers only the foods the cash covers.
    void Form_Load() override;
    void command1_click();
    void Command2_Click();
    void Command3_Click();

private:
    void feed(Food food);

    RandomSource &m_random;
    QPushButton *Command1, *Command2, *Command3, *Command4;
    CaptionLabel *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
};

} // namespace nupel
