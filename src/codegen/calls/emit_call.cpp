// Calls: the entry point for every call, the argument lists and the argument value forms.
#include <string_view>

#include "codegen/cemitter.h"

using namespace std::string_view_literals;

void CEmitter::emitCallImpl(const ASTNode& call, std::ostringstream& os, bool borrowResult) {
    if (call.children.empty()) {
        os << "JS_UNDEFINED()";
        return;
    }
    const ASTNode& callee = call.children[0];
    std::vector<const ASTNode*> args;
    for (size_t i = 1; i < call.children.size(); ++i) args.push_back(&call.children[i]);
    // A callee nothing declares throws before its arguments run, so they are not evaluated first.
    const bool unknownCallee = callee.type == "Identifier"sv && !isGlobalFunctionName(identName(callee)) &&
                               !isBoundName(identName(callee));
    const std::vector<const ASTNode*> units = evaluationUnits(callee, args);
    if (!unknownCallee && needsSequencing(units)) {
        emitSequencedCall(call, args, units, os, borrowResult);
        return;
    }
    emitCallShape(call, args, os, borrowResult);
}

void CEmitter::emitCallShape(const ASTNode& call, const std::vector<const ASTNode*>& args, std::ostringstream& os,
                             bool borrowResult) {
    const ASTNode& callee = call.children[0];
    if (callee.type == "MemberExpression"sv && callee.children.size() >= 2)
        emitMemberCall(callee, args, os);
    else if (callee.type == "Identifier"sv)
        emitIdentifierCall(call, args, os, borrowResult);
    else
        emitValueCall(callee, args, os, borrowResult);
}

// argc, then ", " and the value of every argument.
void CEmitter::emitCountedValues(const std::vector<const ASTNode*>& args, std::ostringstream& os) {
    os << args.size();
    for (const ASTNode* a : args) {
        os << ", ";
        emitArgValue(*a, os);
    }
}

// Exactly `places` values: the arguments that exist, undefined for the missing ones; surplus
// arguments are neither written nor evaluated.
void CEmitter::emitValuePlaces(const std::vector<const ASTNode*>& args, size_t places, std::ostringstream& os) {
    for (size_t i = 0; i < places; ++i) {
        if (i) os << ", ";
        if (i < args.size())
            emitArgValue(*args[i], os);
        else
            os << "JS_UNDEFINED()";
    }
}

void CEmitter::emitValueOr(const std::vector<const ASTNode*>& args, size_t index, const char* fallback,
                           std::ostringstream& os) {
    if (index < args.size())
        emitArgValue(*args[index], os);
    else
        os << fallback;
}

// The value of an argument (or of the callee's object, key or value), or the local that holds it
// when the call's parts are evaluated in order first.
void CEmitter::emitArgValue(const ASTNode& node, std::ostringstream& os) {
    auto it = sequencedUnits.find(&node);
    if (it != sequencedUnits.end())
        os << it->second;
    else
        emitValue(node, os);
}

void CEmitter::emitArgOwned(const ASTNode& node, std::ostringstream& os) {
    auto it = sequencedUnits.find(&node);
    if (it != sequencedUnits.end())
        os << "std::move(" << it->second << ")";
    else
        emitCallArg(node, os);
}
