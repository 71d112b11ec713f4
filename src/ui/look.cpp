#include "ui/look.h"

#include <QApplication>
#include <QStyleFactory>

namespace nupel {

void installGameLook()
{
    QFont::insertSubstitution(pGothic, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(gothic, QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(pMincho, QStringLiteral("IPAPMincho"));
    // One style everywhere, so the windows look alike on every desktop.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
}

QFont gameFont(const QString &family, int points, bool bold)
{
    QFont font(family);
    font.setPixelSize(points * 4 / 3);
    font.setBold(bold);
    return font;
}

} // namespace nupel
