#include <cctype>
#include <map>

#include "project/asset_table.h"

namespace jsc_embed_gen {

std::string mimeForExtension(const std::filesystem::path& p) {
    static const std::map<std::string, std::string> m = {
        {".html", "text/html; charset=utf-8"},
        {".htm", "text/html; charset=utf-8"},
        {".css", "text/css; charset=utf-8"},
        {".js", "text/javascript; charset=utf-8"},
        {".mjs", "text/javascript; charset=utf-8"},
        {".json", "application/json; charset=utf-8"},
        {".png", "image/png"},
        {".jpg", "image/jpeg"},
        {".jpeg", "image/jpeg"},
        {".gif", "image/gif"},
        {".webp", "image/webp"},
        {".svg", "image/svg+xml"},
        {".woff2", "font/woff2"},
        {".woff", "font/woff"},
        {".ttf", "font/ttf"},
        {".txt", "text/plain; charset=utf-8"},
    };
    std::string ext = p.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto it = m.find(ext);
    return it == m.end() ? "application/octet-stream" : it->second;
}

}  // namespace jsc_embed_gen
