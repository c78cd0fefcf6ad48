// Long run-once bodies (main, a module's initialiser) written as a sequence of part functions.
//
// The C++ compiler's optimiser costs far more than linear time in the size of one function: a body of
// a thousand top-level statements, each with its temporaries, lambdas and cleanup regions, takes
// minutes at -O2 where the same statements spread over small functions take seconds. A body with
// more statements than fit one part is therefore cut into parts of a bounded size, each a function
// of its own that the body calls in order. Parts are kept out of line, or the optimiser would paste
// them back into the body it was spared. A part whose statements hold no loop runs each of them once,
// so it is not optimised at all (a third of the time of a long body went to optimising run-once code);
// a loop at the top of a program keeps the full optimiser, unless it is a counted loop that runs only a
// few rounds, which is run-once code repeated: optimising such a loop costs the compiler tens of
// milliseconds and saves the program microseconds.
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/syntax_queries.h"
#include "codegen/text_helpers.h"

using namespace std::string_view_literals;

namespace {

// A part closes after this many statements, or earlier once its text passes kPartBytes.
constexpr size_t kStatementsPerPart = 16;
constexpr std::streamoff kPartBytes = 24 * 1024;

// Counted loops of at most this many rounds are left unoptimised.
constexpr double kFewRounds = 100;

bool isNumberLiteral(const ASTNode& node, double* value) {
    if (node.type != "Literal"sv) return false;
    auto v = node.json.find("value");
    if (v == node.json.end() || !v->is_number()) return false;
    *value = v->get<double>();
    return true;
}

bool isIdentifierNamed(const ASTNode& node, const std::string& name) {
    return node.type == "Identifier"sv && CEmitter::identName(node) == name;
}

bool isWriteOf(const ASTNode& node, const std::string& name) {
    return (node.type == "AssignmentExpression"sv || node.type == "UpdateExpression"sv) && !node.children.empty() &&
           isIdentifierNamed(node.children[0], name);
}

// True when anything below `node`, closures included, assigns or updates `name`.
bool writesName(const ASTNode& node, const std::string& name) {
    if (isWriteOf(node, name)) return true;
    for (const ASTNode& child : node.children)
        if (writesName(child, name)) return true;
    return false;
}

// Names that some function of the program assigns or updates: a call made while a loop runs may change
// those behind the loop's back.
void collectFunctionWrites(const ASTNode& node, bool inFunction, std::set<std::string>& names) {
    inFunction = inFunction || isFunctionNode(node);
    if (inFunction && (node.type == "AssignmentExpression"sv || node.type == "UpdateExpression"sv) &&
        !node.children.empty() && node.children[0].type == "Identifier"sv)
        names.insert(CEmitter::identName(node.children[0]));
    for (const ASTNode& child : node.children) collectFunctionWrites(child, inFunction, names);
}

class LoopWeigher {
public:
    explicit LoopWeigher(const ASTNode& program) { collectFunctionWrites(program, false, writtenByFunctions_); }

    // True when the statement holds a loop that may run long. Function bodies inside the statement are
    // written elsewhere, so only the statement's own loops count.
    bool loopsLong(const ASTNode& node) const {
        if (isFunctionNode(node) || isFewRoundsLoop(node)) return false;
        if (node.type == "ForStatement"sv || node.type == "WhileStatement"sv || node.type == "DoWhileStatement"sv ||
            node.type == "ForInStatement"sv || node.type == "ForOfStatement"sv)
            return true;
        for (const ASTNode& child : node.children)
            if (loopsLong(child)) return true;
        return false;
    }

private:
    // `for (var i = a; i < b; i++) body` with number literals a and b at most kFewRounds apart, where
    // nothing but the loop's own update changes i while it runs, and whose body holds no loop that may
    // run long.
    bool isFewRoundsLoop(const ASTNode& loop) const {
        if (loop.type != "ForStatement"sv || loop.children.size() != 4) return false;
        const ASTNode& init = loop.children[0];
        const ASTNode& test = loop.children[1];
        const ASTNode& update = loop.children[2];
        const ASTNode& body = loop.children[3];
        if (init.type != "VariableDeclaration"sv || init.children.size() != 1) return false;
        const ASTNode& decl = init.children[0];
        double from = 0, to = 0;
        if (decl.children.size() != 2 || decl.children[0].type != "Identifier"sv ||
            !isNumberLiteral(decl.children[1], &from))
            return false;
        const std::string counter = CEmitter::identName(decl.children[0]);
        const std::string op = jsonString(test, "operator");
        if (test.type != "BinaryExpression"sv || (op != "<" && op != "<=") || test.children.size() != 2 ||
            !isIdentifierNamed(test.children[0], counter) || !isNumberLiteral(test.children[1], &to))
            return false;
        if (update.type != "UpdateExpression"sv || jsonString(update, "operator") != "++" ||
            !isWriteOf(update, counter))
            return false;
        if (!(to - from <= kFewRounds)) return false;  // NaN bounds do not count either
        return !writtenByFunctions_.count(counter) && !writesName(body, counter) && !loopsLong(body);
    }

    std::set<std::string> writtenByFunctions_;
};

}  // namespace

void CEmitter::emitStatementParts(const ASTNode& program, const std::vector<const ASTNode*>& stmts,
                                  const std::function<void(const ASTNode&, std::ostringstream&)>& emit,
                                  const std::string& partName, std::ostringstream& parts, std::ostringstream& body) {
    // A statement that leaves a C++ local behind (a destructuring declaration at the top) ties every
    // statement after it to the function that declares it; the owned names tell when that happens.
    // Statements at this level only ever add owned names (the scopes below restore what they found),
    // so an unchanged count is an unchanged set, and a program with thousands of top-level names does
    // not compare them all after every statement.
    const size_t ownedAtStart = ownedLocals.size();
    if (stmts.size() <= kStatementsPerPart) {
        for (const ASTNode* stmt : stmts) emit(*stmt, body);
        return;
    }
    const LoopWeigher weigher(program);
    int partCount = 0;
    size_t inPart = 0;
    bool partLoops = false;
    std::ostringstream part;
    auto closePart = [&]() {
        if (inPart == 0) return;
        ++partCount;
        parts << (partLoops ? "__attribute__((noinline))" : "__attribute__((noinline, optimize(\"O0\")))")
              << " static void " << partName << partCount << "(void) {\n" << part.str() << "}\n\n";
        body << "    " << partName << partCount << "();\n";
        part.str(std::string());
        inPart = 0;
    };
    for (size_t i = 0; i < stmts.size(); ++i) {
        // Loops and run-once statements go to parts of their own where the names allow.
        const bool loops = weigher.loopsLong(*stmts[i]);
        if (inPart > 0 && loops != partLoops && ownedLocals.size() == ownedAtStart) closePart();
        if (inPart == 0) partLoops = loops;
        partLoops = partLoops || loops;
        emit(*stmts[i], part);
        ++inPart;
        if ((inPart >= kStatementsPerPart || part.tellp() > kPartBytes) && ownedLocals.size() == ownedAtStart) closePart();
    }
    closePart();
}
