#pragma once
#include <filesystem>
#include <string>

// Creates a new file at `wanted` (or, when that name is already taken by
// anything at all, at the first free "<stem>_<n><ext>" beside it), writes
// `text` to it and returns its path. The file is created exclusively and a
// symbolic link at the name is never followed, so a name planted in a shared
// temporary folder cannot redirect the write. Throws std::runtime_error when
// no file can be created or the write fails.
std::filesystem::path writeExclusiveTempFile(const std::filesystem::path& wanted, const std::string& text);
