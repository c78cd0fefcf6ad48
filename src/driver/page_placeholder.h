#pragma once
#include <string>

// The placeholder in a project's entry source that stands for its front-end page.
inline constexpr const char* kPagePlaceholder = "__ORVAN_BUNDLE_HTML__";

// The page as one double-quoted JavaScript string literal: backslash and double
// quote escaped, line feed, carriage return and tab as \n, \r and \t; every other
// byte unchanged.
std::string pageStringLiteral(const std::string& page);

// Replaces every placeholder in `source` by `literal`, never searching inside an
// inserted literal. Returns how many were replaced.
size_t replacePagePlaceholders(std::string& source, const std::string& literal);
