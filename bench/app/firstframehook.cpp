// Linked into each program the start-up benchmark launches. When the runner set
// KESTRUNE_BENCH_LAUNCH_NS (CLOCK_MONOTONIC in ns, taken just before it started the program) and
// KESTRUNE_BENCH_REPORT_FD, the first frame a Qt Quick window puts on screen writes
// "<ms since launch>\n" to that descriptor. The program itself is untouched: the hook is a Qt
// start-up function that watches the application's events for the first QQuickWindow.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QQuickWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace
{

qint64 monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

class FirstFrameWatcher : public QObject
{
public:
    FirstFrameWatcher(qint64 launchNs, int fd, QObject *parent)
        : QObject(parent)
        , m_launchNs(launchNs)
        , m_fd(fd)
    { }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Every window gets events before it draws; the first Qt Quick window is the one.
        if (auto *window = qobject_cast<QQuickWindow *>(watched)) {
            qApp->removeEventFilter(this);
            connect(window, &QQuickWindow::frameSwapped, this, &FirstFrameWatcher::report, Qt::DirectConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report()
    {
        if (m_reported)
            return;
        m_reported = true;
        char line[64];
        const int length = std::snprintf(line, sizeof line, "%.2f\n", double(monotonicNs() - m_launchNs) / 1e6);
        [[maybe_unused]] const auto written = ::write(m_fd, line, size_t(length));
        ::close(m_fd);
        // For counting instructions (callgrind): the start-up alone, without idling or teardown.
        if (std::getenv("KESTRUNE_BENCH_EXIT_AT_FIRST_FRAME"))
            ::_exit(0);
    }

    qint64 m_launchNs;
    int m_fd;
    bool m_reported = false;
};

void installFirstFrameWatcher()
{
    // Start-up functions run for every application object; a program may make a plain
    // QCoreApplication first (to read its command line) and the GUI one after it.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    const char *launch = std::getenv("KESTRUNE_BENCH_LAUNCH_NS");
    const char *fd = std::getenv("KESTRUNE_BENCH_REPORT_FD");
    if (std::getenv("KESTRUNE_BENCH_EXIT_AT_FIRST_FRAME") && (!launch || !fd)) {
        launch = "0";
        fd = "-1";
    }
    if (!launch || !fd)
        return;
    qApp->installEventFilter(new FirstFrameWatcher(std::atoll(launch), std::atoi(fd), qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFirstFrameWatcher)
