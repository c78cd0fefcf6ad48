#include "codegen/cemitter.h"

void CEmitter::emitCallImpl(const ASTNode& call, std::ostringstream& os, bool borrowResult) {
    if (call.children.empty()) {
        os << "JS_UNDEFINED()";
        return;
    }
    const ASTNode& callee = call.children[0];
    std::vector<const ASTNode*> args;
    for (size_t i = 1; i < call.children.size(); ++i) args.push_back(&call.children[i]);
    if (callee.type == "MemberExpression" && callee.children.size() >= 2)
        emitMemberCall(callee, args, os);
    else if (callee.type == "Identifier")
        emitIdentifierCall(call, args, os, borrowResult);
    else
        emitValueCall(callee, args, os, borrowResult);
}

// argc, then ", " and the value of every argument.
void CEmitter::emitCountedValues(const std::vector<const ASTNode*>& args, std::ostringstream& os) {
    os << args.size();
    for (const ASTNode* a : args) {
        os << ", ";
        emitValue(*a, os);
    }
}

// Exactly `places` values: the arguments that exist, undefined for the missing ones; surplus
// arguments are neither written nor evaluated.
void CEmitter::emitValuePlaces(const std::vector<const ASTNode*>& args, size_t places, std::ostringstream& os) {
    for (size_t i = 0; i < places; ++i) {
        if (i) os << ", ";
        if (i < args.size())
            emitValue(*args[i], os);
        else
            os << "JS_UNDEFINED()";
    }
}

void CEmitter::emitValueOr(const std::vector<const ASTNode*>& args, size_t index, const char* fallback,
                           std::ostringstream& os) {
    if (index < args.size())
        emitValue(*args[index], os);
    else
        os << fallback;
}
