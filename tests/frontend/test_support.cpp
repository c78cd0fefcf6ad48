#include "test_support.h"

#include "frontend/module_resolver.h"

JSContext* sharedContext() {
    static QjsGuard guard;
    static bool loaded = false;
    if (!loaded) {
        bootstrapQjs(guard.ctx, ORVAN_TEST_ROOT);
        loaded = true;
    }
    return guard.ctx;
}

ASTNode parseProgram(const std::string& source) {
    std::string text = ModuleResolver::parseScriptToAstJson(sharedContext(), source, "test.js");
    return Parser::parseNode(nlohmann::json::parse(text));
}
