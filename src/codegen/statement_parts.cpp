// Long run-once bodies (main, a module's initialiser) written as a sequence of part functions.
//
// The C++ compiler's optimiser costs far more than linear time in the size of one function: a body of
// a thousand top-level statements, each with its temporaries, lambdas and cleanup regions, takes
// minutes at -O2 where the same statements spread over small functions take seconds. A body with
// more statements than fit one part is therefore cut into parts of a bounded size, each a function
// of its own that the body calls in order. Parts are kept out of line, or the optimiser would paste
// them back into the body it was spared. A part whose statements hold no loop runs each of them once,
// so it is not optimised at all (a third of the time of a long body went to optimising run-once code);
// a loop at the top of a program keeps the full optimiser.
#include "codegen/cemitter.h"
#include "codegen/syntax_queries.h"

namespace {

// A part closes after this many statements, or earlier once its text passes kPartBytes.
constexpr size_t kStatementsPerPart = 16;
constexpr std::streamoff kPartBytes = 24 * 1024;

}  // namespace

// Function bodies inside the statement are written elsewhere, so only the statement's own loops count.
bool CEmitter::holdsLoop(const ASTNode& node) {
    if (isFunctionNode(node)) return false;
    if (node.type == "ForStatement" || node.type == "WhileStatement" || node.type == "DoWhileStatement" ||
        node.type == "ForInStatement" || node.type == "ForOfStatement")
        return true;
    for (const ASTNode& child : node.children)
        if (holdsLoop(child)) return true;
    return false;
}

void CEmitter::emitStatementParts(const std::vector<const ASTNode*>& stmts,
                                  const std::function<void(const ASTNode&, std::ostringstream&)>& emit,
                                  const std::string& partName, std::ostringstream& parts, std::ostringstream& body) {
    // A statement that leaves a C++ local behind (a destructuring declaration at the top) ties every
    // statement after it to the function that declares it; the owned names tell when that happens.
    const std::set<std::string> atStart = ownedLocals;
    if (stmts.size() <= kStatementsPerPart) {
        for (const ASTNode* stmt : stmts) emit(*stmt, body);
        return;
    }
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
        const bool loops = holdsLoop(*stmts[i]);
        if (inPart > 0 && loops != partLoops && ownedLocals == atStart) closePart();
        if (inPart == 0) partLoops = loops;
        partLoops = partLoops || loops;
        emit(*stmts[i], part);
        ++inPart;
        if ((inPart >= kStatementsPerPart || part.tellp() > kPartBytes) && ownedLocals == atStart) closePart();
    }
    closePart();
}
