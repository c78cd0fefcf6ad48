#include "codegen/cemitter.h"

#define PENDING __attribute__((weak))

PENDING void CEmitter::resolveRequireDecl(const ASTNode&, const std::string&) {}
PENDING void CEmitter::emitBareRequireExpr(const std::string&, std::ostringstream& os) { os << "JS_UNDEFINED()"; }
PENDING const Module* CEmitter::findModule(const std::string&) const { return nullptr; }
PENDING const Module* CEmitter::findRequiredModule(const std::string&) const { return nullptr; }
PENDING bool CEmitter::isRequireCall(const ASTNode&) { return false; }
PENDING std::string CEmitter::requireArg(const ASTNode&) { return std::string(); }
PENDING bool CEmitter::isRelativeRequire(const std::string&) { return false; }
PENDING bool CEmitter::isModuleExprProp(const ASTNode&, const std::string&, const std::string&) { return false; }
PENDING bool CEmitter::isModuleExportsDotProp(const ASTNode&) { return false; }
PENDING void CEmitter::emitCallImpl(const ASTNode&, std::ostringstream& os, bool) { os << "JS_UNDEFINED()"; }
PENDING void CEmitter::emitJscMemberCall(const ASTNode&, const std::string&, const std::vector<const ASTNode*>&,
                                         std::ostringstream& os) { os << "JS_UNDEFINED()"; }
PENDING void CEmitter::emitBuiltinMethodCall(const std::string&, const std::string&,
                                             const std::vector<const ASTNode*>&, std::ostringstream& os) {
    os << "JS_UNDEFINED()";
}
PENDING void CEmitter::scanFeUidsSubtree(const ASTNode&) {}
PENDING std::string CEmitter::queueFeNative(const ASTNode&) { return "__jsc_fe_0"; }
PENDING void CEmitter::emitNativeFeFunction(const ASTNode&, const std::string&, std::ostringstream&) {}
PENDING void CEmitter::emitPendingFeBodies(std::ostringstream&) {}
PENDING void CEmitter::emitPendingHttpThunkDecls(std::ostringstream&) {}
PENDING void CEmitter::emitPendingHttpThunkBodies(std::ostringstream&) {}
