// Node's built-in modules for compiled programs: require() of a built-in
// module, and the direct calls the generated code makes for the common
// methods of fs, path, os, process and crypto. Arguments are borrowed;
// every result is a fresh value.
#pragma once

#include "js_value.hpp"

// require('fs') and the other built-in module names; "node:" prefixes too.
JsValue js_node_require(const JsValue& name);

JsValue js_fs_readFileSync(const JsValue& path, const JsValue& options);
JsValue js_fs_writeFileSync(const JsValue& path, const JsValue& data, const JsValue& options);
JsValue js_fs_existsSync(const JsValue& path);
JsValue js_fs_readdirSync(const JsValue& path);

JsValue js_path_join_argv(int argc, const JsValue* argv);
// path.join(a, b, ...): argc is the number of values that follow.
template <class... A>
JsValue js_path_join(int argc, const A&... parts) {
    (void)argc;
    const JsValue argv[sizeof...(A) + 1] = {JsValue(js_detail::as_value(parts))...};
    return js_path_join_argv((int)sizeof...(A), argv);
}
// An undefined argument stands for none (path.resolve() is the cwd).
JsValue js_path_resolve(const JsValue& path);
JsValue js_path_dirname(const JsValue& path);
JsValue js_path_basename(const JsValue& path, const JsValue& suffix);
JsValue js_path_extname(const JsValue& path);

JsValue js_os_platform();
JsValue js_os_homedir();
JsValue js_os_tmpdir();

JsValue js_process_cwd();
JsValue js_process_exit(const JsValue& code);
JsValue js_process_get_argv();
JsValue js_process_env_get(const JsValue& name);

JsValue js_crypto_randomBytes(const JsValue& size, const JsValue& callback);
JsValue js_crypto_createHash(const JsValue& algorithm);

// Servers arrive with the event loop; until then these throw.
JsValue js_http_createServer(const JsValue& handler);
JsValue js_net_createServer(const JsValue& handler);
