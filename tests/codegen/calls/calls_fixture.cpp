#include "calls_fixture.h"

#include <sstream>
#include <stdexcept>

ProgramEmitter::ProgramEmitter(const std::map<std::string, std::string>& files, const std::string& entry)
    : list(resolveProgram(files, entry)) {
    em.modules = &list;
    for (const Module& m : list) em.collectHttpCreateServerHandlerIds(m.ast);
    for (const Module& m : list) em.scanFeUidsSubtree(m.ast);
}

const Module& ProgramEmitter::module(const std::string& baseName) const {
    for (const Module& m : list)
        if (m.id == "mod_" + baseName) return m;
    throw std::runtime_error("no module " + baseName);
}

void ProgramEmitter::enterEntry() {
    em.clearModuleScopes();
    em.currentModulePath = list.back().path;
    for (const ASTNode& stmt : list.back().ast.children) {
        if (stmt.type != "VariableDeclaration") continue;
        for (const ASTNode& decl : stmt.children) {
            em.resolveRequireDecl(decl, list.back().path);
            if (!decl.children.empty() && decl.children[0].type == "Identifier") {
                em.entryStatics.insert(CEmitter::identName(decl.children[0]));
                em.ownedLocals.insert(CEmitter::identName(decl.children[0]));
            }
        }
    }
}

std::string ProgramEmitter::expr(const std::string& source, char form) {
    static std::vector<std::unique_ptr<ASTNode>> kept;
    kept.push_back(std::make_unique<ASTNode>(parseProgram(source)));
    const ASTNode& node = kept.back()->children.at(0).children.at(0);
    std::ostringstream os;
    switch (form) {
        case 'V': em.emitValue(node, os); break;
        case 'A': em.emitCallArg(node, os); break;
        default: em.emitExpr(node, os);
    }
    return os.str();
}
