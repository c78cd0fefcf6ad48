#!/usr/bin/env bash
# The compiler and a compiled program under hostile and careless use: a link
# planted at the temporary file's name, shell text in -cflags, -o naming the
# input or a folder, folders and devices as sources, a full standard output,
# -init cases, bad UTF-8 and parse-error lines, a reader that goes away and a
# small address space.
# Usage: run_hostile_input.sh <install dir> <work dir>
set -u
inst=$1 work=$2/hostile_input
orvan=$inst/orvan
rm -rf "$work" && mkdir -p "$work/tmp" && cd "$work" || exit 1
export TMPDIR=$work/tmp
fail=0
failed() { echo "FAIL $*"; fail=1; }
# expect <name> <status> <stderr pattern> <command...>
expect() {
  local name=$1 want=$2 pat=$3
  shift 3
  "$@" >"$work/out.txt" 2>"$work/err.txt"
  local got=$?
  if [[ $got != "$want" ]] || ! grep -qE -- "$pat" "$work/err.txt"; then
    failed "$name: status $got (want $want), stderr: $(head -c 400 "$work/err.txt")"
  fi
}

cat >prog.js <<'JS'
if (process.argv[2] === "oom") {
  try {
    var big = "x".repeat(500000000);
    console.log("no error", big.length);
  } catch (e) {
    console.log(e.name + ": " + e.message);
  }
} else {
  for (var i = 0; i < 100000; i++) console.log("line " + i);
}
JS
cp prog.js prog.orig

# A link planted at the predictable temporary name must not be written through.
cat >hash.cc <<'CC'
#include <functional>
#include <iostream>
#include <string>
int main(int, char** argv) { std::cout << std::hash<std::string>{}(argv[1]) << "\n"; }
CC
c++ -std=c++17 -o hash hash.cc || failed "helper does not build"
echo precious >victim.txt
( ln -s "$work/victim.txt" "$TMPDIR/orvan_compile_${BASHPID}_$(./hash "$work/prog.out").cc"
  exec "$orvan" -compile prog.js -o "$work/prog.out" ) >compile.log 2>&1 ||
  failed "link attack: the compile failed: $(tail -3 compile.log)"
[[ $(cat victim.txt) == precious ]] || failed "link attack: the linked file was overwritten"

# A reader that stops early does not kill the program.
if [[ -x prog.out ]]; then
  first=$(./prog.out | head -n 1)
  status=${PIPESTATUS[0]}
  [[ $first == "line 0" && $status == 0 ]] || failed "closed pipe: status $status, first line [$first]"
fi

# Memory running out is an error the program catches, with a name and a message.
if [[ -x prog.out ]]; then
  got=$(ulimit -v 400000; ./prog.out oom 2>&1)
  [[ $got == "RangeError: Out of memory" ]] || failed "out of memory: [$got]"
fi

# -cflags: several flags still work, shell text in them never runs.
expect cflags-shell 1 "C\+\+ compiler failed" \
  "$orvan" -compile prog.js -o cf.out -cflags '-O1 $(touch PWN1) `touch PWN2`; touch PWN3 | touch PWN4'
ls PWN* >/dev/null 2>&1 && failed "cflags: shell text ran: $(ls PWN*)"

# -o: the input itself, a folder, a missing folder; refused before compiling.
expect o-input 1 "is the input file" "$orvan" -compile prog.js -o prog.js
expect o-input-spelled 1 "is the input file" "$orvan" -compile prog.js -o ./prog.js
cmp -s prog.js prog.orig || failed "o-input: the source was changed"
mkdir adir
expect o-folder 1 "adir is a folder" "$orvan" -compile prog.js -o adir
expect o-missing-folder 1 "folder nodir does not exist" "$orvan" -compile prog.js -o nodir/x

# Folders and devices are not sources.
expect in-folder 1 "^orvan: cannot open: .*/adir$" "$orvan" -compile adir
grep -q "compiled" err.txt && failed "in-folder: reported success"
expect in-dot 1 "^orvan: cannot open: " "$orvan" --print-c .
expect in-root 1 "^orvan: cannot open: /$" "$orvan" --print-c /
expect in-dev-zero 1 "^orvan: cannot open: /dev/zero$" timeout 60 "$orvan" --print-c /dev/zero
mkdir lib.js
echo 'var lib = require("./lib");' >uses_lib.js
expect require-folder 1 "^orvan: cannot open: .*/lib\.js$" "$orvan" --print-c uses_lib.js

# A folder named like a parser script does not stand in for it.
mkdir -p scripts/esprima.js scripts/babel.min.js
echo 'var o = { a: { b: 2 } }; console.log(o?.a?.b);' >scripts/modern.js
(cd scripts && "$orvan" --print-c modern.js >modern.cc 2>modern.err) ||
  failed "folder-scripts: $(head -c 400 scripts/modern.err)"

# An address space too small for the range the front end's engine reserves for
# its heap: its blocks come from malloc instead, and the C++ is the same.
(cd scripts && ulimit -v 4000000 && "$orvan" --print-c modern.js >limited.cc 2>limited.err) ||
  failed "limited-address-space: $(head -c 400 scripts/limited.err)"
cmp -s scripts/modern.cc scripts/limited.cc || failed "limited-address-space: the C++ differs"

# A standard output that cannot be written is a failure.
expect full-version 1 "cannot write standard output" sh -c '"$0" --version >/dev/full' "$orvan"
expect full-print-c 1 "cannot write standard output" sh -c '"$0" --print-c prog.js >/dev/full' "$orvan"

# -init: an empty name is refused before anything is written.
mkdir init-empty
(cd init-empty && expect init-empty 1 "needs a folder name" "$orvan" -init "")
[[ -z $(ls -A init-empty) ]] || failed "init-empty: wrote $(ls -A init-empty)"
# A folder where some files cannot be written names them and fails.
if setpriv --reuid=65534 --regid=65534 --clear-groups true 2>/dev/null; then
  mkdir -p locked/public locked/src && chmod 755 locked && chmod 777 locked/public locked/src
  chmod o+rx "$work" "$TMPDIR"
  expect init-unwritable 1 "could not write in .*locked: orvan\.config\.json$" \
    setpriv --reuid=65534 --regid=65534 --clear-groups "$orvan" -init locked
  grep -q scaffolded err.txt && failed "init-unwritable: reported success"
fi

# Source text: bad UTF-8 names the file and place; a parse error after the
# transform names the user's line.
printf 'var a = 1;\nvar s = "\xff";\n' >bad_utf8.js
expect bad-utf8 1 "bad_utf8\.js: invalid UTF-8 at line 2, column 10" "$orvan" --print-c bad_utf8.js
printf 'var a = 1;\nvar b = 2;\nvar c = 10n;\n' >late_error.js
expect late-error-line 1 "parse error in .*late_error\.js: .*Line 3:" "$orvan" --print-c late_error.js

((fail)) || echo "hostile input ok"
exit $fail
