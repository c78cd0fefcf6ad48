#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/ast.h"

using nlohmann::json;

namespace {

ASTNode read(const std::string& text) { return Parser::parseNode(json::parse(text)); }

// The types of a node's children, in order.
std::vector<std::string> childTypes(const ASTNode& node) {
    std::vector<std::string> types;
    for (const ASTNode& child : node.children) types.push_back(child.type);
    return types;
}

using Types = std::vector<std::string>;

}  // namespace

TEST(AstReader, OptionalFieldsShiftPositions) {
    EXPECT_EQ(childTypes(read(R"({"type":"IfStatement","test":{"type":"Identifier"},
        "consequent":{"type":"BlockStatement","body":[]},"alternate":null})")),
              (Types{"Identifier", "BlockStatement"}));
    EXPECT_EQ(childTypes(read(R"({"type":"IfStatement","test":{"type":"Identifier"},
        "consequent":{"type":"BlockStatement"},"alternate":{"type":"EmptyStatement"}})")),
              (Types{"Identifier", "BlockStatement", "EmptyStatement"}));
    EXPECT_EQ(childTypes(read(R"({"type":"ForStatement","init":null,"test":null,"update":null,
        "body":{"type":"BlockStatement"}})")),
              (Types{"BlockStatement"}));
    EXPECT_EQ(childTypes(read(R"({"type":"ForStatement","init":{"type":"VariableDeclaration"},"test":null,
        "update":{"type":"UpdateExpression"},"body":{"type":"EmptyStatement"}})")),
              (Types{"VariableDeclaration", "UpdateExpression", "EmptyStatement"}));
    EXPECT_EQ(childTypes(read(R"({"type":"FunctionExpression","id":null,
        "params":[{"type":"Identifier"},{"type":"ObjectPattern"}],"body":{"type":"BlockStatement"}})")),
              (Types{"Identifier", "ObjectPattern", "BlockStatement"}));
    EXPECT_EQ(childTypes(read(R"({"type":"FunctionDeclaration","id":{"type":"Identifier"},"params":[],
        "body":{"type":"BlockStatement"}})")),
              (Types{"Identifier", "BlockStatement"}));
    EXPECT_EQ(read(R"({"type":"VariableDeclarator","id":{"type":"Identifier"},"init":null})").children.size(), 1u);
    EXPECT_TRUE(read(R"({"type":"ReturnStatement","argument":null})").children.empty());
    EXPECT_TRUE(read(R"({"type":"BreakStatement","label":null})").children.empty());
    EXPECT_EQ(childTypes(read(R"({"type":"CatchClause","param":null,"body":{"type":"BlockStatement"}})")),
              (Types{"BlockStatement"}));
    EXPECT_EQ(childTypes(read(R"({"type":"TryStatement","block":{"type":"BlockStatement"},"handler":null,
        "finalizer":{"type":"EmptyStatement"}})")),
              (Types{"BlockStatement", "EmptyStatement"}));
    EXPECT_EQ(childTypes(read(R"({"type":"SwitchCase","test":null,
        "consequent":[{"type":"BreakStatement"},{"type":"EmptyStatement"}]})")),
              (Types{"BreakStatement", "EmptyStatement"}));
    EXPECT_EQ(childTypes(read(R"({"type":"CallExpression","callee":{"type":"Identifier"},"arguments":[]})")),
              (Types{"Identifier"}));
}

TEST(AstReader, ArrayHolesAndNonObjectsAreSkipped) {
    ASTNode arr = read(R"({"type":"ArrayExpression","elements":[{"type":"Literal"},null,{"type":"Identifier"},3]})");
    EXPECT_EQ(childTypes(arr), (Types{"Literal", "Identifier"}));
    // "consequent" is an object in conditionals, so an array there contributes nothing.
    EXPECT_EQ(childTypes(read(R"({"type":"ConditionalExpression","test":{"type":"Identifier"},
        "consequent":[{"type":"Literal"}],"alternate":{"type":"Literal"}})")),
              (Types{"Identifier", "Literal"}));
}

TEST(AstReader, LeavesHaveNoChildrenWhateverTheirJson) {
    ASTNode regex = read(R"({"type":"Literal","value":{},"regex":{"type":"X","pattern":"a"}})");
    EXPECT_TRUE(regex.children.empty());
    EXPECT_EQ(regex.json["regex"]["pattern"], "a");
    EXPECT_TRUE(read(R"({"type":"Identifier","body":{"type":"X"}})").children.empty());
}

