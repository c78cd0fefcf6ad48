// The core of the runtime library compiled into every program: values,
// operators, strings, arrays, objects, calls, errors, console formatting,
// JSON and the standard built-ins. One translation unit keeps the program's
// build quick; each concern lives in its own file under core/.
//
// The paths that loops run through (values, properties, operators, calls,
// strings, arrays, numbers, JSON) keep the command's -O2; the names, display
// and start-up code runs a few times per program and is optimized for size,
// which keeps every compiled program small.

// Built installations carry this source as assembly, made once at build time.
#if __has_include("prebuilt/jsc_orvan_native_core.select.inc")
#include "prebuilt/jsc_orvan_native_core.select.inc"
#endif
#ifndef JSC_RUNTIME_ASSEMBLED
#include "runtime/cold_code.h"
#include "runtime/jsc_rt_internal.h"

#include <algorithm>
#include <atomic>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <cwctype>
#include <exception>
#include <functional>
#include <new>
#include <pthread.h>
#include <string>
#include <string_view>
#include <csignal>
#include <cxxabi.h>
#include <dlfcn.h>
#include <elf.h>
#include <link.h>
#include <malloc.h>
#include <sys/auxv.h>
#include <sys/resource.h>
#include <unistd.h>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "runtime/core/cell_pool.inc"
#include "runtime/core/cells.inc"
JSC_COLD_CODE_BEGIN
#include "runtime/core/stack_depth.inc"
#include "runtime/core/fn_names.inc"
JSC_COLD_CODE_END
#include "runtime/core/utf_conversion.inc"
#include "runtime/core/numbers.inc"
JSC_COLD_CODE_BEGIN
#include "runtime/core/member_names.inc"
JSC_COLD_CODE_END
#include "runtime/core/sparse_arrays.inc"
JSC_COLD_CODE_BEGIN
#include "runtime/core/shape_changes.inc"
JSC_COLD_CODE_END
#include "runtime/core/property_store.inc"
JSC_COLD_CODE_BEGIN
#include "runtime/core/array_names.inc"
JSC_COLD_CODE_END
#include "runtime/core/objects.inc"
#include "runtime/core/string_methods.inc"
#include "runtime/core/operators.inc"
#include "runtime/core/array_sort.inc"
#include "runtime/core/arrays.inc"
JSC_COLD_CODE_BEGIN
#include "runtime/core/sparse_array_methods.inc"
#include "runtime/core/array_more_methods.inc"
JSC_COLD_CODE_END
#include "runtime/core/calls.inc"
JSC_COLD_CODE_BEGIN
#include "runtime/core/prototype_calls.inc"
JSC_COLD_CODE_END
#include "runtime/core/json.inc"
JSC_COLD_CODE_BEGIN
#include "runtime/core/value_display.inc"
#include "runtime/core/builtins.inc"
#include "runtime/core/startup.inc"
JSC_COLD_CODE_END

#endif  // JSC_RUNTIME_ASSEMBLED
