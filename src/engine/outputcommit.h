#pragma once

#include <QString>
#include <chrono>
#include <optional>
#include <sys/types.h>

// How a new file comes to its real name: ffmpeg writes into a short hidden temporary in the
// destination folder, locked while in use where locks work, and only a finished, checked file is
// flushed and moved to a name nothing else holds. Every call here touches the disk and may block on a dead
// mount: callers run them on a worker thread.
namespace OutputCommit
{
struct Temporary {
    QString path;
    int fd = -1; // holds the exclusive lock that tells a sweep the temporary is in use
    bool locked = false; // false where locks fail: a sweep then goes by the temporary's age
    mode_t permissions = 0644; // the read and write bits the finished file gets, within the umask
};

// How old an unlocked temporary must be before a sweep takes it for left behind.
constexpr std::chrono::hours unlockedTemporaryAge(24);

// Whether `name` has the form of the temporaries, ".kestrune-<8 letters or digits>.part".
[[nodiscard]] bool isTemporaryName(const QString &name);

// Removes the temporaries in `folder` whose lock can be taken: their owner is gone. Where locks
// don't work, those older than unlockedTemporaryAge. Never a locked one, nor anything not named
// like a temporary, nor a link. Returns how many went.
int sweep(const QString &folder);

// Creates and locks a fresh temporary in `folder`, private to its owner until the commit gives it
// the read and write bits of `permissions`; none with the reason in `error` (an errno value) when
// that fails. A lock that fails for any reason but another holder is given up, and the
// temporary is used without it; one that can't be used is never left behind.
[[nodiscard]] std::optional<Temporary> createTemporary(const QString &folder, int *error, mode_t permissions = 0644);

struct Prepared {
    std::optional<Temporary> temporary;
    int error = 0; // errno value when there is no temporary
};

// What a job does before it writes into `folder`: sweeps the temporaries a killed Kestrune left
// there, then creates its own.
[[nodiscard]] Prepared prepare(const QString &folder, mode_t permissions);

struct Input {
    // A regular file, or missing (ffmpeg then says so in its own words): a pipe or a device
    // would be read forever.
    bool convertible = true;
    mode_t permissions = 0644; // its permission bits
};
[[nodiscard]] Input inspectInput(const QString &path);

// Gives the temporary the access and modification times of `source`, as `touch -r` would, so
// the new file sorts with its source. A source that can't be read or a file system that refuses
// the times leaves the temporary's own: the new file is no worse for it.
void copyTimes(const Temporary &temporary, const QString &source);

// Removes the temporary and lets go of its lock.
void discard(const Temporary &temporary);

// Moves `from` to `to` only when nothing is at `to`: 0 when moved, EEXIST when `to` is taken,
// another errno value on failure.
[[nodiscard]] int moveWithoutReplacing(const QString &from, const QString &to);

struct Committed {
    int error = 0; // errno value; 0 when the file has its real name
    QString path; // the name it got, or the last one tried
};

// Gives the temporary its permissions and flushes it with its times and permissions, moves it to
// `wanted` or, when that is taken or too long, to the next free name of `base` and `extension`
// (once more, shorter, when the file system refuses a name it said would fit), then flushes the
// folder so the name survives a power cut. The temporary's lock is let go; on failure the
// temporary is removed.
[[nodiscard]] Committed commit(const Temporary &temporary, const QString &wanted, const QString &base, const QString &extension);
}
