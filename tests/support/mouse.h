#pragma once

#include <QtTest/qtestmouse.h>
#include <QWidget>
#include <QWindow>

namespace nupel::test {

// A double-click on `target` as the window system delivers it: press,
// release, a second press at the same spot within the double-click time,
// release. The events go through the window, so that Qt itself recognises the
// second press as the double-click, as it does for a player's mouse.
inline void doubleClick(QWidget *target, Qt::MouseButton button,
                        Qt::KeyboardModifiers modifiers = Qt::KeyboardModifiers(), QPoint pos = QPoint())
{
    if (pos.isNull())
        pos = target->rect().center();
    QWindow *window = target->window()->windowHandle();
    QTest::mouseDClick(window, button, modifiers, window->mapFromGlobal(target->mapToGlobal(pos)));
}

} // namespace nupel::test
