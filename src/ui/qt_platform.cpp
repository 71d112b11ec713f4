#include "ui/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace nupel {

NoticeAnswer QtPlatform::messageBox(const QString &text, const QString &title, NoticeButtons buttons, NoticeIcon icon)
{
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case NoticeIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case NoticeIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case NoticeIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (buttons == NoticeButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    if (buttons == NoticeButtons::Ok)
        return NoticeAnswer::Ok;
    return pressed == QMessageBox::Yes ? NoticeAnswer::Yes : NoticeAnswer::No;
}

void QtPlatform::beep()
{
    QApplication::beep();
}

QString QtPlatform::openFileDialog(const QString &title, const QString &filterName, const QString &pattern)
{
    // The dialog opens in the working folder, where the saves are, and may
    // browse anywhere; the working directory stays where it is. It is Qt's
    // own dialog on every desktop: a desktop theme's dialog would run its
    // toolkit's event loop, which the game's own loop does not drive, and
    // the game would stop answering the desktop while it is open.
    return QFileDialog::getOpenFileName(nullptr, title, QDir::currentPath(),
                                        filterName + QStringLiteral(" (") + pattern + QStringLiteral(")"), nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

void QtPlatform::endProgram()
{
    // Nothing else may run once the game is over: no later step of the
    // handler that asked, no pending event.
    std::fflush(nullptr);
    std::_Exit(0);
}

void QtPlatform::endProgramFailing(const QString &reason)
{
    std::fputs(reason.toLocal8Bit().append('\n').constData(), stderr);
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace nupel
