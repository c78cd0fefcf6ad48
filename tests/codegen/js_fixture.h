#pragma once
#include <map>
#include <string>
#include <vector>

#include "codegen/cemitter.h"

// Parses JavaScript with the engine-hosted parser (no Babel), as the front end does.
ASTNode parseProgram(const std::string& source);

// Writes `files` (relative name -> source) into a fresh temporary folder and resolves the module
// list from the entry file, as the single-file pipeline does.
std::vector<Module> resolveProgram(const std::map<std::string, std::string>& files, const std::string& entry);

// The whole translation unit of a one-file program.
std::string emitProgram(const std::string& source, bool hybrid = false);

// The first expression of `source` (an expression statement) written in one value form:
// 'E', 'V', 'O' or 'A'. `owned` names are declared as owned locals first.
std::string exprText(CEmitter& em, const std::string& source, char form = 'E');

// The statements of `source` lowered with emitStmt at `level`.
std::string stmtText(CEmitter& em, const std::string& source, int level = 1);

// Lines of `text` between the first line that starts with `from` and the next line equal to `to`.
std::string section(const std::string& text, const std::string& from, const std::string& to);
