#include "ui/look.h"

#include "ui/accessibility.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace nupel {

namespace {

// The game's style: Fusion, with a ring round the control that has the
// keyboard focus, bold enough to be seen at a glance and drawn in logical
// pixels, so it grows with the screen's scale.
class GameStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element == CE_PushButton && option->state.testFlag(State_HasFocus))
            drawFocusRing(option, painter, 4);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control == CC_ScrollBar && option->state.testFlag(State_HasFocus))
            drawFocusRing(option, painter, 1);
    }

private:
    static void drawFocusRing(const QStyleOption *option, QPainter *painter, int inset)
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(option->palette.color(QPalette::Highlight), 2));
        painter->drawRoundedRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset), 3, 3);
        painter->restore();
    }
};

} // namespace

void installGameLook()
{
    QFont::insertSubstitution(pGothic, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(gothic, QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(pMincho, QStringLiteral("IPAPMincho"));
    // The notices and the file dialog write in the application's font.
    QFont font = QApplication::font();
    font.setHintingPreference(textHinting);
    QApplication::setFont(font);
    // One style everywhere, so the windows look alike on every desktop.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(new GameStyle(style));
    installAccessibleRoles();
}

QFont gameFont(const QString &family, int points, bool bold)
{
    QFont font(family);
    font.setPixelSize(points * 4 / 3);
    font.setBold(bold);
    font.setHintingPreference(textHinting);
    return font;
}

} // namespace nupel
