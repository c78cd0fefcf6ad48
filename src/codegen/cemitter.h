// The generator: one class that lowers the module list into one C++ translation unit.
#pragma once
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frontend/ast.h"
#include "frontend/module.h"

// A scope entry that a hoisted nested function shadows while its outer function is written.
struct SymSave {
    std::string name;
    bool hadPrevious = false;
    std::string previous;
};

// One entry-module function that the runtime may call by name.
struct FnInfo {
    std::string name;
    int arity = 0;
    bool declared = false;  // a function declaration, compiled as such; else a variable holding a function
};

// The names a function-expression native sees: those in force where it was first named.
struct FeBinding {
    std::map<std::string, std::string> scope;
    std::map<std::string, std::string> bareRequireAliases;
    std::set<std::string> bareRequireDestructured;
    std::set<std::string> entryStatics;
    std::string modulePath;
};

// A statement that break, continue or return may leave while a function is written: a loop, a switch, a
// labelled statement, or the try block of a try/finally.
struct JumpRequest {
    enum Kind { Return, Break, Continue };
    Kind kind;
    std::string label;
    std::string value;  // a return's value (C++ text of a JsValue)
};

struct JumpScope {
    enum Kind { Loop, Switch, Label, Finally };
    Kind kind = Loop;
    const void* owner = nullptr;  // the statement a label stands before, on the label's and the loop's scope
    std::string label;
    bool cxxSwitch = false;  // a switch written as a C++ switch (which a C++ break leaves)
    int id = 0;
    bool breakUsed = false;
    bool continueUsed = false;
    std::vector<JumpRequest> jumps;  // a finally block's pending jumps, numbered from 1
};

// The names a function's own parameters and locals hide, restored when the function is written.
struct LocalShadow {
    std::map<std::string, std::string> aliases;
    std::set<std::string> destructured;
    std::set<std::string> shadowed;
    std::set<std::string> builtinMembers;
};

// Keeps the owned names of one C++ block or function: names declared inside end with it, and the
// names in force before come back when the guard goes. Made with a set, the block starts from those
// names alone (a function body starts from its parameters).
class OwnedLocalsScope {
public:
    // A block only ever adds names (the guards inside it put back what they found), so leaving it
    // takes out what it added. The names in force are only looked at, not copied: a block at the top
    // of a program with thousands of top-level names would otherwise copy all of them.
    explicit OwnedLocalsScope(std::set<std::string>& locals)
        : locals_(locals), blockStart_(locals.begin(), locals.end()), function_(false) {}
    // The names in force are moved aside, not copied: a program with thousands of top-level names
    // would otherwise copy all of them for every function it holds.
    OwnedLocalsScope(std::set<std::string>& locals, std::set<std::string> start)
        : locals_(locals), saved_(std::move(locals)), function_(true) {
        locals_ = std::move(start);
    }
    ~OwnedLocalsScope() {
        if (function_) {
            locals_ = std::move(saved_);
            return;
        }
        if (locals_.size() == blockStart_.size()) return;
        // Both lists are in the set's order and the names of blockStart_ are all still there.
        auto kept = blockStart_.begin();
        for (auto it = locals_.begin(); it != locals_.end();) {
            if (kept != blockStart_.end() && *it == *kept) {
                ++kept;
                ++it;
            } else {
                it = locals_.erase(it);
            }
        }
    }
    OwnedLocalsScope(const OwnedLocalsScope&) = delete;
    OwnedLocalsScope& operator=(const OwnedLocalsScope&) = delete;

private:
    std::set<std::string>& locals_;
    std::vector<std::string_view> blockStart_;  // a block's names at its start (they live in locals_)
    std::set<std::string> saved_;               // a function's enclosing names
    bool function_;
};

