#include "ui/frmEnding.h"

#include "files/save_file.h"
#include "ui/look.h"

#include <QKeyEvent>

namespace nupel {

frmEnding::frmEnding(PetState &state, RandomSource &random, Platform &platform, QWidget *parent)
    : QDialog(parent), m_state(state), m_random(random), m_platform(platform)
{
    setObjectName(QStringLiteral("frmEnding"));
    setWindowTitle(QStringLiteral("Warning!!"));
    setFixedSize(128, 209);
    setFont(gameFont());

    Label1 = new QLabel(QStringLiteral("終了します！！"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 6, 113, 36);
    Label1->setAlignment(Qt::AlignCenter);

    auto makeButton = [this](const char *name, const QString &caption, int top) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(8, top, 113, 49);
        return button;
    };
    Command1 = makeButton("Command1", QStringLiteral("Ｓａｖｅ"), 46);
    Command2 = makeButton("Command2", QStringLiteral("Ｃａｎｃｅｌ"), 99);
    Command3 = makeButton("Command3", QStringLiteral("Ｏ．Ｋ．"), 152);
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
        m_platform.messageBox(QStringLiteral("「%1」に保存できませんでした。\n%2")
                                  .arg(outcome.fileName, outcome.reason),
                              programTitle, NoticeButtons::Ok, NoticeIcon::Exclamation);
        return;
    }
    m_platform.beep();
    m_platform.endProgram();
}

void frmEnding::Command2_Click()
{
    m_state.suspended = 0;
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

void frmEnding::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace nupel
