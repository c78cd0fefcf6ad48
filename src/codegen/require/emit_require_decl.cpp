#include "codegen/cemitter.h"
#include "frontend/builtin_modules.h"
#include "frontend/module_resolver.h"

void CEmitter::resolveRequireDecl(const ASTNode& decl, const std::string& fromPath) {
    if (decl.type != "VariableDeclarator" || decl.children.size() < 2 || !isRequireCall(decl.children[1])) return;
    const ASTNode& target = decl.children[0];
    const std::string spec = requireArg(decl.children[1]);
    if (isRelativeRequire(spec)) {
        const Module* m = findModule(ModuleResolver::resolvePath(fromPath, spec));
        if (!m) return;
        if (target.type == "ObjectPattern") {
            for (const ASTNode& prop : target.children) {
                if (prop.type != "Property" || prop.children.empty()) continue;
                const std::string key = identName(prop.children[0]);
                const std::string local = identName(prop.children.size() >= 2 ? prop.children[1] : prop.children[0]);
                auto e = m->exports.find(key);
                if (e != m->exports.end()) scope[local] = e->second;
            }
        } else if (target.type == "Identifier") {
            auto e = m->exports.find("default");
            if (e != m->exports.end() && m->nativeFunctions.count(e->second)) scope[identName(target)] = e->second;
        }
        return;
    }
    noteBuiltinNeeds(spec);
    if (target.type == "Identifier") {
        bareRequireAliases[identName(target)] = spec;
    } else if (target.type == "ObjectPattern") {
        for (const ASTNode& prop : target.children) {
            if (prop.children.empty()) continue;
            bareRequireDestructured.insert(identName(prop.children.size() >= 2 ? prop.children[1] : prop.children[0]));
        }
    }
}
