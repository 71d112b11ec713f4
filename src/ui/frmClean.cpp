#include "ui/frmClean.h"

#include "ui/look.h"

namespace nupel {

namespace {

QRect buttonRect(int top)
{
    return twipsRect(240, top, 5175, 855);
}

} // namespace

frmClean::frmClean(PetState &state, Platform &platform, QWidget *parent)
    : CareDialog(state, "frmClean", QStringLiteral("掃除する"), 5700, 4215, parent),
      m_platform(platform)
{
    Command1 = addButton("Command1", QStringLiteral("パチ物の道具を使う(500円)"), buttonRect(120));
    Command2 = addButton("Command2", QStringLiteral("専用の道具を使う(1000円)"), buttonRect(1080));
    Command3 = addButton("Command3", QStringLiteral("専門家を呼ぶ(2000円)"), buttonRect(2040));
    Command4 = addButton("Command4", QStringLiteral("やっぱやめた"), buttonRect(3000));
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);

    connect(Command1, &QPushButton::clicked, this, &frmClean::command1_click);
    connect(Command2, &QPushButton::clicked, this, &frmClean::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmClean::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmClean::Command4_Click);
}

void frmClean::Form_Load()
{
    Command1->setEnabled(canAfford(m_state, cleaningCost(Cleaning::KnockOffTools)));
    Command2->setEnabled(canAfford(m_state, cleaningCost(Cleaning::ProperTools)));
    Command3->setEnabled(canAfford(m_state, cleaningCost(Cleaning::Expert)));
}

void frmClean::command1_click()
{
    provide(Cleaning::KnockOffTools);
}

void frmClean::Command2_Click()
{
    provide(Cleaning::ProperTools);
}

void frmClean::Command3_Click()
{
    provide(Cleaning::Expert);
}

void frmClean::provide(Cleaning cleaning)
{
    closeUnlessShort(clean(m_state, cleaning), m_platform);
}

} // namespace nupel
