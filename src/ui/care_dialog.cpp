#include "ui/care_dialog.h"

#include "ui/look.h"

namespace nupel {

CareDialog::CareDialog(PetState &state, const char *name, const QString &caption, int widthTwips,
                       int heightTwips, QWidget *parent)
    : QDialog(parent), m_state(state)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    setFont(gameFont());
}

QPushButton *CareDialog::addButton(const char *name, const QString &caption, QRect geometry)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

CaptionLabel *CareDialog::addLabel(const char *name, const QString &caption, QRect geometry)
{
    auto *label = new CaptionLabel(caption, geometry, this);
    label->setObjectName(QLatin1String(name));
    return label;
}

void CareDialog::closeUnlessShort(CareOutcome outcome, Platform &platform)
{
    if (outcome == CareOutcome::ShortOfMoney) {
        platform.beep();
        return;
    }
    Command4_Click();
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

} // namespace nupel
