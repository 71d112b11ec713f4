#pragma once

#include "support/scripted_random.h"

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <QtTest/qtestcase.h>
#include <QWidget>

#include <functional>

namespace nupel::test {

// Closes every modal window still open, the innermost first, without running
// any of their handlers, so that each waiting exec() returns.
inline void closeModalWindows()
{
    // A window that will not close must not keep the test turning here.
    for (int tries = 0; tries < 16; ++tries) {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->QDialog::done(QDialog::Rejected);
        else
            modal->hide();
    }
}

// Runs `act` on the modal window once one is open, from inside its event
// loop; a window that shows itself modally blocks the test until `act` has
// closed it. A check that fails inside `act` closes every modal window at
// once, so the test ends failed instead of waiting for a click that will not
// come. Gives up after a bounded number of turns of the event loop.
inline void whenModalOpens(std::function<void(QWidget *)> act, int turnsLeft = 1000)
{
    QTimer::singleShot(0, [act = std::move(act), turnsLeft]() mutable {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            act(modal);
            if (QTest::currentTestFailed())
                closeModalWindows();
        } else if (turnsLeft > 0) {
            whenModalOpens(std::move(act), turnsLeft - 1);
        }
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

// The top-level windows still shown, by object name or else class name.
inline QStringList shownTopLevels()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList shown;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            shown.append(widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                        : widget->objectName());
    }
    return shown;
}

// What every window test checks once a case is over: no window was left
// open, and the random source gave exactly the draws the case scripted.
inline void verifyCleanEnd(const ScriptedRandom *random = nullptr)
{
    const QStringList shown = shownTopLevels();
    QVERIFY2(shown.isEmpty(), qPrintable(QStringLiteral("left open: ") + shown.join(QStringLiteral(", "))));
    if (random) {
        QCOMPARE(random->overdrawn(), std::size_t{0});
        QCOMPARE(random->remaining(), std::size_t{0});
    }
}

} // namespace nupel::test
