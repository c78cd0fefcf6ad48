#pragma once
#include <string>
#include <vector>

// The text form in which a file's bytes are embedded in generated C++: a
// `static const unsigned char` array of "0x.." entries, 20 a line, each followed
// by a comma, closed by a 0x00 that the separate length constant does not count.

// Appends "0x" and the byte as two lower-case hexadecimal digits.
void appendHexByte(std::string& out, unsigned char byte);

// Appends the array `name` holding `bytes` and the closing 0x00, up to and including "};\n".
void appendByteArray(std::string& out, const std::string& name, const std::vector<unsigned char>& bytes);

// The island text that a hybrid build puts in front of its generated translation
// unit: the island bundle as `jsc_hybrid_island_bundle` with its length.
std::string emitHybridIslandArray(const std::vector<unsigned char>& bytes);
