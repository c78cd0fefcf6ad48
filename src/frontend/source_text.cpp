#include "frontend/source_text.h"

#include <stdexcept>

namespace {

// Length of the well-formed sequence starting at text[i], or 0 when there is none.
std::size_t sequenceLength(const std::string& text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) return 1;
    std::size_t len;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        if (b0 == 0xE0) lo = 0xA0;  // overlong
        if (b0 == 0xED) hi = 0x9F;  // UTF-16 surrogate halves
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        if (b0 == 0xF0) lo = 0x90;  // overlong
        if (b0 == 0xF4) hi = 0x8F;  // beyond U+10FFFF
    } else {
        return 0;
    }
    if (i + len > text.size()) return 0;
    if (byte(i + 1) < lo || byte(i + 1) > hi) return 0;
    for (std::size_t k = 2; k < len; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    return len;
}

}  // namespace

std::size_t firstInvalidUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = sequenceLength(text, i);
        if (len == 0) return i;
        i += len;
    }
    return std::string::npos;
}

std::string prepareSourceText(const std::string& text, const std::string& path) {
    const std::size_t bad = firstInvalidUtf8(text);
    if (bad != std::string::npos) {
        std::size_t line = 1, column = 1;
        for (std::size_t i = 0; i < bad; ++i) {
            if (text[i] == '\n') {
                ++line;
                column = 1;
            } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
                ++column;
            }
        }
        throw std::runtime_error("orvan: " + path + ": invalid UTF-8 at line " + std::to_string(line) +
                                 ", column " + std::to_string(column) + " (byte offset " +
                                 std::to_string(bad) + "); save the file as UTF-8");
    }
    if (text.compare(0, 2, "#!") != 0) return text;
    std::string out = text;
    out[0] = '/';
    out[1] = '/';
    return out;
}
