#include "ui/Form10.h"

#include "life/hatching.h"
#include "ui/look.h"

namespace nupel {

Form10::Form10(PetState &state, Platform &platform, MainView &mainWindow, QWidget *parent)
    : GameDialog("Form10", QStringLiteral("孵化"), QSize(392, 72), gameFont(pGothic), EscapeKey::Ignored, parent),
      m_state(state), m_platform(platform), m_mainWindow(mainWindow)
{
    Command1 = makeButton(this, "Command1", QStringLiteral("孵化させる"), QRect(12, 14, 136, 44));
    Command2 = makeButton(this, "Command2", QStringLiteral("孵化させない(GameOver)"), QRect(160, 14, 220, 44));
    // Neither answer is the obvious one: Enter presses nothing.
    Command1->setAutoDefault(false);
    Command2->setAutoDefault(false);

    connect(Command1, &QPushButton::clicked, this, &Form10::command1_click);
    connect(Command2, &QPushButton::clicked, this, &Form10::Command2_Click);
}

void Form10::Form_Load()
{
    m_platform.messageBox(QStringLiteral("卵の一つが孵化しそうです"), programTitle, NoticeButtons::Ok,
                          NoticeIcon::Exclamation);
    show();
}

void Form10::command1_click()
{
    raiseHatchling(m_state);
    m_mainWindow.showWindow();
    m_unloading = true;
    close();
}

void Form10::Command2_Click()
{
    m_platform.endProgram();
}

void Form10::reject()
{
    if (m_unloading) {
        QDialog::reject();
        return;
    }
    Command2_Click();
}

} // namespace nupel
