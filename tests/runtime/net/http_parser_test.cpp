// The HTTP/1.1 parser: messages in any split, pipelining, chunked bodies,
// the limits and the malformed input a server must refuse.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/net/http_parser.h"
#include "runtime/net/http_parser.inc"

namespace {

using jsnet::HttpHead;
using jsnet::HttpParser;

struct Seen {
    std::vector<HttpHead> heads;
    std::vector<std::string> bodies;
    int complete = 0;
};

void watch(HttpParser& p, Seen& seen) {
    p.onHead = [&seen](HttpHead& h) {
        seen.heads.push_back(h);
        seen.bodies.emplace_back();
    };
    p.onBody = [&seen](const char* d, size_t n) { seen.bodies.back().append(d, n); };
    p.onComplete = [&seen] { ++seen.complete; };
}

// Feeds the text in pieces of `step` bytes.
Seen parse(const std::string& text, size_t step, HttpParser::Mode mode = HttpParser::Mode::Request,
           HttpParser::Error* error = nullptr) {
    HttpParser p(mode);
    Seen seen;
    watch(p, seen);
    for (size_t i = 0; i < text.size(); i += step) p.feed(text.data() + i, std::min(step, text.size() - i));
    if (error) *error = p.error();
    return seen;
}

HttpParser::Error errorOf(const std::string& text, long long maxBody = -1) {
    HttpParser p(HttpParser::Mode::Request);
    p.maxBodyBytes = maxBody;
    p.feed(text.data(), text.size());
    return p.error();
}

const std::string kPost =
    "POST /submit?x=1 HTTP/1.1\r\nHost: example\r\nX-Twice: a\r\nx-twice: b\r\nContent-Length: 11\r\n\r\nhello world";

TEST(HttpParser, SameMessageWhateverTheSplit) {
    for (size_t step : {kPost.size(), size_t(1), size_t(2), size_t(7)}) {
        HttpParser::Error error;
        Seen seen = parse(kPost, step, HttpParser::Mode::Request, &error);
        SCOPED_TRACE(step);
        EXPECT_EQ(error, HttpParser::Error::None);
        ASSERT_EQ(seen.heads.size(), 1u);
        EXPECT_EQ(seen.heads[0].method, "POST");
        EXPECT_EQ(seen.heads[0].url, "/submit?x=1");
        EXPECT_EQ(seen.heads[0].contentLength, 11);
        ASSERT_EQ(seen.heads[0].headers.size(), 4u);
        EXPECT_EQ(seen.heads[0].headers[2].first, "x-twice");
        EXPECT_EQ(seen.bodies[0], "hello world");
        EXPECT_EQ(seen.complete, 1);
    }
}

TEST(HttpParser, PipelinedRequestsOneAtATimeWhenPaused) {
    const std::string text = "GET /a HTTP/1.1\r\n\r\nGET /b HTTP/1.1\r\n\r\nGET /c HTTP/1.0\r\nConnection: keep-alive\r\n\r\n";
    HttpParser p(HttpParser::Mode::Request);
    Seen seen;
    watch(p, seen);
    p.onComplete = [&] {
        ++seen.complete;
        p.pause();
    };
    size_t used = p.feed(text.data(), text.size());
    EXPECT_EQ(used, std::string("GET /a HTTP/1.1\r\n\r\n").size());
    EXPECT_EQ(seen.complete, 1);
    while (used < text.size()) {
        p.resume();
        used += p.feed(text.data() + used, text.size() - used);
    }
    ASSERT_EQ(seen.heads.size(), 3u);
    EXPECT_EQ(seen.heads[1].url, "/b");
    EXPECT_TRUE(seen.heads[1].keepAlive);
    EXPECT_EQ(seen.heads[2].versionMinor, 0);
    EXPECT_TRUE(seen.heads[2].keepAlive);
    EXPECT_FALSE(p.inMessage());
}

TEST(HttpParser, ChunkedBodiesWithExtensionsAndTrailers) {
    const std::string text =
        "POST / HTTP/1.1\r\nTransfer-Encoding: gzip, chunked\r\n\r\n4\r\nwiki\r\n5;name=v\r\npedia\r\n"
        "E\r\n in\r\n\r\nchunks.\r\n0\r\nTrailer: x\r\n\r\nGET /next HTTP/1.1\r\n\r\n";
    for (size_t step : {text.size(), size_t(1), size_t(3)}) {
        SCOPED_TRACE(step);
        Seen seen = parse(text, step);
        ASSERT_EQ(seen.heads.size(), 2u);
        EXPECT_TRUE(seen.heads[0].chunked);
        EXPECT_EQ(seen.bodies[0], "wikipedia in\r\n\r\nchunks.");
        EXPECT_EQ(seen.heads[1].url, "/next");
        EXPECT_EQ(seen.complete, 2);
    }
}

TEST(HttpParser, RefusesMalformedRequests) {
    const char* bad[] = {
        "GARBAGE\r\n\r\n",
        "GET /\r\n\r\n",
        "GET / HTTP/2.0\r\n\r\n",
        "GET / HTTP/1.1 extra\r\n\r\n",
        "G(T / HTTP/1.1\r\n\r\n",
        "GET /a\x01 HTTP/1.1\r\n\r\n",
        "GET / HTTP/1.1\r\nBad Name: x\r\n\r\n",
        "GET / HTTP/1.1\r\nName : x\r\n\r\n",
        "GET / HTTP/1.1\r\nNoColon\r\n\r\n",
        "GET / HTTP/1.1\r\nA: b\r\n folded\r\n\r\n",
        "GET / HTTP/1.1\r\nA: b\x01c\r\n\r\n",
        "POST / HTTP/1.1\r\nContent-Length: 1x\r\n\r\n",
        "POST / HTTP/1.1\r\nContent-Length: -1\r\n\r\n",
        "POST / HTTP/1.1\r\nContent-Length: 99999999999999999999\r\n\r\n",
        "POST / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\n",
        "POST / HTTP/1.1\r\nContent-Length: 3\r\nTransfer-Encoding: chunked\r\n\r\n",
        "POST / HTTP/1.1\r\nTransfer-Encoding: gzip\r\n\r\n",
        "POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\nZZ\r\n",
        "POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\nfffffffffffffffff\r\n",
        "POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nabXY",
    };
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        EXPECT_EQ(errorOf(text), HttpParser::Error::BadMessage);
    }
    // after an error nothing more is taken
    HttpParser p(HttpParser::Mode::Request);
    p.feed("BAD\r\n\r\n", 7);
    EXPECT_EQ(p.feed("GET / HTTP/1.1\r\n\r\n", 18), 0u);
}

