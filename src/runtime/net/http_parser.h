// An incremental HTTP/1.1 parser for requests (servers) and responses
// (clients). Feed it bytes as they arrive, in pieces of any size; it calls
// onHead once a message's head is complete, onBody for each piece of the body
// (chunked framing removed) and onComplete at the end of the message, then
// goes on with the next (pipelined) message.
//
// Limits: a head larger than maxHeaderBytes fails with HeaderTooLarge (431),
// a body larger than maxBodyBytes (negative: unlimited) with BodyTooLarge
// (413), anything malformed with BadMessage (400). After an error the parser
// accepts nothing more; the connection should answer and close.
//
// pause() from inside a callback stops feed() after the current message, so a
// server can answer pipelined requests one at a time: feed() returns how many
// bytes it took, and the caller feeds the rest after resume().
//
// The definitions are compiled into jsc_node_io.cpp (every program has it) when the
// runtime is built with libuv (JSC_HAVE_UV); other runtime sources include this header.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace jsnet {

struct HttpHead {
    std::string method;  // requests
    std::string url;
    int status = 0;  // responses
    std::string reason;
    int versionMajor = 1;
    int versionMinor = 1;
    std::vector<std::pair<std::string, std::string>> headers;  // names as sent
    bool keepAlive = true;
    bool chunked = false;
    long long contentLength = -1;
    bool upgrade = false;
};

class HttpParser {
public:
    enum class Mode { Request, Response };
    enum class Error { None, BadMessage, HeaderTooLarge, BodyTooLarge };

    explicit HttpParser(Mode mode) : mode_(mode) {}

    std::function<void(HttpHead& head)> onHead;
    std::function<void(const char* data, std::size_t len)> onBody;
    std::function<void()> onComplete;

    std::size_t maxHeaderBytes = 16 * 1024;
    long long maxBodyBytes = -1;

    std::size_t feed(const char* data, std::size_t len);
    // The peer closed: a response read to the end of the stream is complete;
    // false when a message was cut short.
    bool finish();
    // The response to a HEAD request (or one that carries no body) has no body.
    void expectNoBody() { noBody_ = true; }
    void pause() { paused_ = true; }
    void resume() { paused_ = false; }
    bool paused() const { return paused_; }
    Error error() const { return error_; }
    // What was wrong, in the words of Node's parser ("HPE_INVALID_METHOD",
    // "Invalid method encountered"), for a server's 'clientError'.
    const char* errorCode() const { return errorCode_; }
    const char* errorText() const { return errorText_; }
    // Some of a message has arrived and it is not complete yet.
    bool inMessage() const { return state_ != State::Idle || !buffer_.empty(); }
    bool inHead() const { return state_ == State::Head || (state_ == State::Idle && !buffer_.empty()); }

private:
    enum class State { Idle, Head, Body, ChunkSize, ChunkData, ChunkDataEnd, Trailers, UntilClose, Done };
    bool parseHead(const std::string& block);
    bool startBody();
    void complete();
    bool fail(Error e, const char* code, const char* text);
    std::size_t failAt(Error e, std::size_t consumed, const char* code, const char* text);

    Mode mode_;
    State state_ = State::Idle;
    Error error_ = Error::None;
    const char* errorCode_ = "";
    const char* errorText_ = "";
    std::string buffer_;  // head or chunk-size line being collected
    HttpHead head_;
    long long remaining_ = 0;
    long long bodyBytes_ = 0;
    bool noBody_ = false;
    bool paused_ = false;
};

}  // namespace jsnet
