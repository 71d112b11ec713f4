#include "ui/frmBuyEgg.h"

#include "care/egg_market.h"
#include "core/figures.h"
#include "ui/look.h"

namespace nupel {

frmBuyEgg::frmBuyEgg(PetState &state, QWidget *parent)
    : CareDialog(state, "frmBuyEgg", sellEggsCaption, {4860, 3105}, parent)
{
    Label1 = makeCaptionLabel(this, "Label1", QString(), twipsRect(600, 120, 3375, 300));
    Label3 = makeCaptionLabel(this, "Label3", QStringLiteral("0個"), twipsRect(1440, 720, 1335, 300));
    Label4 = makeCaptionLabel(this, "Label4", QStringLiteral("0円"), twipsRect(1440, 1080, 1335, 300));
    Label2 = makeCaptionLabel(this, "Label2", QStringLiteral("減る"), twipsRect(240, 1680, 735, 300));
    Label5 = makeCaptionLabel(this, "Label5", QStringLiteral("増える"), twipsRect(2160, 1680, 735, 300));

    Command5 = makeButton(this, "Command5", QStringLiteral("全部売る"), twipsRect(3000, 720, 1695, 615));
    Command3 = makeButton(this, "Command3", QStringLiteral("これだけ売る"), twipsRect(3000, 1440, 1695, 615));
    Command4 = addCancelButton(QStringLiteral("売るのやめる"), twipsRect(3000, 2160, 1695, 615));

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setAccessibleName(QStringLiteral("売る卵の数"));
    HScroll1->setGeometry(twipsRect(360, 2040, 2295, 735));
    HScroll1->setRange(0, 0);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(10);
    // A dragged thumb settles the count when it is let go, not on the way.
    HScroll1->setTracking(false);
    // A tab stop like the buttons, so the arrow keys can choose the count.
    HScroll1->setFocusPolicy(Qt::StrongFocus);

    setTabOrder(Command5, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, HScroll1);

    connect(HScroll1, &QScrollBar::valueChanged, this, &frmBuyEgg::HScroll1_Change);
    connect(Command5, &QPushButton::clicked, this, &frmBuyEgg::Command5_Click);
    connect(Command3, &QPushButton::clicked, this, &frmBuyEgg::Command3_Click);
}

void frmBuyEgg::Form_Load()
{
    Label1->setCaption(eggPriceLine(m_state));
    HScroll1->setMaximum(eggSelectionMaximum(m_state));
}

void frmBuyEgg::HScroll1_Change()
{
    const int count = HScroll1->value();
    Label3->setCaption(eggsText(Cell(count)));
    Label4->setCaption(eggAmountText(m_state, count));
}

void frmBuyEgg::Command5_Click()
{
    selectAllEggs(m_state);
    Label3->setCaption(eggsText(m_state.eggsToSell));
    Label4->setCaption(eggAmountText(m_state, m_state.eggsToSell));
    HScroll1->setValue(eggSelectionMaximum(m_state));
}

void frmBuyEgg::Command3_Click()
{
    sellEggs(m_state, HScroll1->value());
    Command4_Click();
}

} // namespace nupel
