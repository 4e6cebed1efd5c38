#include "app/unixsignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
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

// Only async-signal-safe calls here. The byte is the signal's number. The next request to end
// meets the default action and ends the process. A closed output stays caught: every write
// after it raises SIGPIPE again, and the quit it asked for must still run.
void handle(int number)
{
    const int savedErrno = errno;
    const char byte = char(number);
    [[maybe_unused]] const auto written = ::write(pair[0], &byte, 1);
    for (const int asks : asking) {
        ::signal(asks, SIG_DFL);
    }
    errno = savedErrno;
}
}

bool quitOnTermination(Output output)
{
    if (pair[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pair) != 0) {
        return false;
    }
    auto *notifier = new QSocketNotifier(pair[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char bytes[16];
        while (::read(pair[1], bytes, sizeof bytes) > 0) {
            last = last != 0 ? last : bytes[0];
        }
        QCoreApplication::quit();
    });
    struct sigaction action {
    };
    action.sa_handler = handle;
    // Held back while the handler runs, so that a second one pending already meets the default.
    sigemptyset(&action.sa_mask);
    for (const int number : asking) {
        sigaddset(&action.sa_mask, number);
    }
    action.sa_flags = SA_RESTART;
    bool all = output == Output::kept || ::sigaction(SIGPIPE, &action, nullptr) == 0;
    for (const int number : asking) {
        all = ::sigaction(number, &action, nullptr) == 0 && all;
    }
    return all;
}

int received()
{
    return last;
}
}
