#pragma once
#include <string>

// Writes `text` to standard output and flushes it. A write that fails (a full
// device, a closed pipe) prints one message on standard error and returns
// false, so that the caller exits with status 1 instead of claiming success.
bool writeStandardOutput(const std::string& text);