// Lowers the ordered module list into one C++ translation unit against the runtime library.
// One object serves one compile; emitModules resets everything it uses.
//
// Value forms. Every JavaScript value is a JsValue (js_value.hpp); a JsOwned owns one. An expression
// can be written in one of these forms, and the caller picks the one its place needs:
//   emitExpr      the node's own C++ text. Literals, operators, object literals, member reads and
//                 `new` give a fresh JsValue temporary; a name gives its variable (a JsOwned for a
//                 local, parameter or module static, a JsValue for a runtime global); a call gives
//                 the JsValue it borrows from its result (see borrowResult); an assignment to an
//                 owned name gives that JsOwned variable. Only for places that accept all of these.
//   emitValue     a JsValue the caller reads but does not own (a borrowed reference or a temporary),
//                 valid until the end of the full C++ expression; to keep it, the caller copies it
//                 (js_clone_value).
//   emitOwned     a JsValue holding its own reference, which the caller takes over (stores into a
//                 JsOwned, an array or a property, or hands to a runtime call that keeps it).
//   emitCallArg   a JsOwned temporary for a parameter of a compiled function, which takes it by
//                 value: a name is shared (from_borrowed), a call's JsOwned result passes as it is,
//                 anything else is wrapped (from_value).
//   borrowResult  the flag of emitCallImpl: true writes `<call>.borrow()`, a JsValue borrowed from
//                 the call's temporary JsOwned result and valid until the end of the full C++
//                 expression (what emitExpr writes); false writes the JsOwned result itself for the
//                 caller to keep (what emitCallArg writes).
class CEmitter {
public:
    std::map<std::string, std::string> scope;
    std::map<std::string, std::string> bareRequireAliases;
    std::set<std::string> bareRequireDestructured;
    // Every name destructured from a built-in module in this module, where `new` may call it
    // (bareRequireDestructured loses the names that become statics of the module).
    std::set<std::string> builtinMemberNames;
    const std::vector<Module>* modules = nullptr;
    std::string currentModulePath;
    std::set<std::string> ownedLocals;
    std::set<std::string> entryStatics;
    bool hybrid = false;
    bool needQuickJs = false;
    bool needUv = false;
    bool needNodeIo = false;
    bool needWebview = false;
    std::set<std::string> httpHandlerIds;
    int feCount = 0;
    std::map<const ASTNode*, int> feUids;
    std::vector<const ASTNode*> pendingFe;
    int inFeNative = 0;
    std::set<std::string> diagSeen;
    // Whether each module's tree names `module`, found once per tree: every module.exports read of
    // the entry asks, and a walk per read would grow with the square of the entry's size.
    mutable std::map<const ASTNode*, bool> moduleMentions;
    // Whether another module requires the entry back, around a cycle through it.
    bool entryRequiredBack = false;

    CEmitter() = default;
    ~CEmitter() = default;

    // ---- translation unit (cemitter.cpp) ----
    std::string emitModules(const std::vector<Module>& modules, bool hybrid);
    void clearModuleScopes();
    void emitJscGlobalsBootstrap(std::ostringstream& os, int level);
    void emitJscGlobalsEpilogue(std::ostringstream& os, int level) const;

    // ---- modules and functions (emit_module.cpp, emit_function.cpp) ----
    void emitDepModuleDecls(const Module& module, std::ostringstream& os);
    void emitDepModule(const Module& module, std::ostringstream& os);
    void emitFunction(const ASTNode& node, std::ostringstream& os, int level, const std::string& prefix);
    static void extractFunctionSignature(const ASTNode& fn, std::string* name, std::vector<std::string>* params,
                                         const ASTNode** body);

    // ---- names a function's locals hide (local_shadowing.cpp) ----
    std::set<std::string> shadowedGlobals;
    LocalShadow enterFunctionLocals(const std::vector<std::string>& params, const ASTNode* body);
    void leaveFunctionLocals(const LocalShadow& saved);
    // True when `name` is the global `global` itself, not a local of that name.
    bool isGlobalName(const std::string& name, const char* global) const;

    // ---- names and lengths function values carry (function_names.cpp) ----
    std::map<const ASTNode*, std::string> inferredFunctionNames;
    std::map<std::string, std::string> compiledJsNames;  // C++ name of a compiled function -> JavaScript name
    std::map<std::string, int> compiledLengths;  // C++ name -> fn.length, where defaults make it less than the parameters
    void nameFunctionExpressions(const ASTNode& node);
    static int functionLength(const ASTNode& fn);
    std::string functionExpressionValue(const ASTNode& node);
    static std::string unnamedFunctionValue(const std::string& native, const ASTNode& fn);
    void emitCompiledFunctionNames(std::ostringstream& os) const;

