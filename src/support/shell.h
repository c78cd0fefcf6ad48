// Running command lines through /bin/sh: their status, their output, and quoting words for them.
#pragma once
#include <string>

// True when a status returned by system() or pclose() means a normal exit with code 0.
bool shellSucceeded(int status);

// Runs a command line; true when it exits normally with code 0.
bool runShell(const std::string& command);

// The standard output of a command line without its trailing line ends; "" when it cannot start.
std::string readPipe(const std::string& command);

// `text` as one single-quoted word that the shell passes on literally, whatever it holds.
std::string shellQuote(const std::string& text);
