#pragma once
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

// The public folder of a project compiled into its executable: one generated C++
// file with a byte array and MIME string per file, a table of rows and the lookup
// function `jsc_embed_lookup` through which the runtime finds an asset by path.
namespace jsc_embed_gen {

// One file to embed.
struct EmbedFile {
    std::string relPath;             // key at run time: generic form, relative to the public folder
    std::filesystem::path absPath;   // where to read it
};

// One row of the generated table.
struct RowParts {
    std::string rowPath;
    std::string mimeSym;
    std::string blobSym;
    size_t byteLen = 0;
};

// The regular files under `root` (links to files followed, links to folders not
// entered, anything whose relative path holds ".." skipped), sorted by relPath.
std::vector<EmbedFile> listPublicRecursive(const std::filesystem::path& root);

// The MIME type for the extension of `p`, "application/octet-stream" when unknown.
std::string mimeForExtension(const std::filesystem::path& p);

// Writes the asset source to `outPath`. Symbols stay distinct when two paths
// sanitise alike, and a path already in the table is not added twice. When an
// input cannot be read the partly written output is removed and the error thrown.
void emitCpp(const std::vector<EmbedFile>& files, const std::filesystem::path& outPath);

}  // namespace jsc_embed_gen
