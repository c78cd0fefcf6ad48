#pragma once
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "js_fixture.h"

using Files = std::map<std::string, std::string>;

// An emitter over a resolved program whose pre-scans have run (function expressions numbered,
// compiled functions recorded, HTTP handlers collected), ready to lower single expressions.
struct ProgramEmitter {
    std::vector<Module> list;
    CEmitter em;

    explicit ProgramEmitter(const std::map<std::string, std::string>& files, const std::string& entry = "main.js");
    ProgramEmitter(const ProgramEmitter&) = delete;
    const Module& module(const std::string& baseName) const;
    // Binds the entry module's require declarations and statics, as main() sees them.
    void enterEntry();
    // The first expression statement of `source`, lowered in form E, V or A.
    std::string expr(const std::string& source, char form = 'E');
};

// Runs `fn` and returns what it printed on standard error.
template <class F>
std::string stderrOf(F fn) {
    testing::internal::CaptureStderr();
    fn();
    return testing::internal::GetCapturedStderr();
}
