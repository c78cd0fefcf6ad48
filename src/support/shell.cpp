#include "support/shell.h"

#include <cstdio>
#include <cstdlib>

bool shellSucceeded(int status) { return status != -1 && (status & 0xff7f) == 0; }

bool runShell(const std::string& command) { return shellSucceeded(std::system(command.c_str())); }

std::string readPipe(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return "";
    std::string out;
    char buf[2048];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
    pclose(pipe);
    while (!out.empty() && (out.back() == '\r' || out.back() == '\n')) out.pop_back();
    return out;
}

std::string shellQuote(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    out += "'";
    return out;
}
