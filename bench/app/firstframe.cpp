// Starts a Qt Quick program linked with the first-frame hook and reports how long it took from
// exec to its first frame, and its resident memory once it has sat idle.
//
//   firstframe <idle-seconds> <program> [arguments...]
//   prints: <ms from launch to first frame> <resident KiB after idling>
//
// The launch time is CLOCK_MONOTONIC taken right before posix_spawn and handed to the program in
// KESTRUNE_BENCH_LAUNCH_NS; the program writes its figure to the pipe named in
// KESTRUNE_BENCH_REPORT_FD when its first frame has been swapped.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace
{

// High enough not to be one of the pipe's own descriptors, which the child must not keep.
constexpr int reportFd = 100;

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

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: firstframe <idle-seconds> <program> [arguments...]\n");
        return 2;
    }
    const double idleSeconds = std::atof(argv[1]);

    int report[2];
    if (pipe(report) != 0)
        return 2;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, report[1], reportFd);
    posix_spawn_file_actions_addclose(&actions, report[0]);
    posix_spawn_file_actions_addclose(&actions, report[1]);
    setenv("KESTRUNE_BENCH_REPORT_FD", std::to_string(reportFd).c_str(), 1);

    timespec launch {};
    clock_gettime(CLOCK_MONOTONIC, &launch);
    setenv("KESTRUNE_BENCH_LAUNCH_NS", std::to_string(static_cast<long long>(launch.tv_sec) * 1'000'000'000 + launch.tv_nsec).c_str(), 1);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[2], &actions, nullptr, argv + 2, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(report[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "firstframe: cannot start %s\n", argv[2]);
        return 2;
    }

    // The figure, or end of file if the program quit (or was never hooked) before drawing.
    std::string line;
    pollfd waitFor { report[0], POLLIN, 0 };
    while (line.find('\n') == std::string::npos) {
        const int ready = poll(&waitFor, 1, 60'000);
        if (ready == 0) {
            std::fprintf(stderr, "firstframe: no frame from %s after 60 s\n", argv[2]);
            stop(pid);
            return 1;
        }
        char buffer[64];
        const ssize_t n = read(report[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            std::fprintf(stderr, "firstframe: %s reported no frame\n", argv[2]);
            stop(pid);
            return 1;
        }
        line.append(buffer, size_t(n));
    }
    close(report[0]);

    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    const long rss = residentKiB(pid);
    stop(pid);
    std::printf("%.1f %ld\n", std::atof(line.c_str()), rss);
    return 0;
}
