// Member reads and the key and slot forms that member assignments and updates share.
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

void CEmitter::emitMemberExpr(const ASTNode& node, std::ostringstream& os) {
    if (node.children.size() < 2) {
        os << "JS_UNDEFINED()";
        return;
    }
    const ASTNode& object = node.children[0];
    const ASTNode& property = node.children[1];
    const std::string propName = identName(property);
    if (jsonTrue(node, "computed") && orderObservable(object, property)) {
        const std::string o = openOrderedOperand(object, os);
        os << "js_obj_get(" << o << ", ";
        emitValue(property, os);
        os << "); }())";
        return;
    }
    if (jsonTrue(node, "computed")) {
        os << "js_obj_get(";
        emitValue(object, os);
        os << ", ";
        emitValue(property, os);
        os << ")";
        return;
    }
    auto aliasOf = [this](const std::string& name) {
        auto it = bareRequireAliases.find(name);
        return it == bareRequireAliases.end() ? std::string() : it->second;
    };
    if (object.type == "MemberExpression"sv && object.children.size() >= 2 && propName != "<anon>" &&
        !propName.empty() && identName(object.children[1]) == "env") {
        const std::string inner = identName(object.children[0]);
        if (isGlobalName(inner, "process") || aliasOf(inner) == "process") {
            os << "js_process_env_get(JS_STR(\"" << escapeString(propName) << "\"))";
            return;
        }
    }
    const std::string objName = identName(object);
    std::string module = aliasOf(objName);
    if (module.empty() && isGlobalName(objName, "process")) module = "process";
    if (module == "process" && propName == "argv") {
        os << "js_process_get_argv()";
        return;
    }
    if (module == "process" && propName == "cwd") {
        os << "js_process_cwd()";
        return;
    }
    if (module.empty() && object.type == "Identifier"sv && objName == "module" && !isBoundName("module")) {
        emitModuleProperty(propName, os);
        return;
    }
    os << "js_obj_get_q(";
    emitValue(object, os);
    os << ", \"" << escapeString(propName) << "\")";
}


// Opens the lambda that reads, updates or stores one property: the object in __o, the key in __k.
void CEmitter::emitMemberSlotOpen(const ASTNode& member, std::ostringstream& os) {
    os << "([&](){ JsValue __o = ";
    emitValue(member.children[0], os);
    os << "; JsValue __k = ";
    emitMemberKey(member, os);
    os << "; ";
}

void CEmitter::emitMemberKey(const ASTNode& member, std::ostringstream& os) {
    if (jsonTrue(member, "computed"))
        emitValue(member.children[1], os);
    else
        os << "JS_STR(\"" << escapeString(identName(member.children[1])) << "\")";
}
