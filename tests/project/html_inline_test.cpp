#include <gtest/gtest.h>

#include <stdexcept>

#include "project/html_inline.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

// A publish root "pub" inside a temporary folder, with a page written on demand.
class HtmlInline : public testing::Test {
protected:
    fs::path root() const { return tmp.path() / "pub"; }
    void file(const std::string& rel, const std::string& text) { tmp.write("pub/" + rel, text); }
    std::string inlinePage(const std::string& page) {
        file("index.html", page);
        return jsc_bundle::inlineHtmlDeps(root() / "index.html", root());
    }
    fs::path child(const std::string& ref) { return jsc_bundle::publicChild(root(), root(), ref); }

    TempDir tmp;
};

}  // namespace

TEST_F(HtmlInline, StyleSheetLinkBecomesAStyleBlock) {
    file("style.css", "h1{color:red}\n");
    EXPECT_EQ(inlinePage("<head><link rel=\"stylesheet\" href=\"style.css\"/></head>"),
              "<head><style>/* style.css */\nh1{color:red}\n</style></head>");
}

TEST_F(HtmlInline, ScriptTagIsReplacedAndItsEndTagStays) {
    file("app.bundle.js", "run();");
    EXPECT_EQ(inlinePage("<script type=\"module\" src=\"app.bundle.js\" defer></script>"),
              "<script>/* app.bundle.js */\nrun();</script></script>");
    EXPECT_EQ(inlinePage("<script src='app.bundle.js' />x"), "<script>/* app.bundle.js */\nrun();</script>x");
}

TEST_F(HtmlInline, NamesMatchInAnyCaseButFilesExactly) {
    file("Site.css", "a{}");
    EXPECT_EQ(inlinePage("<LINK REL=\"STYLESHEET\" HREF=\"Site.css\">"), "<style>/* Site.css */\na{}</style>");
    const std::string wrongCase = "<link rel=\"stylesheet\" href=\"site.css\">";
    EXPECT_EQ(inlinePage(wrongCase), wrongCase);
}

TEST_F(HtmlInline, TagsThatDoNotQualifyStay) {
    file("style.css", "a{}");
    file("icon.png", "png");
    const std::string page =
        "<link rel=\"icon\" href=\"icon.png\"><link rel=\"preload\" href=\"style.css\">"
        "<link rel=\"alternate stylesheet\" href=\"style.css\"><link rel=stylesheet href=\"style.css\">"
        "<script>inline()</script><scripts src=\"style.css\">";
    EXPECT_EQ(inlinePage(page), page);
}

TEST_F(HtmlInline, AttributeNamesAreFoundInsideLongerNamesAndTheFirstWins) {
    file("a.js", "A");
    file("b.js", "B");
    file("s.css", "S");
    EXPECT_EQ(inlinePage("<script data-src=\"a.js\" src=\"b.js\"></script>"), "<script>/* a.js */\nA</script></script>");
    EXPECT_EQ(inlinePage("<link data-rel=\"stylesheet\" data-href=\"s.css\" title=\"why? *\">"),
              "<style>/* s.css */\nS</style>");
}

TEST_F(HtmlInline, RepeatedFilesNestedFoldersAndEmptyFiles) {
    file("css/site.css", "x");
    file("empty.js", "");
    EXPECT_EQ(inlinePage("<link rel='stylesheet' href='css/site.css'>|<link rel='stylesheet' href='css/site.css'>"
                         "<script src=\"empty.js\"></script>"),
              "<style>/* site.css */\nx</style>|<style>/* site.css */\nx</style>"
              "<script>/* empty.js */\n</script></script>");
}

TEST_F(HtmlInline, MissingFilesAndQueryStringsLeaveTheTag) {
    file("app.js", "A");
    const std::string page = "<script src=\"missing.js\"></script><script src=\"app.js?v=1\"></script>";
    EXPECT_EQ(inlinePage(page), page);
}