TEST(AstReader, GenericRuleForUnnamedTypes) {
    EXPECT_EQ(childTypes(read(R"({"type":"ArrowFunctionExpression","params":[{"type":"Identifier"}],
        "body":{"type":"BinaryExpression","left":null},"expression":true,"id":null})")),
              (Types{"BinaryExpression", "Identifier"}));
    EXPECT_EQ(childTypes(read(R"({"type":"ForOfStatement","left":{"type":"VariableDeclaration"},
        "right":{"type":"Identifier"},"body":{"type":"BlockStatement"}})")),
              (Types{"BlockStatement", "VariableDeclaration", "Identifier"}));
    EXPECT_EQ(childTypes(read(R"({"type":"ClassDeclaration","id":{"type":"Identifier"},
        "superClass":null,"body":{"type":"ClassBody","body":[]}})")),
              (Types{"ClassBody", "Identifier"}));
    EXPECT_EQ(childTypes(read(R"({"type":"LabeledStatement","label":{"type":"Identifier"},
        "body":{"type":"ForStatement"}})")),
              (Types{"ForStatement"}));
    EXPECT_TRUE(read(R"({"type":"TemplateLiteral","quasis":[{"type":"TemplateElement"}],
        "expressions":[{"type":"Identifier"}]})").children.empty());
    // All 13 generic fields, given in reverse, come out in the fixed order.
    ASTNode all = read(R"({"type":"Mystery","params":[{"type":"P"}],"id":{"type":"Id"},"init":{"type":"In"},
        "right":{"type":"R"},"left":{"type":"L"},"arguments":[{"type":"A1"},{"type":"A2"}],"callee":{"type":"C"},
        "alternate":{"type":"Alt"},"consequent":[{"type":"Con"}],"argument":{"type":"Arg"},
        "expression":{"type":"E"},"declarations":[{"type":"D"}],"body":[{"type":"B"}]})");
    EXPECT_EQ(childTypes(all),
              (Types{"B", "D", "E", "Arg", "Con", "Alt", "C", "A1", "A2", "L", "R", "In", "Id", "P"}));
}

TEST(AstReader, TypeMissingOrNotAStringIsUnknown) {
    ASTNode noType = read(R"({"left":{"type":"Identifier"},"body":{"type":"BlockStatement"}})");
    EXPECT_EQ(noType.type, "<unknown>");
    EXPECT_EQ(childTypes(noType), (Types{"BlockStatement", "Identifier"}));
    EXPECT_EQ(read(R"({"type":7,"argument":{"type":"Literal"}})").type, "<unknown>");
}

TEST(AstReader, RootMustBeAnObject) {
    auto message = [](const json& j) {
        try {
            Parser::parseNode(j);
        } catch (const std::runtime_error& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message(json(nullptr)), "Parser::parseNode: expected JSON object, got null");
    EXPECT_EQ(message(json::array()), "Parser::parseNode: expected JSON object, got array");
    EXPECT_EQ(message(json("x")), "Parser::parseNode: expected JSON object, got string");
}

namespace {

// A chain of UnaryExpression nodes ending in a Literal, `levels` JSON objects deep. Built from
// text because the JSON library parses without recursion.
json unaryChain(std::size_t levels) {
    std::string text;
    for (std::size_t i = 1; i < levels; ++i) text += R"({"type":"UnaryExpression","argument":)";
    text += R"({"type":"Literal"})";
    text += std::string(levels - 1, '}');
    return json::parse(text);
}

}  // namespace

TEST(AstReader, DepthIsBoundedBeforeAnythingIsCopied) {
    EXPECT_FALSE(nestedTooDeep(unaryChain(kMaxSyntaxTreeDepth)));
    EXPECT_TRUE(nestedTooDeep(unaryChain(kMaxSyntaxTreeDepth + 1)));
    EXPECT_TRUE(nestedTooDeep(json::parse(std::string(5000, '[') + std::string(5000, ']'))));

    ASTNode node = Parser::parseNode(unaryChain(kMaxSyntaxTreeDepth));
    std::size_t levels = 1;
    for (const ASTNode* n = &node; !n->children.empty(); n = &n->children[0]) ++levels;
    EXPECT_EQ(levels, kMaxSyntaxTreeDepth);

    for (std::size_t levels : {kMaxSyntaxTreeDepth + 1, std::size_t(20000)}) {
        try {
            Parser::parseNode(unaryChain(levels));
            ADD_FAILURE() << "a tree of " << levels << " levels was read";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), "Parser::parseNode: syntax tree nested deeper than 1000 levels");
        }
    }
}
