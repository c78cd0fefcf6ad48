// The core of the runtime library compiled into every program: values,
// operators, strings, arrays, objects, calls, errors, console formatting,
// JSON and the standard built-ins. One translation unit keeps the program's
// build quick; each concern lives in its own file under core/.
#include "runtime/jsc_rt_internal.h"

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <cwctype>
#include <exception>
#include <string>
#include <unistd.h>
#include <unordered_map>
#include <vector>

#include "runtime/core/cells.inc"
#include "runtime/core/text.inc"
#include "runtime/core/numbers.inc"
#include "runtime/core/objects.inc"
#include "runtime/core/strings.inc"
#include "runtime/core/operators.inc"
#include "runtime/core/arrays.inc"
#include "runtime/core/calls.inc"
#include "runtime/core/inspect.inc"
#include "runtime/core/json.inc"
#include "runtime/core/builtins.inc"
#include "runtime/core/startup.inc"
