// Node's core modules for compiled programs: require() of the built-in
// modules and the direct entry points the generated code calls. Every
// program compiles this file, so the modules are kept in small included
// parts of one translation unit (one compiler run, few headers).

// Built installations carry this source as assembly, made once at build time.
#if __has_include("prebuilt/jsc_node_io.select.inc")
#include "prebuilt/jsc_node_io.select.inc"
#endif
#ifndef JSC_RUNTIME_ASSEMBLED

// Module code is bound by the I/O it does, not by the processor: it is
// optimized for size, which keeps every compiled program small.
#include "runtime/cold_code.h"
JSC_COLD_CODE_BEGIN

#include "js_node.h"
#include "jsc_rt_internal.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <poll.h>
#include <pwd.h>
#include <sys/random.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#ifdef JSC_HAVE_OPENSSL
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#endif

#include "runtime/loop/loop.h"
#ifdef JSC_HAVE_UV
#include "runtime/net/http_parser.h"
#include "runtime/net/tcp.h"
#include "runtime/proc/child.h"
#endif

#include "node/sys_errors.inc"
#include "node/byte_codecs.inc"
#include "node/path_posix.inc"
#include "node/digest.inc"
#include "node/node_support.inc"
#include "node/module_path.inc"
#include "node/ticks.inc"
#include "node/module_events.inc"
#include "node/module_fs.inc"
#include "node/module_fs_async.inc"
#include "node/fs_sync_files.inc"
#include "node/module_os.inc"
#include "node/process_streams.inc"
#include "proc/signals.inc"
#include "node/process_system.inc"
#include "node/module_process.inc"
#include "node/module_buffer.inc"
#include "node/buffer_access.inc"
#include "node/module_crypto.inc"
#include "node/module_util.inc"
#include "node/module_assert.inc"
#include "node/module_url.inc"
#include "node/module_child_process.inc"
#include "node/stream_support.inc"
#include "node/fs_streams.inc"
#include "node/process_stdin.inc"
#include "node/module_stream.inc"
#ifdef JSC_HAVE_UV
#include "net/tcp.inc"
#ifdef JSC_HAVE_OPENSSL
#include "net/tls.inc"
#endif
#include "net/http_parser.inc"
#include "node/module_net.inc"
#include "proc/child.inc"
#include "node/module_child_spawn.inc"
#include "node/tls_options.inc"
#include "node/http_messages.inc"
#include "node/http_server.inc"
#include "node/http_client.inc"
#include "node/module_http.inc"
#include "node/module_tls.inc"
#else
#include "node/module_child_process_exec.inc"
#include "node/modules_without_loop.inc"
#endif
#include "node/modules_pending.inc"
#include "node/require.inc"
JSC_COLD_CODE_END

#endif  // JSC_RUNTIME_ASSEMBLED
