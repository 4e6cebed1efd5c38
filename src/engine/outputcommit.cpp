#include "engine/outputcommit.h"

#include "engine/outputnaming.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace OutputCommit
{
namespace
{
const QLatin1StringView prefix(".kestrune-");
const QLatin1StringView suffix(".part");
constexpr int randomLength = 8;

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// On CIFS (SMB) a flock becomes a mandatory lock: ffmpeg's own writes to the locked temporary,
// through a descriptor of its own, would fail.
bool locksWork(int fd)
{
    constexpr long cifs = 0xFF534D42, smb2 = 0xFE534D42;
    struct statfs info {
    };
    return ::fstatfs(fd, &info) != 0 || (info.f_type != cifs && info.f_type != smb2);
}

bool olderThan(const struct stat &info, std::chrono::seconds age)
{
    return std::chrono::system_clock::now() - std::chrono::system_clock::from_time_t(info.st_mtim.tv_sec) > age;
}
}

bool isTemporaryName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.kestrune-[0-9a-z]{%1}\\.part$").arg(randomLength));
    return pattern.match(name).hasMatch();
}

int sweep(const QString &folder)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) {
        return 0;
    }
    const int dirFd = ::dirfd(dir);
    const bool lockable = locksWork(dirFd);
    int removed = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (!isTemporaryName(QFile::decodeName(entry->d_name))) {
            continue;
        }
        // NFS grants an exclusive lock only to a descriptor open for writing.
        constexpr int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        int fd = ::openat(dirFd, entry->d_name, O_RDWR | flags);
        if (fd < 0 && (errno == EACCES || errno == EROFS)) {
            fd = ::openat(dirFd, entry->d_name, O_RDONLY | flags);
        }
        if (fd < 0) {
            continue;
        }
        struct stat opened {
        };
        struct stat named {
        };
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(fd);
            continue;
        }
        // A taken lock: its owner is gone. Where locks fail, only age tells a temporary in use
        // (ffmpeg writes it all along) from one left behind.
        bool ownerGone = false;
        if (lockable && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ownerGone = true;
        } else if (!lockable || errno != EWOULDBLOCK) {
            ownerGone = olderThan(opened, unlockedTemporaryAge);
        }
        // The name must still be the file that was judged.
        if (ownerGone && ::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(opened, named)
            && ::unlinkat(dirFd, entry->d_name, 0) == 0) {
            ++removed;
        }
        ::close(fd);
    }
    ::closedir(dir);
    return removed;
}

std::optional<Temporary> createTemporary(const QString &folder, int *error, mode_t permissions)
{
    static const char letters[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = prefix;
        for (int i = 0; i < randomLength; ++i) {
            name += QLatin1Char(letters[QRandomGenerator::system()->bounded(36)]);
        }
        name += suffix;
        const QString path = OutputNaming::joinPath(folder, name);
        const QByteArray native = QFile::encodeName(path);
        // Read and write for its owner while ffmpeg writes it; never more open than the source.
        const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, (permissions & 0666) | 0600);
        if (fd < 0) {
            if (errno != EEXIST) {
                *error = errno;
                return std::nullopt;
            }
            continue;
        }
        // Held by another: a sweep of another Kestrune saw the new file before it was locked, and
        // removes it. Any other failure means locks don't work here: the file goes unlocked.
        bool locked = false;
        if (locksWork(fd)) {
            locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
            if (!locked && errno == EWOULDBLOCK) {
                ::close(fd);
                continue;
            }
        }
        // Such a sweep may also have removed it before it was locked: then it is no longer at
        // its name, and another one is made.
        struct stat opened {
        };
        struct stat named {
        };
        if (::fstat(fd, &opened) == 0 && ::lstat(native.constData(), &named) == 0 && sameFile(opened, named)) {
            return Temporary { path, fd, locked, permissions };
        }
        ::close(fd);
    }
    *error = EEXIST;
    return std::nullopt;
}

Prepared prepare(const QString &folder, mode_t permissions)
{
    sweep(folder);
    Prepared prepared;
    prepared.temporary = createTemporary(folder, &prepared.error, permissions);
    return prepared;
}

Input inspectInput(const QString &path)
{
    struct stat info {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return {};
    }
    return { S_ISREG(info.st_mode), info.st_mode & 07777 };
}

void copyTimes(const Temporary &temporary, const QString &source)
{
    struct stat info {
    };
    if (::stat(QFile::encodeName(source).constData(), &info) != 0) {
        return;
    }
    const struct timespec times[2] = { info.st_atim, info.st_mtim };
    if (temporary.fd >= 0) {
        ::futimens(temporary.fd, times);
    } else {
        ::utimensat(AT_FDCWD, QFile::encodeName(temporary.path).constData(), times, 0);
    }
}

void discard(const Temporary &temporary)
{
    ::unlink(QFile::encodeName(temporary.path).constData());
    if (temporary.fd >= 0) {
        ::close(temporary.fd);
    }
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

Committed commit(const Temporary &temporary, const QString &wanted, const QString &base, const QString &extension)
{
    const QString folder = QFileInfo(wanted).path();
    Committed result { 0, wanted };
    if (temporary.fd >= 0) {
        // The owner's bits the source lacks go; the umask took the others when it was made.
        struct stat info {
        };
        const mode_t lacking = 0600 & ~temporary.permissions;
        if (lacking != 0 && ::fstat(temporary.fd, &info) == 0) {
            ::fchmod(temporary.fd, info.st_mode & 07777 & ~lacking);
        }
        // Without this a power cut soon after the move can leave an empty or short file under the
        // real name; a failed flush means the data may not be on the disk at all. A full flush:
        // the times and permissions just set are kept with the data.
        result.error = ::fsync(temporary.fd) != 0 ? errno : 0;
    }
    auto limit = OutputNaming::nameLimit(folder);
    bool fitted = false; // the name tried was made to fit `limit`
    for (int attempt = 0; result.error == 0 && attempt < 100; ++attempt) {
        result.error = moveWithoutReplacing(temporary.path, result.path);
        if (result.error == ENAMETOOLONG && fitted) {
            if (limit == OutputNaming::fallbackNameLimit) {
                break;
            }
            limit = OutputNaming::fallbackNameLimit;
        } else if (result.error != EEXIST && result.error != ENAMETOOLONG) {
            break;
        }
        const QString next = OutputNaming::freePathWithin(folder, base, extension, limit);
        fitted = true;
        if (next == result.path) {
            break;
        }
        result.path = next;
        result.error = 0;
    }
    if (result.error == 0) {
        // The new name is an entry of the folder: only a flushed folder keeps it.
        const int dirFd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirFd >= 0) {
            ::fsync(dirFd);
            ::close(dirFd);
        }
        if (temporary.fd >= 0) {
            ::close(temporary.fd);
        }
    } else {
        discard(temporary);
    }
    return result;
}
}
