#include "driver/page_placeholder.h"

#include <cstring>

std::string pageStringLiteral(const std::string& page) {
    std::string out;
    out.reserve(page.size() + page.size() / 16 + 2);
    out += '"';
    for (char c : page) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default: out += c;
        }
    }
    out += '"';
    return out;
}

size_t replacePagePlaceholders(std::string& source, const std::string& literal) {
    const size_t markerLen = std::strlen(kPagePlaceholder);
    size_t count = 0;
    size_t pos = source.find(kPagePlaceholder);
    while (pos != std::string::npos) {
        source.replace(pos, markerLen, literal);
        ++count;
        pos = source.find(kPagePlaceholder, pos + literal.size());
    }
    return count;
}
