#pragma once

#include "ui/care_dialog.h"

#include <QScrollBar>

namespace nupel {

// The egg market "卵を売る": today's price, a scroll bar choosing how many eggs
// to sell with the count and the proceeds beside it, "全部売る",
// "これだけ売る" and "売るのやめる".
class frmBuyEgg final : public CareDialog {
    Q_OBJECT
public:
    explicit frmBuyEgg(PetState &state, QWidget *parent = nullptr);

    // Shows the price and lets the scroll bar reach every egg.
    void Form_Load() override;
    void HScroll1_Change();
    void Command5_Click();
    void Command3_Click();

private:
    QPushButton *Command5, *Command3, *Command4;
    CaptionLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    QScrollBar *HScroll1;
};

} // namespace nupel