TEST_F(HtmlInline, InsertedTextIsNotSearchedAgain) {
    // A sheet that links itself, and two scripts that name each other.
    file("self.css", "<link rel=\"stylesheet\" href=\"self.css\">");
    file("a.js", "<script src=\"b.js\"></script>");
    file("b.js", "<script src=\"a.js\"></script>");
    EXPECT_EQ(inlinePage("<link rel=\"stylesheet\" href=\"self.css\">"
                         "<script src=\"a.js\"></script><script src=\"b.js\"></script>"),
              "<style>/* self.css */\n<link rel=\"stylesheet\" href=\"self.css\"></style>"
              "<script>/* a.js */\n<script src=\"b.js\"></script></script></script>"
              "<script>/* b.js */\n<script src=\"a.js\"></script></script></script>");
}

TEST_F(HtmlInline, LongRunsWithoutATagEndAreHandledWithoutHarm) {
    file("s.css", "S");
    const std::string unclosed = "<link rel=\"stylesheet\" href=\"s.css\" " + std::string(200000, 'x');
    EXPECT_EQ(inlinePage(unclosed), unclosed);
    const std::string overlong = "<link rel=\"stylesheet\" href=\"s.css\" title=\"" + std::string(5000, 'x') + "\">";
    EXPECT_EQ(inlinePage(overlong), overlong);
    EXPECT_EQ(inlinePage("<" + std::string(200000, '-') + "<link title=\"<\" rel='stylesheet' href='s.css'>"),
              "<" + std::string(200000, '-') + "<style>/* s.css */\nS</style>");
}

TEST_F(HtmlInline, PageInASubfolderResolvesAgainstItsOwnFolder) {
    file("docs/page.html", "<script src=\"../app.js\"></script><script src=\"../../out.js\"></script>");
    file("app.js", "A");
    tmp.write("out.js", "outside");
    EXPECT_EQ(jsc_bundle::inlineHtmlDeps(root() / "docs/page.html", root()),
              "<script>/* app.js */\nA</script></script><script src=\"../../out.js\"></script>");
}

TEST_F(HtmlInline, ReferencesThatLeaveTheRootAreRefused) {
    file("style.css", "a{}");
    file("sub/x.txt", "x");
    tmp.write("secret.txt", "secret");
    EXPECT_EQ(child(""), fs::path());
    EXPECT_EQ(child("/style.css"), fs::path());
    EXPECT_EQ(child("//style.css"), fs::path());
    EXPECT_EQ(child("../secret.txt"), fs::path());
    EXPECT_EQ(child("sub/../../secret.txt"), fs::path());
    EXPECT_EQ(child((tmp.path() / "secret.txt").string()), fs::path());
    EXPECT_EQ(child("sub/../style.css"), root() / "style.css");
    EXPECT_EQ(child("./sub/x.txt"), root() / "sub/x.txt");
}

TEST_F(HtmlInline, SymbolicLinksMustStayInsideTheRoot) {
    file("style.css", "a{}");
    tmp.write("secret.css", "secret");
    fs::create_symlink(tmp.path() / "secret.css", root() / "leak.css");
    fs::create_symlink(root() / "style.css", root() / "alias.css");
    fs::create_directory_symlink(tmp.path(), root() / "up");
    EXPECT_EQ(child("leak.css"), fs::path());
    EXPECT_EQ(child("up/secret.css"), fs::path());
    EXPECT_EQ(child("alias.css"), root() / "alias.css");
    EXPECT_TRUE(jsc_bundle::pathUnderPublishRoot(root(), root()));
    EXPECT_FALSE(jsc_bundle::pathUnderPublishRoot(root(), root() / "leak.css"));
    const std::string page = "<link rel=\"stylesheet\" href=\"leak.css\">";
    EXPECT_EQ(inlinePage(page), page);
}

TEST_F(HtmlInline, UnreadableFilesEndTheStepWithTheirPath) {
    try {
        jsc_bundle::inlineHtmlDeps(root() / "none.html", root());
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "cannot read: " + (root() / "none.html").string());
    }
    file("dir/keep.txt", "");
    EXPECT_THROW(inlinePage("<script src=\"dir\"></script>"), std::runtime_error);
    EXPECT_EQ(jsc_bundle::readAll(tmp.write("nul.bin", std::string("a\0\r\nb", 5))), std::string("a\0\r\nb", 5));
}
