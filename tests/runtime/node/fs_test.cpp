// fs against a scratch folder: results and error texts as Node gives them.
#include "runtime_support.h"

#include <stdlib.h>
#include <unistd.h>

namespace {

class FsModule : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/orvan-fs-test-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override { callMember("fs", "rmSync", JS_STR(dir.c_str()), options("recursive", JS_BOOL(1))); }
    JsValue at(const std::string& name) const { return jsrt_string(dir + "/" + name); }
    static JsValue options(const char* key, JsValue value) {
        JsValue o = jsrt_object();
        jsrt_set(o, key, value);
        return o;
    }
    std::string dir;
};

TEST_F(FsModule, WriteReadAppendRoundTrip) {
    js_fs_writeFileSync(at("t.txt"), JS_STR("h\xC3\xA9llo"), JS_UNDEFINED());
    EXPECT_EQ(jsrt_inspect(js_fs_readFileSync(at("t.txt"), JS_UNDEFINED())), "<Buffer 68 c3 a9 6c 6c 6f>");
    EXPECT_EQ(text(js_fs_readFileSync(at("t.txt"), JS_STR("utf8"))), "h\xC3\xA9llo");
    EXPECT_EQ(text(js_fs_readFileSync(at("t.txt"), JS_STR("hex"))), "68c3a96c6c6f");
    EXPECT_EQ(text(js_fs_readFileSync(at("t.txt"), JS_STR("base64"))), "aMOpbGxv");
    EXPECT_EQ(text(js_fs_readFileSync(at("t.txt"), options("encoding", JS_STR("latin1")))), "h\xC3\x83\xC2\xA9llo");
    EXPECT_TRUE(jsrt_is_buffer(js_fs_readFileSync(at("t.txt"), jsrt_object())));

    callMember("fs", "appendFileSync", at("t.txt"), JS_STR(" world"));
    EXPECT_EQ(text(js_fs_readFileSync(at("t.txt"), JS_STR("utf-8"))), "h\xC3\xA9llo world");

    JsValue bytes = callMember("fs", "readFileSync", at("t.txt"));
    js_fs_writeFileSync(at("copy.bin"), bytes, JS_UNDEFINED());
    EXPECT_EQ(jsrt_inspect(js_fs_readFileSync(at("copy.bin"), JS_UNDEFINED())), jsrt_inspect(bytes));

    js_fs_writeFileSync(at("f.txt"), JS_STR("abc"), JS_STR("utf8"));
    js_fs_writeFileSync(at("f.txt"), JS_STR("x"), options("flag", JS_STR("a")));
    EXPECT_EQ(text(js_fs_readFileSync(at("f.txt"), JS_STR("utf8"))), "abcx");
    js_fs_writeFileSync(at("h.txt"), JS_STR("6869"), JS_STR("hex"));
    EXPECT_EQ(text(js_fs_readFileSync(at("h.txt"), JS_STR("utf8"))), "hi");
}

TEST_F(FsModule, DirectoriesStatRenameAndRemove) {
    EXPECT_EQ(text(callMember("fs", "mkdirSync", at("m1/m2/m3"), options("recursive", JS_BOOL(1)))), dir + "/m1");
    EXPECT_TRUE(jsrt_is_undefined(callMember("fs", "mkdirSync", at("m1/m2/m3"), options("recursive", JS_BOOL(1)))));
    EXPECT_TRUE(jsrt_is_undefined(callMember("fs", "mkdirSync", at("m9"))));
    for (const char* name : {"zeta", "B", "a", "_x", "10", "9"}) js_fs_writeFileSync(at(name), JS_STR(""), JS_UNDEFINED());
    std::string listed;
    JsValue names = js_fs_readdirSync(jsrt_string(dir));
    for (const JsValue& name : *jsrt_array_items(names)) listed += text(name) + " ";
    EXPECT_EQ(listed, "10 9 B _x a m1 m9 zeta ");
    EXPECT_EQ(jsrt_array_length(js_fs_readdirSync(at("m1/m2/m3"))), 0u);

    js_fs_writeFileSync(at("s.txt"), JS_STR("12345"), JS_UNDEFINED());
    JsValue st = callMember("fs", "statSync", at("s.txt"));
    EXPECT_TRUE(js_truthy(js_jsc_cm0(st, JS_STR("isFile"))));
    EXPECT_FALSE(js_truthy(js_jsc_cm0(st, JS_STR("isDirectory"))));
    EXPECT_EQ(prop(st, "size"), "5");
    EXPECT_TRUE(js_truthy(js_jsc_cm0(callMember("fs", "statSync", at("m1")), JS_STR("isDirectory"))));
    EXPECT_TRUE(jsrt_is_undefined(callMember("fs", "statSync", at("nope"), options("throwIfNoEntry", JS_BOOL(0)))));

    callMember("fs", "renameSync", at("s.txt"), at("r.txt"));
    EXPECT_FALSE(js_truthy(js_fs_existsSync(at("s.txt"))));
    EXPECT_TRUE(js_truthy(js_fs_existsSync(at("r.txt"))));
    callMember("fs", "unlinkSync", at("r.txt"));
    EXPECT_FALSE(js_truthy(js_fs_existsSync(at("r.txt"))));
    EXPECT_FALSE(js_truthy(js_fs_existsSync(JS_UNDEFINED())));
    EXPECT_FALSE(js_truthy(js_fs_existsSync(JS_STR(""))));

    callMember("fs", "rmSync", at("m1"), options("recursive", JS_BOOL(1)));
    EXPECT_FALSE(js_truthy(js_fs_existsSync(at("m1"))));
    EXPECT_TRUE(jsrt_is_undefined(callMember("fs", "rmSync", at("nope"), options("force", JS_BOOL(1)))));
}

