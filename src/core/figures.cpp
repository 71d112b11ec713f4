#include "core/figures.h"

namespace nupel {

QString eggsText(const Cell &eggs)
{
    return eggs.print() + QStringLiteral("個");
}

QString moneyText(const Int32 &money)
{
    return money.print() + QStringLiteral("円");
}

QString ageText(const Cell &age)
{
    return age.print() + QStringLiteral("歳");
}

} // namespace nupel
