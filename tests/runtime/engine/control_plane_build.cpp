// Builds a control-plane program from a JavaScript bundle without the project
// pipeline: the unit comes from emitControlPlaneCpp and is compiled by
// invokeCompiler against an installation.
// Usage: control_plane_build <install root> <bundle.js> <output> [extra compiler flags]
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "driver/invoke_compiler.h"
#include "project/control_plane.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <install root> <bundle.js> <output> [flags]\n", argv[0]);
        return 2;
    }
    try {
        std::ifstream in(argv[2], std::ios::binary);
        if (!in) throw std::runtime_error(std::string("cannot read ") + argv[2]);
        std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string unit = emitControlPlaneCpp(bytes);
        std::filesystem::path cc = std::string(argv[3]) + ".cc";
        std::ofstream(cc, std::ios::binary) << unit;
        const char* cxx = std::getenv("CXX");
        invokeCompiler(argv[1], cxx && *cxx ? cxx : "c++", std::filesystem::weakly_canonical(cc), argv[3], unit,
                       false, std::filesystem::path(), argc > 4 ? argv[4] : "");
    } catch (const std::exception& e) {
        std::printf("%s\n", e.what());
        return 1;
    }
    return 0;
}
