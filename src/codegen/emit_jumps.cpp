#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

// break, continue and return, labelled statements and try/finally. A jump goes to its C++ counterpart
// when that reaches the same place; otherwise (a label naming an outer loop, a finally block in the way)
// it becomes a goto to a label the generator places after the loop, at the end of its body, or before
// the finally block, which runs the block and then takes the jump on from there.

// The index in jumpScopes of the statement a break or continue leaves or repeats, or -1.
int CEmitter::jumpTarget(bool isBreak, const std::string& label) const {
    for (int i = static_cast<int>(jumpScopes.size()) - 1; i >= 0; --i) {
        const JumpScope& s = jumpScopes[static_cast<size_t>(i)];
        if (label.empty()) {
            if (s.kind == JumpScope::Loop || (isBreak && s.kind == JumpScope::Switch)) return i;
        } else if (s.kind == JumpScope::Label && s.label == label) {
            // continue names the loop the label stands before
            if (isBreak) return i;
            const size_t next = static_cast<size_t>(i) + 1;
            return next < jumpScopes.size() && jumpScopes[next].kind == JumpScope::Loop ? static_cast<int>(next)
                                                                                        : -1;
        }
    }
    return -1;
}

// The innermost finally block between the top of the stack and `floor` (exclusive), or -1.
int CEmitter::finallyAbove(int floor) const {
    for (int i = static_cast<int>(jumpScopes.size()) - 1; i > floor; --i)
        if (jumpScopes[static_cast<size_t>(i)].kind == JumpScope::Finally) return i;
    return -1;
}

// Hands a jump to the finally block at `index`: it records the jump under a number and runs its block first.
void CEmitter::routeThroughFinally(int index, const JumpRequest& jump, std::ostringstream& out, int level) {
    JumpScope& fin = jumpScopes[static_cast<size_t>(index)];
    size_t code = 0;
    while (code < fin.jumps.size() &&
           !(fin.jumps[code].kind == jump.kind && fin.jumps[code].label == jump.label))
        ++code;
    if (code == fin.jumps.size()) fin.jumps.push_back(jump);
    const std::string f = "__jsc_fin" + std::to_string(fin.id);
    out << indentOf(level) << "{ ";
    if (jump.kind == JumpRequest::Return && !jump.value.empty()) out << f << "_rv = " << jump.value << "; ";
    out << f << "_k = " << code + 1 << "; goto " << f << "; }\n";
}

void CEmitter::emitJump(const JumpRequest& jump, std::ostringstream& out, int level) {
    const std::string ind = indentOf(level);
    if (jump.kind == JumpRequest::Return) {
        const int fin = finallyAbove(-1);
        if (fin >= 0) {
            routeThroughFinally(fin, jump, out, level);
            return;
        }
        if (inFeNative)
            out << ind << "return js_clone_value(" << jump.value << ");\n";
        else
            out << ind << "return JsOwned::from_value(" << jump.value << ");\n";
        return;
    }
    const bool isBreak = jump.kind == JumpRequest::Break;
    const int target = jumpTarget(isBreak, jump.label);
    if (target < 0) {
        diagUnsupported(isBreak ? "break outside its statement" : "continue outside a loop",
                        "The jump has no enclosing statement to leave; it is dropped.");
        out << ind << "/* unsupported: " << (isBreak ? "break" : "continue") << " without a target */\n";
        return;
    }
    const int fin = finallyAbove(target);
    if (fin >= 0) {
        routeThroughFinally(fin, jump, out, level);
        return;
    }
    // A plain C++ break or continue reaches the target when no other loop (or, for break, C++ switch)
    // lies between.
    bool natural = true;
    for (size_t i = static_cast<size_t>(target) + 1; i < jumpScopes.size(); ++i) {
        const JumpScope& s = jumpScopes[i];
        if (s.kind == JumpScope::Loop || (isBreak && s.kind == JumpScope::Switch && s.cxxSwitch)) natural = false;
    }
    JumpScope& t = jumpScopes[static_cast<size_t>(target)];
    if (t.kind == JumpScope::Label) {
        // break of a labelled loop or switch is its own break when nothing lies between
        const size_t next = static_cast<size_t>(target) + 1;
        const bool wrapsBreakable = next < jumpScopes.size() && jumpScopes[next].owner == t.owner &&
                                    (jumpScopes[next].kind == JumpScope::Loop || jumpScopes[next].cxxSwitch);
        natural = false;
        if (wrapsBreakable) {
            natural = true;
            for (size_t i = next + 1; i < jumpScopes.size(); ++i) {
                const JumpScope& s = jumpScopes[i];
                if (s.kind == JumpScope::Loop || (s.kind == JumpScope::Switch && s.cxxSwitch)) natural = false;
            }
        }
    }
    if (natural) {
        out << ind << (isBreak ? "break;\n" : "continue;\n");
        return;
    }
    if (isBreak) {
        t.breakUsed = true;
        out << ind << "goto __jsc_brk" << t.id << ";\n";
    } else {
        t.continueUsed = true;
        out << ind << "goto __jsc_cont" << t.id << ";\n";
    }
}

