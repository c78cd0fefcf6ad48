#pragma once
// The ahead-of-time checks are static members of ModuleResolver:
//  - roughValidateDynamicImportSource: text scan of every source, refuses import( without a quote;
//  - validateHybridAotGraph: the core of a hybrid build may require only relative files and
//    built-in modules, and may not run code that is only known at run time;
//  - scanHybridAotDynamicExecution: the tree scan for eval calls and computed import(...).
// Each throws std::runtime_error with the finished build-error message.
#include "frontend/module_resolver.h"
