#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/ast.h"
#include "frontend/lone_surrogates.h"
#include "frontend/syntax_tree_reader.h"

using nlohmann::json;

namespace {

// Where two trees first differ, or "" when they are the same.
std::string difference(const ASTNode& a, const ASTNode& b, const std::string& at = "root") {
    if (a.type != b.type) return at + ": type " + a.type + " vs " + b.type;
    if (a.json != b.json) return at + ": json " + a.json.dump() + " vs " + b.json.dump();
    if (a.children.size() != b.children.size()) return at + ": child count";
    for (std::size_t i = 0; i < a.children.size(); ++i) {
        std::string d = difference(a.children[i], b.children[i], at + "/" + std::to_string(i));
        if (!d.empty()) return d;
    }
    return "";
}

// The message of what reading throws, or "no error".
std::string readError(const std::string& text) {
    try {
        readSyntaxTree(text, false);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

std::string nested(std::size_t levels, const std::string& open, const std::string& inner, const std::string& close) {
    std::string text;
    for (std::size_t i = 1; i < levels; ++i) text += open;
    text += inner;
    for (std::size_t i = 1; i < levels; ++i) text += close;
    return text;
}

}  // namespace

TEST(SyntaxTreeReader, BuildsTheTreeTheJsonReaderBuilds) {
    const char* const samples[] = {
        // named types with optional, null and missing members; type not the first member
        R"({"body":[{"type":"ExpressionStatement","expression":{"type":"CallExpression","callee":{"type":
           "MemberExpression","computed":false,"object":{"type":"Identifier","name":"console"},"property":
           {"type":"Identifier","name":"log"}},"arguments":[{"type":"Literal","value":"hi","raw":"'hi'"}]}},
           {"type":"IfStatement","test":{"type":"Identifier","name":"a"},"consequent":{"type":"BlockStatement",
           "body":[]},"alternate":null}],"type":"Program","sourceType":"script"})",
        // holes and non-objects in arrays, nested arrays in members and in elements
        R"({"type":"ArrayExpression","elements":[{"type":"Literal","value":1},null,3,[{"type":"X"}],
           {"type":"Identifier","name":"b"}],"extra":[[1,2],[]],"flags":{"a":[1],"b":{"c":1},"d":"e"}})",
        // the generic rule, leaves whose members hold objects, objects that are no child at all
        R"({"type":"Mystery","params":[{"type":"P","deep":{"type":"Q","name":"q"}}],"id":{"type":"Id"},
           "init":{"type":"In"},"right":{"type":"R"},"left":{"type":"L"},"arguments":[{"type":"A1"}],
           "callee":{"type":"C"},"alternate":{"type":"Alt"},"consequent":[{"type":"Con"}],"argument":7,
           "expression":true,"declarations":null,"body":[{"type":"B"}],"other":{"type":"O","body":[{"type":"Z"}]}})",
        R"({"type":"Literal","value":{},"raw":"/a/g","regex":{"pattern":"a","flags":"g"}})",
        R"({"type":"TemplateLiteral","quasis":[{"type":"TemplateElement","value":{"raw":"x","cooked":"x"},
           "tail":false}],"expressions":[{"type":"CallExpression","callee":{"type":"Identifier","name":"f"},
           "arguments":[]}]})",
        R"({"left":{"type":"Identifier"},"body":{"type":"BlockStatement"}})",
        R"({"type":7,"argument":{"type":"Literal"}})",
        // siblings and cousins of different shapes, read one after another at the same depths
        R"({"type":"Program","body":[{"type":"VariableDeclaration","kind":"var","declarations":[{"type":
           "VariableDeclarator","id":{"type":"Identifier","name":"a"},"init":{"type":"ObjectExpression",
           "properties":[{"type":"Property","key":{"type":"Identifier","name":"k"},"value":{"type":"Literal",
           "value":1,"raw":"1"},"computed":false,"kind":"init"}]}}]},{"type":"EmptyStatement"},{"type":
           "ExpressionStatement","expression":{"type":"Identifier","name":"b"}},{"type":"BlockStatement",
           "body":[]}]})",
        // escapes, non-ASCII text, numbers of every kind, a repeated key (the last one counts)
        R"({"type":"Literal","value":"q\"b\\s\/n\n\t\b\f\r\u0001\u00e9\ud83d\ude00 \u2028","raw":"é😀",
           "n":[0,-1,1.5,-0.0,1e300,2.5E-8,18446744073709551615,-9223372036854775808,12345678901234567890123],
           "t":true,"f":false,"z":null,"dup":1,"dup":{"type":"Identifier","name":"last"}})",
    };
    for (const char* text : samples) {
        const ASTNode expected = Parser::parseNode(json::parse(text));
        const ASTNode actual = readSyntaxTree(text, false);
        EXPECT_EQ(difference(actual, expected), "") << text;
    }
}

