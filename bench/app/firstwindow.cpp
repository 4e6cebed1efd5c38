// Starts a program on the X display in $DISPLAY and reports how long it took until its first
// top-level window was mapped, and the program's resident memory once it has sat idle.
//
//   firstwindow <idle-seconds> <program> [arguments...]
//   prints: <milliseconds to first window> <resident KiB after idling>
//
// Waits on the X server's own MapNotify events instead of polling, so the figure is not rounded
// to a polling interval. Without a window manager, top-level windows are children of the root.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

extern char **environ;

namespace
{

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Helper windows (clipboard owners, 1×1 leaders) are not what the user waits for.
bool isRealWindow(xcb_connection_t *connection, xcb_window_t window)
{
    auto *geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    const bool real = geometry && geometry->width >= 100 && geometry->height >= 100;
    std::free(geometry);
    return real;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: firstwindow <idle-seconds> <program> [arguments...]\n");
        return 2;
    }
    const double idleSeconds = std::atof(argv[1]);

    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "firstwindow: cannot open the display\n");
        return 2;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
        std::fprintf(stderr, "firstwindow: cannot start %s\n", argv[2]);
        return 2;
    }

    double mappedMs = -1;
    const int fd = xcb_get_file_descriptor(connection);
    while (mappedMs < 0) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (map->event == screen->root && isRealWindow(connection, map->window))
                    mappedMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            }
            std::free(event);
        }
        if (mappedMs >= 0)
            break;
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "firstwindow: %s ended before showing a window\n", argv[2]);
            return 1;
        }
        pollfd waitFor { fd, POLLIN, 0 };
        poll(&waitFor, 1, 100);
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(60)) {
            std::fprintf(stderr, "firstwindow: no window after 60 s\n");
            kill(pid, SIGKILL);
            return 1;
        }
    }

    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    const long rss = residentKiB(pid);
    kill(pid, SIGTERM);
    int status = 0;
    for (int i = 0; i < 50 && waitpid(pid, &status, WNOHANG) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (waitpid(pid, &status, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    xcb_disconnect(connection);
    std::printf("%.1f %ld\n", mappedMs, rss);
    return 0;
}
