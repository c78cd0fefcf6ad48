// for loops, with the names their head declares.
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

namespace {

// The parts of a for statement, taken from the node's own fields (absent parts add no child).
struct ForParts {
    const ASTNode* init = nullptr;
    const ASTNode* test = nullptr;
    const ASTNode* update = nullptr;
    const ASTNode* body = nullptr;
};

ForParts forParts(const ASTNode& node) {
    ForParts parts;
    const ASTNode** slots[] = {&parts.init, &parts.test, &parts.update, &parts.body};
    const char* fields[] = {"init", "test", "update", "body"};
    size_t k = 0;
    for (int i = 0; i < 4 && k < node.children.size(); ++i) {
        auto it = node.json.find(fields[i]);
        if (it != node.json.end() && it->is_object()) *slots[i] = &node.children[k++];
    }
    return parts;
}

}  // namespace

void CEmitter::emitFor(const ASTNode& forStmt, std::ostringstream& out, int level) {
    ForParts parts = forParts(forStmt);
    OwnedLocalsScope loop(ownedLocals);
    int forLevel = level;
    // Several declarators in the head: declare them in a block around the loop.
    const bool declBlock =
        parts.init && parts.init->type == "VariableDeclaration" && parts.init->children.size() > 1;
    if (declBlock) {
        out << indentOf(level) << "{\n";
        for (const ASTNode& decl : parts.init->children) emitVarDecl(decl, out, level + 1, true, true);
        forLevel = level + 1;
    }
    out << indentOf(forLevel) << "for (";
    if (parts.init && !declBlock) emitForInit(*parts.init, out);
    out << "; ";
    if (parts.test) {
        out << "js_truthy(";
        emitValue(*parts.test, out);
        out << ")";
    }
    out << "; ";
    if (parts.update) emitExpr(*parts.update, out);
    out << ") ";
    if (parts.body)
        emitLoopBody(forStmt, *parts.body, out, forLevel);
    else
        out << "{}\n";
    if (declBlock) out << indentOf(level) << "}\n";
}

void CEmitter::emitForInit(const ASTNode& init, std::ostringstream& out) {
    if (init.type == "VariableDeclaration"sv) {
        if (!init.children.empty()) emitVarDecl(init.children[0], out, 0, true, false);
        return;
    }
    out << "(void)(";
    emitExpr(init, out);
    out << ")";
}
