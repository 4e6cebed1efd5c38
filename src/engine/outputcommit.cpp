#include "engine/outputcommit.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace OutputCommit
{
std::optional<QString> createTemporary(const QString &folder, const OutputNaming::NameParts &name, int *error)
{
    const QString base = u'.' + name.base + QStringLiteral(".kestrune-part");
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = OutputNaming::freePath(folder, base, name.extension);
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST) {
            *error = errno;
            return std::nullopt;
        }
    }
    *error = EEXIST;
    return std::nullopt;
}

int moveWithoutReplacing(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
        return errno;
    }
    // A hard link can't replace anything either.
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return 0;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS) {
        return errno;
    }
    // FAT and exFAT have neither: check, then rename. A file put there between the two would
    // be replaced; that tiny race remains on those file systems.
    if (OutputNaming::isTaken(to)) {
        return EEXIST;
    }
    return ::rename(source.constData(), target.constData()) == 0 ? 0 : errno;
}
}
