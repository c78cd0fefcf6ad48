#pragma once
#include <string>

#include "frontend/engine_api.h"

// Helpers shared by the operations that evaluate scripts in the embedded engine.

// Takes the pending exception and returns its string form ("exception" when it has none).
std::string takeExceptionText(JSContext* ctx);

// Copies a string value's text (empty when the engine cannot convert it) and frees the value.
std::string takeStringValue(JSContext* ctx, JSValue value);

// The source as one JSON string literal, as it is embedded in the per-file scripts.
std::string quoteSource(const std::string& source);
