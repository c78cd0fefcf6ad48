#pragma once
#include <stdexcept>
#include <string>

#include "frontend/ast.h"

// The parser's JSON nests objects and arrays deeper than kMaxSyntaxTreeDepth levels.
class SyntaxTreeTooDeep : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the parser's JSON text straight into the tree that Parser::parseNode builds from the
// parsed JSON, without the whole JSON ever being held at once: each object is cut down to what
// the tree keeps as soon as it is read. With restoreSurrogates, string values get their lone
// surrogates back (see lone_surrogates.h). Malformed text throws the JSON library's parse_error,
// also when it nests too deeply; well-formed text nested too deeply throws SyntaxTreeTooDeep; a
// root that is not an object throws Parser::parseNode's message.
ASTNode readSyntaxTree(const std::string& jsonText, bool restoreSurrogates);
