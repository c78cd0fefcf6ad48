// Code that runs a few times per program (names, display, start-up, the Node
// modules) is optimized for size, which keeps every compiled program small.
// An unoptimized build (a debugging or sanitizer build) is left unoptimized.
#pragma once

#ifdef __OPTIMIZE__
#define JSC_COLD_CODE_BEGIN _Pragma("GCC push_options") _Pragma("GCC optimize(\"Os\")")
#define JSC_COLD_CODE_END _Pragma("GCC pop_options")
#else
#define JSC_COLD_CODE_BEGIN
#define JSC_COLD_CODE_END
#endif
