// Starts a program as a person would and reports, counted from just before it is spawned, when
// its first top-level window is mapped and how much processor time its threads had used by then,
// and its resident memory one second after each of its first WINDOWS top-level windows is mapped:
// "MS CPU_MS RSS_KB [RSS_KB...]". Exits non-zero when a window never comes.
//
// The processor time is there because wall time on a shared machine also counts the time the
// program waited for a processor; the work it did is what it can change.
//
// The watch on the root window is in place, confirmed by a round trip, before the program
// starts: a map that happens early cannot slip past, and no polling delay is added to it.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

extern char** environ;

namespace {

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

void SleepUntilMs(double ms) {
    const auto ns = static_cast<long long>(ms * 1e6);
    timespec ts{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) != 0) {
    }
}

long RssKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

double CpuMs(pid_t pid) {
    double ns = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        double onCpu = 0;
        if (std::ifstream(task.path() / "schedstat") >> onCpu) ns += onCpu;
    }
    return ns / 1e6;
}

// With the watch on the root, every MapNotify is for a child of the root: a top-level window.
bool WaitForMap(xcb_connection_t* c, pid_t pid, double timeoutMs) {
    const double deadline = NowMs() + timeoutMs;
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(e);
            if (mapped) return true;
        }
        int status = 0;
        if (xcb_connection_has_error(c) || waitpid(pid, &status, WNOHANG) == pid) return false;
        if (NowMs() > deadline) return false;
        poll(&fd, 1, 50);  // short, so that a program that dies is noticed
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s WINDOWS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const int windows = std::atoi(argv[1]);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "map_watch: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const double start = NowMs();
    if (posix_spawn(&pid, argv[2], &actions, nullptr, argv + 2, environ) != 0) {
        std::perror("map_watch: cannot start the program");
        return 2;
    }
    int failed = 0;
    for (int i = 0; i < windows && !failed; ++i) {
        if (!WaitForMap(c, pid, 20000)) {
            std::fprintf(stderr, "map_watch: window %d of %s never mapped\n", i + 1, argv[2]);
            failed = 1;
            break;
        }
        const double mapped = NowMs();
        if (i == 0) std::printf("%.2f %.2f", mapped - start, CpuMs(pid));
        SleepUntilMs(mapped + 1000);
        std::printf(" %ld", RssKb(pid));
    }
    std::printf("\n");
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    return failed;
}
