#include "ui/care_dialog.h"

#include "ui/look.h"

namespace nupel {

CareDialog::CareDialog(PetState &state, const char *name, const QString &caption, QSize sizeTwips, QWidget *parent)
    : GameDialog(name, caption, QSize(twipsToPixels(sizeTwips.width()), twipsToPixels(sizeTwips.height())), gameFont(),
                 EscapeKey::Closes, parent),
      m_state(state)
{
}

QPushButton *CareDialog::addCancelButton(const QString &caption, QRect geometry)
{
    QPushButton *cancel = makeButton(this, "Command4", caption, geometry);
    connect(cancel, &QPushButton::clicked, this, &CareDialog::Command4_Click);
    return cancel;
}

void CareDialog::Command4_Click()
{
    resumeAfterCare(m_state);
    done(QDialog::Accepted);
}

void CareDialog::reject()
{
    Command4_Click();
}

CareMenuDialog::CareMenuDialog(PetState &state, Platform &platform, CareMenu menu, QWidget *parent)
    : CareDialog(state, menu.name, menu.caption, menu.sizeTwips, parent), m_platform(platform),
      m_choices(std::move(menu.choices))
{
    for (const CareMenuLine &line : menu.lines)
        makeCaptionLabel(this, line.name, line.text, line.geometry);
    const char *names[] = {"Command1", "Command2", "Command3"};
    void (CareMenuDialog::*const handlers[])() = {&CareMenuDialog::command1_click, &CareMenuDialog::Command2_Click,
                                                  &CareMenuDialog::Command3_Click};
    QPushButton **buttons[] = {&Command1, &Command2, &Command3};
    for (int row = 0; row < 3; ++row) {
        *buttons[row] = makeButton(this, names[row], m_choices[row].caption, m_choices[row].geometry);
        connect(*buttons[row], &QPushButton::clicked, this, handlers[row]);
    }
    Command4 = addCancelButton(QStringLiteral("やっぱやめた"), menu.cancelGeometry);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
}

void CareMenuDialog::Form_Load()
{
    Command1->setEnabled(canAfford(m_state, m_choices[0].cost));
    Command2->setEnabled(canAfford(m_state, m_choices[1].cost));
    Command3->setEnabled(canAfford(m_state, m_choices[2].cost));
}

void CareMenuDialog::command1_click()
{
    choose(0);
}

void CareMenuDialog::Command2_Click()
{
    choose(1);
}

void CareMenuDialog::Command3_Click()
{
    choose(2);
}

void CareMenuDialog::choose(int row)
{
    if (m_choices[row].provide() == CareOutcome::ShortOfMoney) {
        m_platform.beep();
        return;
    }
    Command4_Click();
}

} // namespace nupel