TEST(HttpParser, LimitsOnHeadAndBody) {
    const std::string big = "GET / HTTP/1.1\r\nX: " + std::string(20000, 'a');
    EXPECT_EQ(errorOf(big), HttpParser::Error::HeaderTooLarge);            // no end in sight
    EXPECT_EQ(errorOf(big + "\r\n\r\n"), HttpParser::Error::HeaderTooLarge);  // ends, but too late
    EXPECT_EQ(errorOf("GET / HTTP/1.1\r\nX: " + std::string(1000, 'a') + "\r\n\r\n"), HttpParser::Error::None);
    EXPECT_EQ(errorOf("POST / HTTP/1.1\r\nContent-Length: 11\r\n\r\n", 10), HttpParser::Error::BodyTooLarge);
    EXPECT_EQ(errorOf("POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n6\r\nabcdef\r\n6\r\n", 10),
              HttpParser::Error::BodyTooLarge);
    EXPECT_EQ(errorOf("POST / HTTP/1.1\r\nContent-Length: 10\r\n\r\n0123456789", 10), HttpParser::Error::None);
}

TEST(HttpParser, ResponsesAndTheirBodies) {
    Seen seen = parse("HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\nnopeHTTP/1.1 204 No Content\r\n\r\n", 5,
                      HttpParser::Mode::Response);
    ASSERT_EQ(seen.heads.size(), 2u);
    EXPECT_EQ(seen.heads[0].status, 404);
    EXPECT_EQ(seen.heads[0].reason, "Not Found");
    EXPECT_EQ(seen.bodies[0], "nope");
    EXPECT_EQ(seen.heads[1].status, 204);
    EXPECT_EQ(seen.complete, 2);

    // a body that only the end of the stream ends
    HttpParser p(HttpParser::Mode::Response);
    Seen s2;
    watch(p, s2);
    const std::string text = "HTTP/1.0 200 OK\r\n\r\nuntil close";
    p.feed(text.data(), text.size());
    EXPECT_EQ(s2.complete, 0);
    EXPECT_TRUE(p.finish());
    EXPECT_EQ(s2.bodies[0], "until close");
    EXPECT_FALSE(s2.heads[0].keepAlive);

    // the answer to HEAD announces a length but carries no body
    HttpParser head(HttpParser::Mode::Response);
    Seen s3;
    watch(head, s3);
    head.expectNoBody();
    const std::string h = "HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\n";
    head.feed(h.data(), h.size());
    EXPECT_EQ(s3.complete, 1);

    // cut short: finish() says so
    HttpParser cut(HttpParser::Mode::Response);
    const std::string partial = "HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\nabc";
    cut.feed(partial.data(), partial.size());
    EXPECT_FALSE(cut.finish());
}

TEST(HttpParser, KeepAliveFollowsVersionAndConnection) {
    auto keep = [](const std::string& text) { return parse(text, text.size()).heads.at(0).keepAlive; };
    EXPECT_TRUE(keep("GET / HTTP/1.1\r\n\r\n"));
    EXPECT_FALSE(keep("GET / HTTP/1.1\r\nConnection: close\r\n\r\n"));
    EXPECT_FALSE(keep("GET / HTTP/1.0\r\n\r\n"));
    EXPECT_TRUE(keep("GET / HTTP/1.0\r\nConnection: Keep-Alive\r\n\r\n"));
    // bare line feeds and blank lines before a request are accepted
    EXPECT_EQ(parse("\r\n\nGET /lf HTTP/1.1\nHost: x\n\n", 1).heads.at(0).url, "/lf");
}

}  // namespace
