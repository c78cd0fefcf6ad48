// The Node built-in modules a program may require, and what each one asks of the runtime.
// The resolver, the generator's pre-scans and its require lowering all read this one table.
#pragma once
#include <string>
#include <vector>

struct BuiltinModule {
    const char* name;
    // Requiring it keeps the program on the event loop until the loop has nothing left
    // (servers, sockets, emitters, asynchronous hashing).
    bool eventLoop;
    // It lives in the Node I/O part of the runtime, compiled in only when a program asks.
    bool nodeIo;
};

// Every built-in module, in a fixed order.
const std::vector<BuiltinModule>& builtinModules();

// The entry of the built-in module a bare specifier names exactly; nullptr for any other text.
const BuiltinModule* findBuiltinModule(const std::string& specifier);
