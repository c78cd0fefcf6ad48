#include "frontend/aot_checks.h"
#include "frontend/builtin_modules.h"

#include <stdexcept>

#include "frontend/syntax_node_names.h"

namespace {

std::runtime_error dynamicExecutionError(const std::string& path) {
    return std::runtime_error(
        "\u274C Orvan Build Error: Dynamic Execution\n"
        "You used a dynamic execution command in an AOT file (" + path +
        "). Ahead-Of-Time compilers cannot guess what code will run at runtime.\n"
        "The Fix: Move this logic to the QuickJS island, or rewrite it using static logic.");
}

std::runtime_error npmContaminationError(const std::string& spec, const std::string& path) {
    return std::runtime_error(
        "\u274C Orvan Build Error: NPM Contamination\n"
        "You attempted to import \"" + spec + "\" inside an AOT file (" + path + ").\n"
        "The Fix: The AOT core only supports relative local files (e.g., ./math.js). "
        "Move all NPM dependencies to your src/island.js file.");
}

bool isIdentByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$';
}

bool isSpaceByte(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isQuoteByte(char c) { return c == '\'' || c == '"' || c == '`'; }

// Position just after the quote that closes the literal opened at `open`, or npos when none does.
std::size_t literalEnd(const std::string& text, std::size_t open) {
    const char quote = text[open];
    for (std::size_t j = open + 1; j < text.size(); ++j) {
        if (text[j] != quote) continue;
        std::size_t backslashes = 0;
        for (std::size_t k = j - 1; k > open && text[k] == '\\'; --k) ++backslashes;
        if (backslashes % 2 == 0) return j + 1;
    }
    return std::string::npos;
}

std::size_t skipSpace(const std::string& text, std::size_t j) {
    while (j < text.size() && isSpaceByte(text[j])) ++j;
    return j;
}

// True when "import" stands at i as a word and is followed by "(" whose argument is not quoted.
bool isComputedImport(const std::string& text, std::size_t i) {
    const std::size_t n = text.size();
    if (text.compare(i, 6, "import") != 0) return false;
    if (i > 0 && isIdentByte(text[i - 1])) return false;
    if (i + 6 >= n || isIdentByte(text[i + 6])) return false;
    std::size_t j = skipSpace(text, i + 6);
    if (j >= n || text[j] != '(') return false;
    j = skipSpace(text, j + 1);
    return j >= n || !isQuoteByte(text[j]);
}

bool isEvalCall(const ASTNode& node) {
    if (node.type != "CallExpression" || node.children.empty()) return false;
    const ASTNode& callee = node.children[0];
    if (isIdentifierNamed(callee, "eval")) return true;
    return callee.type == "MemberExpression" && callee.children.size() >= 2 &&
           isIdentifierNamed(callee.children[1], "eval");
}

bool isComputedImportExpression(const ASTNode& node) {
    return node.type == "ImportExpression" && (node.children.empty() || !isStringLiteral(node.children[0]));
}

}  // namespace

void ModuleResolver::roughValidateDynamicImportSource(const std::string& text, const std::string& path) {
    auto throwDynamicExecution = [&path]() { throw dynamicExecutionError(path); };
    const std::size_t n = text.size();
    bool inLineComment = false;
    std::size_t i = 0;
    while (i < n) {
        if (inLineComment) {
            inLineComment = text[i] != '\n';
            ++i;
        } else if (text[i] == '/' && i + 1 < n && text[i + 1] == '/') {
            if (i + 2 >= n) return;
            inLineComment = text[i + 2] != '\n';
            i += 3;
        } else if (text[i] == '/' && i + 1 < n && text[i + 1] == '*') {
            std::size_t close = text.find("*/", i + 2);
            if (close == std::string::npos) return;
            i = close + 2;
        } else if (isQuoteByte(text[i])) {
            i = literalEnd(text, i);
            if (i == std::string::npos) return;
        } else {
            if (isComputedImport(text, i)) throwDynamicExecution();
            ++i;
        }
    }
}

void ModuleResolver::validateHybridAotGraph(const std::vector<Module>& modules) {
    for (const Module& m : modules) {
        std::vector<std::string> specs;
        scanRequires(m.ast, specs);
        for (const std::string& spec : specs) {
            bool relative = spec.rfind("./", 0) == 0 || spec.rfind("../", 0) == 0;
            if (!relative && !findBuiltinModule(spec)) throw npmContaminationError(spec, m.path);
        }
        scanHybridAotDynamicExecution(m.ast, m.path);
    }
}

void ModuleResolver::scanHybridAotDynamicExecution(const ASTNode& node, const std::string& path) {
    if (isEvalCall(node) || isComputedImportExpression(node)) throw dynamicExecutionError(path);
    for (const ASTNode& child : node.children) scanHybridAotDynamicExecution(child, path);
}
