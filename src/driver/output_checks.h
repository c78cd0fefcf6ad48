#pragma once
#include <string>

// Refuses an executable name that the compile could not honour, before the
// long compile starts: the input file itself (it would be replaced), a
// folder, or a place whose folder is missing or not writable. Throws
// std::runtime_error with the reason.
void checkOutputPath(const std::string& output, const std::string& input);
