// Declarations of the top-level variables of the entry module and of dependency modules
// (top_level_statics.cpp).
#pragma once

#include <ostream>
#include <set>
#include <string>
#include <vector>

// Writes one file-scope variable of C++ type `type` per name, in the given order; a long list becomes
// one array named `arrayName` whose elements the names refer to.
void writeFileScopeStatics(const std::string& type, const std::string& arrayName,
                           const std::vector<std::string>& names, std::ostream& os);
// The entry module's: one file-scope JsOwned per name, in the set's order.
void writeTopLevelStatics(const std::set<std::string>& names, std::ostream& os);
