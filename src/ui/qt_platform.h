#pragma once

#include "core/platform.h"

class QWidget;

namespace nupel {

// The desktop's own message boxes, beep, file dialog and exit. This is the one
// place that calls QMessageBox, QFileDialog and QApplication::beep.
class QtPlatform final : public Platform {
public:
    NoticeAnswer messageBox(const QString &text, const QString &title, NoticeButtons buttons, NoticeIcon icon) override;
    void beep() override;
    QString openFileDialog(const QString &title, const QString &filterName, const QString &pattern) override;
    [[noreturn]] void endProgram() override;
    [[noreturn]] void endProgramFailing(const QString &reason) override;
};

} // namespace nupel
