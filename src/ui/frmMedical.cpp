#include "ui/frmMedical.h"

#include "ui/look.h"

namespace nupel {

namespace {

QRect buttonRect(int top)
{
    return twipsRect(600, top, 4695, 855);
}

} // namespace

frmMedical::frmMedical(PetState &state, Platform &platform, QWidget *parent)
    : CareDialog(state, "frmMedical", QStringLiteral("医者に診せる"), 5805, 3960, parent),
      m_platform(platform)
{
    Command1 = addButton("Command1", QStringLiteral("養生所へLet's Go!(500円)"), buttonRect(120));
    Command2 = addButton("Command2", QStringLiteral("近所の病院へ行こう(1200円)"), buttonRect(1080));
    Command3 = addButton("Command3", QStringLiteral("救急車だ!!(2500円)"), buttonRect(2040));
    Command4 = addButton("Command4", QStringLiteral("やっぱやめた"), buttonRect(3000));
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);

    connect(Command1, &QPushButton::clicked, this, &frmMedical::command1_click);
    connect(Command2, &QPushButton::clicked, this, &frmMedical::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmMedical::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmMedical::Command4_Click);
}

void frmMedical::Form_Load()
{
    Command1->setEnabled(canAfford(m_state, treatmentCost(Treatment::Sanatorium)));
    Command2->setEnabled(canAfford(m_state, treatmentCost(Treatment::Hospital)));
    Command3->setEnabled(canAfford(m_state, treatmentCost(Treatment::Ambulance)));
}

void frmMedical::command1_click()
{
    provide(Treatment::Sanatorium);
}

void frmMedical::Command2_Click()
{
    provide(Treatment::Hospital);
}

void frmMedical::Command3_Click()
{
    provide(Treatment::Ambulance);
}

void frmMedical::provide(Treatment treatment)
{
    closeUnlessShort(treat(m_state, treatment), m_platform);
}

} // namespace nupel
