#pragma once

#include "core/main_view.h"
#include "core/pet_state.h"
#include "core/platform.h"
#include "core/random_source.h"
#include "ui/controls.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace nupel {

// The death screen: the grave, how the pet died and how old it was, and the
// burial that decides whether an egg hatches or the game is over.
class frmDie final : public GameDialog {
    Q_OBJECT
public:
    frmDie(PetState &state, RandomSource &random, Platform &platform, MainView &mainWindow, QWidget *parent = nullptr);

    // Event handlers, named after their control and event.
    void Form_Load();
    void command1_click();

    // The frame's close box acts like declining the score file: the game ends.
    void reject() override;

private:
    // Closes the window on the way to the hatching, which goes on without it.
    void unload();

    PetState &m_state;
    RandomSource &m_random;
    Platform &m_platform;
    MainView &m_mainWindow;
    PictureFiles m_pictures;
    bool m_unloading = false;

    QLabel *Picture1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    QPushButton *Command1;
};

} // namespace nupel
