#!/usr/bin/env bash
# The runtime's assembly renames its private and inline functions to local
# labels. A file so rewritten must still link and behave with a file compiled
# as usual that shares its inline code: one static of an inline function, one
# vtable and type_info (exceptions cross the two), its exported functions, and
# a weak function that the other file replaces.
#
# Usage: local_symbols_test.sh <local_symbols.awk>
set -euo pipefail
awk_script=$(readlink -f "$1")
. "$(dirname "$0")/scratch.sh"

cat >shared.h <<'CXX'
#include <string>
struct Shape {
    virtual ~Shape() {}
    virtual int sides() const { return 0; }
};
struct Square : Shape {
    int sides() const override { return 4; }
};
struct Failure {
    std::string what;
};
inline int& counter() {
    static int count = 0;
    return count;
}
inline void bump() { ++counter(); }
int rewritten_run(int n);
Shape* rewritten_shape();
[[noreturn]] void rewritten_fail(const std::string& why);
CXX

cat >rewritten.cpp <<'CXX'
#include "shared.h"
namespace {
int calls = 0;
int twice(int n) { return 2 * n + calls; }
thread_local int slots[4];
int* slot_base() { return slots; }  // the address is an immediate operand, $name@tpoff
}  // namespace
static const char* label(int n) { return n > 0 ? "twice" : "label"; }
__attribute__((weak)) int overridable() { return 1000; }
int rewritten_run(int n) {
    calls += overridable();
    void (*volatile out_of_line)() = bump;  // both files emit bump's code
    out_of_line();
    int* (*volatile base)() = slot_base;
    base()[n & 3] += 1;
    return twice(n) + (int)std::string(label(n)).size() + base()[n & 3];
}
Shape* rewritten_shape() { return new Square(); }
void rewritten_fail(const std::string& why) { throw Failure{why}; }
CXX

cat >plain.cpp <<'CXX'
#include "shared.h"
#include <cstdio>
#include <typeinfo>
int overridable() { return 1; }
int main() {
    int r = rewritten_run(20);
    void (*volatile out_of_line)() = bump;
    out_of_line();
    Shape* s = rewritten_shape();
    Square local;
    bool same_type = typeid(*s) == typeid(local);
    std::printf("%d %d %d %d\n", r, counter(), s->sides(), same_type);
    delete s;
    try {
        rewritten_fail("caught across files");
    } catch (const Failure& f) {
        std::printf("%s\n", f.what.c_str());
    }
    return 0;
}
CXX

"$cxx" -std=c++17 -O2 -S rewritten.cpp -o compiled.s
awk -f "$awk_script" compiled.s compiled.s >rewritten.s
"$cxx" -c rewritten.s -o rewritten.o
"$cxx" -std=c++17 -O2 plain.cpp rewritten.o -o program
out=$(./program)
expected=$'47 2 4 1\ncaught across files'
expect_output "$out" "$expected"

# The private names and the inline function's code are gone from the symbol
# table; the exported functions and the inline function's static remain.
symbols=$(nm rewritten.o)
for gone in twice label calls _Z4bumpv _Z7counterv; do
  if grep -q "$gone" <<<"$symbols"; then
    echo "symbol $gone is still in the rewritten object" >&2
    exit 1
  fi
done
for kept in _Z13rewritten_runi _ZZ7countervE5count; do
  if ! grep -q "$kept" <<<"$symbols"; then
    echo "symbol $kept is missing from the rewritten object" >&2
    exit 1
  fi
done
echo ok
