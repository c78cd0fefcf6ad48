#include <gtest/gtest.h>

#include "project/scaffold.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

const char* const kSkeleton[] = {"orvan.config.json", "public/style.css", "public/index.html",
                                 "public/app.svg",    "src/main.js",      "src/island.js"};

std::string initCapturingStderr(const fs::path& dir) {
    testing::internal::CaptureStderr();
    cmdInit(dir);
    return testing::internal::GetCapturedStderr();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        out.push_back(text.substr(start, nl - start));
    return out;
}

}  // namespace

TEST(Scaffold, ConfigurationIsSortedWithTwoBlankIndent) {
    TempDir tmp;
    initCapturingStderr(tmp.path() / "p");
    EXPECT_EQ(tmp.read("p/orvan.config.json"),
              "{\n"
              "  \"bundleDependencies\": false,\n"
              "  \"bundleHtml\": [\n"
              "    \"inline public/index.html for dev\"\n"
              "  ],\n"
              "  \"bundlePlatform\": \"node\",\n"
              "  \"controlPlane\": false,\n"
              "  \"entry\": \"src/main.js\",\n"
              "  \"hybrid\": true,\n"
              "  \"publicDir\": \"public\",\n"
              "  \"quickjsIsland\": \"src/island.js\"\n"
              "}\n");
}

TEST(Scaffold, FilesCarryTheirExactLines) {
    TempDir tmp;
    const std::string err = initCapturingStderr(tmp.path() / "p");
    EXPECT_EQ(err, "orvan: scaffolded project in " + (tmp.path() / "p").generic_string() + "\n");
    for (const char* rel : kSkeleton) {
        const std::string text = tmp.read(std::string("p/") + rel);
        ASSERT_FALSE(text.empty()) << rel;
        EXPECT_EQ(text.back(), '\n') << rel;
    }
    EXPECT_EQ(tmp.read("p/src/main.js"), "\"use strict\";\nconsole.log(\"orvan AOT main.js running\");\n");

    const auto island = lines(tmp.read("p/src/island.js"));
    ASSERT_EQ(island.size(), 17u);
    EXPECT_EQ(island[2], "");
    EXPECT_EQ(island[13], "");
    EXPECT_EQ(island[14], "server.listen(48313, \"127.0.0.1\", () => {");
    EXPECT_EQ(island[15], "  console.log(\"orvan island listening on http://127.0.0.1:48313\");");
    EXPECT_EQ(island[16], "});");

    const auto page = lines(tmp.read("p/public/index.html"));
    ASSERT_EQ(page.size(), 12u);
    EXPECT_NE(page[2].find("fetch('orvan://app/__bridge__/'+encodeURIComponent(JSON.stringify({cmd:\"ping\"})))"),
              std::string::npos);
    EXPECT_NE(page[2].find("<img alt=\"demo\" src=\"orvan://app/app.svg\"/><script>"), std::string::npos);
    EXPECT_EQ(page[3], "var o=document.getElementById('o');function L(m){o.textContent+=m+'\\n';}");
    EXPECT_EQ(page[9], " fetch('orvan://app/__bridge__/'+p).then(function(r){return r.text();})");
    EXPECT_EQ(page[11], "</script></body></html>");

    EXPECT_EQ(tmp.read("p/public/app.svg"),
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" height=\"80\"><rect fill=\"#38bdf8\" "
              "width=\"120\" height=\"80\"/><text x=\"12\" y=\"48\" font-size=\"20\" fill=\"#0f172a\">SVG</text>"
              "</svg>\n");
    EXPECT_EQ(tmp.read("p/src/main.js").find("__ORVAN_BUNDLE_HTML__"), std::string::npos);
}

TEST(Scaffold, ExistingFilesAreKeptAndNamed) {
    TempDir tmp;
    tmp.write("p/orvan.config.json", "{\"entry\": \"app.js\"}");
    tmp.write("p/public/style.css", "");
    const std::string err = initCapturingStderr(tmp.path() / "p");
    EXPECT_EQ(tmp.read("p/orvan.config.json"), "{\"entry\": \"app.js\"}");
    EXPECT_EQ(tmp.read("p/public/style.css"), "");
    EXPECT_EQ(err,
              "orvan: kept existing orvan.config.json\n"
              "orvan: kept existing public/style.css\n"
              "orvan: scaffolded project in " +
                  (tmp.path() / "p").generic_string() + "\n");
    EXPECT_FALSE(tmp.read("p/public/index.html").empty());
    EXPECT_FALSE(tmp.read("p/src/island.js").empty());
}

TEST(Scaffold, ALinkInPlaceOfAFileIsNotWrittenThrough) {
    TempDir tmp;
    fs::create_directories(tmp.path() / "p/src");
    fs::create_symlink(tmp.path() / "elsewhere.js", tmp.path() / "p/src/main.js");
    const std::string err = initCapturingStderr(tmp.path() / "p");
    EXPECT_FALSE(fs::exists(tmp.path() / "elsewhere.js"));
    EXPECT_NE(err.find("orvan: kept existing src/main.js\n"), std::string::npos);
}

TEST(Scaffold, AFileInTheWayOfAFolderFailsBeforeAnyWrite) {
    TempDir tmp;
    tmp.write("p/src", "not a folder");
    EXPECT_THROW(cmdInit(tmp.path() / "p"), fs::filesystem_error);
    EXPECT_FALSE(fs::exists(tmp.path() / "p/orvan.config.json"));
}

TEST(Scaffold, AnEmptyFolderNameIsRefusedBeforeAnyWrite) {
    TempDir tmp;
    const fs::path before = fs::current_path();
    fs::current_path(tmp.path());
    EXPECT_THROW(cmdInit(fs::path()), std::runtime_error);
    fs::current_path(before);
    EXPECT_TRUE(fs::is_empty(tmp.path()));
}
