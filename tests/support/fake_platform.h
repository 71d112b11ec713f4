#pragma once

#include "core/platform.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace nupel::test {

struct Notice {
    QString text;
    QString title;
    NoticeButtons buttons;
    NoticeIcon icon;
};

// Records what the rules asked of the desktop and answers from a script.
class FakePlatform final : public Platform {
public:
    NoticeAnswer messageBox(const QString &text, const QString &title, NoticeButtons buttons, NoticeIcon icon) override
    {
        notices.append({text, title, buttons, icon});
        if (onNotice)
            onNotice(notices.last());
        if (buttons == NoticeButtons::Ok)
            return NoticeAnswer::Ok;
        return answers.isEmpty() ? NoticeAnswer::No : answers.takeFirst();
    }
    void beep() override { ++beeps; }
    QString openFileDialog(const QString &title, const QString &filterName, const QString &pattern) override
    {
        fileDialogs.append(title + QLatin1Char('|') + filterName + QLatin1Char('|') + pattern);
        return chosenFiles.isEmpty() ? QString() : chosenFiles.takeFirst();
    }
    void endProgram() override { ++ended; }
    void endProgramFailing(const QString &reason) override
    {
        failures.append(reason);
        ++ended;
    }

    QList<Notice> notices;
    QList<NoticeAnswer> answers; // for Yes/No questions, in order
    QStringList chosenFiles;     // what the file dialog returns, in order
    QStringList fileDialogs;
    std::function<void(const Notice &)> onNotice; // runs while a notice is "open"
    int beeps = 0;
    int ended = 0;        // every end, failed ones included
    QStringList failures; // the reasons of the ends with a failure status
};

} // namespace nupel::test
