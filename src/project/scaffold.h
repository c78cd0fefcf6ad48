#pragma once
#include <filesystem>

// Writes a new project skeleton into `dir`. Failures are thrown.
void cmdInit(const std::filesystem::path& dir);
