// Calls whose callee and arguments must be evaluated strictly left to right, through numbered locals.
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

// The parts of a call JavaScript evaluates, in its order: the callee's object or value (when it is
// more than a name), a computed key, then the arguments.
std::vector<const ASTNode*> CEmitter::evaluationUnits(const ASTNode& callee, const std::vector<const ASTNode*>& args) {
    std::vector<const ASTNode*> units;
    if (callee.type == "MemberExpression"sv && callee.children.size() >= 2) {
        if (callee.children[0].type != "Identifier"sv) units.push_back(&callee.children[0]);
        const ASTNode& key = callee.children[1];
        if (jsonTrue(callee, "computed") && key.type != "Identifier"sv && key.type != "Literal"sv)
            units.push_back(&key);
    } else if (callee.type != "Identifier"sv) {
        units.push_back(&callee);
    }
    units.insert(units.end(), args.begin(), args.end());
    return units;
}

// C++ leaves the order of a call's arguments open (g++ evaluates them right to left); JavaScript runs
// them left to right. Order matters once one part acts and another acts, may throw or reads a name
// the action may change.
bool CEmitter::needsSequencing(const std::vector<const ASTNode*>& units) const {
    int acting = 0, observing = 0;
    for (const ASTNode* u : units) {
        if (actsOnState(*u)) {
            ++acting;
        } else if (readsProperty(*u)) {
            ++observing;
        } else {
            for (const ASTNode* other : units)
                if (other != u && readsMutableName(*u, *other)) {
                    ++observing;
                    break;
                }
        }
    }
    return acting >= 1 && acting + observing >= 2;
}

// The call as a lambda that first evaluates every part into a local, left to right, then makes the call
// with the locals. A compiled function's arguments are held as JsOwned and moved in.
void CEmitter::emitSequencedCall(const ASTNode& call, const std::vector<const ASTNode*>& args,
                                 const std::vector<const ASTNode*>& units, std::ostringstream& os, bool borrowResult) {
    const ASTNode& callee = call.children[0];
    const bool direct = callee.type == "Identifier"sv && callsCompiledFunction(identName(callee), args.size());
    os << "([&]() -> " << (borrowResult ? "JsValue" : "JsOwned") << " { ";
    std::vector<std::pair<const ASTNode*, std::string>> locals;
    for (const ASTNode* u : units) {
        const std::string name = "__jsc_a" + std::to_string(++sequencedCounter);
        if (direct) {
            os << "JsOwned " << name << " = ";
            emitCallArg(*u, os);
        } else {
            os << "JsValue " << name << " = ";
            emitValue(*u, os);
        }
        os << "; ";
        locals.emplace_back(u, name);
    }
    for (const auto& local : locals) sequencedUnits[local.first] = local.second;
    os << "return ";
    emitCallShape(call, args, os, borrowResult);
    for (const auto& local : locals) sequencedUnits.erase(local.first);
    os << "; }())";
}
