// Binary, unary and update operators, with 32-bit integer forms where JavaScript asks for them.
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

namespace {

struct OpRow {
    const char* op;
    const char* fn;
};

const OpRow opmap[] = {
    {"+", "js_add"}, {"-", "js_sub"}, {"*", "js_mul"}, {"/", "js_div"},  {"%", "js_mod"},
    {"**", "js_pow"}, {"==", "js_loose_eq"}, {"!=", "js_loose_neq"}, {"===", "js_eq"}, {"!==", "js_neq"},
    {"<", "js_lt"},  {"<=", "js_lte"}, {">", "js_gt"},  {">=", "js_gte"}, {"", ""},
};

const char* lookupOp(const std::string& op) {
    for (const OpRow* row = opmap; *row->op; ++row)
        if (op == row->op) return row->fn;
    return nullptr;
}

}  // namespace

void CEmitter::emitBinary(const ASTNode& node, std::ostringstream& os) {
    if (node.children.size() < 2) {
        os << "JS_UNDEFINED()";
        return;
    }
    if (emitMainModuleTest(node, os)) return;
    const std::string op = jsonStringOr(node, "operator", "+");
    const char* fn = lookupOp(op);
    if (!fn && op == "in") fn = "js_in";
    if (!fn && op == "instanceof") fn = "js_instanceof";
    const ASTNode& left = node.children[0];
    const ASTNode& right = node.children[1];
    if (orderObservable(left, right)) {
        // The left operand is taken first, as JavaScript does.
        const std::string l = openOrderedOperand(left, os);
        if (fn) {
            os << fn << "(" << l << ", ";
            emitValue(right, os);
            os << ")";
        } else {
            emitInt32OpOnText(op, l, valueText(right), os);
        }
        os << "; }())";
        return;
    }
    if (!fn) {
        emitInt32Op(op, left, right, os);
        return;
    }
    os << fn << "(";
    emitValue(left, os);
    os << ", ";
    emitValue(right, os);
    os << ")";
}

void CEmitter::emitInt32Op(const std::string& op, const ASTNode& left, const ASTNode& right,
                           std::ostringstream& os) {
    const std::string l = valueText(left);
    emitInt32OpOnText(op, l, valueText(right), os);
}

// JavaScript's bitwise and shift operators work on 32-bit integers: (long long)js_to_num applies ToInt32,
// shifts take their count modulo 32 and wrap their result to 32 bits.
void CEmitter::emitInt32OpOnText(const std::string& op, const std::string& left, const std::string& right,
                                 std::ostringstream& os) {
    const std::string l = "(long long)js_to_num(" + left + ")";
    const std::string r = "(long long)js_to_num(" + right + ")";
    const std::string count = "(" + r + " & 31)";
    if (op == "<<")
        os << "JS_NUM((int)((unsigned)" << l << " << " << count << "))";
    else if (op == ">>")
        os << "JS_NUM((int)" << l << " >> " << count << ")";
    else if (op == ">>>")
        os << "JS_NUM((unsigned)" << l << " >> " << count << ")";
    else
        os << "JS_NUM(" << l << " " << op << " " << r << ")";
}

void CEmitter::emitUnary(const ASTNode& node, std::ostringstream& os) {
    if (node.children.empty()) {
        os << "JS_UNDEFINED()";
        return;
    }
    const std::string op = jsonStringOr(node, "operator", "!");
    const ASTNode& arg = node.children[0];
    // typeof of a name nothing declares is "undefined" in JavaScript, not a ReferenceError;
    // Babel's helpers probe globals such as Symbol this way.
    if (op == "typeof" && arg.type == "Identifier"sv) {
        const std::string name = identName(arg);
        if (!isBoundName(name) && !closureCaptured.count(name) && moduleLocationText(name).empty()) {
            os << "JS_STR(\"undefined\")";
            return;
        }
    }
    if (op == "!" || op == "-" || op == "typeof") {
        os << (op == "!" ? "js_not(" : op == "-" ? "js_neg(" : "js_typeof(");
        emitValue(arg, os);
        os << ")";
    } else if (op == "void") {
        emitVoid(arg, os);
    } else if (op == "delete") {
        emitDelete(arg, os);
    } else {
        os << op;
        emitExprAsValue(arg, os);
    }
}

void CEmitter::emitVoid(const ASTNode& arg, std::ostringstream& os) {
    os << "((void)";
    emitValue(arg, os);
    os << ", JS_UNDEFINED())";
}

void CEmitter::emitDelete(const ASTNode& arg, std::ostringstream& os) {
    if (arg.type == "MemberExpression"sv && arg.children.size() >= 2) {
        os << "js_delete(";
        emitValue(arg.children[0], os);
        os << ", ";
        emitMemberKey(arg, os);
        os << ")";
    } else if (arg.type == "Identifier"sv) {
        os << "JS_BOOL(0)";
    } else {
        os << "((void)";
        emitValue(arg, os);
        os << ", JS_BOOL(1))";
    }
}

void CEmitter::emitUpdate(const ASTNode& node, std::ostringstream& os) {
    if (node.children.empty()) {
        os << "JS_UNDEFINED()";
        return;
    }
    const ASTNode& arg = node.children[0];
    if (arg.type == "MemberExpression"sv && arg.children.size() >= 2) {
        emitMemberUpdate(node, arg, os);
        return;
    }
    const std::string op = jsonStringOr(node, "operator", "++");
    auto prefix = node.json.find("prefix");
    const bool pre = prefix == node.json.end() || !prefix->is_boolean() || prefix->get<bool>();
    os << (op == "++" ? (pre ? "js_preinc(" : "js_postinc(") : (pre ? "js_predec(" : "js_postdec("));
    if (arg.type == "Identifier"sv) {
        const std::string name = identName(arg);
        if (isOwnedName(name))
            os << name << ".ptr()";
        else
            os << "&" << valueName(name);
    } else {
        emitExpr(arg, os);
    }
    os << ")";
}

// obj.k++ and obj[k]-- read the property, step it and store it back.
void CEmitter::emitMemberUpdate(const ASTNode& node, const ASTNode& target, std::ostringstream& os) {
    const std::string op = jsonStringOr(node, "operator", "++");
    auto prefix = node.json.find("prefix");
    const bool pre = prefix == node.json.end() || !prefix->is_boolean() || prefix->get<bool>();
    emitMemberSlotOpen(target, os);
    os << "JsValue __cur = js_obj_get(__o, __k); JsValue __r = "
       << (op == "++" ? (pre ? "js_preinc" : "js_postinc") : (pre ? "js_predec" : "js_postdec"))
       << "(&__cur); js_obj_set_computed(&__o, __k, js_clone_value(__cur)); return __r; })()";
}
