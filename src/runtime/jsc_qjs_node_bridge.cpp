// The Node environment inside the embedded engine, for control-plane
// programs and the island of a hybrid program: the native calls behind it
// and the embedded JavaScript modules (compiled to engine bytecode when the
// installation is built).

// Built installations carry this source as assembly, made once at build time.
#if __has_include("prebuilt/jsc_qjs_node_bridge.select.inc")
#include "prebuilt/jsc_qjs_node_bridge.select.inc"
#endif
#ifndef JSC_RUNTIME_ASSEMBLED
#include "runtime/engine/engine.h"
#include "runtime/engine/node_environment.h"
#include "runtime/loop/loop.h"
#include "js_node.h"

#ifdef JSC_HAVE_UV
#include <uv.h>
#include "runtime/net/http_parser.h"
#include "runtime/net/tcp.h"
#endif

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <ctime>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

#include "runtime/engine/node_env_bytecode.inc"
#include "runtime/engine/node_text.inc"
#include "runtime/engine/node_natives.inc"
#include "runtime/engine/node_fs_natives.inc"
#include "runtime/engine/node_net_natives.inc"
#include "runtime/engine/node_tls_natives.inc"
#include "runtime/engine/node_environment.inc"

#endif  // JSC_RUNTIME_ASSEMBLED
