#pragma once

#include "core/main_view.h"
#include "core/pet_state.h"
#include "core/platform.h"

#include "ui/controls.h"

#include <QDialog>
#include <QPushButton>

namespace nupel {

// The hatching window: raise the hatchling as the next generation, or end
// the game.
class Form10 final : public GameDialog {
    Q_OBJECT
public:
    Form10(PetState &state, Platform &platform, MainView &mainWindow, QWidget *parent = nullptr);

    // Event handlers, named after their control and event.
    void Form_Load();
    void command1_click();
    void Command2_Click();

    // The frame's close box acts like "孵化させない(GameOver)".
    void reject() override;

private:
    PetState &m_state;
    Platform &m_platform;
    MainView &m_mainWindow;
    bool m_unloading = false;

    QPushButton *Command1, *Command2;
};

} // namespace nupel
