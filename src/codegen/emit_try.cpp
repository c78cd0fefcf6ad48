// try, catch and finally.
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

void CEmitter::emitTry(const ASTNode& stmt, std::ostringstream& out, int level) {
    const std::string ind = indentOf(level);
    if (stmt.children.empty()) {
        out << ind << "/* malformed TryStatement */\n";
        return;
    }
    const ASTNode* handler =
        stmt.children.size() >= 2 && stmt.children[1].type == "CatchClause"sv ? &stmt.children[1] : nullptr;
    const size_t finalizerIndex = handler ? 2 : 1;
    if (stmt.children.size() > finalizerIndex) {
        emitTryFinally(stmt.children[0], handler, stmt.children[finalizerIndex], out, level);
        return;
    }
    out << ind << "try {\n";
    emitStatementsScoped(bodyStatements(stmt.children[0]), out, level + 1);
    out << ind << "}\n";
    if (handler) emitCatch(*handler, out, level);
}

// try { ... } [catch { ... }] finally { ... }: the finally block runs on every way out of the protected part.
// An exception is held while it runs and thrown again after; a return, break or continue that leaves the
// protected part jumps to the block with its number in `_k` (and a return's value in `_rv`) and is taken
// on once the block has run. A jump or throw inside the finally block itself overrides the held one.
void CEmitter::emitTryFinally(const ASTNode& block, const ASTNode* handler, const ASTNode& finalizer,
                              std::ostringstream& out, int level) {
    const std::string ind = indentOf(level);
    const std::string in1 = indentOf(level + 1);
    const std::string in2 = indentOf(level + 2);
    pushJumpScope(JumpScope::Finally, nullptr, "", false);
    const size_t index = jumpScopes.size() - 1;
    const std::string f = "__jsc_fin" + std::to_string(jumpScopes[index].id);
    out << ind << "{\n";
    out << in1 << "int " << f << "_k = 0;\n";
    out << in1 << "JsValue " << f << "_rv;\n";
    out << in1 << "std::exception_ptr " << f << "_ex;\n";
    out << in1 << "try {\n";
    if (handler) {
        out << in2 << "try {\n";
        emitStatementsScoped(bodyStatements(block), out, level + 3);
        out << in2 << "}\n";
        emitCatch(*handler, out, level + 2);
    } else {
        emitStatementsScoped(bodyStatements(block), out, level + 2);
    }
    out << in1 << "} catch (...) {\n";
    out << in2 << f << "_ex = std::current_exception();\n";
    out << in2 << f << "_k = -1;\n";
    out << in1 << "}\n";
    const std::vector<JumpRequest> jumps = jumpScopes[index].jumps;
    jumpScopes.resize(index);
    if (!jumps.empty()) out << in1 << f << ": ;\n";
    emitStatementsScoped(bodyStatements(finalizer), out, level + 1);
    for (size_t i = 0; i < jumps.size(); ++i) {
        out << in1 << "if (" << f << "_k == " << i + 1 << ") {\n";
        JumpRequest again = jumps[i];
        if (again.kind == JumpRequest::Return) again.value = f + "_rv";
        emitJump(again, out, level + 2);
        out << in1 << "}\n";
    }
    out << in1 << "if (" << f << "_k == -1) std::rethrow_exception(" << f << "_ex);\n";
    out << in1 << "(void)" << f << "_rv;\n";
    out << ind << "}\n";
}

void CEmitter::emitCatch(const ASTNode& clause, std::ostringstream& out, int level) {
    const std::string ind = indentOf(level);
    out << ind << "catch (const std::exception& __jsc_ex) {\n";
    OwnedLocalsScope block(ownedLocals);
    size_t bodyIndex = 0;
    if (!clause.children.empty() && clause.children[0].type == "Identifier"sv) {
        const std::string p = identName(clause.children[0]);
        out << ind << "    const char* __jw = __jsc_ex.what();\n";
        out << ind << "    JsOwned " << p << " = JsOwned::from_value(js_str(__jw ? __jw : \"\"));\n";
        ownedLocals.insert(p);
        bodyIndex = 1;
    }
    if (clause.children.size() > bodyIndex && clause.children[bodyIndex].type == "BlockStatement"sv)
        emitStatementsScoped(bodyStatements(clause.children[bodyIndex]), out, level + 2);
    out << ind << "}\n";
}
