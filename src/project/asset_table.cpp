// Writer of the generated asset source.
#include "project/asset_table.h"

#include <fstream>
#include <set>
#include <stdexcept>
#include <system_error>

#include "project/byte_array.h"
#include "support/file_readers.h"
#include "support/identifiers.h"

namespace fs = std::filesystem;

namespace jsc_embed_gen {

namespace {

const char* const kRowStruct =
    "typedef struct JSCembRow {\n"
    "    const char *path;\n"
    "    const unsigned char *data;\n"
    "    size_t len;\n"
    "    const char *mime;\n"
    "} JSCembRow;\n\n";

const char* const kLookup =
    "extern \"C\" int jsc_embed_lookup(const char *path_in,\n"
    "    const unsigned char **out_data, size_t *out_len,\n"
    "    const char **out_mime) {\n"
    "  if (!path_in || !out_data || !out_len || !out_mime)\n"
    "    return 0;\n"
    "  char needle[8192];\n"
    "  while (*path_in == '/')\n"
    "    ++path_in;\n"
    "  strncpy(needle, path_in, sizeof(needle) - 1);\n"
    "  needle[sizeof(needle) - 1] = 0;\n"
    "  size_t nrow = sizeof(jsc_emb_rows) / sizeof(jsc_emb_rows[0]);\n"
    "  for (size_t i = 0; i < nrow; ++i) {\n"
    "    if (strcmp(jsc_emb_rows[i].path, needle) != 0)\n"
    "      continue;\n"
    "    *out_len = jsc_emb_rows[i].len;\n"
    "    if (jsc_emb_rows[i].len == 0 || jsc_emb_rows[i].data == NULL)\n"
    "      *out_data = (const unsigned char *) \"\";\n"
    "    else\n"
    "      *out_data = jsc_emb_rows[i].data;\n"
    "    *out_mime = jsc_emb_rows[i].mime;\n"
    "    return 1;\n"
    "  }\n"
    "  return 0;\n"
    "}\n";

// Text for a C string literal: backslash and double quote escaped, line feed as \\n,
// every other control byte in octal.
std::string esc(const std::string& s) {
    std::string out;
    for (char c : s) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20 || byte == 0x7F) {
            // Any other control byte (a carriage return in a file name) as a
            // three-digit octal escape, which never swallows the next character.
            const char octal[] = {'\\', char('0' + (byte >> 6)), char('0' + ((byte >> 3) & 7)),
                                  char('0' + (byte & 7)), 0};
            out += octal;
        } else {
            out += c;
        }
    }
    return out;
}

// The symbol stem of a path: every byte but an ASCII letter or digit becomes "_",
// with "_" in front of an empty or digit-led result. A stem another file already
// took gets the first free "_<n>" suffix.
std::string uniqueStem(const std::string& relPath, std::set<std::string>& used) {
    std::string stem = sanitizeIdent(relPath);
    if (stem.empty() || (stem[0] >= '0' && stem[0] <= '9')) stem.insert(stem.begin(), '_');
    std::string candidate = stem;
    for (int n = 2; used.count(candidate); ++n) candidate = stem + "_" + std::to_string(n);
    used.insert(candidate);
    return candidate;
}

std::string readInput(const fs::path& path) {
    std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes) throw std::runtime_error("cannot open " + path.string());
    return std::move(*bytes);
}

// The MIME string and, for a non-empty file, the byte array of one asset.
std::string fileDefinitions(const RowParts& row, const std::string& mime, const std::string& bytes) {
    std::string out = "static const char " + row.mimeSym + "[] = \"" + esc(mime) + "\";\n";
    if (bytes.empty()) return out;
    out += "static const unsigned char " + row.blobSym + "[] = {";
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % 16 == 0) out += "\n  ";
        appendHexByte(out, static_cast<unsigned char>(bytes[i]));
        if (i + 1 < bytes.size()) out += ',';
    }
    out += "\n};\n\n";
    return out;
}

std::string rowLine(const RowParts& row) {
    return "    { \"" + esc(row.rowPath) + "\" , " + (row.byteLen == 0 ? std::string("NULL") : row.blobSym) +
           " , (size_t)" + std::to_string(row.byteLen) + " , " + row.mimeSym + " },\n";
}

void writeTable(std::ofstream& out, const std::vector<EmbedFile>& files) {
    out << "#include \"runtime/jsc_embed.h\"\n"
        << "#include <string.h>\n\n";
    std::vector<RowParts> rows;
    std::set<std::string> stems;
    std::set<std::string> paths;
    for (const EmbedFile& file : files) {
        // The lookup stops at the first row of a path, so a repeated path adds nothing.
        if (!paths.insert(file.relPath).second) continue;
        const std::string bytes = readInput(file.absPath);
        const std::string stem = uniqueStem(file.relPath, stems);
        rows.push_back(RowParts{file.relPath, "jsc_emb_mime_" + stem, "jsc_emb_blob_" + stem, bytes.size()});
        out << fileDefinitions(rows.back(), mimeForExtension(file.absPath), bytes);
    }
    out << kRowStruct << "static const JSCembRow jsc_emb_rows[] = {\n";
    for (const RowParts& row : rows) out << rowLine(row);
    out << "};\n\n" << kLookup;
}

}  // namespace

void emitCpp(const std::vector<EmbedFile>& files, const fs::path& outPath) {
    std::ofstream out(outPath, std::ios::out | std::ios::trunc);
    if (!out.good()) throw std::runtime_error("emitCpp: cannot write " + outPath.string());
    try {
        writeTable(out, files);
    } catch (...) {
        // A half-written table would not compile; leave none behind.
        out.close();
        std::error_code ignored;
        fs::remove(outPath, ignored);
        throw;
    }
}

}  // namespace jsc_embed_gen
