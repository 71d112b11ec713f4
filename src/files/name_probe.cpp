#include "files/name_probe.h"

#include "files/game_folders.h"
#include "files/record.h"

#include <QFile>
#include <QFileInfo>

namespace nupel {

bool fitsNameBox(const QString &text)
{
    QByteArray bytes;
    return encodeCodePage932(text, bytes) && bytes.size() <= nameByteLimit;
}

bool nameCharactersAllowed(const QString &name)
{
    static const QString forbidden = QStringLiteral("\"*?<>|/\\:");
    for (const QChar c : name) {
        if (forbidden.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return fitsCodePage932(name);
}

QString probeFileName(const QString &name)
{
    return name + QStringLiteral(".npd");
}

bool nameIsUsable(const QString &name)
{
    if (!nameCharactersAllowed(name))
        return false;
    const QString path = probeFileName(name);
    QFile probe(path);
    // Creating only a file that does not exist yet means the file removed
    // below is always the one made here.
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        const QFileInfo standing(path);
        if (standing.exists() || standing.isSymLink())
            return true;
        // A working folder that takes no file at all cannot judge a name: the
        // characters alone decide, so the game can still be played, and its
        // saves say why they fail.
        return folderRefusesFiles(QStringLiteral(".")) != 0;
    }
    probe.close();
    return probe.remove();
}

bool namePet(PetState &state, const QString &name)
{
    if (!nameIsUsable(name))
        return false;
    state.petName = name;
    return true;
}

} // namespace nupel
