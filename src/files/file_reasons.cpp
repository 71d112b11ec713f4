#include "files/file_reasons.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace nupel {

QString refusalInJapanese(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return QStringLiteral("書き込みが許可されていません");
    case EROFS: return QStringLiteral("読み取り専用の場所です");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("ディスクに空きがありません");
    case EFBIG: return QStringLiteral("ファイルが大きすぎて書けません");
    case ENOTDIR:
    case EEXIST: return QStringLiteral("同じ名前のファイルがあってフォルダを作れません");
    case ENOENT: return QStringLiteral("その場所が見つかりません");
    case EBUSY:
    case ETXTBSY:
    case EAGAIN: return QStringLiteral("ファイルが使用中です");
    case EISDIR: return QStringLiteral("同じ名前のフォルダがあります");
    case ENAMETOOLONG: return QStringLiteral("名前が長すぎます");
    case EIO: return QStringLiteral("ディスクの読み書きに失敗しました");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString writeFailureReason(const QFileDevice &file, int error)
{
    if (error != 0)
        return refusalInJapanese(error);
    // Qt refuses a folder in the file's place before asking the system.
    if (QFileInfo(file.fileName()).isDir())
        return refusalInJapanese(EISDIR);
    return file.errorString();
}

QString nameNotWritableReason()
{
    return QStringLiteral("名前にシフトJISで書けない文字があります");
}

} // namespace nupel
