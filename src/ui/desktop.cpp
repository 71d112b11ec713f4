#include "ui/desktop.h"

#include "files/game_folders.h"
#include "ui/controls.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QScreen>
#include <QStandardPaths>
#include <QtMath>

#include <algorithm>

namespace nupel {

namespace {

// The highest scale among the screens, 1 when there is none.
qreal largestScreenScale()
{
    qreal scale = 1;
    for (const QScreen *screen : QGuiApplication::screens())
        scale = std::max(scale, screen->devicePixelRatio());
    return scale;
}

} // namespace

QIcon windowIconFrom(const QDir &theme, qreal screenScale)
{
    const QString fileName = QStringLiteral("apps/" NUPEL_APP_ID ".png");
    const int largest = qCeil(largestWindowIconSize * std::max<qreal>(1, screenScale));
    QIcon icon;
    for (const QString &folder : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        // Folders are named by size: "48x48".
        const int size = folder.section(QLatin1Char('x'), 0, 0).toInt();
        const QString path = theme.filePath(folder + QLatin1Char('/') + fileName);
        if (size > 0 && size <= largest && QFileInfo::exists(path))
            icon.addFile(path);
    }
    return icon;
}

void joinDesktop()
{
    // The class of every window (WM_CLASS "nupel") and its desktop file name
    // tie the windows to the desktop entry, which names the same class.
    QCoreApplication::setApplicationName(QStringLiteral("nupel"));
    QGuiApplication::setDesktopFileName(QStringLiteral(NUPEL_APP_ID));
    // The theme tree lies beside the program's folder when installed, and in
    // the build as well.
    const QDir theme(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(NUPEL_ICONS_FROM_PROGRAM)));
    const QIcon icon = windowIconFrom(theme, largestScreenScale());
    QApplication::setWindowIcon(icon.isNull() ? QIcon::fromTheme(QStringLiteral(NUPEL_APP_ID)) : icon);
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
