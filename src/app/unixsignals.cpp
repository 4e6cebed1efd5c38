#include "app/unixsignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace UnixSignals
{
namespace
{
int pair[2] = { -1, -1 };
int last = 0;
constexpr int asking[] = { SIGTERM, SIGINT, SIGHUP };
// Counted across threads: two signals may be handled at once, each on a thread of its own.
std::atomic<int> requests { 0 };
static_assert(std::atomic<int>::is_always_lock_free, "the handler may only use lock-free atomics");

// Only async-signal-safe calls here. The byte is the signal's number. A request to end after
// the first meets the default action, so the process ends at once: raised again, it waits only
// for this handler to return, as a signal is held back during its own handler. A closed output
// is never that second request: every write after it raises SIGPIPE again, and the quit it
// asked for must still run.
void handle(int number)
{
    const int savedErrno = errno;
    if (requests.fetch_add(1) > 0 && number != SIGPIPE) {
        ::signal(number, SIG_DFL);
        ::raise(number);
    } else {
        const char byte = char(number);
        [[maybe_unused]] const auto written = ::write(pair[0], &byte, 1);
    }
    errno = savedErrno;
}
}

namespace
{
void readPending()
{
    char bytes[16];
    while (pair[1] >= 0 && ::read(pair[1], bytes, sizeof bytes) > 0) {
        last = last != 0 ? last : bytes[0];
    }
}
}

bool quitOnTermination(Output output)
{
    if (pair[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pair) != 0) {
        return false;
    }
    auto *notifier = new QSocketNotifier(pair[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        readPending();
        QCoreApplication::quit();
    });
    struct sigaction action {
    };
    action.sa_handler = handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    bool all = output == Output::kept || ::sigaction(SIGPIPE, &action, nullptr) == 0;
    for (const int number : asking) {
        all = ::sigaction(number, &action, nullptr) == 0 && all;
    }
    return all;
}

int received()
{
    // A signal that came as the event loop was ending for another reason is still a request to
    // end: its byte may be waiting unread.
    readPending();
    return last;
}
}
