#pragma once

#include "care/level_care.h"
#include "core/platform.h"
#include "ui/care_dialog.h"

namespace nupel {

// The doctor's dialog "医者に診せる": three treatments and "やっぱやめた".
class frmMedical final : public CareDialog {
    Q_OBJECT
public:
    frmMedical(PetState &state, Platform &platform, QWidget *parent = nullptr);

    // Offers only the treatments the cash covers.
    void Form_Load() override;
    void command1_click();
    void Command2_Click();
    void Command3_Click();

private:
    void provide(Treatment treatment);

    Platform &m_platform;
    QPushButton *Command1, *Command2, *Command3, *Command4;
};

} // namespace nupel
