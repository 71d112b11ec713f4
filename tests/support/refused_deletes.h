#pragma once

// Deletions that the file system refuses while a test wants it to, as a
// folder that lets files be made but not removed would. The test program's
// own unlink() stands in for the C library's: it fails with EPERM for the
// paths listed and passes every other call on. Include it in the one source
// file of a test program.

#include <QByteArray>
#include <QList>

#include <cerrno>
#include <dlfcn.h>

namespace nupel::test {

// Endings of the paths whose deletion fails.
inline QList<QByteArray> refusedDeletes;

} // namespace nupel::test

extern "C" int unlink(const char *path) noexcept
{
    using Unlink = int (*)(const char *);
    static const auto passOn = reinterpret_cast<Unlink>(dlsym(RTLD_NEXT, "unlink"));
    const QByteArray name(path);
    for (const QByteArray &refused : nupel::test::refusedDeletes) {
        if (name.endsWith(refused)) {
            errno = EPERM;
            return -1;
        }
    }
    return passOn(path);
}