TEST(SyntaxTreeReader, LoneSurrogatesComeBackInValuesOnly) {
    bool sheltered = false;
    const std::string text = shelterLoneSurrogates(
        std::string(R"({"type":"Literal","value":"a\ud800b","list":[{"type":"Identifier","name":"\udc00"}]})"),
        &sheltered);
    ASSERT_TRUE(sheltered);
    const ASTNode node = readSyntaxTree(text, true);
    EXPECT_EQ(node.json["value"].get<std::string>(), "a\xED\xA0\x80" "b");
    EXPECT_EQ(node.json["list"][0]["name"].get<std::string>(), "\xED\xB0\x80");

    // Text without a lone surrogate comes back as it was.
    const std::string plain = R"({"type":"Literal","value":"\ud83d\ude00 \\ud800"})";
    EXPECT_EQ(shelterLoneSurrogates(std::string(plain), &sheltered), plain);
    EXPECT_FALSE(sheltered);
}

TEST(SyntaxTreeReader, MalformedTextFailsAsTheJsonReaderDoes) {
    for (const std::string& text : std::vector<std::string>{"", "{", R"({"type":"X",})", R"({"type":"X"} x)", R"({"a":[1,2})",
                                   R"({"a":"\ud800"})", R"({"a":01})", "[" + std::string(3000, '[')}) {
        std::string expected = "no error";
        try {
            (void)json::parse(text);
        } catch (const json::parse_error& e) {
            expected = e.what();
        }
        EXPECT_EQ(readError(text), expected) << text;
    }
    EXPECT_EQ(readError("null"), "Parser::parseNode: expected JSON object, got null");
    EXPECT_EQ(readError("[{}]"), "Parser::parseNode: expected JSON object, got array");
    EXPECT_EQ(readError("\"x\""), "Parser::parseNode: expected JSON object, got string");
    EXPECT_EQ(readError("1.5"), "Parser::parseNode: expected JSON object, got number");
    EXPECT_EQ(readError("true"), "Parser::parseNode: expected JSON object, got boolean");
}

TEST(SyntaxTreeReader, DepthIsBounded) {
    const std::string deepest =
        nested(kMaxSyntaxTreeDepth, R"({"type":"UnaryExpression","argument":)", R"({"type":"Literal"})", "}");
    const ASTNode node = readSyntaxTree(deepest, false);
    std::size_t levels = 1;
    for (const ASTNode* n = &node; !n->children.empty(); n = &n->children[0]) ++levels;
    EXPECT_EQ(levels, kMaxSyntaxTreeDepth);

    const std::string tooDeep = "syntax tree nested deeper than 1000 levels";
    EXPECT_EQ(readError(nested(kMaxSyntaxTreeDepth + 1, R"({"type":"UnaryExpression","argument":)",
                               R"({"type":"Literal"})", "}")),
              tooDeep);
    EXPECT_EQ(readError(nested(100000, "[", "1", "]")), tooDeep);
    EXPECT_EQ(readError(nested(100000, R"({"a":)", "{}", "}")), tooDeep);
    // A syntax error after the depth is passed is still the error reported.
    EXPECT_NE(readError(nested(2000, "[", "1", "]") + "]").find("parse_error"), std::string::npos);
}
