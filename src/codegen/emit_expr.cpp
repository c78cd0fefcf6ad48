// Expressions: the dispatch on node type, literals, names, logical, new, conditional and sequence expressions.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

namespace {

bool allOf(const std::string& s, size_t from, int (*pred)(int)) {
    if (from >= s.size()) return false;
    for (size_t i = from; i < s.size(); ++i)
        if (!pred(static_cast<unsigned char>(s[i]))) return false;
    return true;
}

int isOctalDigit(int c) { return c >= '0' && c <= '7'; }

// A decimal spelling that means the same number in C++: digits, an optional fraction, an optional exponent.
bool isPlainDecimal(const std::string& s) {
    size_t i = 0, digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (!allOf(s, i, [](int c) { return std::isdigit(c); })) return false;
        return true;
    }
    if (i != s.size()) return false;
    // A leading zero followed by digits is octal in C++: only keep it when JavaScript reads it as octal too.
    if (s.size() > 1 && s[0] == '0' && std::isdigit(static_cast<unsigned char>(s[1])))
        return allOf(s, 1, isOctalDigit);
    return true;
}

// The double a JavaScript numeric literal denotes, from its source spelling (the parser's JSON value has no
// Infinity). Gives false for a spelling that is no number.
bool literalValue(const std::string& raw, double* out) {
    std::string r;
    for (char c : raw)
        if (c != '_') r += c;  // numeric separators
    if (r.empty()) return false;
    int base = 0;
    size_t from = 0;
    if (r.size() > 2 && r[0] == '0') {
        const char p = static_cast<char>(std::tolower(static_cast<unsigned char>(r[1])));
        base = p == 'x' ? 16 : p == 'o' ? 8 : p == 'b' ? 2 : 0;
        from = base ? 2 : 0;
    }
    if (!base && r.size() > 1 && r[0] == '0' && allOf(r, 1, isOctalDigit)) base = 8, from = 1;
    if (base) {
        double v = 0;
        for (size_t i = from; i < r.size(); ++i) {
            const int c = std::tolower(static_cast<unsigned char>(r[i]));
            const int d = std::isdigit(c) ? c - '0' : c - 'a' + 10;
            if (d < 0 || d >= base) return false;
            v = v * base + d;
        }
        *out = v;
        return true;
    }
    char* end = nullptr;
    *out = std::strtod(r.c_str(), &end);
    return end && *end == '\0';
}

// The C++ spelling of a numeric literal: the source spelling when C++ reads the same double from it, else
// the exact value in hexadecimal floating form (or the infinity an overflowing literal is).
std::string numberText(const ASTNode& node) {
    auto raw = node.json.find("raw");
    double value = 0;
    if (raw == node.json.end() || !raw->is_string() || !literalValue(raw->get<std::string>(), &value))
        return node.json["value"].dump();
    const std::string r = raw->get<std::string>();
    if (std::isinf(value)) return "__builtin_inf()";
    const bool hex = r.size() > 2 && r[0] == '0' && (r[1] == 'x' || r[1] == 'X') &&
                     allOf(r, 2, [](int c) { return std::isxdigit(c); });
    // Integer spellings become C++ integer literals: only those below 2^53 keep their spelling.
    const bool integer = r.find_first_of(".eE") == std::string::npos || hex;
    // C++ rounds a spelling below the smallest double to zero with a warning; JavaScript does so silently.
    const bool lost = std::fpclassify(value) == FP_SUBNORMAL ||
                      (value == 0 && r.substr(0, r.find_first_of("eE")).find_first_of("123456789") != std::string::npos);
    if ((hex || isPlainDecimal(r)) && (!integer || value < 9007199254740992.0) && !lost) return r;
    if (value == std::trunc(value) && value < 9007199254740992.0) return std::to_string(static_cast<long long>(value));
    // The shortest decimal that reads back as the double, written as a floating literal.
    const std::string shortest = nlohmann::json(value).dump();
    if (shortest.find_first_of(".eE") != std::string::npos) return shortest;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%a", value);
    return buf;
}

}  // namespace

