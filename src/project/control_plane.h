#pragma once
#include <string>
#include <vector>

// The whole translation unit of a control-plane program: the bundled entry
// script embedded as bytes, handed to the runtime's embedded engine with native
// I/O, followed by the event loop.
std::string emitControlPlaneCpp(const std::vector<unsigned char>& bytes);
