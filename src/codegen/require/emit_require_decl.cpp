// What a require declaration binds: exported functions of relative modules, aliases of built-in modules.
#include <string_view>

#include "codegen/cemitter.h"
#include "frontend/builtin_modules.h"
#include "frontend/module_resolver.h"

using namespace std::string_view_literals;

void CEmitter::resolveRequireDecl(const ASTNode& decl, const std::string& fromPath) {
    if (decl.type != "VariableDeclarator"sv || decl.children.size() < 2) return;
    // `var Readable = _require.Readable`, as a destructuring require is lowered: a built-in's member
    if (decl.children[0].type == "Identifier"sv && decl.children[1].type == "MemberExpression"sv &&
        decl.children[1].children.size() >= 2 && decl.children[1].children[0].type == "Identifier"sv &&
        bareRequireAliases.count(identName(decl.children[1].children[0])))
        builtinMemberNames.insert(identName(decl.children[0]));
    if (!isRequireCall(decl.children[1])) return;
    const ASTNode& target = decl.children[0];
    const std::string specifier = requireArg(decl.children[1]);
    if (isRelativeRequire(specifier)) {
        const Module* m = findModule(ModuleResolver::resolvePath(fromPath, specifier));
        if (!m) return;
        if (target.type == "ObjectPattern"sv) {
            for (const ASTNode& prop : target.children) {
                if (prop.type != "Property"sv || prop.children.empty()) continue;
                const std::string key = identName(prop.children[0]);
                const std::string local = identName(prop.children.size() >= 2 ? prop.children[1] : prop.children[0]);
                auto e = m->exports.find(key);
                if (e != m->exports.end()) scope[local] = e->second;
            }
        } else if (target.type == "Identifier"sv) {
            auto e = m->exports.find("default");
            if (e != m->exports.end() && m->nativeFunctions.count(e->second)) scope[identName(target)] = e->second;
        }
        return;
    }
    const std::string builtin = builtinModuleName(specifier);
    noteBuiltinNeeds(builtin);
    if (target.type == "Identifier"sv) {
        bareRequireAliases[identName(target)] = builtin.empty() ? specifier : builtin;
    } else if (target.type == "ObjectPattern"sv) {
        for (const ASTNode& prop : target.children) {
            if (prop.children.empty()) continue;
            const std::string local = identName(prop.children.size() >= 2 ? prop.children[1] : prop.children[0]);
            bareRequireDestructured.insert(local);
            if (!builtin.empty()) builtinMemberNames.insert(local);
        }
    }
}