    // ---- hybrid dispatcher (emit_dispatch.cpp) ----
    void emitHybridAotDispatch(const Module& entry, std::ostringstream& os);

    // ---- statements (emit_stmt.cpp, emit_try.cpp, emit_switch.cpp, emit_for.cpp, emit_decl.cpp, var_hoisting.cpp) ----
    void emitStmt(const ASTNode& stmt, std::ostringstream& out, int level);
    void emitBlock(const ASTNode& body, std::ostringstream& out, int level);
    void emitFor(const ASTNode& forStmt, std::ostringstream& out, int level);
    void emitVarDecl(const ASTNode& declarator, std::ostringstream& out, int level, bool declare, bool terminate);
    void emitModuleVarInit(const ASTNode& declarator, std::ostringstream& out);

    // ---- pre-scans and diagnostics (prescan.cpp, diagnostics.cpp) ----
    void warnAsyncSubtree(const ASTNode& node, const std::string& path);
    void scanLoweringSubtree(const ASTNode& node);
    void collectBareRequireRuntimeFlags(const ASTNode& program);
    // Sets the runtime parts a required built-in module needs (event loop, Node I/O).
    void noteBuiltinNeeds(const std::string& specifier);
    void collectHttpCreateServerHandlerIds(const ASTNode& node);
    void diagUnsupported(const std::string& feature, const std::string& detail);

    // ---- expressions (emit_expr.cpp, emit_operators.cpp, emit_assign.cpp, emit_object.cpp, emit_member.cpp,
    //      value_forms.cpp, naming.cpp) ----
    void emitExpr(const ASTNode& node, std::ostringstream& os);
    void emitValue(const ASTNode& node, std::ostringstream& os);
    void emitOwned(const ASTNode& node, std::ostringstream& os);
    void emitCallArg(const ASTNode& node, std::ostringstream& os);
    bool producesOwnedValue(const ASTNode& node) const;
    bool nodeReturnsJsOwned(const ASTNode& node) const;
    void emitBinary(const ASTNode& node, std::ostringstream& os);
    void emitUnary(const ASTNode& node, std::ostringstream& os);
    void emitUpdate(const ASTNode& node, std::ostringstream& os);
    void emitAssignment(const ASTNode& node, std::ostringstream& os);
    void emitObjectExpr(const ASTNode& node, std::ostringstream& os);
    void emitMemberExpr(const ASTNode& node, std::ostringstream& os);
    std::string resolve(const std::string& name) const;
    static std::string escapeString(const std::string& s);
    static std::string identName(const ASTNode& node);

    // ---- require lowering (emit_require*.cpp) ----
    void resolveRequireDecl(const ASTNode& decl, const std::string& fromPath);
    void emitBareRequireExpr(const std::string& specifier, std::ostringstream& os);
    // The built-in module a bare specifier names ("node:fs" and "fs" give "fs"), or "".
    static std::string builtinModuleName(const std::string& specifier);
    const Module* findModule(const std::string& path) const;
    bool requiresEntry(const std::vector<Module>& list) const;
    // The module a relative specifier written in the module being emitted names, or null.
    const Module* findRequiredModule(const std::string& specifier) const;
    static bool isRequireCall(const ASTNode& node);
    static std::string requireArg(const ASTNode& call);
    static bool isRelativeRequire(const std::string& specifier);
    static bool isModuleExprProp(const ASTNode& node, const std::string& objName, const std::string& propName);
    static bool isModuleExportsDotProp(const ASTNode& node);
    std::string exportedFunctionText(const Module& module, const std::string& symbol) const;
    static const ASTNode* topLevelExportsAssign(const ASTNode& stmt);
    static std::string exportKey(const ASTNode& target);

    // ---- calls (emit_call*.cpp) ----
    void emitCallImpl(const ASTNode& call, std::ostringstream& os, bool borrowResult);
    void emitJscMemberCall(const ASTNode& object, const std::string& method, const std::vector<const ASTNode*>& args,
                           std::ostringstream& os);
    void emitBuiltinMethodCall(const std::string& module, const std::string& method,
                               const std::vector<const ASTNode*>& args, std::ostringstream& os);
    void emitComputedMemberCall(const ASTNode& object, const ASTNode& key, const std::vector<const ASTNode*>& args,
                                std::ostringstream& os);
    // The C++ text of a name that nothing in scope declares: the name itself when the program or the
    // runtime declares it, else a runtime call that throws ReferenceError (reported once).
    std::string unboundNameText(const std::string& name) const;

