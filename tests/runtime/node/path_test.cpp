// path results checked against what Node 20 prints for the same calls.
#include "runtime_support.h"

#include <unistd.h>

#include <vector>

namespace {

struct PathCase {
    const char* fn;
    std::vector<const char*> args;
    const char* expected;
};

JsValue callWithArgs(const char* fn, const std::vector<const char*>& args) {
    std::vector<JsValue> argv;
    for (const char* a : args) argv.push_back(JS_STR(a));
    return jsrt_call(js_obj_get_q(nodeModule("path"), fn), JsValue(), (int)argv.size(), argv.data());
}

TEST(PathModule, MatchesNodeOnEdgeCases) {
    const PathCase cases[] = {
        {"join", {}, "."},
        {"join", {""}, "."},
        {"join", {"/a/", "/b/"}, "/a/b/"},
        {"join", {"a", "..", "..", "b"}, "../b"},
        {"join", {"/", ".."}, "/"},
        {"join", {"a/b/../../.."}, ".."},
        {"join", {"foo/", "bar//"}, "foo/bar/"},
        {"join", {"", "/x"}, "/x"},
        {"join", {"./", "./a/"}, "a/"},
        {"resolve", {"/a/b", "./c"}, "/a/b/c"},
        {"resolve", {"/a", "/b", "c"}, "/b/c"},
        {"resolve", {"/x", "", "y/"}, "/x/y"},
        {"normalize", {""}, "."},
        {"normalize", {"//"}, "/"},
        {"normalize", {"///a//b/"}, "/a/b/"},
        {"normalize", {"a/../.."}, ".."},
        {"normalize", {"../a/./b/"}, "../a/b/"},
        {"normalize", {"/.."}, "/"},
        {"normalize", {"./"}, "./"},
        {"normalize", {"/a/b/../../../c"}, "/c"},
        {"dirname", {""}, "."},
        {"dirname", {"/"}, "/"},
        {"dirname", {"a"}, "."},
        {"dirname", {"/a/b/"}, "/a"},
        {"dirname", {"//a"}, "//"},
        {"dirname", {"/a//b"}, "/a/"},
        {"basename", {"/"}, ""},
        {"basename", {"/a/b.js", ".js"}, "b"},
        {"basename", {"/a/b.js", "b.js"}, "b.js"},
        {"basename", {"b.js", "js"}, "b."},
        {"basename", {".js", ".js"}, ""},
        {"basename", {"aaa", "a"}, "aa"},
        {"basename", {"/a/b.js/", ".js"}, "b"},
        {"basename", {"/a/b//"}, "b"},
        {"extname", {".a"}, ""},
        {"extname", {"a."}, "."},
        {"extname", {".a.b"}, ".b"},
        {"extname", {"a.b/"}, ".b"},
        {"extname", {".."}, ""},
        {"extname", {"a.."}, "."},
        {"extname", {"..."}, "."},
        {"extname", {"/x.y/z"}, ""},
        {"relative", {"/a/b", "/a/b"}, ""},
        {"relative", {"/a/b/c", "/a"}, "../.."},
        {"relative", {"/a", "/a/b/c"}, "b/c"},
        {"relative", {"/", "/a"}, "a"},
        {"relative", {"/a", "/"}, ".."},
        {"relative", {"/foo/bar/baz", "/foo/bar/bazz"}, "../bazz"},
        {"relative", {"/foo/bar/bazz", "/foo/bar/baz"}, "../baz"},
        {"relative", {"/page1/page2/foo", "/"}, "../../.."},
    };
    for (const PathCase& c : cases) {
        std::string shown = c.fn;
        for (const char* a : c.args) shown += std::string(" '") + a + "'";
        EXPECT_EQ(text(callWithArgs(c.fn, c.args)), c.expected) << shown;
    }
}

TEST(PathModule, ParseAndFormatMatchNode) {
    JsValue p = callMember("path", "parse", JS_STR("/home/user/dir/file.txt"));
    EXPECT_EQ(jsrt_inspect(p), "{\n  root: '/',\n  dir: '/home/user/dir',\n  base: 'file.txt',\n  ext: '.txt',\n  name: 'file'\n}");
    EXPECT_EQ(jsrt_inspect(callMember("path", "parse", JS_STR("./a.js"))),
              "{ root: '', dir: '.', base: 'a.js', ext: '.js', name: 'a' }");
    EXPECT_EQ(jsrt_inspect(callMember("path", "parse", JS_STR("/x/.."))),
              "{ root: '/', dir: '/x', base: '..', ext: '', name: '..' }");
    EXPECT_EQ(prop(callMember("path", "parse", JS_STR(".bashrc")), "name"), ".bashrc");

    JsValue o = jsrt_object();
    jsrt_set(o, "root", JS_STR("/"));
    jsrt_set(o, "dir", JS_STR("/"));
    jsrt_set(o, "base", JS_STR("f"));
    EXPECT_EQ(text(callMember("path", "format", o)), "/f");
    JsValue q = jsrt_object();
    jsrt_set(q, "name", JS_STR("x"));
    jsrt_set(q, "ext", JS_STR("y"));
    EXPECT_EQ(text(callMember("path", "format", q)), "x.y");
    JsValue r = jsrt_object();
    jsrt_set(r, "dir", JS_STR("a"));
    jsrt_set(r, "name", JS_STR("b"));
    jsrt_set(r, "ext", JS_STR(".c"));
    EXPECT_EQ(text(callMember("path", "format", r)), "a/b.c");
}

TEST(PathModule, ConstantsPosixAndArgumentErrors) {
    JsValue path = nodeModule("path");
    EXPECT_EQ(prop(path, "sep"), "/");
    EXPECT_EQ(prop(path, "delimiter"), ":");
    EXPECT_EQ(text(js_call(js_obj_get_q(js_obj_get_q(path, "posix"), "join"), 2, JS_STR("a"), JS_STR("b"))), "a/b");
    EXPECT_TRUE(js_truthy(callMember("path", "isAbsolute", JS_STR("//x"))));
    EXPECT_FALSE(js_truthy(callMember("path", "isAbsolute", JS_STR(""))));

    JsValue e = thrownBy([] { callMember("path", "join", JS_NUM(1)); });
    EXPECT_EQ(thrownMessage(e), "The \"path\" argument must be of type string. Received type number (1)");
    EXPECT_EQ(prop(e, "code"), "ERR_INVALID_ARG_TYPE");
    EXPECT_EQ(prop(e, "name"), "TypeError");
    EXPECT_EQ(uncaughtLine([] { callMember("path", "join", JS_NUM(1)); }),
              "TypeError [ERR_INVALID_ARG_TYPE]: The \"path\" argument must be of type string. Received type number (1)");
    // A program's catch block turns the exception's text back into the error object.
    try {
        callMember("path", "join", JS_NUM(1));
    } catch (const std::exception& ex) {
        EXPECT_EQ(prop(js_str(ex.what()), "code"), "ERR_INVALID_ARG_TYPE");
    }
    EXPECT_EQ(thrownMessage(thrownBy([] { callMember("path", "basename", JS_STR("a"), JS_NUM(1)); })),
              "The \"suffix\" argument must be of type string. Received type number (1)");
    EXPECT_EQ(thrownMessage(thrownBy([] { callMember("path", "format", JS_NULL()); })),
              "The \"pathObject\" argument must be of type object. Received null");
}

TEST(PathModule, DirectEntryPoints) {
    EXPECT_EQ(text(js_path_join(3, JS_STR("a"), JS_STR("b"), JS_STR("../c"))), "a/c");
    EXPECT_EQ(text(js_path_join(0)), ".");
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    // The generated code passes undefined for a missing argument.
    EXPECT_EQ(text(js_path_resolve(JS_UNDEFINED())), cwd);
    EXPECT_EQ(text(js_path_resolve(JS_STR("x"))), std::string(cwd) + "/x");
    EXPECT_EQ(text(js_path_basename(JS_STR("/a/b.txt"), JS_UNDEFINED())), "b.txt");
    EXPECT_EQ(text(js_path_basename(JS_STR("/a/b.txt"), JS_STR(".txt"))), "b");
    EXPECT_EQ(text(js_path_dirname(JS_STR("/a/b.txt"))), "/a");
    EXPECT_EQ(text(js_path_extname(JS_STR("x.tar.gz"))), ".gz");
}

}  // namespace