TEST_F(FsModule, ErrorsCarryNodesTextAndFields) {
    JsValue e = thrownBy([&] { js_fs_readFileSync(at("nope"), JS_UNDEFINED()); });
    EXPECT_EQ(thrownMessage(e), "ENOENT: no such file or directory, open '" + dir + "/nope'");
    EXPECT_EQ(prop(e, "code"), "ENOENT");
    EXPECT_EQ(prop(e, "errno"), "-2");
    EXPECT_EQ(prop(e, "syscall"), "open");
    EXPECT_EQ(prop(e, "path"), dir + "/nope");
    EXPECT_EQ(prop(e, "name"), "Error");
    EXPECT_EQ(uncaughtLine([&] { js_fs_readFileSync(at("nope"), JS_UNDEFINED()); }),
              "Error: ENOENT: no such file or directory, open '" + dir + "/nope'");
    EXPECT_EQ(jsrt_keys(e), (std::vector<std::string>{"errno", "code", "syscall", "path"}));

    e = thrownBy([&] { callMember("fs", "renameSync", at("nope"), at("b")); });
    EXPECT_EQ(thrownMessage(e), "ENOENT: no such file or directory, rename '" + dir + "/nope' -> '" + dir + "/b'");
    EXPECT_EQ(prop(e, "dest"), dir + "/b");

    EXPECT_EQ(thrownMessage(thrownBy([&] { js_fs_readdirSync(at("nope")); })),
              "ENOENT: no such file or directory, scandir '" + dir + "/nope'");
    EXPECT_EQ(thrownMessage(thrownBy([&] { callMember("fs", "mkdirSync", jsrt_string(dir)); })),
              "EEXIST: file already exists, mkdir '" + dir + "'");
    EXPECT_EQ(thrownMessage(thrownBy([&] { callMember("fs", "statSync", at("nope")); })),
              "ENOENT: no such file or directory, stat '" + dir + "/nope'");
    EXPECT_EQ(thrownMessage(thrownBy([&] { callMember("fs", "rmSync", at("nope")); })),
              "ENOENT: no such file or directory, lstat '" + dir + "/nope'");
    e = thrownBy([&] { js_fs_readFileSync(jsrt_string(dir), JS_UNDEFINED()); });
    EXPECT_EQ(thrownMessage(e), "EISDIR: illegal operation on a directory, read");
    EXPECT_TRUE(jsrt_is_undefined(jsrt_get(e, "path")));

    js_fs_writeFileSync(at("file"), JS_STR("x"), JS_UNDEFINED());
    EXPECT_EQ(thrownMessage(thrownBy([&] { callMember("fs", "mkdirSync", at("file/x"), options("recursive", JS_BOOL(1))); })),
              "ENOTDIR: not a directory, mkdir '" + dir + "/file/x'");
    EXPECT_EQ(thrownMessage(thrownBy([&] { js_fs_writeFileSync(at("file"), JS_STR("x"), options("flag", JS_STR("wx"))); })),
              "EEXIST: file already exists, open '" + dir + "/file'");

    callMember("fs", "mkdirSync", at("d"));
    e = thrownBy([&] { callMember("fs", "rmSync", at("d")); });
    EXPECT_EQ(thrownMessage(e), "Path is a directory: rm returned EISDIR (is a directory) " + dir + "/d");
    EXPECT_EQ(prop(e, "code"), "ERR_FS_EISDIR");
    EXPECT_EQ(prop(e, "name"), "SystemError");
}

TEST_F(FsModule, ArgumentErrors) {
    JsValue e = thrownBy([] { js_fs_writeFileSync(JS_STR("/tmp/never"), JS_NUM(123), JS_UNDEFINED()); });
    EXPECT_EQ(thrownMessage(e), "The \"data\" argument must be of type string or an instance of Buffer, TypedArray, "
                                "or DataView. Received type number (123)");
    EXPECT_EQ(prop(e, "code"), "ERR_INVALID_ARG_TYPE");
    EXPECT_EQ(thrownMessage(thrownBy([] { js_fs_readFileSync(JS_UNDEFINED(), JS_UNDEFINED()); })),
              "The \"path\" argument must be of type string or an instance of Buffer or URL. Received undefined");
    EXPECT_EQ(thrownMessage(thrownBy([&] { js_fs_readFileSync(at("x"), JS_STR("bogus")); })),
              "The argument 'encoding' is invalid encoding. Received 'bogus'");
    e = thrownBy([] { js_fs_readFileSync(jsrt_string(std::string("a\0b", 3)), JS_UNDEFINED()); });
    EXPECT_EQ(prop(e, "code"), "ERR_INVALID_ARG_VALUE");
    EXPECT_EQ(thrownMessage(thrownBy([&] { js_fs_writeFileSync(at("z"), JS_STR("x"), options("flag", JS_STR("qq"))); })),
              "The argument 'flags' is invalid. Received 'qq'");
}

}  // namespace
