// Buffer round trips and digests of known strings, as Node prints them.
#include "runtime_support.h"

namespace {

JsValue bufferFrom(JsValue value, JsValue encoding = JsValue()) {
    return js_call(js_obj_get_q(js_builtin_buffer_namespace(), "from"), 2, value, encoding);
}

JsValue bufferCall(const char* fn, JsValue a, JsValue b = JsValue()) {
    return js_call(js_obj_get_q(js_builtin_buffer_namespace(), fn), 2, a, b);
}

JsValue numbers(std::initializer_list<JsValue> items) { return jsrt_array_from(std::vector<JsValue>(items)); }

TEST(BufferModule, FromAndToStringRoundTrips) {
    JsValue b = bufferFrom(JS_STR("h\xC3\xA9llo"));
    EXPECT_EQ(jsrt_inspect(b), "<Buffer 68 c3 a9 6c 6c 6f>");
    EXPECT_EQ(text(js_obj_get_q(b, "length")), "6");
    EXPECT_EQ(text(js_obj_get(b, JS_NUM(0))), "104");
    EXPECT_TRUE(jsrt_is_undefined(js_obj_get(b, JS_NUM(99))));
    EXPECT_EQ(text(js_jsc_cm0(b, JS_STR("toString"))), "h\xC3\xA9llo");
    EXPECT_EQ(text(js_jsc_cm1(b, JS_STR("toString"), JS_STR("hex"))), "68c3a96c6c6f");
    EXPECT_EQ(text(js_jsc_cm1(b, JS_STR("toString"), JS_STR("base64"))), "aMOpbGxv");
    EXPECT_EQ(text(js_jsc_cm1(b, JS_STR("toString"), JS_STR("ascii"))), "hC)llo");
    EXPECT_EQ(text(js_jsc_cm3(b, JS_STR("toString"), JS_STR("utf8"), JS_NUM(1), JS_NUM(3))), "\xC3\xA9");

    EXPECT_EQ(jsrt_inspect(bufferFrom(JS_STR("68c3a9"), JS_STR("hex"))), "<Buffer 68 c3 a9>");
    EXPECT_EQ(jsrt_inspect(bufferFrom(JS_STR("6g7"), JS_STR("hex"))), "<Buffer >");
    EXPECT_EQ(jsrt_inspect(bufferFrom(JS_STR("a M-O_p=="), JS_STR("base64"))), "<Buffer 68 cf 8e fe>");
    EXPECT_EQ(jsrt_inspect(bufferFrom(JS_STR("\xC4\x80" "B"), JS_STR("latin1"))), "<Buffer 00 42>");
    EXPECT_EQ(jsrt_inspect(bufferFrom(numbers({JS_NUM(1), JS_NUM(256), JS_NUM(-1), JS_NUM(3.7), JS_STR("4"), JS_STR("x")}))),
              "<Buffer 01 00 ff 03 04 00>");
    EXPECT_EQ(text(js_jsc_cm1(bufferFrom(JS_STR("hello world")), JS_STR("toString"), JS_STR("base64"))),
              "aGVsbG8gd29ybGQ=");
    JsValue fbff = bufferFrom(numbers({JS_NUM(0xfb), JS_NUM(0xff)}));
    EXPECT_EQ(text(js_jsc_cm1(fbff, JS_STR("toString"), JS_STR("base64"))), "+/8=");
    EXPECT_EQ(text(js_jsc_cm1(fbff, JS_STR("toString"), JS_STR("base64url"))), "-_8");
    // Invalid UTF-8 decodes to U+FFFD per maximal subpart, as in Node.
    EXPECT_EQ(text(js_jsc_cm0(bufferFrom(numbers({JS_NUM(0xe2), JS_NUM(0x82)})), JS_STR("toString"))), "\xEF\xBF\xBD");
    EXPECT_EQ(text(js_jsc_cm0(fbff, JS_STR("toString"))), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(BufferModule, AllocConcatByteLengthEqualsSlice) {
    EXPECT_EQ(jsrt_inspect(bufferCall("alloc", JS_NUM(3))), "<Buffer 00 00 00>");
    EXPECT_EQ(jsrt_inspect(bufferCall("alloc", JS_NUM(4), JS_STR("ab"))), "<Buffer 61 62 61 62>");
    EXPECT_EQ(jsrt_inspect(bufferCall("alloc", JS_NUM(2), JS_NUM(1))), "<Buffer 01 01>");
    JsValue list = jsrt_array_from({bufferFrom(JS_STR("a")), bufferFrom(JS_STR("bc"))});
    EXPECT_EQ(jsrt_inspect(bufferCall("concat", list)), "<Buffer 61 62 63>");
    EXPECT_EQ(jsrt_inspect(bufferCall("concat", list, JS_NUM(2))), "<Buffer 61 62>");
    EXPECT_EQ(text(bufferCall("byteLength", JS_STR("h\xC3\xA9llo"))), "6");
    EXPECT_EQ(text(bufferCall("byteLength", JS_STR("abcd"), JS_STR("base64"))), "3");
    // Node estimates from the UTF-16 length for hex and base64, and decodes
    // only the low byte of each code unit.
    EXPECT_EQ(text(bufferCall("byteLength", JS_STR("_%\xE2\x82\xAC Fa+%0"), JS_STR("hex"))), "4");
    EXPECT_EQ(text(bufferCall("byteLength", JS_STR("ab=="), JS_STR("base64"))), "1");
    EXPECT_EQ(text(bufferCall("byteLength", JS_STR("abc"), JS_STR("bogus"))), "3");
    EXPECT_EQ(jsrt_inspect(bufferFrom(JS_STR("/_\xF0\x9F\x98\x80\xC3\xA9Z"), JS_STR("base64"))), "<Buffer ff>");
    EXPECT_EQ(jsrt_inspect(bufferFrom(JS_STR("ab"), JS_NUM(5))), "<Buffer 61 62>");
    EXPECT_TRUE(js_truthy(bufferCall("isBuffer", bufferFrom(JS_STR("")))));
    EXPECT_FALSE(js_truthy(bufferCall("isBuffer", JS_STR("x"))));

    JsValue b = bufferFrom(JS_STR("h\xC3\xA9llo"));
    EXPECT_TRUE(js_truthy(js_jsc_cm1(bufferFrom(JS_STR("a")), JS_STR("equals"), bufferFrom(JS_STR("a")))));
    EXPECT_FALSE(js_truthy(js_jsc_cm1(bufferFrom(JS_STR("a")), JS_STR("equals"), bufferFrom(JS_STR("b")))));
    EXPECT_EQ(jsrt_inspect(js_jsc_cm2(b, JS_STR("slice"), JS_NUM(1), JS_NUM(3))), "<Buffer c3 a9>");
    EXPECT_EQ(jsrt_inspect(js_jsc_cm1(b, JS_STR("slice"), JS_NUM(-2))), "<Buffer 6c 6f>");
    EXPECT_EQ(jsrt_inspect(js_jsc_cm0(bufferFrom(JS_STR("hi")), JS_STR("toJSON"))), "{ type: 'Buffer', data: [ 104, 105 ] }");

    JsValue holder = jsrt_object();
    jsrt_set(holder, "a", bufferFrom(JS_STR("hi")));
    EXPECT_EQ(jsrt_inspect(holder), "{ a: <Buffer 68 69> }");
    std::string sixty = jsrt_inspect(bufferFrom(JS_STR(std::string(60, 'x').c_str())));
    EXPECT_EQ(sixty.substr(sixty.size() - 25), " 78 78 ... 10 more bytes>");
}

TEST(BufferModule, ErrorsMatchNode) {
    JsValue e = thrownBy([] { bufferFrom(JS_NUM(5)); });
    EXPECT_EQ(thrownMessage(e), "The first argument must be of type string or an instance of Buffer, ArrayBuffer, or "
                                "Array or an Array-like Object. Received type number (5)");
    EXPECT_EQ(thrownMessage(thrownBy([] { bufferFrom(JS_STR("ab"), JS_STR("bogus")); })), "Unknown encoding: bogus");
    e = thrownBy([] { bufferCall("alloc", JS_NUM(-1)); });
    EXPECT_EQ(thrownMessage(e), "The value of \"size\" is out of range. It must be >= 0 && <= 4294967296. Received -1");
    EXPECT_EQ(prop(e, "code"), "ERR_OUT_OF_RANGE");
    EXPECT_EQ(prop(e, "name"), "RangeError");
    EXPECT_EQ(thrownMessage(thrownBy([] { js_jsc_cm0(bufferFrom(JS_STR("a")), JS_STR("swap16")); })),
              "orvan: Buffer.swap16 is not supported");
}

#ifdef JSC_HAVE_OPENSSL
std::string digest(const char* algorithm, std::initializer_list<JsValue> parts, JsValue encoding) {
    JsValue h = js_crypto_createHash(JS_STR(algorithm));
    for (const JsValue& p : parts) h = js_jsc_cm1(h, JS_STR("update"), p);
    return jsrt_is_undefined(encoding) ? jsrt_inspect(js_jsc_cm0(h, JS_STR("digest")))
                                       : text(js_jsc_cm1(h, JS_STR("digest"), encoding));
}

TEST(CryptoModule, DigestsOfKnownStrings) {
    EXPECT_EQ(digest("sha256", {JS_STR("abc")}, JS_STR("hex")),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(digest("md5", {JS_STR("hello"), bufferFrom(JS_STR(" world"))}, JS_STR("base64")), "XrY7u+Ae7tCTyyK7j1rNww==");
    EXPECT_EQ(digest("sha1", {JS_STR("")}, JS_UNDEFINED()),
              "<Buffer da 39 a3 ee 5e 6b 4b 0d 32 55 bf ef 95 60 18 90 af d8 07 09>");
    EXPECT_EQ(digest("sha512", {JS_STR("abc")}, JS_STR("hex")),
              "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feebbd454d4423"
              "643ce80e2a9ac94fa54ca49f");
    EXPECT_EQ(digest("MD5", {JS_STR("a")}, JS_STR("base64url")), "DMF1ucDxtqgxw5niaXcmYQ");
}

TEST(CryptoModule, HashMisuseAndRandomValues) {
    EXPECT_EQ(thrownMessage(thrownBy([] { js_crypto_createHash(JS_STR("nope")); })), "Digest method not supported");
    JsValue h = js_crypto_createHash(JS_STR("md5"));
    js_jsc_cm0(h, JS_STR("digest"));
    JsValue e = thrownBy([&] { js_jsc_cm1(h, JS_STR("update"), JS_STR("x")); });
    EXPECT_EQ(thrownMessage(e), "Digest already called");
    EXPECT_EQ(prop(e, "code"), "ERR_CRYPTO_HASH_FINALIZED");
    EXPECT_EQ(thrownMessage(thrownBy([] { js_jsc_cm1(js_crypto_createHash(JS_STR("md5")), JS_STR("update"), JS_NUM(5)); })),
              "The \"data\" argument must be of type string or an instance of Buffer, TypedArray, or DataView. "
              "Received type number (5)");

    JsValue r = js_crypto_randomBytes(JS_NUM(16), JS_UNDEFINED());
    EXPECT_TRUE(jsrt_is_buffer(r));
    EXPECT_EQ(jsrt_buffer_bytes(r)->size(), 16u);
    EXPECT_EQ(thrownMessage(thrownBy([] { js_crypto_randomBytes(JS_NUM(-1), JS_UNDEFINED()); })),
              "The value of \"size\" is out of range. It must be >= 0 && <= 2147483647. Received -1");

    std::string uuid = text(callMember("crypto", "randomUUID"));
    ASSERT_EQ(uuid.size(), 36u);
    EXPECT_EQ(uuid[14], '4');
    EXPECT_NE(std::string("89ab").find(uuid[19]), std::string::npos);
    EXPECT_NE(uuid, text(callMember("crypto", "randomUUID")));
}
#else
TEST(CryptoModule, CreateHashExplainsMissingOpenSsl) {
    EXPECT_EQ(thrownMessage(thrownBy([] { js_crypto_createHash(JS_STR("sha256")); })),
              "orvan: crypto.createHash needs OpenSSL, and this program was built without it (install the OpenSSL "
              "development package and compile again)");
    EXPECT_EQ(jsrt_buffer_bytes(js_crypto_randomBytes(JS_NUM(4), JS_UNDEFINED()))->size(), 4u);
}
#endif

}  // namespace
