#pragma once

#include <QFile>
#include <QString>

#include <sys/fsuid.h>
#include <unistd.h>

namespace nupel::test {

// While it lasts, the folder refuses new files, even to root: a root process
// meanwhile reaches files as "nobody" (setfsuid), so the folders on the way
// must let others through.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &path) : m_path(path)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                        | QFile::ReadOther | QFile::ExeOther);
        if (::geteuid() == 0) {
            constexpr uid_t nobody = 65534;
            ::setfsgid(nobody);
            ::setfsuid(nobody);
        }
    }
    ~ReadOnlyFolder()
    {
        if (::geteuid() == 0) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                          | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    }

    // Whether a new file really cannot be made there.
    bool holds() const
    {
        QFile probe(m_path + QStringLiteral("/probe"));
        if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        probe.remove();
        return false;
    }

private:
    QString m_path;
};

} // namespace nupel::test
