// Writes the asset source of a folder: asset_table_gen <public folder> <output file>.
#include <exception>
#include <iostream>

#include "project/asset_table.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: asset_table_gen <public folder> <output file>\n";
        return 1;
    }
    try {
        jsc_embed_gen::emitCpp(jsc_embed_gen::listPublicRecursive(argv[1]), argv[2]);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
