#pragma once
#include <filesystem>

// Writes a new project skeleton into `dir`: the configuration file, the public
// web folder and the two sources. Files that already exist are kept and named
// on standard error. Folder creation failures are thrown.
void cmdInit(const std::filesystem::path& dir);
