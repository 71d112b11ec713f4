#include "files/game_folders.h"

#include "files/file_reasons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nupel {

namespace {

// Every picture folder holds the first pet type's icon; it tells a folder of
// the game's pictures from any other.
const QString pictureMark = QStringLiteral("nupnor.ico");

bool holdsPictures(const QString &folder)
{
    return QFileInfo::exists(QDir(folder).filePath(pictureMark));
}

// Creates the folder and any missing parents; 0 or the errno that stopped it.
int makeFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return 0;
    if (info.exists() || info.isSymLink())
        return ENOTDIR;
    const QString parent = QFileInfo(info.absoluteFilePath()).absolutePath();
    if (parent != info.absoluteFilePath()) {
        if (const int refusal = makeFolder(parent))
            return refusal;
    }
    // The player's saves are nobody else's business.
    if (::mkdir(QFile::encodeName(info.absoluteFilePath()).constData(), 0700) != 0 && errno != EEXIST)
        return errno;
    return 0;
}

} // namespace

QString installedPictureFolder(const QString &programFolder)
{
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(NUPEL_PICTURES_FROM_PROGRAM)));
}

int folderRefusesFiles(const QString &folder)
{
    QByteArray path = QFile::encodeName(QDir(folder).filePath(QStringLiteral(".nupel-probe-XXXXXX")));
    const int descriptor = ::mkstemp(path.data());
    if (descriptor < 0)
        return errno;
    ::close(descriptor);
    ::unlink(path.constData());
    return 0;
}

GameFolders chooseGameFolders(const QString &programFolder, const QString &dataFolder)
{
    GameFolders folders;
    const bool portable = holdsPictures(programFolder);
    folders.pictures = portable ? programFolder : installedPictureFolder(programFolder);
    // Run by root from /usr/bin the program folder takes files too; only a
    // folder of pictures is one the player has made their own.
    if (portable && folderRefusesFiles(programFolder) == 0) {
        folders.working = programFolder;
        return folders;
    }
    folders.working = dataFolder;
    int refusal = dataFolder.isEmpty() ? ENOENT : makeFolder(dataFolder);
    if (refusal == 0)
        refusal = folderRefusesFiles(dataFolder);
    if (refusal != 0) {
        folders.usable = false;
        folders.notice = QStringLiteral("データフォルダ「%1」を使えません（%2）。\n"
                                        "このまま遊べますが、セーブとスコアの記録はできません。")
                             .arg(QDir::toNativeSeparators(dataFolder), refusalInJapanese(refusal));
    }
    return folders;
}

bool enterWorkingFolder(const GameFolders &folders)
{
    if (folders.usable)
        return QDir::setCurrent(folders.working);
    QTemporaryDir nowhere;
    if (!nowhere.isValid() || !QDir::setCurrent(nowhere.path()))
        return false;
    // Removing it leaves the working directory in place but unable to take
    // any new file, so every save fails and says so.
    return nowhere.remove();
}

} // namespace nupel
