#pragma once
#include <map>
#include <set>
#include <string>

#include "frontend/ast.h"

// One resolved source file of the program.
struct Module {
    std::string path;                            // exactly as visited
    std::string id;                              // C++ prefix, "mod_" + sanitised base name
    ASTNode ast;                                 // the file's Program node
    std::map<std::string, std::string> exports;  // export key -> C++ symbol
    std::set<std::string> nativeFunctions;       // symbols of top-level function declarations
};
