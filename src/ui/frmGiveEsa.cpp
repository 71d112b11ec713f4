#include "ui/frmGiveEsa.h"

#include "ui/look.h"

namespace nupel {

namespace {

// Each food has a row: its price above its description on the left, its
// button on the right.
constexpr int rowTops[] = {240, 1080, 1920};
constexpr int labelLeft = 120;
constexpr int labelWidth = 2295;
constexpr int labelHeight = 300;
constexpr int descriptionOffset = 315;

QRect priceRect(int row)
{
    return twipsRect(labelLeft, rowTops[row], labelWidth, labelHeight);
}

QRect descriptionRect(int row)
{
    return twipsRect(labelLeft, rowTops[row] + descriptionOffset, labelWidth, labelHeight);
}

QRect foodButtonRect(int row)
{
    return twipsRect(2520, rowTops[row], 1455, 615);
}

} // namespace

frmGiveEsa::frmGiveEsa(PetState &state, RandomSource &random, QWidget *parent)
    : CareDialog(state, "frmGiveEsa", QStringLiteral("餌を与える"), 4065, 3435, parent),
      m_random(random)
{
    Label2 = addLabel("Label2", QStringLiteral("わらわらＸ＞1000円"), priceRect(0));
    Label5 = addLabel("Label5", QStringLiteral("お徳用＞50kg"), descriptionRect(0));
    Label3 = addLabel("Label3", QStringLiteral("メルト＃＃＞1500円"), priceRect(1));
    Label6 = addLabel("Label6", QStringLiteral("変化促進型＞30kg"), descriptionRect(1));
    Label4 = addLabel("Label4", QStringLiteral("ＤＮＡ９９＞2500円"), priceRect(2));
    Label7 = addLabel("Label7", QStringLiteral("超高級品＞20kg"), descriptionRect(2));

    Command1 = addButton("Command1", QStringLiteral("わらわらＸ"), foodButtonRect(0));
    Command2 = addButton("Command2", QStringLiteral("メルト＃＃"), foodButtonRect(1));
    Command3 = addButton("Command3", QStringLiteral("ＤＮＡ９９"), foodButtonRect(2));
    Command4 = addButton("Command4", QStringLiteral("やっぱやめた"), twipsRect(120, 2760, 3855, 615));
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);

    connect(Command1, &QPushButton::clicked, this, &frmGiveEsa::command1_click);
    connect(Command2, &QPushButton::clicked, this, &frmGiveEsa::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmGiveEsa::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmGiveEsa::Command4_Click);
}

void frmGiveEsa::Form_Load()
{
    Command1->setEnabled(canAfford(m_state, foodCost(Food::WarawaraX)));
    Command2->setEnabled(canAfford(m_state, foodCost(Food::Melt)));
    Command3->setEnabled(canAfford(m_state, foodCost(Food::Dna99)));
}

void frmGiveEsa::command1_click()
{
    feed(Food::WarawaraX);
}

void frmGiveEsa::Command2_Click()
{
    feed(Food::Melt);
}

void frmGiveEsa::Command3_Click()
{
    feed(Food::Dna99);
}

void frmGiveEsa::feed(Food food)
{
    giveFood(m_state, m_random, food);
    Command4_Click();
}

} // namespace nupel
