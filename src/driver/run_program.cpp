#include "driver/run_program.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <iostream>

#include "driver/elapsed_ms.h"

namespace {

// In the child: both output streams become the output pipe, then the program
// replaces us. When it cannot, errno goes back through the report pipe, which
// exec would otherwise have closed. Only async-signal-safe calls happen here.
[[noreturn]] void execChild(int outputEnd, int reportEnd, const char* executable, char* const* argv) {
    dup2(outputEnd, STDOUT_FILENO);
    dup2(outputEnd, STDERR_FILENO);
    execv(executable, argv);
    const int error = errno;
    ssize_t ignored = write(reportEnd, &error, sizeof error);
    (void)ignored;
    _exit(127);
}

// errno of a failed exec, or 0 once the program started (the pipe closed empty).
int startFailure(int reportEnd) {
    int error = 0;
    ssize_t n;
    do {
        n = read(reportEnd, &error, sizeof error);
    } while (n < 0 && errno == EINTR);
    return n == static_cast<ssize_t>(sizeof error) ? error : 0;
}

// Passes on whatever the program has written so far at once, without waiting for
// a line end (a prompt shows before its answer), bytes unchanged.
void relay(int outputEnd, bool timing, std::chrono::steady_clock::time_point tr, bool& anyPiece) {
    char piece[4096];
    for (;;) {
        const ssize_t n = read(outputEnd, piece, sizeof piece);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        if (timing && !anyPiece) std::cerr << "orvan benchmark (start time): " << elapsedMs(tr) << "ms\n";
        anyPiece = true;
        std::cout.write(piece, n);
        std::cout.flush();
    }
}

int waitFor(pid_t pid) {
    int status = 0;
    pid_t waited;
    do {
        waited = waitpid(pid, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited != pid) return 1;
    return (status & 0xff7f) == 0 ? 0 : 1;
}

}  // namespace

int runBuiltProgram(const std::string& executable, const std::vector<std::string>& args, bool timing) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(executable.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    const auto tr = std::chrono::steady_clock::now();
    int output[2];
    int report[2];
    if (pipe2(output, O_CLOEXEC) != 0) return 1;
    if (pipe2(report, O_CLOEXEC) != 0) {
        close(output[0]);
        close(output[1]);
        return 1;
    }
    std::cout.flush();
    std::cerr.flush();
    const pid_t pid = fork();
    if (pid == 0) execChild(output[1], report[1], executable.c_str(), argv.data());
    close(output[1]);
    close(report[1]);
    if (pid < 0) {
        close(output[0]);
        close(report[0]);
        return 1;
    }
    if (const int error = startFailure(report[0])) {
        close(report[0]);
        close(output[0]);
        waitFor(pid);
        std::cerr << "orvan: cannot start " << executable << ": " << std::strerror(error) << "\n";
        return 1;
    }
    close(report[0]);

    bool anyPiece = false;
    relay(output[0], timing, tr, anyPiece);
    close(output[0]);
    const int status = waitFor(pid);
    if (timing && !anyPiece) std::cerr << "orvan benchmark (completion time): " << elapsedMs(tr) << "ms\n";
    return status;
}
