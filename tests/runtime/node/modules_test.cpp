// os, process, util, assert, url, child_process and require(), checked
// against what Node 20 gives.
#include "runtime_support.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>

namespace {

TEST(RequireBuiltins, EveryNameLoadsOnceAndOthersFail) {
    const char* names[] = {"fs",     "path", "os",  "process",       "buffer", "electron", "events", "util", "assert",
                           "url", "child_process", "stream", "crypto", "http", "https", "net", "tls"};
    for (const char* n : names) {
        JsValue a = nodeModule(n), b = nodeModule(n);
        EXPECT_TRUE(a.cell() != nullptr && a.cell() == b.cell()) << n;
    }
    EXPECT_EQ(nodeModule("process").cell(), js_node_process().cell());
    EXPECT_EQ(js_obj_get_q(nodeModule("buffer"), "Buffer").cell(), js_builtin_buffer_namespace().cell());
    EXPECT_EQ(nodeModule("node:fs").cell(), nodeModule("fs").cell());
    JsValue e = thrownBy([] { nodeModule("left-pad"); });
    EXPECT_EQ(thrownMessage(e), "Cannot find module 'left-pad'");
    EXPECT_EQ(prop(e, "code"), "MODULE_NOT_FOUND");
}

TEST(RequireBuiltins, UnsupportedMembersSayWhich) {
    EXPECT_EQ(thrownMessage(thrownBy([] { callMember("os", "release"); })), "orvan: os.release is not supported");
    // built without libuv, the network modules say what is missing
    const std::string noLoop = " needs the event loop, and this program was built without libuv (install the "
                               "libuv development package and compile again)";
    EXPECT_EQ(thrownMessage(thrownBy([] { callMember("http", "createServer", JS_UNDEFINED()); })),
              "orvan: http" + noLoop);
    EXPECT_EQ(thrownMessage(thrownBy([] { js_net_createServer(JS_UNDEFINED()); })), "orvan: net" + noLoop);
    EXPECT_EQ(thrownMessage(thrownBy([] { callMember("https", "get", JS_STR("https://localhost/")); })),
              "orvan: https" + noLoop);
    EXPECT_EQ(thrownMessage(thrownBy([] { callMember("tls", "connect", JS_UNDEFINED()); })), "orvan: tls" + noLoop);
    EXPECT_EQ(thrownMessage(thrownBy([] { callMember("fs", "readFile", JS_STR("x")); })),
              "The \"cb\" argument must be of type function. Received undefined");
    EXPECT_EQ(thrownMessage(thrownBy([] { callMember("stream", "Transform"); })), "orvan: stream.Transform is not supported");
    EXPECT_EQ(thrownMessage(thrownBy([] { callMember("process", "emitWarning", JS_STR("w")); })),
              "orvan: process.emitWarning is not supported");
}

TEST(OsModule, DescribesThisMachine) {
    EXPECT_EQ(text(js_os_platform()), "linux");
    EXPECT_EQ(prop(nodeModule("os"), "EOL"), "\n");
    struct utsname u;
    ASSERT_EQ(uname(&u), 0);
    EXPECT_EQ(text(callMember("os", "type")), u.sysname);
    if (std::string(u.machine) == "x86_64") {
        EXPECT_EQ(text(callMember("os", "arch")), "x64");
    }
    char host[256] = {0};
    gethostname(host, sizeof host - 1);
    EXPECT_EQ(text(callMember("os", "hostname")), host);
    JsValue cpus = callMember("os", "cpus");
    ASSERT_GE(jsrt_array_length(cpus), 1u);
    EXPECT_EQ(jsrt_keys(jsrt_array_get(cpus, 0)), (std::vector<std::string>{"model", "speed", "times"}));
    EXPECT_EQ(jsrt_keys(jsrt_get(jsrt_array_get(cpus, 0), "times")),
              (std::vector<std::string>{"user", "nice", "sys", "idle", "irq"}));
}

TEST(OsModule, FoldersFollowTheEnvironment) {
    std::string savedHome = getenv("HOME") ? getenv("HOME") : "";
    setenv("TMPDIR", "/foo/", 1);
    EXPECT_EQ(text(js_os_tmpdir()), "/foo");
    setenv("TMPDIR", "/", 1);
    EXPECT_EQ(text(js_os_tmpdir()), "/");
    unsetenv("TMPDIR");
    EXPECT_EQ(text(js_os_tmpdir()), getenv("TMP") ? getenv("TMP") : "/tmp");
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(text(js_os_homedir()), "/home/someone");
    setenv("HOME", savedHome.c_str(), 1);
}

TEST(ProcessObject, ArgvEnvCwdAndPid) {
    JsValue argv = js_process_get_argv();
    ASSERT_GE(jsrt_array_length(argv), 2u);
    char exe[4096];
    ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    ASSERT_GT(n, 0);
    EXPECT_EQ(text(jsrt_array_get(argv, 0)), std::string(exe, (size_t)n));
    EXPECT_EQ(text(jsrt_array_get(argv, 1)), std::string(exe, (size_t)n));
    EXPECT_EQ(jsrt_array_length(argv), (size_t)jsrt_argc() + 1);

    JsValue p = js_node_process();
    EXPECT_EQ(prop(p, "platform"), "linux");
    EXPECT_EQ(prop(p, "pid"), std::to_string(getpid()));
    EXPECT_TRUE(jsrt_is_undefined(jsrt_get(p, "exitCode")));
    EXPECT_EQ(text(js_process_env_get(JS_STR("PATH"))), getenv("PATH"));
    EXPECT_TRUE(jsrt_is_undefined(js_process_env_get(JS_STR("ORVAN_SURELY_UNSET_VARIABLE"))));
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(text(js_process_cwd()), cwd);
    EXPECT_EQ(text(js_call(js_obj_get_q(p, "cwd"), 0)), cwd);
}

TEST(ProcessObjectDeathTest, ExitAndExitCode) {
    EXPECT_EXIT(js_process_exit(JS_NUM(3)), ::testing::ExitedWithCode(3), "");
    EXPECT_EXIT(js_process_exit(JS_UNDEFINED()), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(js_process_exit(JS_NUM(258)), ::testing::ExitedWithCode(2), "");
    EXPECT_EXIT(js_process_exit(JS_NUM(1e300)), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            JsValue p = js_node_process();
            js_obj_set(&p, "exitCode", JS_NUM(4));
            exit(0);
        },
        ::testing::ExitedWithCode(4), "");
    EXPECT_EXIT(
        {
            JsValue p = js_node_process();
            js_obj_set(&p, "exitCode", JS_NUM(5));
            js_process_exit(JS_UNDEFINED());
        },
        ::testing::ExitedWithCode(5), "");
}

TEST(UtilModule, FormatAndInspectUseTheConsoleFormatter) {
    EXPECT_EQ(text(callMember("util", "format", JS_STR("%s=%d"), JS_STR("a"), JS_NUM(42), JS_STR("extra"))),
              "a=42 extra");
    EXPECT_EQ(text(callMember("util", "inspect", JS_STR("str"))), "'str'");
}

std::string assertionFailure(JsValue thrown) {
    EXPECT_EQ(prop(thrown, "name"), "AssertionError");
    EXPECT_EQ(prop(thrown, "code"), "ERR_ASSERTION");
    return thrownMessage(thrown);
}

TEST(AssertModule, FailuresCarryNodesMessages) {
    EXPECT_EQ(assertionFailure(thrownBy([] { callMember("assert", "ok", JS_BOOL(0)); })),
              "The expression evaluated to a falsy value:\n\n  assert.ok(false)\n");
    EXPECT_EQ(assertionFailure(thrownBy([] { js_call(nodeModule("assert"), 1, JS_NUM(0)); })),
              "The expression evaluated to a falsy value:\n\n  assert(0)\n");
    EXPECT_EQ(assertionFailure(thrownBy([] { callMember("assert", "ok"); })), "No value argument passed to `assert.ok()`");
    EXPECT_EQ(assertionFailure(thrownBy([] { callMember("assert", "equal", JS_NUM(1), JS_NUM(2)); })), "1 == 2");
    EXPECT_EQ(assertionFailure(thrownBy([] { callMember("assert", "strictEqual", JS_NUM(1), JS_STR("1")); })),
              "Expected values to be strictly equal:\n\n1 !== '1'\n");
    EXPECT_EQ(assertionFailure(thrownBy([] { callMember("assert", "notStrictEqual", JS_STR("x"), JS_STR("x")); })),
              "Expected \"actual\" to be strictly unequal to: 'x'");
    EXPECT_EQ(assertionFailure(thrownBy([] { callMember("assert", "deepStrictEqual", JS_NUM(1), JS_NUM(2)); })),
              "Expected values to be strictly deep-equal:\n\n1 !== 2\n");
    EXPECT_EQ(assertionFailure(thrownBy([] { callMember("assert", "strictEqual", JS_STR("a"), JS_STR("b"), JS_STR("mine")); })),
              "mine");
    EXPECT_EQ(assertionFailure(thrownBy([] { callMember("assert", "throws", js_native_fn([](int, JsValue*) { return JsValue(); })); })),
              "Missing expected exception.");

    JsValue e = thrownBy([] { callMember("assert", "strictEqual", JS_NUM(1), JS_NUM(2)); });
    EXPECT_EQ(prop(e, "operator"), "strictEqual");
    EXPECT_EQ(prop(e, "actual"), "1");
    EXPECT_EQ(prop(e, "expected"), "2");
    EXPECT_EQ(prop(e, "generatedMessage"), "true");
    EXPECT_EQ(uncaughtLine([] { callMember("assert", "equal", JS_NUM(1), JS_NUM(2)); }),
              "AssertionError [ERR_ASSERTION]: 1 == 2");
}

JsValue object(std::initializer_list<std::pair<const char*, JsValue>> fields) {
    JsValue o = jsrt_object();
    for (const auto& f : fields) jsrt_set(o, f.first, f.second);
    return o;
}

TEST(AssertModule, PassingChecks) {
    callMember("assert", "equal", JS_NUM(1), JS_STR("1"));
    callMember("assert", "equal", JS_NULL(), JS_UNDEFINED());
    callMember("assert", "equal", JS_NUM(NAN), JS_NUM(NAN));
    callMember("assert", "strictEqual", JS_NUM(NAN), JS_NUM(NAN));
    callMember("assert", "notStrictEqual", JS_NUM(0), JS_NUM(-0.0));
    JsValue a = object({{"a", jsrt_array_from({JS_NUM(1), object({{"b", JS_STR("x")}})})}});
    JsValue b = object({{"a", jsrt_array_from({JS_NUM(1), object({{"b", JS_STR("x")}})})}});
    callMember("assert", "deepStrictEqual", a, b);
    JsValue c = object({{"a", jsrt_array_from({JS_NUM(1), object({{"b", JS_STR("y")}})})}});
    EXPECT_EQ(assertionFailure(thrownBy([&] { callMember("assert", "deepStrictEqual", a, c); })).substr(0, 42),
              "Expected values to be strictly deep-equal:");
    EXPECT_EQ(assertionFailure(thrownBy([] { callMember("assert", "deepStrictEqual", JS_NUM(-0.0), JS_NUM(0)); })).substr(0, 42),
              "Expected values to be strictly deep-equal:");

    JsValue thrower = js_native_fn([](int, JsValue*) -> JsValue { jsrt_throw_error("TypeError", "q"); });
    callMember("assert", "throws", thrower);
    callMember("assert", "throws", thrower, TypeError);
    callMember("assert", "throws", thrower, object({{"message", JS_STR("q")}}));
    callMember("assert", "throws", js_native_fn([](int, JsValue*) -> JsValue { throw std::runtime_error("boom"); }));
    // A different error class passes the original error through.
    EXPECT_EQ(prop(thrownBy([&] { callMember("assert", "throws", thrower, RangeError); }), "name"), "TypeError");
}

TEST(UrlModule, FileUrlsAndPaths) {
    EXPECT_EQ(text(callMember("url", "fileURLToPath", JS_STR("file:///a/b%20c"))), "/a/b c");
    EXPECT_EQ(text(callMember("url", "fileURLToPath", JS_STR("file://localhost/x?q#h"))), "/x");
    EXPECT_EQ(text(callMember("url", "fileURLToPath", JS_STR("file://LOCALHOST/a//b/%2e%2e/c"))), "/a//c");
    EXPECT_EQ(text(callMember("url", "fileURLToPath", JS_STR("file:/x/./"))), "/x/");
    EXPECT_EQ(prop(callMember("url", "pathToFileURL", JS_STR("/^|[]~\\\xC3\xA9!$&'()*+,;=@")), "href"),
              "file:///%5E%7C%5B%5D%7E%5C%C3%A9!$&'()*+,;=@");
    JsValue u = callMember("url", "pathToFileURL", JS_STR("/a/b c#?%"));
    EXPECT_EQ(prop(u, "href"), "file:///a/b%20c%23%3F%25");
    EXPECT_EQ(text(js_jsc_cm0(u, JS_STR("toString"))), "file:///a/b%20c%23%3F%25");
    EXPECT_EQ(text(callMember("url", "fileURLToPath", u)), "/a/b c#?%");

    JsValue e = thrownBy([] { callMember("url", "fileURLToPath", JS_STR("http://x/y")); });
    EXPECT_EQ(thrownMessage(e), "The URL must be of scheme file");
    EXPECT_EQ(prop(e, "code"), "ERR_INVALID_URL_SCHEME");
    EXPECT_EQ(thrownMessage(thrownBy([] { callMember("url", "fileURLToPath", JS_STR("file://host/y")); })),
              "File URL host must be \"localhost\" or empty on linux");
    EXPECT_EQ(thrownMessage(thrownBy([] { callMember("url", "fileURLToPath", JS_STR("file:///a%2fb")); })),
              "File URL path must not include encoded / characters");
}

TEST(ChildProcessModule, ExecSyncCapturesOutputAndFailures) {
    JsValue utf8 = object({{"encoding", JS_STR("utf8")}});
    EXPECT_EQ(text(callMember("child_process", "execSync", JS_STR("echo hi"), utf8)), "hi\n");
    EXPECT_EQ(jsrt_inspect(callMember("child_process", "execSync", JS_STR("printf hi"))), "<Buffer 68 69>");
    EXPECT_EQ(text(callMember("child_process", "execSync", JS_STR("cat"),
                              object({{"input", JS_STR("fed")}, {"encoding", JS_STR("utf8")}}))),
              "fed");
    EXPECT_EQ(text(callMember("child_process", "execSync", JS_STR("cat"), utf8)), "");
    // A child that ignores a large input neither blocks nor kills the program.
    EXPECT_EQ(text(callMember("child_process", "execSync", JS_STR("echo done"),
                              object({{"input", jsrt_string(std::string(1 << 20, 'x'))}, {"encoding", JS_STR("utf8")}}))),
              "done\n");

    JsValue env = jsrt_get(js_node_process(), "env");
    jsrt_set(env, "ORVAN_CHILD_TEST", JS_STR("seen"));
    EXPECT_EQ(text(callMember("child_process", "execSync", JS_STR("printf %s \"$ORVAN_CHILD_TEST\""), utf8)), "seen");

    JsValue e = thrownBy([] { callMember("child_process", "execSync", JS_STR("echo out; exit 3")); });
    EXPECT_EQ(thrownMessage(e), "Command failed: echo out; exit 3");
    EXPECT_EQ(prop(e, "status"), "3");
    EXPECT_TRUE(jsrt_is_nullish(jsrt_get(e, "signal")));
    EXPECT_EQ(jsrt_inspect(jsrt_get(e, "stdout")), "<Buffer 6f 75 74 0a>");
    e = thrownBy([] { callMember("child_process", "execSync", JS_STR("kill -9 $$")); });
    EXPECT_EQ(prop(e, "signal"), "SIGKILL");
    EXPECT_TRUE(jsrt_is_nullish(jsrt_get(e, "status")));
}

}  // namespace
