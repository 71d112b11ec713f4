#pragma once

#include "care/care_visits.h"
#include "core/pet_state.h"
#include "core/platform.h"
#include "ui/controls.h"

#include <QPushButton>

#include <array>
#include <functional>
#include <vector>

namespace nupel {

// What the four care dialogs share: a fixed client area in the game's font,
// controls placed in twips, and one way out, the cancel button `Command4`,
// which every closing button ends with. The frame's close box and Escape act
// like that button, so the game never stays paused without a dialog.
class CareDialog : public GameDialog {
    Q_OBJECT
public:
    // Loading: runs once at every opening, before the dialog is shown.
    virtual void Form_Load() = 0;

    // The cancel button: the game runs on and the dialog closes.
    void Command4_Click();

    // Escape and the frame's close box: the same as the cancel button.
    void reject() override;

protected:
    CareDialog(PetState &state, const char *name, const QString &caption, QSize sizeTwips, QWidget *parent);

    // The cancel button `Command4`, wired to its handler.
    QPushButton *addCancelButton(const QString &caption, QRect geometry);

    PetState &m_state;
};

// One paid choice of a care menu: its button, its price in yen, and what it
// does to the pet.
struct CareChoice {
    QString caption;
    QRect geometry;
    int cost;
    std::function<CareOutcome()> provide;
};

// A fixed line of a care menu: its name, its text and where it stands.
struct CareMenuLine {
    const char *name;
    QString text;
    QRect geometry;
};

// What a care menu holds, and where: its name, caption and client size, any
// fixed lines, the three paid choices and the cancel button.
struct CareMenu {
    const char *name;
    QString caption;
    QSize sizeTwips;
    std::vector<CareMenuLine> lines;
    std::array<CareChoice, 3> choices;
    QRect cancelGeometry;
};

// The feeding, the doctor's and the cleaning dialog: any lines first, then
// three paid choices `Command1` to `Command3` and "やっぱやめた". A choice
// carried out closes the dialog; one the cash falls short of only beeps.
class CareMenuDialog : public CareDialog {
    Q_OBJECT
public:
    // Offers only the choices the cash covers.
    void Form_Load() override;
    void command1_click();
    void Command2_Click();
    void Command3_Click();

protected:
    CareMenuDialog(PetState &state, Platform &platform, CareMenu menu, QWidget *parent);

private:
    void choose(int row);

    Platform &m_platform;
    std::array<CareChoice, 3> m_choices;
    QPushButton *Command1, *Command2, *Command3, *Command4;
};

// Opens a care dialog from the main window: the game stands still, the dialog
// is built afresh and loads, and the call returns once it has closed and is
// gone. The arguments after the parent window are handed to its constructor.
template <typename Dialog, typename... Args>
void openCareDialog(PetState &state, QWidget *parent, Args &...args)
{
    suspendForCare(state);
    Dialog dialog(state, args..., parent);
    dialog.Form_Load();
    dialog.exec();
}

} // namespace nupel
