#include <cstdio>
#include <stdexcept>

#include "codegen/cemitter.h"
#include "support/switches.h"

void CEmitter::diagUnsupported(const std::string& feature, const std::string& detail) {
    const std::string key = feature + "|" + detail;
    if (!diagSeen.insert(key).second) return;
    if (switchIsOn("ORVAN_STRICT_UNSUPPORTED")) {
        throw std::runtime_error("\xE2\x9D\x8C Orvan Build Error: Unimplemented JavaScript Feature\nFeature: " +
                                 feature + "\nDetail: " + detail +
                                 "\nThe Fix: Move this logic to src/island.js, or rewrite using supported static "
                                 "JavaScript.");
    }
    std::fprintf(stderr,
                 "\xE2\x9A\xA0\xEF\xB8\x8F Orvan Build Warning: Unimplemented JavaScript Feature\nFeature: %s\n"
                 "Detail: %s\nThe Fix: Move this logic to src/island.js, or rewrite using supported static "
                 "JavaScript.\n",
                 feature.c_str(), detail.c_str());
}
