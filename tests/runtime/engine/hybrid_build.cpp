// Builds a hybrid program without the project pipeline: the compiled entry
// (the generator's unit for it), the island bundle embedded before it and
// booted right after the dispatcher is registered, compiled by invokeCompiler.
// Usage: hybrid_build <install root> <entry.js> <island.js> <output> [extra compiler flags]
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>

#include "driver/invoke_compiler.h"
#include "support/shell.h"

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <install root> <entry.js> <island.js> <output> [flags]\n", argv[0]);
        return 2;
    }
    try {
        std::string root = argv[1];
        std::string unit = readPipe("\"" + root + "/orvan\" --print-c \"" + argv[2] + "\" 2>/dev/null");
        const std::string reg = "    jsc_hybrid_set_aot_dispatch(__orvan_hybrid_call_aot);\n";
        std::size_t at = unit.find(reg);
        if (at == std::string::npos) throw std::runtime_error("the entry's unit has no dispatcher registration");
        unit.insert(at + reg.size(), "    jsc_hybrid_boot_island(jsc_hybrid_island_bundle, jsc_hybrid_island_bundle_len);\n");
        std::ifstream in(argv[3], std::ios::binary);
        if (!in) throw std::runtime_error(std::string("cannot read ") + argv[3]);
        std::string island((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::ostringstream head;
        head << "#define JSC_HYBRID 1\n#define JSC_RUNTIME_QUICKJS 1\n#include \"runtime/jsc_runtime.h\"\n"
             << "/* orvan generated: embedded QuickJS npm island (true hybrid) */\n"
             << "static const unsigned char jsc_hybrid_island_bundle[] = {";
        for (std::size_t i = 0; i < island.size(); ++i) {
            if (i % 20 == 0) head << "\n";
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02x,", (unsigned char)island[i]);
            head << hex;
        }
        head << "0x00\n};\nstatic const unsigned long long jsc_hybrid_island_bundle_len = " << island.size() << "ULL;\n";
        unit = head.str() + unit;
        std::filesystem::path cc = std::string(argv[4]) + ".cc";
        std::ofstream(cc, std::ios::binary) << unit;
        const char* cxx = std::getenv("CXX");
        invokeCompiler(root, cxx && *cxx ? cxx : "c++", std::filesystem::weakly_canonical(cc), argv[4], unit, false,
                       std::filesystem::path(), argc > 5 ? argv[5] : "");
    } catch (const std::exception& e) {
        std::printf("%s\n", e.what());
        return 1;
    }
    return 0;
}
