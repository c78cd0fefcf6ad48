#include <gtest/gtest.h>

#include <stdexcept>

#include "project/asset_table.h"
#include "temp_dir.h"

namespace fs = std::filesystem;
using jsc_embed_gen::EmbedFile;

namespace {

const char* const kRowStructAndLookup[] = {
    "typedef struct JSCembRow {",
    "    const char *path;",
    "    const unsigned char *data;",
    "    size_t len;",
    "    const char *mime;",
    "} JSCembRow;",
    "",
    "static const JSCembRow jsc_emb_rows[] = {",
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        out.push_back(text.substr(start, nl - start));
    EXPECT_EQ(start, text.size()) << "text does not end with a line feed";
    return out;
}

// The asset source of the whole folder `tmp/pub`.
std::string emitFolder(const TempDir& tmp) {
    jsc_embed_gen::emitCpp(jsc_embed_gen::listPublicRecursive(tmp.path() / "pub"), tmp.path() / "jsc_assets.cpp");
    return tmp.read("jsc_assets.cpp");
}

std::vector<std::string> relPaths(const std::vector<EmbedFile>& files) {
    std::vector<std::string> out;
    for (const auto& f : files) out.push_back(f.relPath);
    return out;
}

}  // namespace

TEST(AssetTable, SingleTextFileGivesTheWholeFileLineByLine) {
    TempDir tmp;
    tmp.write("pub/a.txt", "abc");
    std::vector<std::string> want = {
        "#include \"runtime/jsc_embed.h\"",
        "#include <string.h>",
        "",
        "static const char jsc_emb_mime_a_txt[] = \"text/plain; charset=utf-8\";",
        "static const unsigned char jsc_emb_blob_a_txt[] = {",
        "  0x61,0x62,0x63",
        "};",
        "",
    };
    want.insert(want.end(), std::begin(kRowStructAndLookup), std::end(kRowStructAndLookup));
    want.push_back("    { \"a.txt\" , jsc_emb_blob_a_txt , (size_t)3 , jsc_emb_mime_a_txt },");
    want.push_back("};");
    want.push_back("");
    want.push_back("extern \"C\" int jsc_embed_lookup(const char *path_in,");
    // The rest of the lookup runs in the compiled lookup tests.
    const auto got = linesOf(emitFolder(tmp));
    ASSERT_EQ(got.size(), 43u);
    EXPECT_EQ(std::vector<std::string>(got.begin(), got.begin() + 20), want);
    EXPECT_EQ(got.back(), "}");
}

TEST(AssetTable, SixteenValuesALine) {
    TempDir tmp;
    tmp.write("pub/a16.bin", std::string(16, 'A'));
    tmp.write("pub/b17.bin", std::string(17, 'B'));
    const std::string out = emitFolder(tmp);
    std::string sixteenA, sixteenB;
    for (int i = 0; i < 16; ++i) sixteenA += std::string(i ? "," : "") + "0x41";
    for (int i = 0; i < 16; ++i) sixteenB += std::string(i ? "," : "") + "0x42";
    EXPECT_NE(out.find("jsc_emb_blob_a16_bin[] = {\n  " + sixteenA + "\n};\n\n"), std::string::npos);
    EXPECT_NE(out.find("jsc_emb_blob_b17_bin[] = {\n  " + sixteenB + ",\n  0x42\n};\n\n"), std::string::npos);
}

TEST(AssetTable, EmptyFileHasAMimeStringButNoArray) {
    TempDir tmp;
    tmp.write("pub/empty.css", "");
    const std::string out = emitFolder(tmp);
    EXPECT_NE(out.find("static const char jsc_emb_mime_empty_css[] = \"text/css; charset=utf-8\";\ntypedef"),
              std::string::npos);
    EXPECT_EQ(out.find("jsc_emb_blob_empty_css"), std::string::npos);
    EXPECT_NE(out.find("    { \"empty.css\" , NULL , (size_t)0 , jsc_emb_mime_empty_css },\n"), std::string::npos);
}

TEST(AssetTable, ListIsSortedByteWiseAndSkipsDotDotNames) {
    TempDir tmp;
    tmp.write("pub/style.css", "s");
    tmp.write("pub/index.html", "i");
    tmp.write("pub/img/logo.png", "p");
    tmp.write("pub/Zebra.txt", "z");
    tmp.write("pub/a..b.js", "x");
    const auto files = jsc_embed_gen::listPublicRecursive(tmp.path() / "pub");
    EXPECT_EQ(relPaths(files), (std::vector<std::string>{"Zebra.txt", "img/logo.png", "index.html", "style.css"}));
    EXPECT_EQ(files[1].absPath, tmp.path() / "pub/img/logo.png");
}

