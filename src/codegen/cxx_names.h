// Renaming JavaScript names that C++ reserves or the runtime already uses.
#pragma once
#include <string>
#include <vector>

#include "frontend/module.h"

// JavaScript names that are no valid or free C++ name at file scope (C++ keywords and alternative
// tokens, `main`, names the C library headers declare or define as macros, the parameters of the
// generated `main`) are written with one trailing "_" more. Names spelled as such a name followed by
// underscores get one more too, so the mapping stays one-to-one. Every other name is unchanged.
std::string cxxName(const std::string& jsName);

// The JavaScript name a C++ name written by cxxName stands for.
std::string jsNameOf(const std::string& cxxName);

// True when some module uses a name cxxName changes.
bool needsCxxNames(const std::vector<Module>& modules);

// The modules with every binding and reference name written through cxxName (property keys and
// non-computed member names keep their JavaScript spelling), including the C++ symbols of their exports.
std::vector<Module> withCxxNames(const std::vector<Module>& modules);
