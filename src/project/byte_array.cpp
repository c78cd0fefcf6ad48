#include "project/byte_array.h"

void appendHexByte(std::string& out, unsigned char byte) {
    static const char digits[] = "0123456789abcdef";
    out += "0x";
    out += digits[byte >> 4];
    out += digits[byte & 0x0f];
}

void appendByteArray(std::string& out, const std::string& name, const std::vector<unsigned char>& bytes) {
    out.reserve(out.size() + bytes.size() * 5 + bytes.size() / 20 + name.size() + 48);
    out += "static const unsigned char " + name + "[] = {";
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % 20 == 0) out += '\n';
        appendHexByte(out, bytes[i]);
        out += ',';
    }
    out += "0x00\n};\n";
}

std::string emitHybridIslandArray(const std::vector<unsigned char>& bytes) {
    std::string out = "/* orvan generated: embedded QuickJS npm island (true hybrid) */\n";
    appendByteArray(out, "jsc_hybrid_island_bundle", bytes);
    out += "static const unsigned long long jsc_hybrid_island_bundle_len = " + std::to_string(bytes.size()) + "ULL;\n";
    return out;
}
