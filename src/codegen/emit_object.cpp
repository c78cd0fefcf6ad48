// Object literals.
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

void CEmitter::emitObjectExpr(const ASTNode& node, std::ostringstream& os) {
    os << "([&](){ JsValue __obj = js_obj_new(); ";
    for (const ASTNode& prop : node.children) {
        if (prop.type != "Property"sv || prop.children.size() < 2) continue;
        const ASTNode& key = prop.children[0];
        const std::string kind = jsonString(prop, "kind");
        if (kind == "get" || kind == "set")
            diagUnsupported("getter or setter in an object literal",
                            "The accessor is stored as a plain function value under its key; reading the "
                            "property gives the function, not what it computes.");
        if (jsonTrue(prop, "computed") && orderObservable(key, prop.children[1])) {
            // The key is taken before the value, as JavaScript does.
            os << "{ JsValue __k = ";
            emitValue(key, os);
            os << "; js_obj_set_computed(&__obj, __k, ";
            emitOwned(prop.children[1], os);
            os << "); } ";
            continue;
        }
        if (jsonTrue(prop, "computed")) {
            os << "js_obj_set_computed(&__obj, ";
            emitValue(key, os);
        } else {
            os << "js_obj_set(&__obj, ";
            auto v = key.json.find("value");
            if (key.type == "Identifier"sv)
                os << "\"" << escapeString(identName(key)) << "\"";
            else if (key.type == "Literal"sv && v != key.json.end() && v->is_string())
                os << "\"" << escapeString(v->get<std::string>()) << "\"";
            else if (key.type == "Literal"sv && v != key.json.end() && v->is_number())
                os << "\"" << v->dump() << "\"";
            else
                os << "\"\"";
        }
        os << ", ";
        emitOwned(prop.children[1], os);
        os << "); ";
    }
    os << "return __obj; })()";
}
