// The generated asset source of fixtures/public, compiled into this program.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "runtime/jsc_embed.h"

namespace {

std::string fixtureBytes(const std::string& rel) {
    std::ifstream in(std::string(ASSET_FIXTURE) + "/" + rel, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Found {
    bool ok = false;
    std::string bytes;
    std::string mime;
};

Found lookup(const char* path) {
    const unsigned char* data = nullptr;
    size_t len = 0;
    const char* mime = nullptr;
    Found f;
    f.ok = jsc_embed_lookup(path, &data, &len, &mime) == 1;
    if (f.ok) {
        f.bytes.assign(reinterpret_cast<const char*>(data), len);
        f.mime = mime;
    }
    return f;
}

}  // namespace

TEST(AssetLookup, ReturnsEachFilesBytesAndMimeType) {
    const struct {
        const char* rel;
        const char* mime;
    } cases[] = {
        {"index.html", "text/html; charset=utf-8"},
        {"style.css", "text/css; charset=utf-8"},
        {"logo.png", "image/png"},
        {"empty.txt", "text/plain; charset=utf-8"},
        {"nested/data/info.json", "application/json; charset=utf-8"},
    };
    for (const auto& c : cases) {
        const Found f = lookup(c.rel);
        ASSERT_TRUE(f.ok) << c.rel;
        EXPECT_EQ(f.bytes, fixtureBytes(c.rel)) << c.rel;
        EXPECT_EQ(f.mime, c.mime) << c.rel;
    }
    EXPECT_GT(lookup("logo.png").bytes.size(), 8u);
}

TEST(AssetLookup, EmptyFileGivesAnEmptyStringNotNull) {
    const unsigned char* data = nullptr;
    size_t len = 99;
    const char* mime = nullptr;
    ASSERT_EQ(jsc_embed_lookup("empty.txt", &data, &len, &mime), 1);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(len, 0u);
    EXPECT_EQ(data[0], 0);
}

TEST(AssetLookup, LeadingSlashesAreSkippedButNothingElseIsDecoded) {
    EXPECT_TRUE(lookup("/index.html").ok);
    EXPECT_TRUE(lookup("//index.html").ok);
    EXPECT_TRUE(lookup("/nested/data/info.json").ok);
    EXPECT_FALSE(lookup("index.html?v=1").ok);
    EXPECT_FALSE(lookup("Index.html").ok);
    EXPECT_FALSE(lookup("nested").ok);
    EXPECT_FALSE(lookup("").ok);
}

TEST(AssetLookup, NullArgumentsAndMissesLeaveOutputsUntouched) {
    const unsigned char* data = nullptr;
    size_t len = 7;
    const char* mime = "unchanged";
    EXPECT_EQ(jsc_embed_lookup(nullptr, &data, &len, &mime), 0);
    EXPECT_EQ(jsc_embed_lookup("index.html", nullptr, &len, &mime), 0);
    EXPECT_EQ(jsc_embed_lookup("index.html", &data, nullptr, &mime), 0);
    EXPECT_EQ(jsc_embed_lookup("index.html", &data, &len, nullptr), 0);
    EXPECT_EQ(jsc_embed_lookup("missing.html", &data, &len, &mime), 0);
    EXPECT_EQ(len, 7u);
    EXPECT_STREQ(mime, "unchanged");
}
