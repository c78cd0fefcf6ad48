// Entry points of the hybrid and control-plane programs: the embedded engine
// that runs bundled JavaScript beside (or instead of) the compiled core.
#pragma once

#include <stddef.h>

#include "../js_value.hpp"
#include "../js_globals.h"

// Runs the island bundle of a hybrid program in the embedded engine.
void jsc_hybrid_boot_island(const unsigned char* bundle, unsigned long long len);
// Runs the control-plane bundle in the embedded engine with native I/O.
void jsc_control_plane_run_embedded(const unsigned char* bundle, size_t len);
