// Starts one program, waits for it and prints "STATUS MICROSECONDS PEAK_KB" on stdout: its exit
// status (negative: killed by that signal), the wall time from start to end and its peak resident
// memory. The program inherits this process's folder and environment.
//
//   qel-bench-run TIMEOUT_SECONDS PROGRAM [ARGS...]
//
// Linux counts the memory a forked child held before exec towards its peak, so the bench driver,
// which holds large pictures, starts programs through this small process instead of directly.
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

volatile pid_t child = 0;

void onAlarm(int)
{
    if (child > 0)
        kill(child, SIGKILL);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: qel-bench-run TIMEOUT_SECONDS PROGRAM [ARGS...]\n");
        return 2;
    }
    const unsigned timeout = unsigned(std::atoi(argv[1]));
    std::signal(SIGALRM, onAlarm);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return 2;
    }
    if (pid == 0) {
        execv(argv[2], argv + 2);
        std::perror("exec");
        _exit(127);
    }
    child = pid;
    alarm(timeout);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            std::perror("wait4");
            return 2;
        }
    }
    const auto end = std::chrono::steady_clock::now();
    alarm(0);

    const long long micros =
        std::chrono::duration_cast<std::chrono::microseconds>(end - start).count();
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    std::printf("%d %lld %ld\n", code, micros, usage.ru_maxrss);
    return 0;
}
