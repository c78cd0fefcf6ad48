// The files of a public folder that go into the asset table.
#include <algorithm>
#include <system_error>

#include "project/asset_table.h"

namespace fs = std::filesystem;

namespace jsc_embed_gen {

std::vector<EmbedFile> listPublicRecursive(const fs::path& root) {
    std::vector<EmbedFile> files;
    for (const fs::directory_entry& entry :
         fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied)) {
        // A link that leads nowhere, or round in a loop, is no file to embed.
        std::error_code ec;
        if (!entry.is_regular_file(ec)) continue;
        std::string rel = fs::relative(entry.path(), root).generic_string();
        if (rel.find("..") != std::string::npos) continue;
        files.push_back(EmbedFile{std::move(rel), entry.path()});
    }
    // A link to another file of the folder shares the target's relPath; the file
    // itself sorts first so that its own name decides the MIME type of the row.
    auto isAlias = [&root](const EmbedFile& f) { return f.absPath.lexically_relative(root).generic_string() != f.relPath; };
    std::sort(files.begin(), files.end(), [&isAlias](const EmbedFile& a, const EmbedFile& b) {
        if (a.relPath != b.relPath) return a.relPath < b.relPath;
        if (isAlias(a) != isAlias(b)) return !isAlias(a);
        return a.absPath < b.absPath;
    });
    return files;
}

}  // namespace jsc_embed_gen
