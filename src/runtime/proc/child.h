// Child processes on the process's loop (uv_spawn with pipes), for the
// runtime's child_process module and for the embedded engine's bindings of
// it: one implementation per process.
//
// Use: spawn, set the callbacks, let the loop run. Every callback is a
// callback of the loop (jsrt_loop_invoke). A child owns itself: once the
// process has exited and its output pipes are closed, onClose runs and the
// object is deleted right after it returns. Errors are libuv's negative codes.
//
// The definitions are compiled into jsc_node_io.cpp when the runtime is built
// with libuv (JSC_HAVE_UV).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <uv.h>

namespace jsproc {

// What a child's descriptor 0, 1 or 2 is connected to.
enum class Stdio { Pipe, Inherit, Ignore };

struct SpawnOptions {
    std::string file;
    std::vector<std::string> args;  // args[0] is the name the program sees as its own
    bool setEnv = false;            // false: the child inherits this process's environment
    std::vector<std::string> env;   // "NAME=value"
    std::string cwd;                // empty: this process's directory
    Stdio stdio[3] = {Stdio::Pipe, Stdio::Pipe, Stdio::Pipe};
};

class Child;

// One end of a pipe to the child, as this process sees it.
struct ChildPipe {
    uv_pipe_t handle;
    Child* owner = nullptr;
    int fd = 0;  // the child's descriptor it is connected to
    bool open = false;
    bool reading = false;
    bool paused = false;
    bool shutdownSent = false;
};

class Child {
public:
    std::function<void(int fd, const char* data, std::size_t len)> onData;  // fd 1 or 2
    std::function<void(int fd)> onEnd;                                      // that output has ended
    std::function<void()> onDrain;                                          // stdin's queued writes have left
    std::function<void(int64_t status, int signal)> onExit;
    std::function<void()> onClose;  // exited, and every output pipe closed

    // Starts the child; 0 and *out set, or the error (ENOENT for a missing file).
    static int spawn(const SpawnOptions& options, Child** out);

    int pid() const { return pid_; }
    bool hasPipe(int fd) const { return pipes_[fd].open; }
    // Queues bytes for the child's input; false when more than the high-water
    // mark is now queued (wait for onDrain) or the input is closed.
    bool write(std::string bytes);
    // Closes the child's input once the queued bytes have left.
    void endInput();
    int kill(int signal);
    void pauseOutput(int fd);
    // Ends both outputs now (onEnd for each): a child killed for a limit may
    // have left a grandchild holding them, and its close must not wait for it.
    void closeOutputs();
    void resumeOutput(int fd);
    void setRef(bool ref);
    bool exited() const { return exited_; }

    static constexpr std::size_t kHighWaterMark = 16 * 1024;

    // Internal: the libuv callbacks use these.
    uv_process_t process_;
    ChildPipe pipes_[3];
    void startReading(ChildPipe& p);
    void readDone(ChildPipe& p, ssize_t n, const uv_buf_t* buf);
    void closePipe(ChildPipe& p);
    void pipeClosed(ChildPipe& p);
    void processExited(int64_t status, int signal);
    void maybeFinish();
    void writeDone(std::size_t len);

private:
    Child() = default;
    ~Child() = default;
    int pid_ = 0;
    int pendingCloses_ = 0;  // handles whose close callback has not run
    bool exited_ = false;
    bool processClosed_ = false;
    bool closeReported_ = false;
    bool needDrain_ = false;
    std::size_t queued_ = 0;
};

// Node's name for a signal number ("SIGTERM"), and the number of a name (0: unknown).
std::string signalName(int sig);
int signalNumber(const std::string& name);

}  // namespace jsproc
