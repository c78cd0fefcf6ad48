// Compiles a parser script (esprima.js, babel.min.js) to engine bytecode
// beside it, so the compiler does not parse the script at every compile.
// Usage: orvan_parser_bytecode <script.js> <output>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "frontend/engine_host.h"
#include "frontend/script_bytecode.h"
#include "support/file_readers.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <script.js> <output>\n", argv[0]);
        return 2;
    }
    try {
        QjsGuard engine;
        if (!engine.ctx) throw std::runtime_error("cannot create the engine");
        const std::string name = std::filesystem::path(argv[1]).filename().string();
        const std::string bytes = scriptBytecodeFile(engine.ctx, readFileToString(argv[1]), name.c_str());
        // Written aside and renamed, so a compile never reads half a file.
        const std::string partial = std::string(argv[2]) + ".partial";
        {
            std::ofstream out(partial, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            if (!out) throw std::runtime_error("cannot write " + partial);
        }
        std::filesystem::rename(partial, argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
