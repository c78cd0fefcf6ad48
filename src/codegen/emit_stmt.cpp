// Statements: the dispatch on node type, if, while, do-while, return, throw, break, continue and blocks.
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/syntax_queries.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

void CEmitter::emitStmt(const ASTNode& stmt, std::ostringstream& out, int level) {
    const std::string_view t = stmt.type;
    if (t == "VariableDeclaration") {
        for (const ASTNode& decl : stmt.children) emitVarDecl(decl, out, level, true, true);
    } else if (t == "ExpressionStatement") {
        emitExpressionStmt(stmt, out, level);
    } else if (t == "IfStatement") {
        emitIf(stmt, out, level);
    } else if (t == "WhileStatement") {
        emitWhile(stmt, out, level);
    } else if (t == "DoWhileStatement") {
        emitDoWhile(stmt, out, level);
    } else if (t == "ForStatement") {
        emitFor(stmt, out, level);
    } else if (t == "ReturnStatement") {
        emitReturn(stmt, out, level);
    } else if (t == "ThrowStatement") {
        emitThrow(stmt, out, level);
    } else if (t == "TryStatement") {
        emitTry(stmt, out, level);
    } else if (t == "SwitchStatement") {
        emitSwitch(stmt, out, level);
    } else if (t == "BreakStatement") {
        emitBreak(stmt, out, level);
    } else if (t == "ContinueStatement") {
        emitContinue(stmt, out, level);
    } else if (t == "EmptyStatement") {
        return;
    } else if (t == "FunctionDeclaration") {
        emitNestedFunctionDecl(out, level);
    } else if (t == "LabeledStatement") {
        emitLabeled(stmt, out, level);
    } else if (t == "BlockStatement") {
        for (const ASTNode& child : stmt.children) emitStmt(child, out, level);
    } else {
        emitUnsupportedStmt(stmt, out, level);
    }
}

void CEmitter::emitExpressionStmt(const ASTNode& stmt, std::ostringstream& out, int level) {
    if (stmt.children.empty() || isFunctionLengthDirective(stmt)) return;
    const ASTNode& x = stmt.children[0];
    out << indentOf(level);
    if (producesOwnedValue(x)) {
        out << "{ JsValue __v = ";
        emitExpr(x, out);
        out << "; js_dispose_value(&__v); }\n";
    } else {
        emitExpr(x, out);
        out << ";\n";
    }
}

void CEmitter::emitIf(const ASTNode& stmt, std::ostringstream& out, int level) {
    if (stmt.children.size() < 2) return;
    out << indentOf(level) << "if (js_truthy(";
    emitValue(stmt.children[0], out);
    out << ")) ";
    emitBlock(stmt.children[1], out, level);
    if (stmt.children.size() >= 3) {
        out << indentOf(level) << "else ";
        emitBlock(stmt.children[2], out, level);
    }
}

void CEmitter::emitWhile(const ASTNode& stmt, std::ostringstream& out, int level) {
    if (stmt.children.size() < 2) return;
    out << indentOf(level) << "while (js_truthy(";
    emitValue(stmt.children[0], out);
    out << ")) ";
    emitLoopBody(stmt, stmt.children[1], out, level);
}

void CEmitter::emitDoWhile(const ASTNode& stmt, std::ostringstream& out, int level) {
    if (stmt.children.size() < 2) return;
    out << indentOf(level) << "do ";
    emitLoopBody(stmt, stmt.children[0], out, level);
    out << indentOf(level) << "while (js_truthy(";
    emitValue(stmt.children[1], out);
    out << "));\n";
}

void CEmitter::emitReturn(const ASTNode& stmt, std::ostringstream& out, int level) {
    if (finallyAbove(-1) >= 0) {
        // the finally blocks run first; the value is taken before they do
        emitJump(JumpRequest{JumpRequest::Return, "",
                             stmt.children.empty() ? std::string("JS_UNDEFINED()") : valueText(stmt.children[0])},
                 out, level);
        return;
    }
    out << indentOf(level) << "return";
    if (inFeNative) {
        out << " js_clone_value(";
        if (stmt.children.empty())
            out << "JS_UNDEFINED()";
        else
            emitValue(stmt.children[0], out);
        out << ")";
    } else if (stmt.children.empty()) {
        out << " JsOwned()";
    } else {
        const ASTNode& arg = stmt.children[0];
        if (producesOwnedValue(arg)) {
            out << " JsOwned::from_value(";
            emitExpr(arg, out);
            out << ")";
        } else if (arg.type == "Identifier"sv && isOwnedName(identName(arg))) {
            out << " " << identName(arg) << ".clone()";
        } else {
            out << " JsOwned::from_value(js_clone_value(";
            emitExprAsValue(arg, out);
            out << "))";
        }
    }
    out << ";\n";
}

// The thrown value itself travels to the catch clause, whatever its type (`throw 42` is caught as 42).
void CEmitter::emitThrow(const ASTNode& stmt, std::ostringstream& out, int level) {
    out << indentOf(level) << "js_throw(";
    if (stmt.children.empty())
        out << "JS_UNDEFINED()";
    else
        emitValue(stmt.children[0], out);
    out << ");\n";
}

void CEmitter::emitNestedFunctionDecl(std::ostringstream& out, int level) {
    diagUnsupported("nested FunctionDeclaration", "Nested FunctionDeclaration outside a function body is not hoisted.");
    out << indentOf(level)
        << "/* unsupported stmt: nested FunctionDeclaration outside a function body (not hoisted here) */\n";
}

void CEmitter::emitUnsupportedStmt(const ASTNode& stmt, std::ostringstream& out, int level) {
    diagUnsupported(stmt.type, "Statement is emitted as no-op stub.");
    out << indentOf(level) << "/* unsupported stmt: " << stmt.type << " */\n";
}

void CEmitter::emitBlock(const ASTNode& body, std::ostringstream& out, int level) {
    out << "{\n";
    emitStatementsScoped(bodyStatements(body), out, level + 1);
    out << indentOf(level) << "}\n";
}

// Statements inside one C++ block: the owned names they declare end with the block.
void CEmitter::emitStatementsScoped(const std::vector<const ASTNode*>& stmts, std::ostringstream& out, int level) {
    OwnedLocalsScope block(ownedLocals);
    for (const ASTNode* stmt : stmts) emitStmt(*stmt, out, level);
}
