#pragma once
#include <string>

// Readies a source file's text for the parser scripts: a leading hashbang line
// ("#!/usr/bin/env node") becomes a line comment of the same length, so lines
// and columns keep their numbers; text that is not valid UTF-8 is refused with
// the file, line and column of the first bad byte.
std::string prepareSourceText(const std::string& text, const std::string& path);

// The byte offset of the first byte that does not begin or continue a
// well-formed UTF-8 sequence, or std::string::npos when the text is valid.
std::size_t firstInvalidUtf8(const std::string& text);
