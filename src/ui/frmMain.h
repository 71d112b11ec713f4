#pragma once

#include "core/main_view.h"
#include "core/pet_state.h"
#include "core/platform.h"
#include "core/random_source.h"
#include "ui/controls.h"

#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace nupel {

// The main window: the pet walking in its room, its figures, the three face
// icons and the buttons of the game. Created once per run.
class frmMain final : public QWidget, public MainView {
    Q_OBJECT
public:
    frmMain(PetState &state, RandomSource &random, Platform &platform, QWidget *parent = nullptr);

    // Event handlers, named after their control and event.
    void Form_Load();
    void Timer1_Timer();
    void command1_click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Image1_Click();
    void Label4_MouseUp(int Button, int Shift, float X, float Y);
    void Label12_DblClick();
    void Label17_DblClick();
    void Label19_Click();
    void Picture1_Click();

    QTimer &timer() { return Timer1; }
    // The clock by which the walking pet is drawn; the desktop's unless set.
    void setFrameClock(FrameClock &clock) { m_petFrames.setClock(clock); }

    // MainView
    void setCaption(MainLabel label, const QString &text) override;
    void loadPicture(MainImage image, const QString &fileName) override;
    void showRoomPicture(int number) override;
    QPoint petPosition() const override;
    void movePet(QPoint twips) override;
    void showWindow() override;
    void hideWindow() override;
    void openDeathScreen() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    CaptionLabel *label(MainLabel which) const;
    QLabel *image(MainImage which) const;
    void connectHandlers();
    // What a screen reader reads for a label the rules wrote, or a picture
    // they loaded.
    void describeLabel(MainLabel which);
    void describePicture(MainImage which, const QString &fileName);

    PetState &m_state;
    RandomSource &m_random;
    Platform &m_platform;
    PictureFiles m_pictures;

    CaptionLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
    CaptionLabel *Label8, *Label9, *Label10, *Label11, *Label12, *Label13, *Label14;
    CaptionLabel *Label16, *Label17, *Label18, *Label19;
    PictureBox *Picture1;
    CaptionLabel *Image1;
    QLabel *Image2, *Image3, *Image4;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6;
    QTimer Timer1;
    // Set while a timer event runs: events arriving during its notices wait.
    bool m_petWaits = false;
    // 0 at the normal pace, 1 while fast-forwarding; not part of the pet.
    int speedToggle = 0;

    // The three room pictures kept with the window.
    ScaledPicture imgNupelwha, imgNupelwh1, imgNupelwh2;

    // Where the rules have put the pet, in twips; the picture follows at most
    // once per screen frame.
    QPoint m_petTwips;
    SystemFrameClock m_systemClock;
    FrameThrottle m_petFrames{this, [this] { drawPet(); }, m_systemClock};
    void drawPet();
};

} // namespace nupel