void CEmitter::emitExpr(const ASTNode& node, std::ostringstream& os) {
    const std::string_view t = node.type;
    if (t == "Literal") emitLiteral(node, os);
    else if (t == "Identifier") emitIdentifier(node, os);
    else if (t == "BinaryExpression") emitBinary(node, os);
    else if (t == "LogicalExpression") emitLogical(node, os);
    else if (t == "AssignmentExpression") emitAssignment(node, os);
    else if (t == "UnaryExpression") emitUnary(node, os);
    else if (t == "UpdateExpression") emitUpdate(node, os);
    else if (t == "CallExpression") emitCallImpl(node, os, true);
    else if (t == "NewExpression") emitNew(node, os);
    else if (t == "MemberExpression") emitMemberExpr(node, os);
    else if (t == "ObjectExpression") emitObjectExpr(node, os);
    else if (t == "FunctionExpression") os << functionExpressionValue(node);
    else if (t == "ConditionalExpression") emitConditional(node, os);
    else if (t == "SequenceExpression") emitSequence(node, os);
    else if (t == "ThisExpression") emitThis(os);
    else emitUnsupportedExpr(node, os);
}

void CEmitter::emitLiteral(const ASTNode& node, std::ostringstream& os) {
    if (jsonHas(node, "regex")) {
        diagUnsupported("regular expression literal", "Expression lowers to JS_UNDEFINED() stub.");
        os << "JS_UNDEFINED() /* unsupported: regular expression literal */";
        return;
    }
    if (jsonHas(node, "bigint")) {
        diagUnsupported("BigInt literal", "Expression lowers to JS_UNDEFINED() stub.");
        os << "JS_UNDEFINED() /* unsupported: BigInt literal */";
        return;
    }
    auto it = node.json.find("value");
    if (it == node.json.end()) {
        os << "JS_UNDEFINED()";
        return;
    }
    const nlohmann::json& v = *it;
    // A literal too large for a double reaches here as null (its JSON has no Infinity).
    const bool overflowed = v.is_null() && jsonString(node, "raw") != "null" && !jsonString(node, "raw").empty();
    if (v.is_number() || overflowed) os << "JS_NUM(" << numberText(node) << ")";
    else if (v.is_null()) os << "JS_NULL()";
    else if (v.is_boolean()) os << (v.get<bool>() ? "JS_BOOL(1)" : "JS_BOOL(0)");
    else if (v.is_string() && v.get_ref<const std::string&>().find('\0') != std::string::npos)
        os << "js_str_len(\"" << escapeString(v.get<std::string>()) << "\", " << v.get_ref<const std::string&>().size()
           << ")";
    else if (v.is_string()) os << "JS_STR(\"" << escapeString(v.get<std::string>()) << "\")";
    else os << "JS_UNDEFINED()";
}

void CEmitter::emitIdentifier(const ASTNode& node, std::ostringstream& os) {
    const std::string name = identName(node);
    if (isOwnedName(name))
        os << name << ".borrow()";
    else
        os << valueName(name);
}

void CEmitter::emitLogical(const ASTNode& node, std::ostringstream& os) {
    if (node.children.size() < 2) {
        os << "JS_UNDEFINED()";
        return;
    }
    const std::string op = jsonStringOr(node, "operator", "&&");
    const ASTNode& right = node.children[1];
    const bool plainRight =
        right.type == "Literal"sv ||
        (right.type == "Identifier"sv && (isOwnedName(identName(right)) || scope.count(identName(right))) &&
         !orderObservable(node.children[0], right));
    if (plainRight) {
        os << (op == "&&" ? "js_and(" : "js_or(");
        emitValue(node.children[0], os);
        os << ", ";
        emitValue(right, os);
        os << ")";
        return;
    }
    // A right operand that can throw or act (obj && obj.k, x || make()) runs only when JavaScript runs it.
    os << "([&]() -> JsValue { JsValue __l = ";
    emitValue(node.children[0], os);
    os << "; if (" << (op == "&&" ? "!" : "") << "js_truthy(__l)) return __l; return ";
    emitValue(right, os);
    os << "; })()";
}

