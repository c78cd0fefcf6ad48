// Node's core modules for compiled programs: require() of the built-in
// modules and the direct entry points the generated code calls. Every
// program compiles this file, so the modules are kept in small included
// parts of one translation unit (one compiler run, few headers).

#include "js_node.h"
#include "jsc_rt_internal.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <pwd.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#ifdef JSC_HAVE_OPENSSL
#include <openssl/evp.h>
#endif

#include "node/sys_errors.inc"
#include "node/byte_codecs.inc"
#include "node/path_posix.inc"
#include "node/digest.inc"
#include "node/node_support.inc"
#include "node/module_path.inc"
#include "node/module_fs.inc"
#include "node/module_os.inc"
#include "node/module_process.inc"
#include "node/module_buffer.inc"
#include "node/module_crypto.inc"
#include "node/module_util.inc"
#include "node/module_assert.inc"
#include "node/module_url.inc"
#include "node/module_child_process.inc"
#include "node/modules_pending.inc"
#include "node/require.inc"
