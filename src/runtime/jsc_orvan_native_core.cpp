// The core of the runtime library compiled into every program: values,
// operators, strings, arrays, objects, calls, errors, console formatting,
// JSON and the standard built-ins. One translation unit keeps the program's
// build quick; each concern lives in its own file under core/.
//
// This file is compiled into every user program, so its compile time is part
// of every build: the value and property paths that loops run through keep the
// command's -O2, the formatting, text and library code is built at -O1, which
// cuts the compile time by about a third.

// Built installations carry this source as assembly, made once at build time.
#if __has_include("prebuilt/jsc_orvan_native_core.select.inc")
#include "prebuilt/jsc_orvan_native_core.select.inc"
#endif
#ifndef JSC_RUNTIME_ASSEMBLED
#include "runtime/jsc_rt_internal.h"

#include <algorithm>
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
#include <sys/resource.h>
#include <unistd.h>
#include <map>
#include <unordered_map>
#include <vector>

#include "runtime/core/cells.inc"
#include "runtime/core/stack_depth.inc"
#pragma GCC push_options
#pragma GCC optimize("O1")
#include "runtime/core/fn_names.inc"
#pragma GCC pop_options
#pragma GCC push_options
#pragma GCC optimize("O1")
#include "runtime/core/utf_conversion.inc"
#include "runtime/core/numbers.inc"
#pragma GCC pop_options
#include "runtime/core/member_names.inc"
#include "runtime/core/objects.inc"
#pragma GCC push_options
#pragma GCC optimize("O1")
#include "runtime/core/string_methods.inc"
#pragma GCC pop_options
#include "runtime/core/operators.inc"
#pragma GCC push_options
#pragma GCC optimize("O1")
#include "runtime/core/arrays.inc"
#pragma GCC pop_options
#include "runtime/core/calls.inc"
#pragma GCC push_options
#pragma GCC optimize("O1")
#include "runtime/core/value_display.inc"
#include "runtime/core/json.inc"
#include "runtime/core/builtins.inc"
#include "runtime/core/startup.inc"
#pragma GCC pop_options

#endif  // JSC_RUNTIME_ASSEMBLED
