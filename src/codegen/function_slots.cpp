// Functions a program reassigns: they are held in a slot, and named through it as values.
#include <string_view>

#include "codegen/cemitter.h"

using namespace std::string_view_literals;

// JavaScript lets a function declaration's name be assigned (Babel's helpers replace themselves on their
// first call). Such a function is held in a per-function static initialised with its function value on
// first use; reads, assignments and calls of the name go through that static.

namespace {

void collectAssignedNames(const ASTNode& node, std::set<std::string>& out) {
    if ((node.type == "AssignmentExpression"sv || node.type == "UpdateExpression"sv) && !node.children.empty() &&
        node.children[0].type == "Identifier"sv)
        out.insert(CEmitter::identName(node.children[0]));
    for (const ASTNode& child : node.children) collectAssignedNames(child, out);
}

void collectFunctionNames(const ASTNode& node, std::set<std::string>& out) {
    if (node.type == "FunctionDeclaration"sv && !node.children.empty() && node.children[0].type == "Identifier"sv)
        out.insert(CEmitter::identName(node.children[0]));
    for (const ASTNode& child : node.children) collectFunctionNames(child, out);
}

}  // namespace

void CEmitter::collectReassignedFunctions(const std::vector<Module>& list) {
    reassignedFunctions.clear();
    for (const Module& m : list) {
        std::set<std::string> assigned, functions;
        collectAssignedNames(m.ast, assigned);
        collectFunctionNames(m.ast, functions);
        for (const std::string& name : assigned)
            if (functions.count(name)) reassignedFunctions.insert(name);
    }
}

void CEmitter::emitFunctionSlotTemplate(std::ostringstream& os) const {
    if (reassignedFunctions.empty()) return;
    os << "template <auto F> static JsValue& __jsc_fn_slot() { static JsValue slot(F); return slot; }\n";
}

bool CEmitter::heldInSlot(const std::string& name) const {
    if (!reassignedFunctions.count(name) || isOwnedName(name) || !isBoundName(name)) return false;
    return isCompiledFunction(name, resolve(name));
}

std::string CEmitter::valueName(const std::string& name) const {
    return heldInSlot(name) ? "__jsc_fn_slot<" + resolve(name) + ">()" : resolve(name);
}
