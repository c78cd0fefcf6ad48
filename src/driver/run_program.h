#pragma once
#include <string>
#include <vector>

// Starts the built program with `args`, each handed over exactly as given (no
// shell sees them), relays its standard output and standard error merged, piece
// by piece as they arrive, to our standard output, and waits for it. With
// `timing`, the time to the first piece (or to the end when nothing came) goes to
// standard error. Returns 0 only when the program exited normally with code 0;
// 1 for any other code, a death by signal, or a program that could not be started.
int runBuiltProgram(const std::string& executable, const std::vector<std::string>& args, bool timing);
