// Inlining of a page's local style sheets and scripts.
#include "project/html_inline.h"

#include <optional>
#include <regex>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "support/file_readers.h"

namespace fs = std::filesystem;

namespace jsc_bundle {

namespace {

using Match = std::match_results<std::string::const_iterator>;

// A stretch of the page that holds text inserted from a file.
struct Inserted {
    size_t begin;
    size_t end;
};

// One qualifying tag candidate found in the page's own text.
struct Tag {
    size_t pos;
    size_t len;
    std::string attrs;
};

// What one pass looks for and what it puts in place of a tag.
struct PassRule {
    const std::regex& tagRe;
    const std::regex* relationRe;  // null when any tag of the kind qualifies
    const std::regex& refRe;
    const char* blockTag;
};

// Text from a "<" to the next ">" longer than this is not taken for a tag. The
// pattern engine recurses once per character of a tag, so an unbounded run could
// exhaust the stack; real tags are far shorter.
constexpr size_t kMaxTagLength = 4096;

// The first tag in page[begin, end). Every match of a tag pattern begins at a "<" and
// ends at the first ">" after it, so each "<" is tried against just that stretch.
std::optional<Tag> findInStretch(const std::string& page, size_t begin, size_t end, const std::regex& tagRe) {
    size_t gt = 0;
    for (size_t lt = page.find('<', begin); lt < end; lt = page.find('<', lt + 1)) {
        if (gt <= lt) gt = page.find('>', lt);
        if (gt >= end) return std::nullopt;
        if (gt - lt >= kMaxTagLength) continue;
        Match m;
        if (std::regex_search(page.cbegin() + lt, page.cbegin() + gt + 1, m, tagRe,
                              std::regex_constants::match_continuous)) {
            std::string attrs = m[1].matched && m[1].length() > 0 ? m[1].str() : m[2].str();
            return Tag{lt, static_cast<size_t>(m.length(0)), std::move(attrs)};
        }
    }
    return std::nullopt;
}

// The next tag at or after `from` in the page's own text: each stretch between
// inserted blocks is searched as if it ended where the next block begins.
std::optional<Tag> nextTag(const std::string& page, const std::vector<Inserted>& inserted,
                           const std::regex& tagRe, size_t from) {
    size_t stretchBegin = 0;
    for (size_t i = 0; i <= inserted.size(); ++i) {
        const size_t stretchEnd = i < inserted.size() ? inserted[i].begin : page.size();
        const size_t start = std::max(from, stretchBegin);
        if (start < stretchEnd) {
            if (auto tag = findInStretch(page, start, stretchEnd, tagRe)) return tag;
        }
        if (i < inserted.size()) stretchBegin = inserted[i].end;
    }
    return std::nullopt;
}

// Replaces [pos, pos+len) by `block` and records the block as inserted text.
void insertBlock(std::string& page, std::vector<Inserted>& inserted, size_t pos, size_t len,
                 const std::string& block) {
    page.replace(pos, len, block);
    auto at = inserted.begin();
    while (at != inserted.end() && at->begin < pos) ++at;
    for (auto later = at; later != inserted.end(); ++later) {
        later->begin = later->begin - len + block.size();
        later->end = later->end - len + block.size();
    }
    inserted.insert(at, Inserted{pos, pos + block.size()});
}

// The file a tag's attributes reference, or an empty path when the tag does not qualify.
fs::path referencedFile(const std::string& attrs, const PassRule& rule, const fs::path& root,
                        const fs::path& pageDir) {
    if (rule.relationRe && !std::regex_search(attrs, *rule.relationRe)) return {};
    std::smatch ref;
    if (!std::regex_search(attrs, ref, rule.refRe)) return {};
    return publicChild(root, pageDir, ref[1].str());
}

// One pass: every qualifying tag is replaced by a block holding its file's text,
// the search starting again from the top of the page after each replacement.
void inlinePass(std::string& page, std::vector<Inserted>& inserted, const PassRule& rule, const fs::path& root,
                const fs::path& pageDir) {
    size_t from = 0;
    while (auto tag = nextTag(page, inserted, rule.tagRe, from)) {
        from = tag->pos + tag->len;
        const fs::path file = referencedFile(tag->attrs, rule, root, pageDir);
        if (file.empty()) continue;
        const std::string block = std::string("<") + rule.blockTag + ">/* " + file.filename().string() + " */\n" +
                                  readAll(file) + "</" + rule.blockTag + ">";
        insertBlock(page, inserted, tag->pos, tag->len, block);
        from = 0;
    }
}

}  // namespace

std::string inlineHtmlDeps(const fs::path& pagePath, const fs::path& publishRoot) {
    constexpr auto kFlags = std::regex::ECMAScript | std::regex::icase;
    static const std::regex linkRe(R"(<\s*link([^>]*?)\/\s*>|<\s*link([^>]*)>)", kFlags);
    static const std::regex scriptRe(R"(<\s*script([^>]*?)\/\s*>|<\s*script\b([^>]*)>)", kFlags);
    static const std::regex hrefAttr(R"(href\s*=\s*["']([^"']+)["'])", kFlags);
    static const std::regex srcAttr(R"(src\s*=\s*["']([^"']+)["'])", kFlags);
    static const std::regex relCss(R"(rel\s*=\s*["']stylesheet["'])", kFlags);

    std::string page = readAll(pagePath);
    const fs::path pageDir = pagePath.parent_path();
    std::vector<Inserted> inserted;
    inlinePass(page, inserted, PassRule{linkRe, &relCss, hrefAttr, "style"}, publishRoot, pageDir);
    inlinePass(page, inserted, PassRule{scriptRe, nullptr, srcAttr, "script"}, publishRoot, pageDir);
    return page;
}

std::string readAll(const fs::path& path) {
    // A folder opens like a file but yields no bytes; it is no file to inline.
    std::error_code ec;
    std::optional<std::string> bytes = fs::is_directory(path, ec) ? std::nullopt : readWholeFile(path);
    if (!bytes) throw std::runtime_error("cannot read: " + path.string());
    return std::move(*bytes);
}

}  // namespace jsc_bundle
