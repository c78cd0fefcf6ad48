#include "frontend/lone_surrogates.h"

#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr unsigned kShelterBase = 0x10F800;

// The value of the four hexadecimal digits at text[at], or -1.
long hex4(const std::string& text, std::size_t at) {
    if (at + 4 > text.size()) return -1;
    long v = 0;
    for (std::size_t k = at; k < at + 4; ++k) {
        const char c = text[k];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return -1;
        v = v * 16 + d;
    }
    return v;
}

bool isHigh(long u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLow(long u) { return u >= 0xDC00 && u <= 0xDFFF; }

// The stand-in for surrogate `u` as two JSON escapes.
std::string shelterEscape(long u) {
    const unsigned cp = kShelterBase + unsigned(u - 0xD800) - 0x10000;
    char buf[16];
    std::snprintf(buf, sizeof buf, "\\u%04x\\u%04x", 0xD800 + (cp >> 10), 0xDC00 + (cp & 0x3FF));
    return buf;
}

void restoreString(std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
        // U+10F800..U+10FFFF is F4 8F A0..BF 80..BF in UTF-8.
        if (i + 3 < s.size() && b(i) == 0xF4 && b(i + 1) == 0x8F && b(i + 2) >= 0xA0) {
            const unsigned cp =
                0x100000 | ((b(i + 1) & 0x3Fu) << 12) | ((b(i + 2) & 0x3Fu) << 6) | (b(i + 3) & 0x3Fu);
            const unsigned u = cp - kShelterBase + 0xD800;
            out += char(0xE0 | (u >> 12));
            out += char(0x80 | ((u >> 6) & 0x3F));
            out += char(0x80 | (u & 0x3F));
            i += 4;
        } else {
            out += s[i++];
        }
    }
    s.swap(out);
}

// The text with its lone surrogate escapes stood in for, or nothing when it has none.
std::optional<std::string> shelterIfNeeded(const std::string& text) {
    std::optional<std::string> out;
    // The parser's JSON is many times the source; most of it has no escape at all, and the
    // library's search finds that far sooner than the walk below.
    if (text.find("\\u") == std::string::npos) return out;
    std::size_t copied = 0;  // text before this offset is in out
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            inString = !inString;
            continue;
        }
        if (!inString || c != '\\' || i + 1 >= text.size()) continue;
        if (text[i + 1] != 'u') {
            ++i;
            continue;
        }
        const long u = hex4(text, i + 2);
        const bool pairs = isHigh(u) && i + 11 < text.size() && text.compare(i + 6, 2, "\\u") == 0 &&
                           isLow(hex4(text, i + 8));
        if (pairs) {
            i += 11;
        } else if (isHigh(u) || isLow(u)) {
            if (!out) out.emplace();
            out->append(text, copied, i - copied);
            *out += shelterEscape(u);
            copied = i + 6;
            i += 5;
        } else {
            i += 5;
        }
    }
    if (out) out->append(text, copied, std::string::npos);
    return out;
}

}  // namespace

std::string shelterLoneSurrogates(const std::string& text, bool* sheltered) {
    std::optional<std::string> out = shelterIfNeeded(text);
    *sheltered = out.has_value();
    return out ? std::move(*out) : text;
}

std::string shelterLoneSurrogates(std::string&& text, bool* sheltered) {
    std::optional<std::string> out = shelterIfNeeded(text);
    *sheltered = out.has_value();
    return out ? std::move(*out) : std::move(text);
}

void restoreLoneSurrogates(std::string& s) { restoreString(s); }

void restoreLoneSurrogates(nlohmann::json& value) {
    std::vector<nlohmann::json*> pending{&value};
    while (!pending.empty()) {
        nlohmann::json* v = pending.back();
        pending.pop_back();
        if (v->is_string()) {
            restoreString(v->get_ref<std::string&>());
        } else if (v->is_structured()) {
            for (auto& child : *v) pending.push_back(&child);
        }
    }
}
