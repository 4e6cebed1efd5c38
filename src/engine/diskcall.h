#pragma once

#include <QFuture>
#include <QString>
#include <QtConcurrent>
#include <type_traits>

class QThreadPool;

// Where a call that touches a file system runs: on the one thread of the mount that holds the
// path, never on the caller's. A call stuck on a mount that stopped answering holds only that
// mount's thread; the calls for every other mount go on, and the caller, which waits with a
// deadline of its own, gives up on it without blocking.
namespace DiskCall
{
// The mount point that holds `path` (absolute), read from the kernel's table of mounts: finding it
// never touches the file system itself.
[[nodiscard]] QString mountOf(const QString &path);

// The thread of that mount, made on first use and never destroyed, so quitting never waits for
// a call that will not return.
[[nodiscard]] QThreadPool *threadOf(const QString &path);

// Threads for calls that may span mounts (a folder walk, a name search), never destroyed either;
// a call stuck on a dead mount holds one of them, and the others still get one.
[[nodiscard]] QThreadPool *workers();

// Runs `call` on the thread of `path`'s mount.
template<typename Call> QFuture<std::invoke_result_t<Call>> run(const QString &path, Call call)
{
    return QtConcurrent::run(threadOf(path), std::move(call));
}
}
