#include "ui/desktop.h"

#include "files/game_folders.h"
#include "ui/controls.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>

namespace nupel {

namespace {

// The icon drawn at each size, read from the hicolor theme tree that lies
// beside the program's folder when installed, and in the build as well.
QIcon gameIcon()
{
    const QDir theme(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(NUPEL_ICONS_FROM_PROGRAM)));
    const QString fileName = QStringLiteral("apps/" NUPEL_APP_ID ".png");
    QIcon icon;
    for (const QString &size : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString path = theme.filePath(size + QLatin1Char('/') + fileName);
        if (QFileInfo::exists(path))
            icon.addFile(path);
    }
    return icon.isNull() ? QIcon::fromTheme(QStringLiteral(NUPEL_APP_ID)) : icon;
}

} // namespace

void joinDesktop()
{
    // The class of every window (WM_CLASS "nupel") and its desktop file name
    // tie the windows to the desktop entry, which names the same class.
    QCoreApplication::setApplicationName(QStringLiteral("nupel"));
    QGuiApplication::setDesktopFileName(QStringLiteral(NUPEL_APP_ID));
    QApplication::setWindowIcon(gameIcon());
}

void settleGameFolders(Platform &platform)
{
    const GameFolders folders = chooseGameFolders(QCoreApplication::applicationDirPath(),
                                                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QDir::setSearchPaths(pictureSearchPrefix, {folders.pictures});
    enterWorkingFolder(folders);
    if (!folders.notice.isEmpty())
        platform.messageBox(folders.notice, programTitle, NoticeButtons::Ok, NoticeIcon::Exclamation);
}

} // namespace nupel
