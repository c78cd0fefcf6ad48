// Node modules for code run in the embedded engine: nothing to bridge until
// the engine is linked in.
#include "runtime/jsc_runtime.h"
