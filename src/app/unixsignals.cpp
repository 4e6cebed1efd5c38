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

// Only async-signal-safe calls here. The byte is the signal's number.
void handle(int number)
{
    const int savedErrno = errno;
    const char byte = char(number);
    [[maybe_unused]] const auto written = ::write(pair[0], &byte, 1);
    errno = savedErrno;
}
}

bool quitOnTermination()
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
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    bool all = true;
    for (const int number : { SIGTERM, SIGINT, SIGHUP }) {
        all = ::sigaction(number, &action, nullptr) == 0 && all;
    }
    return all;
}

int received()
{
    return last;
}
}