    // ---- native callbacks (emit_native_callbacks*.cpp) ----
    void scanFeUidsSubtree(const ASTNode& node);
    std::string queueFeNative(const ASTNode& node);
    void emitNativeFeFunction(const ASTNode& fn, const std::string& name, std::ostringstream& out);
    void emitPendingFeBodies(std::ostringstream& out);
    void emitPendingHttpThunkDecls(std::ostringstream& out);
    void emitPendingHttpThunkBodies(std::ostringstream& out);
    std::map<const ASTNode*, FeBinding> feBindings;       // native -> names where it was first named
    std::map<const ASTNode*, std::string> feModulePaths;  // native -> path of the module it is written in
    std::map<std::string, int> compiledArity;             // C++ name of every compiled function -> parameters
    std::set<std::string> closureCaptured;                // enclosing locals reported as read by nested functions
    std::map<const ASTNode*, std::string> sequencedUnits;  // call part -> local holding its value, while written
    int sequencedCounter = 0;                              // locals named so far
    std::set<std::string> reassignedFunctions;             // function names some assignment targets

private:
    // translation unit pieces
    void emitFeatureDefines(std::ostringstream& os) const;
    void emitIncludes(std::ostringstream& os) const;
    void emitFePrototypes(std::ostringstream& os) const;
    void emitGlobalStatics(std::ostringstream& os) const;
    void runPreScans(const std::vector<Module>& list);
    void prepareEntry(const Module& entry);
    std::set<std::string> emitEntryStatics(const Module& entry, std::ostringstream& os);
    void emitEntryFunctions(const Module& entry, std::ostringstream& os);
    void emitMain(const Module& entry, const std::set<std::string>& statics, std::ostringstream& os);
    // Writes the statements of a run-once body of `program` through `emit`: into `body` at indent level 1,
    // or, when there are many, into functions named `partName` and a number, written to `parts`, which
    // `body` calls in order (statement_parts.cpp).
    void emitStatementParts(const ASTNode& program, const std::vector<const ASTNode*>& stmts,
                            const std::function<void(const ASTNode&, std::ostringstream&)>& emit,
                            const std::string& partName, std::ostringstream& parts, std::ostringstream& body);

    // dependency-module pieces
    std::vector<std::string> bindDepModuleNames(const Module& module);
    static std::vector<std::string> bareDestructuredLocals(const ASTNode& program);
    void emitDepModuleStatics(const Module& module, const std::vector<std::string>& cxxNames, std::ostringstream& os);
    void emitDepModuleInit(const Module& module, std::ostringstream& os);
    void emitModuleExportsAssign(const Module& module, const ASTNode& assign, std::ostringstream& os);
    void resyncExportStatic(const Module& module, const ASTNode& stmt, std::ostringstream& os);
    void emitModuleDestructuredInit(const ASTNode& declarator, std::ostringstream& out);

    // function pieces
    void emitFunctionPrototypes(const ASTNode& program, const std::string& prefix, std::ostringstream& os) const;
    void collectPrototypes(const ASTNode& fn, const std::string& prefix, std::vector<std::string>& out) const;
    std::vector<std::string> cxxParamNames(const std::vector<std::string>& params, const std::string& fnName);
    void hoistBlockVars(const std::vector<const ASTNode*>& stmts, std::ostringstream& os, int level);
    static std::vector<std::string> nestedModuleVars(const ASTNode& program);
    bool atModuleTop = false;  // a dependency module's initialiser is being written, outside its functions
    std::set<std::string> moduleBlockVars;  // the module's nestedModuleVars
    std::set<const ASTNode*> unoptimisedFunctions;  // the module's functions written for the plain compiler
    void chooseUnoptimisedFunctions(const ASTNode& program);

