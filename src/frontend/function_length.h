// How a function's length outlives Babel's lowering of default parameters.
#pragma once

// Babel's loose lowering keeps a parameter with a default, and every one after it, in the
// parameter list (the default is assigned in the body), so the list no longer gives the length
// the function reports. Before that lowering a plugin appended to babel.min.js at build time
// (tools/babel-extras/function_length.js) puts a directive at the top of such a function's body,
// this text followed by the length in decimal; the generator reads it as the function's length
// and writes nothing for it.
constexpr char kFunctionLengthDirective[] = "orvan:length ";
