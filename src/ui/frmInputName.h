#pragma once

#include "core/pet_state.h"
#include "core/platform.h"
#include "core/random_source.h"

#include "ui/controls.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace nupel {

// The name entry: name a new pet, or load a saved game. Either way the main
// window opens and this window goes for good.
class frmInputName final : public GameDialog {
    Q_OBJECT
public:
    frmInputName(PetState &state, RandomSource &random, Platform &platform, QWidget *parent = nullptr);

    // Event handlers, named after their control and event.
    void Form_Load();
    // Returns true when the key was used up here.
    bool Text1_KeyPress(int KeyAscii);
    void command1_click();
    void Command2_Click();

    // Escape has no button to press here.
    void reject() override {}

signals:
    // The window has loaded; the opening screen unloads itself on this.
    void loaded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Closing the window through its frame ends the program.
    void closeEvent(QCloseEvent *event) override;

private:
    // Opens the main window on the pet state as it stands, then unloads this.
    void startGame();

    PetState &m_state;
    RandomSource &m_random;
    Platform &m_platform;

    QLabel *Image1;
    QLabel *Label1;
    QLineEdit *Text1;
    QPushButton *Command1, *Command2;
};

} // namespace nupel
