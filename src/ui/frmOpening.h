#pragma once

#include "core/pet_state.h"
#include "core/platform.h"
#include "core/random_source.h"
#include "ui/controls.h"

#include <QDialog>
#include <QPushButton>
#include <QTimer>

namespace nupel {

// The opening screen, first window of every run: prepares the game when it
// loads and cycles the three title pictures until the player starts.
class frmOpening final : public GameDialog {
    Q_OBJECT
public:
    frmOpening(PetState &state, ClockRandom &random, Platform &platform, QWidget *parent = nullptr);

    // Event handlers, named after their control and event.
    void Form_Load();
    void Timer1_Timer();
    void command1_click();

    // Unloading: the picture timer stops and the window goes for good.
    void unload();

    QTimer &timer() { return Timer1; }

    // Escape has no button to press here.
    void reject() override {}

protected:
    // Closing the window through its frame ends the program.
    void closeEvent(QCloseEvent *event) override;

private:
    PetState &m_state;
    ClockRandom &m_random;
    Platform &m_platform;
    PictureFiles m_pictures;
    qint16 m_counter = 0;

    PictureBox *Picture1;
    QPushButton *Command1;
    QTimer Timer1;
};

} // namespace nupel
