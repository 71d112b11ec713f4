#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace nupel::test {

// Runs `act` on the modal window once one is open, from inside its event
// loop; a window that shows itself modally blocks the test until `act` has
// closed it. Gives up after a bounded number of turns of the event loop.
inline void whenModalOpens(std::function<void(QWidget *)> act, int turnsLeft = 1000)
{
    QTimer::singleShot(0, [act = std::move(act), turnsLeft]() mutable {
        if (QWidget *modal = QApplication::activeModalWidget())
            act(modal);
        else if (turnsLeft > 0)
            whenModalOpens(std::move(act), turnsLeft - 1);
    });
}

// The top-level windows of type T that exist now.
template <typename T>
QList<T *> topLevels()
{
    QList<T *> found;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<T *>(widget))
            found.append(window);
    return found;
}

} // namespace nupel::test
