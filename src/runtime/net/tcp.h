// TCP on the process's loop, for the runtime's net and http modules and
// for the embedded engine's bindings of them (one implementation per process).
//
// Use: set the callbacks, then let the loop run. Every callback is a callback
// of the loop (jsrt_loop_invoke): the nextTick queue and the job drains run
// after it, and a JavaScript error thrown inside it ends the loop as an
// uncaught error. A socket owns itself: close() (or an error, or the end of
// both directions) closes it, onClose runs once, and the object is deleted
// right after onClose returns, so nothing may keep its pointer past that.
// Errors are libuv's negative codes; errorName gives Node's code ("ECONNREFUSED").
//
// The definitions are compiled into jsc_node_io.cpp (every program has it) when the
// runtime is built with libuv (JSC_HAVE_UV); other runtime sources include this header.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include <uv.h>

#include "runtime/net/tls.h"

namespace jsnet {

std::string errorName(int err);
std::string errorText(int err);

class TcpSocket {
public:
    std::function<void(int status)> onConnect;               // 0, or why connecting failed
    std::function<void(const char* data, std::size_t len)> onData;
    std::function<void()> onEnd;                             // the peer sends no more
    std::function<void(int err)> onError;                    // a read or write failed; close follows
    std::function<void()> onDrain;                           // every queued write has left
    std::function<void()> onClose;
    std::function<void()> onSecure;                          // a TLS server's handshake is done

    // Turns TLS on (net/tls.h), before the connection's first byte: a client
    // sends `servername` (SNI) and checks the peer's certificate against it;
    // `verify` makes a failed check end the connection.
    void startTls(std::shared_ptr<TlsContext> context, const std::string& servername, bool verify);
    bool isSecure() const { return tls_ != nullptr; }
    // The peer's X509 verification result (0: it passed).
    long tlsVerifyResult() const;
    // errorText, or the fuller message this connection has for the failure.
    std::string errorText(int err) const;

    // Starts resolving and connecting; the result arrives in onConnect.
    static TcpSocket* connect(const std::string& host, int port);

    // Queues bytes; false when more than the high-water mark is now queued
    // (wait for onDrain). `done` runs when these bytes have left, or failed.
    bool write(std::string bytes, std::function<void(int status)> done = nullptr);
    // write() without TLS: the bytes go out as they are.
    bool writeRaw(std::string bytes, std::function<void(int status)> done = nullptr);
    std::size_t queuedBytes() const { return queued_; }
    // Sends FIN once the queued writes have left.
    void shutdown();
    // Closes at once; queued writes are dropped.
    void close();
    void pauseReading();
    void resumeReading();
    void setRef(bool ref);
    void setNoDelay(bool on);
    bool isClosing() const { return closing_; }
    bool isConnected() const { return connected_; }

    std::string remoteAddress() const;
    int remotePort() const;
    std::string remoteFamily() const;
    std::string localAddress() const;
    int localPort() const;

    static constexpr std::size_t kHighWaterMark = 16 * 1024;

    // Internal: the listener and the libuv callbacks use these.
    uv_tcp_t handle_;
    void startReading();
    bool readsWanted() const;
    void connected(int status);
    void readDone(ssize_t n, const uv_buf_t* buf);
    void writeDone(std::size_t len, int status);
    void closed();
    void fail(int err);
    bool reading_ = false;
    bool paused_ = false;
    bool connected_ = false;
    bool closing_ = false;
    bool shutdownSent_ = false;
    bool readEnded_ = false;
    bool needDrain_ = false;
    int connectPort_ = 0;
    std::size_t queued_ = 0;
    TlsSession* tls_ = nullptr;
    void tlsReceived(const char* data, std::size_t len);
    void tlsHandshake();
    void tlsHandshakeDone();
    void tlsFail(int err);
    bool tlsFlush(std::function<void(int)> done);
    bool tlsWrite(std::string bytes, std::function<void(int)> done);
    bool tlsCloseNotify();

    TcpSocket();
    ~TcpSocket() = default;
};

class TcpListener {
public:
    std::function<void(TcpSocket* socket)> onConnection;  // reading starts after it returns
    std::function<void(int err)> onError;                 // accepting failed

    // Binds and listens; 0 and *out set, or the error. host "" is every address.
    static int listen(const std::string& host, int port, int backlog, TcpListener** out);
    int port() const;
    std::string address() const;
    std::string family() const;
    // Stops listening; `done` runs once the handle is closed, then the object is deleted.
    void close(std::function<void()> done);
    void setRef(bool ref);

    uv_tcp_t handle_;
    std::function<void()> closeDone_;
    bool closing_ = false;
};

}  // namespace jsnet