TEST(AssetTable, LinksToFoldersAreNotEnteredAndLinksOutsideAreSkipped) {
    TempDir tmp;
    tmp.write("pub/real/x.js", "x");
    tmp.write("outside.js", "o");
    fs::create_directory_symlink(tmp.path() / "pub/real", tmp.path() / "pub/dirlink");
    fs::create_symlink(tmp.path() / "outside.js", tmp.path() / "pub/out.js");
    fs::create_symlink(tmp.path() / "nowhere.js", tmp.path() / "pub/dangling.js");
    fs::create_symlink(tmp.path() / "pub/loop.js", tmp.path() / "pub/loop.js");
    EXPECT_EQ(relPaths(jsc_embed_gen::listPublicRecursive(tmp.path() / "pub")), std::vector<std::string>{"real/x.js"});
}

TEST(AssetTable, ALinkToAFileInsideGivesOneRowTypedByTheTarget) {
    TempDir tmp;
    tmp.write("pub/app.js", "a");
    fs::create_symlink(tmp.path() / "pub/app.js", tmp.path() / "pub/alias.txt");
    const std::string out = emitFolder(tmp);
    EXPECT_NE(out.find("jsc_emb_mime_app_js[] = \"text/javascript; charset=utf-8\";"), std::string::npos);
    EXPECT_EQ(out.find("{ \"app.js\""), out.rfind("{ \"app.js\""));
    EXPECT_EQ(out.find("jsc_emb_mime_app_js_2"), std::string::npos);
}

TEST(AssetTable, PathsThatSanitiseAlikeGetDistinctSymbols) {
    TempDir tmp;
    tmp.write("pub/a-b.js", "1");
    tmp.write("pub/a_b.js", "2");
    tmp.write("pub/a_b_js_2", "3");
    tmp.write("pub/1.txt", "4");
    const std::string out = emitFolder(tmp);
    EXPECT_NE(out.find("{ \"a-b.js\" , jsc_emb_blob_a_b_js , (size_t)1 , jsc_emb_mime_a_b_js },"), std::string::npos);
    EXPECT_NE(out.find("{ \"a_b.js\" , jsc_emb_blob_a_b_js_2 , (size_t)1 , jsc_emb_mime_a_b_js_2 },"),
              std::string::npos);
    EXPECT_NE(out.find("{ \"a_b_js_2\" , jsc_emb_blob_a_b_js_2_2 ,"), std::string::npos);
    EXPECT_NE(out.find("{ \"1.txt\" , jsc_emb_blob__1_txt , (size_t)1 , jsc_emb_mime__1_txt },"), std::string::npos);
}

TEST(AssetTable, QuotesAndBackslashesInPathsAreEscaped) {
    TempDir tmp;
    tmp.write("pub/say\"hi\\.txt", "q");
    EXPECT_NE(emitFolder(tmp).find("    { \"say\\\"hi\\\\.txt\" , jsc_emb_blob_say_hi__txt ,"), std::string::npos);
}

TEST(AssetTable, LineEndsInPathsStayInsideTheStringLiteral) {
    TempDir tmp;
    tmp.write("pub/crlf\r\n.txt", "q");
    EXPECT_NE(emitFolder(tmp).find("    { \"crlf\\015\\n.txt\" , jsc_emb_blob_crlf___txt ,"), std::string::npos);
}

TEST(AssetTable, ControlBytesInPathsBecomeOctalEscapes) {
    TempDir tmp;
    tmp.write("pub/a\rb\t1.txt", "q");
    const std::string out = emitFolder(tmp);
    EXPECT_NE(out.find("    { \"a\\015b\\0111.txt\" , "), std::string::npos) << out;
    EXPECT_EQ(out.find('\r'), std::string::npos);
}

TEST(AssetTable, MimeTypesByLowerCasedExtension) {
    using jsc_embed_gen::mimeForExtension;
    EXPECT_EQ(mimeForExtension("LOGO.PNG"), "image/png");
    EXPECT_EQ(mimeForExtension("a/page.HTM"), "text/html; charset=utf-8");
    EXPECT_EQ(mimeForExtension("font.woff2"), "font/woff2");
    EXPECT_EQ(mimeForExtension("x.mjs"), "text/javascript; charset=utf-8");
    EXPECT_EQ(mimeForExtension("notes.md"), "application/octet-stream");
    EXPECT_EQ(mimeForExtension("Makefile"), "application/octet-stream");
    EXPECT_EQ(mimeForExtension(".htaccess"), "application/octet-stream");
    EXPECT_EQ(mimeForExtension("archive.tar.gz"), "application/octet-stream");
}

TEST(AssetTable, FailuresNameTheirPathAndLeaveNoPartialOutput) {
    TempDir tmp;
    const std::vector<EmbedFile> files = {{"a.txt", tmp.write("pub/a.txt", "abc")},
                                          {"gone.txt", tmp.path() / "pub/gone.txt"}};
    const fs::path out = tmp.path() / "jsc_assets.cpp";
    try {
        jsc_embed_gen::emitCpp(files, out);
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "cannot open " + (tmp.path() / "pub/gone.txt").string());
    }
    EXPECT_FALSE(fs::exists(out));

    try {
        jsc_embed_gen::emitCpp(files, tmp.path() / "no/such/dir/out.cpp");
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "emitCpp: cannot write " + (tmp.path() / "no/such/dir/out.cpp").string());
    }
}
