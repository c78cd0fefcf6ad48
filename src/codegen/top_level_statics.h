// Declarations of the entry module's top-level variables (top_level_statics.cpp).
#pragma once

#include <ostream>
#include <set>
#include <string>

// Writes one file-scope JsOwned per name, in the set's order.
void writeTopLevelStatics(const std::set<std::string>& names, std::ostream& os);
