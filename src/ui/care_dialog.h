#pragma once

#include "care/care_visits.h"
#include "core/pet_state.h"
#include "core/platform.h"
#include "ui/controls.h"

#include <QDialog>
#include <QPushButton>

namespace nupel {

// What the four care dialogs share: a fixed client area in the game's font,
// controls placed in twips, and one way out, the cancel button `Command4`,
// which every closing button ends with. The frame's close box and Escape act
// like that button, so the game never stays paused without a dialog.
class CareDialog : public QDialog {
    Q_OBJECT
public:
    // Loading: runs once at every opening, before the dialog is shown.
    virtual void Form_Load() = 0;

    // The cancel button: the game runs on and the dialog closes.
    void Command4_Click();

    // Escape and the frame's close box: the same as the cancel button.
    void reject() override;

protected:
    CareDialog(PetState &state, const char *name, const QString &caption, int widthTwips,
               int heightTwips, QWidget *parent);

    QPushButton *addButton(const char *name, const QString &caption, QRect geometry);
    CaptionLabel *addLabel(const char *name, const QString &caption, QRect geometry);

    // After a paid service: closes once it was carried out; a shortfall only
    // beeps and the dialog stays open.
    void closeUnlessShort(CareOutcome outcome, Platform &platform);

    PetState &m_state;
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
