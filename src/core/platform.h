#pragma once

#include <QString>

namespace nupel {

enum class NoticeButtons { Ok, YesNo };
enum class NoticeIcon { None, Exclamation, Question };
enum class NoticeAnswer { Ok, Yes, No };

// Caption of every message box that has no title of its own.
inline const QString programTitle = QStringLiteral("NUPEL for Win95");

// The services of the desktop that the rules need. The Qt windows provide the
// real one; tests hand in a fake that records notices and answers them.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box; returns the button the player pressed.
    virtual NoticeAnswer messageBox(const QString &text, const QString &title, NoticeButtons buttons,
                                    NoticeIcon icon) = 0;
    virtual void beep() = 0;
    // The open-file dialog with one filter entry; empty when cancelled.
    virtual QString openFileDialog(const QString &title, const QString &filterName, const QString &pattern) = 0;
    // Ends the program at once. A fake may return: callers return right after.
    virtual void endProgram() = 0;
    // Ends the program at once with a failure status, after `reason` has gone
    // to standard error. A fake may return: callers return right after.
    virtual void endProgramFailing(const QString &reason) = 0;
};

} // namespace nupel
