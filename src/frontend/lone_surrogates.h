#pragma once
#include <string>

#include <nlohmann/json.hpp>

// JavaScript strings may hold a lone UTF-16 surrogate ("\ud800"), and the
// parser's JSON output then carries it as a lone \u escape, which the JSON
// library refuses. Before the library reads the text, each lone surrogate
// escape is stood in for by an escaped code point of the last private-use
// block (U+10F800 + the surrogate's offset); after reading, those code points
// become the surrogate again, in the three-byte form the runtime reads as one
// UTF-16 unit. `sheltered` tells whether anything was stood in for, so that a
// source that had no lone surrogate keeps its private-use characters as they are.
std::string shelterLoneSurrogates(const std::string& jsonText, bool* sheltered);
// The same, handing the text itself back when it has no lone surrogate.
std::string shelterLoneSurrogates(std::string&& jsonText, bool* sheltered);
void restoreLoneSurrogates(nlohmann::json& value);
void restoreLoneSurrogates(std::string& value);
