// Times one run of a program as its user sees it on an X display: from the
// launch to its first mapped top-level window (or its N-th, with --maps N:
// a splash comes before the main window), and from SIGTERM (sent once the
// program has had time to settle) to the end of the process.
//
//   bench_launch_timer [--settle MS] [--maps N] PROGRAM [ARG...]
//
// Prints one line: "launch_ms exit_ms launch_cpu_ms exit_cpu_ms rss_kb": the
// wall times, then the processor time the program spent in each part (read
// from /proc/PID/task/*/schedstat at the map and at the signal, and from the
// process's resource usage at its end), which other work on the machine
// hardly changes, and the program's resident memory just before the signal.
// The program's standard output goes to /dev/null.
// Watches the root window of
// $DISPLAY for windows being mapped, so it needs no window manager (with
// one, the first frame it maps counts). Exits 1 when the program fails,
// maps nothing within 20 s, or does not end within 20 s of the signal.
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

extern char** environ;

namespace {

constexpr int kTimeoutMs = 20000;

double NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Waits for the `count`-th MapNotify of a window that is not
// override-redirect (menus and tooltips are); false on a timeout or a broken
// connection.
bool WaitForMap(xcb_connection_t* connection, double deadlineMs, int count)
{
    const pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY &&
                                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
            std::free(event);
            if (mapped && --count == 0)
                return true;
        }
        if (xcb_connection_has_error(connection))
            return false;
        const int left = int(deadlineMs - NowMs());
        if (left <= 0)
            return false;
        pollfd ready = watch;
        poll(&ready, 1, left);
    }
}

// The processor time in ms that the process's threads have run so far.
double ProcessCpuMs(pid_t pid)
{
    double ns = 0;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream stat(task.path() / "schedstat");
        double taskNs = 0;
        if (stat >> taskNs)
            ns += taskNs;
    }
    return ns / 1e6;
}

// The process's resident memory in kB (VmRSS), 0 when it cannot be read.
long ResidentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

// Waits for the child to end, without hanging past the deadline.
bool WaitForExit(pid_t pid, double deadlineMs, rusage& usage)
{
    int status = 0;
    while (NowMs() < deadlineMs) {
        const pid_t done = wait4(pid, &status, WNOHANG, &usage);
        if (done == pid)
            return true;
        usleep(200);
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    int settleMs = 500;
    int maps = 1;
    int first = 1;
    for (; first + 1 < argc; first += 2) {
        if (std::strcmp(argv[first], "--settle") == 0)
            settleMs = std::atoi(argv[first + 1]);
        else if (std::strcmp(argv[first], "--maps") == 0)
            maps = std::atoi(argv[first + 1]);
        else
            break;
    }
    if (first >= argc || maps < 1) {
        std::fprintf(stderr, "usage: %s [--settle MS] [--maps N] PROGRAM [ARG...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "bench_launch_timer: no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so that no window can be mapped before the watch is in place.
    if (std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error{
            xcb_request_check(connection, xcb_change_window_attributes_checked(connection, root,
                                                                               XCB_CW_EVENT_MASK, &mask)),
            &std::free}) {
        std::fprintf(stderr, "bench_launch_timer: cannot watch the root window\n");
        return 1;
    }

    const double launched = NowMs();
    pid_t pid = 0;
    // The program's own output stays out of the one line printed here.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawnp(&pid, argv[first], &quiet, nullptr, argv + first, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        std::perror("bench_launch_timer: spawn");
        return 1;
    }
    if (!WaitForMap(connection, launched + kTimeoutMs, maps)) {
        std::fprintf(stderr, "bench_launch_timer: no window was mapped\n");
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }
    const double mapped = NowMs();
    const double launchCpuMs = ProcessCpuMs(pid);

    usleep(useconds_t(settleMs) * 1000);
    const double cpuBeforeSignalMs = ProcessCpuMs(pid);
    const long residentKb = ResidentKb(pid);
    const double signalled = NowMs();
    kill(pid, SIGTERM);
    rusage usage{};
    if (!WaitForExit(pid, signalled + kTimeoutMs, usage)) {
        std::fprintf(stderr, "bench_launch_timer: the program did not end after SIGTERM\n");
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }
    const double ended = NowMs();
    const double cpuMs = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    std::printf("%.2f %.2f %.2f %.2f %ld\n", mapped - launched, ended - signalled, launchCpuMs, cpuMs - cpuBeforeSignalMs,
                residentKb);
    xcb_disconnect(connection);
    return 0;
}
