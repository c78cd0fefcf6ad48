// Turning arbitrary text (module paths, require specifiers, JavaScript names) into C++ identifiers.
#pragma once
#include <string>

// Every byte of `text` that is not an ASCII letter or digit becomes "_". Callers that may
// start with a digit, or that need distinct results for distinct texts, add their own
// prefix or counter.
inline std::string sanitizeIdent(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (!((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9'))) c = '_';
    }
    return out;
}
