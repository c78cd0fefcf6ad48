// Declarations of the entry module's top-level variables.
//
// Each file-scope variable with a destructor registers that destructor at start-up, one call per
// variable in the unit's static initialiser, and the C++ compiler's points-to analysis of that one
// function grows with the square of their number: a few thousand top-level variables cost it tens of
// seconds. A program with many of them therefore keeps them in one array, whose destructor is
// registered once, and names each element by a reference bound at compile time; the names, their
// order of destruction (the reverse of the set's order) and every use of them stay what they were.
#include "codegen/top_level_statics.h"

namespace {

// Below this many names the separate declarations cost the compiler next to nothing.
constexpr std::size_t kSeparateStatics = 256;

}  // namespace

void writeTopLevelStatics(const std::set<std::string>& names, std::ostream& os) {
    if (names.size() < kSeparateStatics) {
        for (const std::string& name : names) os << "static JsOwned " << name << ";\n";
        return;
    }
    os << "static JsOwned __jsc_top_level[" << names.size() << "];\n";
    std::size_t slot = 0;
    for (const std::string& name : names) os << "static JsOwned& " << name << " = __jsc_top_level[" << slot++ << "];\n";
}
