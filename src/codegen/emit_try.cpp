// try, catch and finally.
#include <cstdio>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

void CEmitter::emitTry(const ASTNode& stmt, std::ostringstream& out, int level) {
    const std::string ind = indentOf(level);
    if (stmt.children.empty()) {
        out << ind << "/* malformed TryStatement */\n";
        return;
    }
    out << ind << "try {\n";
    emitStatementsScoped(bodyStatements(stmt.children[0]), out, level + 1);
    out << ind << "}\n";
    if (stmt.children.size() < 2) return;
    size_t next = 2;
    const ASTNode& second = stmt.children[1];
    if (second.type == "CatchClause") {
        emitCatch(second, out, level);
    } else if (second.type == "BlockStatement") {
        std::fputs("orvan: warning: try/finally without catch is not lowered in this emitter.\n", stderr);
        // Without a handler the protected block still needs one: rethrow, as the missing finalizer would.
        out << ind << "catch (...) { throw; }\n";
        out << ind << "/* skipped: try/finally (no catch) */\n";
    } else {
        next = 1;
    }
    if (stmt.children.size() > next) {
        std::fputs("orvan: warning: try/finally finalizer is not lowered in this emitter (catch-only try supported).\n",
                   stderr);
        out << ind << "/* skipped: try finalizer */\n";
    }
}

void CEmitter::emitCatch(const ASTNode& clause, std::ostringstream& out, int level) {
    const std::string ind = indentOf(level);
    out << ind << "catch (const std::exception& __jsc_ex) {\n";
    OwnedLocalsScope block(ownedLocals);
    size_t bodyIndex = 0;
    if (!clause.children.empty() && clause.children[0].type == "Identifier") {
        const std::string p = identName(clause.children[0]);
        out << ind << "    const char* __jw = __jsc_ex.what();\n";
        out << ind << "    JsOwned " << p << " = JsOwned::from_value(js_str(__jw ? __jw : \"\"));\n";
        ownedLocals.insert(p);
        bodyIndex = 1;
    }
    if (clause.children.size() > bodyIndex && clause.children[bodyIndex].type == "BlockStatement")
        emitStatementsScoped(bodyStatements(clause.children[bodyIndex]), out, level + 2);
    out << ind << "}\n";
}