// A name bound to a built-in module or to a member of one, or a member of such a name.
bool CEmitter::constructsBuiltin(const ASTNode& callee) const {
    if (callee.type == "Identifier"sv) {
        const std::string name = identName(callee);
        return bareRequireAliases.count(name) || bareRequireDestructured.count(name) || builtinMemberNames.count(name);
    }
    return callee.type == "MemberExpression"sv && callee.children.size() >= 2 && !jsonTrue(callee, "computed") &&
           callee.children[0].type == "Identifier"sv && bareRequireAliases.count(identName(callee.children[0]));
}

void CEmitter::emitNew(const ASTNode& node, std::ostringstream& os) {
    if (node.children.empty()) {
        os << "JS_UNDEFINED()";
        return;
    }
    const size_t argc = node.children.size() - 1;
    if (identName(node.children[0]) == "Function" && argc >= 1) {
        needQuickJs = true;
        const size_t n = argc < 24 ? argc : 24;
        os << "jsc_quickjs_function_construct((int)" << n << ", (const JsValue[]) { ";
        for (size_t i = 1; i <= n; ++i) {
            if (i > 1) os << ", ";
            emitValue(node.children[i], os);
        }
        os << " })";
        return;
    }
    // The constructors of built-in modules (new EventEmitter(), new events.EventEmitter()) make a
    // fresh object when called, so `new` calls them.
    if (constructsBuiltin(node.children[0])) {
        std::vector<const ASTNode*> args;
        for (size_t i = 1; i < node.children.size(); ++i) args.push_back(&node.children[i]);
        os << "js_call(";
        emitValue(node.children[0], os);
        os << ", ";
        emitCountedValues(args, os);
        os << ")";
        return;
    }
    diagUnsupported("new expression", "Constructor call is not supported outside new Function(...).");
    os << "JS_UNDEFINED() /* unsupported new */";
}

void CEmitter::emitConditional(const ASTNode& node, std::ostringstream& os) {
    if (node.children.size() < 3) {
        os << "JS_UNDEFINED()";
        return;
    }
    os << "(js_truthy(";
    emitValue(node.children[0], os);
    os << ") ? ";
    emitExprAsValue(node.children[1], os);
    os << " : ";
    emitExprAsValue(node.children[2], os);
    os << ")";
}

void CEmitter::emitSequence(const ASTNode& node, std::ostringstream& os) {
    if (node.children.empty()) {
        os << "JS_UNDEFINED()";
        return;
    }
    os << "(";
    for (size_t i = 0; i + 1 < node.children.size(); ++i) {
        emitExpr(node.children[i], os);
        os << ", ";
    }
    emitExprAsValue(node.children.back(), os);
    os << ")";
}

// An assignment to an owned name yields its JsOwned variable; where a sequence or a conditional
// yields it, the value is borrowed so every form of the expression has one type.
void CEmitter::emitExprAsValue(const ASTNode& node, std::ostringstream& os) {
    if (!yieldsOwnedVariable(node)) {
        emitExpr(node, os);
        return;
    }
    os << "(";
    emitExpr(node, os);
    os << ").borrow()";
}

void CEmitter::emitThis(std::ostringstream& os) {
    diagUnsupported("this expression", "'this' currently lowers to JS_UNDEFINED() in AOT.");
    os << "JS_UNDEFINED() /* this */";
}

void CEmitter::emitUnsupportedExpr(const ASTNode& node, std::ostringstream& os) {
    diagUnsupported(node.type, "Expression lowers to JS_UNDEFINED() stub.");
    os << "JS_UNDEFINED() /* unsupported: " << node.type << " */";
}
