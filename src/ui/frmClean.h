#pragma once

#include "care/level_care.h"
#include "core/platform.h"
#include "ui/care_dialog.h"

namespace nupel {

// The cleaning dialog "掃除する": three ways of cleaning and "やっぱやめた".
class frmClean final : public CareDialog {
    Q_OBJECT
public:
    frmClean(PetState &state, Platform &platform, QWidget *parent = nullptr);

    // Offers only the cleanings the cash covers.
    void Form_Load() override;
    void command1_click();
    void Command2_Click();
    void Command3_Click();

private:
    void provide(Cleaning cleaning);

    Platform &m_platform;
    QPushButton *Command1, *Command2, *Command3, *Command4;
};

} // namespace nupel
