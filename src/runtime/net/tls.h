// TLS over the TCP layer (net/tcp.h), with OpenSSL working on memory
// buffers: the socket's reads feed the session and the session's output goes
// out through the socket's own writes, so the loop stays libuv's and every
// user of TcpSocket (net, http, the engine's bindings) gets TLS by calling
// TcpSocket::startTls once, before the connection's first byte.
//
// With TLS on, onConnect of a client runs when the handshake is done (and
// the peer checked); onSecure tells a server the same. onData carries the
// plaintext. TLS failures reach onConnect/onError as codes of their own
// (isTlsError); errorName gives Node's code ("DEPTH_ZERO_SELF_SIGNED_CERT")
// and errorText its message ("self-signed certificate").
//
// The definitions are compiled into jsc_node_io.cpp when the runtime has
// both libuv and OpenSSL (JSC_HAVE_OPENSSL).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct ssl_ctx_st;
struct ssl_st;

namespace jsnet {

struct TlsOptions {
    bool server = false;
    std::string key;   // PEM private key (servers)
    std::string cert;  // PEM certificate chain (servers)
    std::string ca;    // PEM certificates to trust instead of the system's store (clients)
};

class TlsContext {
public:
    // Null and *error set when the key, certificate or CA text is unusable.
    // Clients without `ca` share one context over the system's CA store.
    static std::shared_ptr<TlsContext> create(const TlsOptions& options, std::string* error);
    ~TlsContext();
    bool isServer() const { return server_; }
    ssl_ctx_st* ctx_ = nullptr;
    bool server_ = false;
};

// One connection's TLS state, owned by its TcpSocket.
struct TlsSession {
    std::shared_ptr<TlsContext> context;
    ssl_st* ssl = nullptr;
    bool verify = true;          // a client refuses a peer that fails the checks
    bool handshakeDone = false;
    bool connectReported = false;  // a client's onConnect has run
    bool shutdownWanted = false; // shutdown() came before the handshake ended
    std::string pending;         // plaintext written before the handshake ended
    std::vector<std::function<void(int)>> pendingDone;
    long verifyResult = 0;       // X509 verification of the peer, 0 when it passed
    std::string servername;      // the name a client checks
    int failure = 0;             // the code this session failed with, and
    std::string failureText;     // its fuller message when it has one (the names a certificate carries)
    ~TlsSession();
};

// The codes of TLS failures sit below every libuv code.
constexpr int kTlsErrorBase = -100000;
constexpr int kTlsDisconnected = kTlsErrorBase;         // the peer left mid-handshake
constexpr int kTlsVerifyBase = kTlsErrorBase - 1000;    // minus an X509 verification code
constexpr int kTlsLibraryBase = kTlsErrorBase - 10000;  // minus an OpenSSL reason code
inline bool isTlsError(int err) { return err <= kTlsErrorBase; }

std::string tlsErrorName(int err);
std::string tlsErrorText(int err);
// The peer's verification failure as Node reports it on a socket whose
// checks were skipped (authorizationError); "" when it passed.
std::string tlsVerifyErrorName(long verifyResult);

}  // namespace jsnet