    // statement rows
    void emitExpressionStmt(const ASTNode& stmt, std::ostringstream& out, int level);
    void emitIf(const ASTNode& stmt, std::ostringstream& out, int level);
    void emitWhile(const ASTNode& stmt, std::ostringstream& out, int level);
    void emitDoWhile(const ASTNode& stmt, std::ostringstream& out, int level);
    void emitReturn(const ASTNode& stmt, std::ostringstream& out, int level);
    void emitThrow(const ASTNode& stmt, std::ostringstream& out, int level);
    void emitTry(const ASTNode& stmt, std::ostringstream& out, int level);
    void emitCatch(const ASTNode& clause, std::ostringstream& out, int level);
    void emitSwitch(const ASTNode& stmt, std::ostringstream& out, int level);
    void emitSwitchChain(const ASTNode& stmt, std::ostringstream& out, int level);
    void emitSwitchIndexed(const ASTNode& stmt, std::ostringstream& out, int level);
    void emitBreak(const ASTNode& stmt, std::ostringstream& out, int level);
    // jumps (emit_jumps.cpp)
    std::vector<JumpScope> jumpScopes;
    int jumpCounter = 0;
    int jumpTarget(bool isBreak, const std::string& label) const;
    int finallyAbove(int floor) const;
    void routeThroughFinally(int index, const JumpRequest& jump, std::ostringstream& out, int level);
    void emitJump(const JumpRequest& jump, std::ostringstream& out, int level);
    void pushJumpScope(JumpScope::Kind kind, const void* owner, const std::string& label, bool cxxSwitch);
    void emitLabeled(const ASTNode& stmt, std::ostringstream& out, int level);
    void emitLoopBody(const ASTNode& loop, const ASTNode& body, std::ostringstream& out, int level);
    void emitTryFinally(const ASTNode& block, const ASTNode* handler, const ASTNode& finalizer,
                        std::ostringstream& out, int level);
    void emitContinue(const ASTNode& stmt, std::ostringstream& out, int level);
    void emitNestedFunctionDecl(std::ostringstream& out, int level);
    void emitUnsupportedStmt(const ASTNode& stmt, std::ostringstream& out, int level);
    void emitStatementsScoped(const std::vector<const ASTNode*>& stmts, std::ostringstream& out, int level);
    void emitForInit(const ASTNode& init, std::ostringstream& out);
    void emitVarPattern(const ASTNode& pattern, const ASTNode* init, std::ostringstream& out, int level,
                        bool terminate);
    void emitRelativeRequireDecl(const std::string& name, const std::string& specifier, std::ostringstream& out,
                                 int level, bool terminate);

    // expression rows
    void emitLiteral(const ASTNode& node, std::ostringstream& os);
    void emitIdentifier(const ASTNode& node, std::ostringstream& os);
    void emitLogical(const ASTNode& node, std::ostringstream& os);
    void emitNew(const ASTNode& node, std::ostringstream& os);
    bool constructsBuiltin(const ASTNode& callee) const;
    void emitConditional(const ASTNode& node, std::ostringstream& os);
    void emitSequence(const ASTNode& node, std::ostringstream& os);
    void emitExprAsValue(const ASTNode& node, std::ostringstream& os);
    void emitThis(std::ostringstream& os);
    void emitUnsupportedExpr(const ASTNode& node, std::ostringstream& os);
    void emitInt32Op(const std::string& op, const ASTNode& left, const ASTNode& right, std::ostringstream& os);
    void emitInt32OpOnText(const std::string& op, const std::string& left, const std::string& right,
                           std::ostringstream& os);
    void emitVoid(const ASTNode& arg, std::ostringstream& os);
    void emitDelete(const ASTNode& arg, std::ostringstream& os);
    void emitMemberKey(const ASTNode& member, std::ostringstream& os);
    void emitMemberSlotOpen(const ASTNode& member, std::ostringstream& os);
    void emitMemberAssign(const ASTNode& target, const std::string& op, const ASTNode& value, std::ostringstream& os);
    void emitUndeclaredAssign(const std::string& name, const std::string& op, const ASTNode& value,
                              std::ostringstream& os);
    void emitMemberUpdate(const ASTNode& node, const ASTNode& target, std::ostringstream& os);
    void emitLogicalAssign(const ASTNode& target, const std::string& op, const ASTNode& value,
                           std::ostringstream& os);
    void emitModuleExportsRead(std::ostringstream& os) const;
    // module meta (emit_module_meta.cpp)
    std::string currentModuleFile() const;
    bool mentionsModule(const ASTNode& root) const;
    void emitModuleProperty(const std::string& prop, std::ostringstream& os);
    std::string moduleLocationText(const std::string& name) const;
    bool emitMainModuleTest(const ASTNode& node, std::ostringstream& os);
    bool isOwnedName(const std::string& name) const;
    bool yieldsOwnedVariable(const ASTNode& node) const;
    std::string valueText(const ASTNode& node);

