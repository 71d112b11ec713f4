#pragma once

#include "core/pet_state.h"
#include "core/platform.h"
#include "core/random_source.h"

#include "ui/controls.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace nupel {

// The quit dialog: save and quit, back to the game, or quit without saving.
// Shown modally by the main window's "Push to End".
class frmEnding final : public GameDialog {
    Q_OBJECT
public:
    frmEnding(PetState &state, RandomSource &random, Platform &platform, QWidget *parent = nullptr);

    // Event handlers, named after their control and event.
    void command1_click();
    void Command2_Click();
    void Command3_Click();

    // The frame's close box acts like "Ｃａｎｃｅｌ".
    void reject() override;

private:
    PetState &m_state;
    RandomSource &m_random;
    Platform &m_platform;

    QLabel *Label1;
    QPushButton *Command1, *Command2, *Command3;
};

} // namespace nupel
