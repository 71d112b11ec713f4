#include "ui/frmEnding.h"

#include "files/save_file.h"
#include "play/running.h"
#include "ui/look.h"

namespace nupel {

frmEnding::frmEnding(PetState &state, RandomSource &random, Platform &platform, QWidget *parent)
    : GameDialog("frmEnding", QStringLiteral("Warning!!"), QSize(128, 209), gameFont(), EscapeKey::Ignored, parent),
      m_state(state), m_random(random), m_platform(platform)
{
    Label1 = new QLabel(QStringLiteral("終了します！！"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 6, 113, 36);
    Label1->setAlignment(Qt::AlignCenter);

    Command1 = makeButton(this, "Command1", QStringLiteral("Ｓａｖｅ"), QRect(8, 46, 113, 49));
    Command2 = makeButton(this, "Command2", QStringLiteral("Ｃａｎｃｅｌ"), QRect(8, 99, 113, 49));
    Command3 = makeButton(this, "Command3", QStringLiteral("Ｏ．Ｋ．"), QRect(8, 152, 113, 49));
    Command1->setDefault(true);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &frmEnding::command1_click);
    connect(Command2, &QPushButton::clicked, this, &frmEnding::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmEnding::Command3_Click);
}

void frmEnding::command1_click()
{
    const WriteOutcome outcome = saveGame(m_state, m_random);
    if (!outcome.written) {
        // The game is not lost: the player can cancel back to it.
        m_platform.messageBox(
            QStringLiteral("「%1」に保存できませんでした。\n%2").arg(outcome.fileName, outcome.reason), programTitle,
            NoticeButtons::Ok, NoticeIcon::Exclamation);
        return;
    }
    m_platform.beep();
    m_platform.endProgram();
}

void frmEnding::Command2_Click()
{
    resumeAfterQuit(m_state);
    done(QDialog::Rejected);
}

void frmEnding::Command3_Click()
{
    m_platform.endProgram();
}

void frmEnding::reject()
{
    Command2_Click();
}

} // namespace nupel
