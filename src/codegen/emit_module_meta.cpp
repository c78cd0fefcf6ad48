#include <filesystem>
#include <system_error>
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

// What a module knows of itself: module.exports, module.id and module.filename, __filename, __dirname
// and `require.main === module`. Paths are those of the source files the program was compiled from.

std::string CEmitter::currentModuleFile() const {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::absolute(currentModulePath, ec);
    return (ec ? std::filesystem::path(currentModulePath) : p.lexically_normal()).string();
}

namespace {

bool namesModule(const ASTNode& node) {
    if (node.type == "Identifier"sv && jsonStringRef(node, "name") == "module") return true;
    for (const ASTNode& child : node.children)
        if (namesModule(child)) return true;
    return false;
}

}  // namespace

bool CEmitter::mentionsModule(const ASTNode& root) const {
    auto found = moduleMentions.find(&root);
    if (found == moduleMentions.end()) found = moduleMentions.emplace(&root, namesModule(root)).first;
    return found->second;
}

// module.exports read as a value: the exports static of the module being emitted (the entry has one when its
// code mentions `module`).
void CEmitter::emitModuleExportsRead(std::ostringstream& os) const {
    const Module* m = findModule(currentModulePath);
    if (m && (m != &modules->back() || mentionsModule(m->ast)))
        os << m->id << "_exports";
    else
        os << "JS_UNDEFINED()";
}

void CEmitter::emitModuleProperty(const std::string& prop, std::ostringstream& os) {
    if (prop == "exports")
        emitModuleExportsRead(os);
    else if (prop == "id")
        os << "JS_STR(\"" << escapeString(inEntryModule() ? "." : currentModuleFile()) << "\")";
    else if (prop == "filename")
        os << "JS_STR(\"" << escapeString(currentModuleFile()) << "\")";
    else
        os << "JS_UNDEFINED()";
}

// __filename and __dirname where nothing in scope declares them, else "".
std::string CEmitter::moduleLocationText(const std::string& name) const {
    if ((name != "__filename" && name != "__dirname") || isBoundName(name)) return std::string();
    const std::string file = currentModuleFile();
    const std::string text = name == "__filename" ? file : std::filesystem::path(file).parent_path().string();
    return "JS_STR(\"" + escapeString(text) + "\")";
}

// `require.main === module` (either way round, strict or loose, negated or not): true in the entry only.
bool CEmitter::emitMainModuleTest(const ASTNode& node, std::ostringstream& os) {
    const std::string op = jsonStringOr(node, "operator", "");
    if (op != "==" && op != "===" && op != "!=" && op != "!==") return false;
    auto isMain = [](const ASTNode& n) { return isModuleExprProp(n, "require", "main"); };
    auto isModule = [](const ASTNode& n) { return n.type == "Identifier"sv && identName(n) == "module"; };
    const ASTNode& l = node.children[0];
    const ASTNode& r = node.children[1];
    if (!((isMain(l) && isModule(r)) || (isModule(l) && isMain(r))) || isBoundName("module") ||
        isBoundName("require"))
        return false;
    const bool equal = inEntryModule();
    os << (equal == (op[0] == '=') ? "JS_BOOL(1)" : "JS_BOOL(0)");
    return true;
}
