#pragma once
#include <string>

// A generated identifier made from a specifier or a JavaScript name: every byte that is not an
// ASCII letter or digit becomes "_".
inline std::string sanitizeIdent(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (!((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9'))) c = '_';
    }
    return out;
}
