// Resolution of the references a page makes to files of its publish root.
#include "project/html_inline.h"


namespace fs = std::filesystem;

namespace jsc_bundle {

fs::path publicChild(const fs::path& root, const fs::path& pageDir, const std::string& reference) {
    if (reference.empty() || reference[0] == '/') return {};
    const fs::path pageRel = fs::proximate(fs::weakly_canonical(pageDir), fs::weakly_canonical(root));
    const fs::path rel = (pageRel / reference).lexically_normal();
    for (const fs::path& part : rel)
        if (part == "..") return {};
    const fs::path candidate = (root / rel).lexically_normal();
    if (!fs::exists(candidate)) return {};
    if (!pathUnderPublishRoot(root, candidate)) return {};
    return candidate;
}

bool pathUnderPublishRoot(const fs::path& root, const fs::path& candidate) {
    try {
        const std::string rel =
            fs::weakly_canonical(candidate).lexically_relative(fs::weakly_canonical(root)).generic_string();
        return !(rel == ".." || rel.compare(0, 3, "../") == 0);
    } catch (...) {
        return false;
    }
}

}  // namespace jsc_bundle
