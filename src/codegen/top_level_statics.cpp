// Declarations of the top-level variables of the entry module and of dependency modules.
//
// Each file-scope variable with a destructor registers that destructor at start-up, one call per
// variable in the unit's static initialiser, and the C++ compiler's points-to analysis of that one
// function grows with the square of their number: a few thousand top-level variables cost it tens of
// seconds. A module with many of them therefore keeps them in one array, whose destructor is
// registered once, and names each element by a reference bound at compile time; the names, their
// order of destruction (the reverse of the set's order) and every use of them stay what they were.
#include "codegen/top_level_statics.h"

namespace {

// Below this many names the separate declarations cost the compiler next to nothing.
constexpr std::size_t kSeparateStatics = 256;

}  // namespace

void writeFileScopeStatics(const std::string& type, const std::string& arrayName,
                           const std::vector<std::string>& names, std::ostream& os) {
    if (names.size() < kSeparateStatics) {
        for (const std::string& name : names) os << "static " << type << " " << name << ";\n";
        return;
    }
    os << "static " << type << " " << arrayName << "[" << names.size() << "];\n";
    std::size_t slot = 0;
    for (const std::string& name : names)
        os << "static " << type << "& " << name << " = " << arrayName << "[" << slot++ << "];\n";
}

void writeTopLevelStatics(const std::set<std::string>& names, std::ostream& os) {
    writeFileScopeStatics("JsOwned", "__jsc_top_level", {names.begin(), names.end()}, os);
}
