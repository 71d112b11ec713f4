#include "ui/accessibility.h"

#include "ui/controls.h"
#include "ui/frmMain.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace nupel {

namespace {

QAccessibleInterface *gameAccessible(const QString &className, QObject *object)
{
    // Left to Qt, a plain top-level widget reads as a bare "filler".
    if (className == QLatin1String(frmMain::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == QLatin1String(PictureBox::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    QAccessible::installFactory(gameAccessible);
}

void setSpokenName(QWidget *widget, const QString &name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

void setSpokenDescription(QWidget *widget, const QString &description)
{
    if (widget->accessibleDescription() == description)
        return;
    widget->setAccessibleDescription(description);
    // Qt tells readers of a new name by itself, but not of a new description.
    QAccessibleEvent changed(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

QString faceCondition(const QString &faceFile)
{
    if (faceFile == QLatin1String("muki1.ico"))
        return QStringLiteral("とても良い");
    if (faceFile == QLatin1String("muki3.ico"))
        return QStringLiteral("良い");
    if (faceFile == QLatin1String("muki2.ico"))
        return QStringLiteral("悪い");
    if (faceFile == QLatin1String("muki4.ico"))
        return QStringLiteral("とても悪い");
    return QString();
}

} // namespace nupel