    // call pieces (emit_call*.cpp)
    void emitCallShape(const ASTNode& call, const std::vector<const ASTNode*>& args, std::ostringstream& os,
                       bool borrowResult);
    void emitArgValue(const ASTNode& node, std::ostringstream& os);
    void emitArgOwned(const ASTNode& node, std::ostringstream& os);
    static std::vector<const ASTNode*> evaluationUnits(const ASTNode& callee, const std::vector<const ASTNode*>& args);
    bool needsSequencing(const std::vector<const ASTNode*>& units) const;
    void emitSequencedCall(const ASTNode& call, const std::vector<const ASTNode*>& args,
                           const std::vector<const ASTNode*>& units, std::ostringstream& os, bool borrowResult);
    bool callsCompiledFunction(const std::string& name, size_t argc) const;

    // evaluation order of operands (evaluation_order.cpp)
    static bool actsOnState(const ASTNode& node);
    static bool readsProperty(const ASTNode& node);
    bool readsMutableName(const ASTNode& node, const ASTNode& other) const;
    bool orderObservable(const ASTNode& first, const ASTNode& second) const;
    // Writes `([&]() -> JsValue { JsValue <local> = V(first); return ` and gives the local's name;
    // the caller writes the rest of the expression and closes with "; }())".
    std::string openOrderedOperand(const ASTNode& first, std::ostringstream& os);
    void emitCountedValues(const std::vector<const ASTNode*>& args, std::ostringstream& os);
    void emitValuePlaces(const std::vector<const ASTNode*>& args, size_t places, std::ostringstream& os);
    void emitValueOr(const std::vector<const ASTNode*>& args, size_t index, const char* fallback,
                     std::ostringstream& os);
    void emitMethodCallWithKey(const ASTNode& object, const std::string& keyText,
                               const std::vector<const ASTNode*>& args, std::ostringstream& os);
    void emitMemberCall(const ASTNode& callee, const std::vector<const ASTNode*>& args, std::ostringstream& os);
    static bool isGlobalFunctionName(const std::string& name);
    bool emitGlobalFunctionCall(const std::string& name, const std::vector<const ASTNode*>& args,
                                std::ostringstream& os);
    void emitIdentifierCall(const ASTNode& call, const std::vector<const ASTNode*>& args, std::ostringstream& os,
                            bool borrowResult);
    void emitValueCall(const ASTNode& callee, const std::vector<const ASTNode*>& args, std::ostringstream& os,
                       bool borrowResult);
    void emitRequireCall(const ASTNode& call, std::ostringstream& os, bool borrowResult);
    void emitCreateServer(const std::string& module, const std::vector<const ASTNode*>& args, std::ostringstream& os);
    bool isCompiledFunction(const std::string& name, const std::string& cxx) const;
    // functions whose name is assigned somewhere (function_slots.cpp)
    void collectReassignedFunctions(const std::vector<Module>& list);
    void emitFunctionSlotTemplate(std::ostringstream& os) const;
    bool heldInSlot(const std::string& name) const;
    // The C++ text of a name in a value position: the static holding a reassigned function, else resolve.
    std::string valueName(const std::string& name) const;
    bool isBoundName(const std::string& name) const;
    bool inEntryModule() const;

    // native-callback pieces (emit_native_callbacks*.cpp)
    void numberFunctionExpressions(const ASTNode& node, const std::string& modulePath);
    void recordCompiledFunctions(const Module& module);
    void recordCompiledFunction(const ASTNode& fn, const std::string& cxx);
    void reportClosureCaptures(const ASTNode& node, std::vector<std::set<std::string>>& enclosing);
    FeBinding currentBinding() const;
    void applyBinding(const FeBinding& binding);
    const FeBinding* bindingFor(const ASTNode* fe) const;
    std::vector<std::pair<std::string, std::string>> httpAdapters() const;
};