void CEmitter::emitBreak(const ASTNode& stmt, std::ostringstream& out, int level) {
    emitJump(JumpRequest{JumpRequest::Break, stmt.children.empty() ? "" : identName(stmt.children[0]), ""}, out,
             level);
}

void CEmitter::emitContinue(const ASTNode& stmt, std::ostringstream& out, int level) {
    emitJump(JumpRequest{JumpRequest::Continue, stmt.children.empty() ? "" : identName(stmt.children[0]), ""},
             out, level);
}

void CEmitter::pushJumpScope(JumpScope::Kind kind, const void* owner, const std::string& label, bool cxxSwitch) {
    JumpScope s;
    s.kind = kind;
    s.owner = owner;
    s.label = label;
    s.cxxSwitch = cxxSwitch;
    s.id = ++jumpCounter;
    jumpScopes.push_back(s);
}

// `name: statement`. The label's scope and the loop's share the statement as owner, so a break of the
// label knows it is the loop's own.
void CEmitter::emitLabeled(const ASTNode& stmt, std::ostringstream& out, int level) {
    auto label = stmt.json.find("label");
    if (stmt.children.empty() || label == stmt.json.end() || !label->is_object()) return;
    const ASTNode& body = stmt.children[0];
    pushJumpScope(JumpScope::Label, &body, label->value("name", std::string()), false);
    const size_t index = jumpScopes.size() - 1;
    if (body.type == "BlockStatement"sv) {
        // its own C++ block, so a goto to the label after it passes no declaration still in scope
        out << indentOf(level) << "{\n";
        emitStatementsScoped(bodyStatements(body), out, level + 1);
        out << indentOf(level) << "}\n";
    } else {
        emitStmt(body, out, level);
    }
    const JumpScope s = jumpScopes[index];
    jumpScopes.resize(index);
    if (s.breakUsed) out << indentOf(level) << "__jsc_brk" << s.id << ": ;\n";
}

// A loop's body. A continue aimed at the loop from an inner one jumps to the label at its end, placed
// after an inner block so that no declaration of the body lies between the goto and the label.
void CEmitter::emitLoopBody(const ASTNode& loop, const ASTNode& body, std::ostringstream& out, int level) {
    const bool labelled = !jumpScopes.empty() && jumpScopes.back().kind == JumpScope::Label &&
                          jumpScopes.back().owner == &loop;
    pushJumpScope(JumpScope::Loop, labelled ? &loop : nullptr, "", false);
    const size_t index = jumpScopes.size() - 1;
    std::ostringstream inner;
    emitStatementsScoped(bodyStatements(body), inner, level + 1);
    const JumpScope s = jumpScopes[index];
    jumpScopes.resize(index);
    if (!s.continueUsed) {
        out << "{\n" << inner.str() << indentOf(level) << "}\n";
        return;
    }
    out << "{\n" << indentOf(level + 1) << "{\n" << inner.str() << indentOf(level + 1) << "}\n";
    out << indentOf(level + 1) << "__jsc_cont" << s.id << ": ;\n" << indentOf(level) << "}\n";
}
