// switch statements: an if-chain when no clause falls through, else a C++ switch from the matched clause on.
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

namespace {

bool isPlainBreak(const ASTNode& stmt) { return stmt.type == "BreakStatement"sv && stmt.children.empty(); }

// A statement after which control never reaches the next clause.
bool leavesClause(const ASTNode& stmt) {
    return isPlainBreak(stmt) || stmt.type == "ReturnStatement"sv || stmt.type == "ThrowStatement"sv ||
           stmt.type == "ContinueStatement"sv;
}

// True when `node` holds a break that targets the enclosing switch (loops, switches and functions
// inside catch their own breaks).
bool hasSwitchBreak(const ASTNode& node) {
    if (isPlainBreak(node)) return true;
    const std::string_view t = node.type;
    if (t == "ForStatement" || t == "WhileStatement" || t == "DoWhileStatement" || t == "ForInStatement" ||
        t == "ForOfStatement" || t == "SwitchStatement" || t == "FunctionDeclaration" ||
        t == "FunctionExpression" || t == "ArrowFunctionExpression")
        return false;
    for (const ASTNode& child : node.children)
        if (hasSwitchBreak(child)) return true;
    return false;
}

// The statements of a clause (its children after the test, when it has one).
std::vector<const ASTNode*> clauseBody(const ASTNode& clause) {
    std::vector<const ASTNode*> stmts;
    const size_t from = jsonHas(clause, "test") ? 1 : 0;
    for (size_t i = from; i < clause.children.size(); ++i) stmts.push_back(&clause.children[i]);
    return stmts;
}

std::vector<const ASTNode*> clausesOf(const ASTNode& sw) {
    std::vector<const ASTNode*> clauses;
    for (size_t i = 1; i < sw.children.size(); ++i)
        if (sw.children[i].type == "SwitchCase"sv) clauses.push_back(&sw.children[i]);
    return clauses;
}

// The if/else-if chain serves switches whose clauses never fall through, whose default comes last
// and whose only break ends its clause.
bool chainServes(const ASTNode& sw) {
    const std::vector<const ASTNode*> clauses = clausesOf(sw);
    for (size_t c = 0; c < clauses.size(); ++c) {
        const ASTNode& clause = *clauses[c];
        const bool hasTest = jsonHas(clause, "test");
        if (hasTest && clause.children.empty()) continue;
        const bool last = c + 1 == clauses.size();
        if (!hasTest && !last) return false;
        const std::vector<const ASTNode*> body = clauseBody(clause);
        if (!last && (body.empty() || !leavesClause(*body.back()))) return false;
        for (size_t i = 0; i < body.size(); ++i) {
            const bool endingBreak = i + 1 == body.size() && isPlainBreak(*body[i]);
            if (!endingBreak && hasSwitchBreak(*body[i])) return false;
        }
    }
    return true;
}

}  // namespace

void CEmitter::emitSwitch(const ASTNode& stmt, std::ostringstream& out, int level) {
    const std::string ind = indentOf(level);
    if (stmt.children.empty()) {
        out << ind << "/* malformed SwitchStatement */\n";
        return;
    }
    out << ind << "{\n";
    out << ind << "    JsOwned __sw = JsOwned::from_value(js_clone_value(";
    emitValue(stmt.children[0], out);
    out << "));\n";
    const bool chain = chainServes(stmt);
    const bool labelled = !jumpScopes.empty() && jumpScopes.back().kind == JumpScope::Label &&
                          jumpScopes.back().owner == &stmt;
    pushJumpScope(JumpScope::Switch, labelled ? &stmt : nullptr, "", !chain);
    const size_t index = jumpScopes.size() - 1;
    if (chain)
        emitSwitchChain(stmt, out, level);
    else
        emitSwitchIndexed(stmt, out, level);
    jumpScopes.resize(index);
    out << ind << "}\n";
}

void CEmitter::emitSwitchChain(const ASTNode& stmt, std::ostringstream& out, int level) {
    const std::string ind = indentOf(level);
    bool first = true;
    for (const ASTNode* clause : clausesOf(stmt)) {
        const bool hasTest = jsonHas(*clause, "test");
        if (hasTest && clause->children.empty()) continue;
        if (hasTest) {
            out << ind << "    " << (first ? "if" : "else if") << " (js_truthy(js_eq(__sw.borrow(), ";
            emitValue(clause->children[0], out);
            out << "))) {\n";
        } else {
            out << ind << "    " << (first ? "if (js_truthy(JS_BOOL(1))) " : "else ") << "{\n";
        }
        std::vector<const ASTNode*> body = clauseBody(*clause);
        if (!body.empty() && isPlainBreak(*body.back())) body.pop_back();
        emitStatementsScoped(body, out, level + 2);
        out << ind << "    }\n";
        first = false;
    }
}

// Fall-through, shared bodies, inner breaks and an early default: pick the clause index the way
// JavaScript matches (tests in order, default last), then run a C++ switch from that clause on.
void CEmitter::emitSwitchIndexed(const ASTNode& stmt, std::ostringstream& out, int level) {
    const std::string ind = indentOf(level);
    const std::vector<const ASTNode*> clauses = clausesOf(stmt);
    out << ind << "    int __swi = -1;\n";
    bool first = true;
    int defaultIndex = -1;
    for (size_t c = 0; c < clauses.size(); ++c) {
        const ASTNode& clause = *clauses[c];
        if (!jsonHas(clause, "test")) {
            defaultIndex = static_cast<int>(c);
            continue;
        }
        if (clause.children.empty()) continue;
        out << ind << "    " << (first ? "if" : "else if") << " (js_truthy(js_eq(__sw.borrow(), ";
        emitValue(clause.children[0], out);
        out << "))) __swi = " << c << ";\n";
        first = false;
    }
    if (defaultIndex >= 0) out << ind << "    " << (first ? "" : "else ") << "__swi = " << defaultIndex << ";\n";
    out << ind << "    switch (__swi) {\n";
    for (size_t c = 0; c < clauses.size(); ++c) {
        out << ind << "    case " << c << ": {\n";
        emitStatementsScoped(clauseBody(*clauses[c]), out, level + 2);
        out << ind << "    }\n";
    }
    out << ind << "    }\n";
}
