// Assignments: plain, compound and logical, to names, undeclared names and members.
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

namespace {

struct OpRow {
    const char* op;
    const char* fn;
};

const OpRow cmap[] = {
    {"+=", "js_add"}, {"-=", "js_sub"}, {"*=", "js_mul"}, {"/=", "js_div"}, {"%=", "js_mod"}, {"**=", "js_pow"},
    {"", ""},
};

const char* lookupCompound(const std::string& op) {
    for (const OpRow* row = cmap; *row->op; ++row)
        if (op == row->op) return row->fn;
    return nullptr;
}

bool isLogicalAssign(const std::string& op) { return op == "&&=" || op == "||=" || op == "?\?="; }

// The binary operator of a bitwise or shift compound assignment ("<<=" gives "<<").
std::string int32Operator(const std::string& op) { return op.substr(0, op.size() - 1); }

// The test that keeps the current value of a logical assignment.
std::string keepCurrentTest(const std::string& op, const std::string& current) {
    if (op == "||=") return "js_truthy(" + current + ")";
    if (op == "&&=") return "!js_truthy(" + current + ")";
    return "!js_truthy(js_loose_eq(" + current + ", JS_NULL()))";
}

}  // namespace

void CEmitter::emitAssignment(const ASTNode& node, std::ostringstream& os) {
    if (node.children.size() < 2) return;
    const std::string op = jsonStringOr(node, "operator", "=");
    const ASTNode& target = node.children[0];
    const ASTNode& value = node.children[1];
    if (isLogicalAssign(op)) {
        emitLogicalAssign(target, op, value, os);
        return;
    }
    if (op == "=" && isModuleExprProp(target, "module", "exports") && !isBoundName("module")) {
        os << "(";
        emitModuleExportsRead(os);
        os << " = ";
        emitOwned(value, os);
        os << ")";
        return;
    }
    if (target.type == "MemberExpression"sv && target.children.size() >= 2) {
        if (op == "=" && !jsonTrue(target, "computed")) {
            // The assignment yields the value stored (`o.a = o.b = 0`, `while ((o.x = next()))`).
            os << "([&](){ JsValue __o = ";
            emitValue(target.children[0], os);
            os << "; JsValue __v = ";
            emitOwned(value, os);
            os << "; js_obj_set(&__o, \"" << escapeString(identName(target.children[1]))
               << "\", js_clone_value(__v)); return __v; })()";
        } else {
            emitMemberAssign(target, op, value, os);
        }
        return;
    }
    const char* fn = lookupCompound(op);
    const bool owned = target.type == "Identifier"sv && isOwnedName(identName(target));
    if (owned) {
        const std::string n = identName(target);
        if (op == "=") {
            os << n << " = ";
            emitOwned(value, os);
        } else if (fn && orderObservable(target, value)) {
            // The current value is read before the right side runs, as JavaScript does.
            os << n << " = JsOwned::from_value(";
            const std::string cur = openOrderedOperand(target, os);
            os << fn << "(" << cur << ", ";
            emitExprAsValue(value, os);
            os << "); }()))";
        } else if (fn) {
            os << n << " = JsOwned::from_value(" << fn << "(" << n << ".borrow(), ";
            emitExprAsValue(value, os);
            os << "))";
        } else {
            os << n << " = JsOwned::from_value(";
            emitInt32OpOnText(int32Operator(op), n + ".borrow()", valueText(value), os);
            os << ")";
        }
        return;
    }
    if (target.type == "Identifier"sv && !isBoundName(identName(target))) {
        emitUndeclaredAssign(identName(target), op, value, os);
        return;
    }
    // A name that is not owned (a module static, a global) stores its own reference, never a borrowed one.
    emitExpr(target, os);
    os << " = ";
    if (op == "=") {
        emitOwned(value, os);
    } else if (fn && orderObservable(target, value)) {
        const std::string cur = openOrderedOperand(target, os);
        os << fn << "(" << cur << ", ";
        emitExprAsValue(value, os);
        os << "); }())";
    } else if (fn) {
        os << fn << "(";
        emitValue(target, os);
        os << ", ";
        emitExprAsValue(value, os);
        os << ")";
    } else {
        const std::string current = valueText(target);
        emitInt32OpOnText(int32Operator(op), current, valueText(value), os);
    }
}

// Assigning a name nothing declares throws ReferenceError (strict code, as Babel writes it): a plain
// assignment evaluates its right side first, a compound one throws when it reads the name.
void CEmitter::emitUndeclaredAssign(const std::string& name, const std::string& op, const ASTNode& value,
                                    std::ostringstream& os) {
    if (op != "=") {
        os << unboundNameText(name);
        return;
    }
    os << "((void)(";
    emitOwned(value, os);
    os << "), " << unboundNameText(name) << ")";
}

// obj[k] = v and compound assignments to a member store the new value in the object and yield it.
void CEmitter::emitMemberAssign(const ASTNode& target, const std::string& op, const ASTNode& value,
                                std::ostringstream& os) {
    emitMemberSlotOpen(target, os);
    os << "JsValue __v = ";
    const char* fn = lookupCompound(op);
    if (op == "=") {
        emitOwned(value, os);
    } else if (actsOnState(value)) {
        // The property is read before the right side runs, as JavaScript does.
        os << "js_obj_get(__o, __k); __v = ";
        if (fn) {
            os << fn << "(__v, ";
            emitExprAsValue(value, os);
            os << ")";
        } else {
            emitInt32OpOnText(int32Operator(op), "__v", valueText(value), os);
        }
    } else if (fn) {
        os << fn << "(js_obj_get(__o, __k), ";
        emitExprAsValue(value, os);
        os << ")";
    } else {
        emitInt32OpOnText(int32Operator(op), "js_obj_get(__o, __k)", valueText(value), os);
    }
    os << "; js_obj_set_computed(&__o, __k, js_clone_value(__v)); return __v; })()";
}

// a ||= b, a &&= b and a ??= b assign (and evaluate b) only when the current value calls for it.
void CEmitter::emitLogicalAssign(const ASTNode& target, const std::string& op, const ASTNode& value,
                                 std::ostringstream& os) {
    if (target.type == "MemberExpression"sv && target.children.size() >= 2) {
        emitMemberSlotOpen(target, os);
        os << "JsValue __cur = js_obj_get(__o, __k); if (" << keepCurrentTest(op, "__cur")
           << ") return __cur; JsValue __v = ";
        emitOwned(value, os);
        os << "; js_obj_set_computed(&__o, __k, js_clone_value(__v)); return __v; })()";
        return;
    }
    const bool owned = target.type == "Identifier"sv && isOwnedName(identName(target));
    std::ostringstream ref;
    if (owned)
        ref << identName(target);
    else
        emitExpr(target, ref);
    const std::string current = owned ? ref.str() + ".borrow()" : ref.str();
    os << "(" << keepCurrentTest(op, current) << " ? " << current << " : (" << ref.str() << " = ";
    emitOwned(value, os);
    os << ")" << (owned ? ".borrow()" : "") << ")";
}
