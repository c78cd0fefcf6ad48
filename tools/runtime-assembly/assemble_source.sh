#!/usr/bin/env bash
# Compiles one runtime source to assembly when the installation is built, so a
# program's build includes that text instead of compiling the runtime again.
#
# Every program's compile command names the runtime sources; each of them first
# includes prebuilt/<name>.select.inc, which pulls in the assembly made here for
# the macros the program is compiled with, and skips the C++ that follows. The
# assembly is only used when the program's compiler and flags would have made
# the same code (same g++, optimising, no sanitizer, the same ABI-changing
# switches): otherwise the source compiles as it always did.
#
# The runtime sources see few macros of the command (the libuv and OpenSSL
# switches); the source is preprocessed once for each combination of them and
# one assembly is made for each different text.
#
# Usage: assemble_source.sh <c++> <src dir> <engine include dir> <out dir> <name> [extra flags...]
set -euo pipefail
cxx=$1 src=$2 engine_inc=$3 out=$4 name=$5
shift 5
extra=("$@")
source_file=$src/runtime/$name.cpp
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# Size without a cost in speed: branch targets reached only by a jump are not
# padded, and the rarely taken blocks stay at the end of their function rather
# than in a split-off part with unwind entries of its own (the executed
# instructions are the same; a few kilobytes less in every program).
base=(-std=c++17 -O2 -falign-jumps=1 -fno-reorder-blocks-and-partition -I"$src" -I"$engine_inc" -DJSC_RUNTIME_FROM_SOURCE "${extra[@]}")
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The build's own compiler settings, which a program's compile must share.
match=$out/compiler_match.h
if [[ ! -f $match ]]; then
  macros=$("$cxx" -dM -E -x c++ "${base[@]}" /dev/null)
  value() { awk -v m="$1" '$1 == "#define" && $2 == m { print $3 }' <<<"$macros"; }
  conditions=("!defined(__clang__)" "defined(__OPTIMIZE__)" "!defined(__SANITIZE_ADDRESS__)"
              "!defined(__SANITIZE_THREAD__)" "!defined(_GLIBCXX_DEBUG)" "!defined(_GLIBCXX_ASSERTIONS)")
  for m in __GNUC__ __GNUC_MINOR__ __GNUC_PATCHLEVEL__ __GXX_ABI_VERSION __cplusplus __SIZEOF_POINTER__; do
    conditions+=("$m == $(value "$m")")
  done
  for m in __x86_64__ __aarch64__ __i386__ __arm__ __PIE__ __PIC__ __EXCEPTIONS __GXX_RTTI; do
    if [[ -n $(value "$m") ]]; then conditions+=("defined($m)"); else conditions+=("!defined($m)"); fi
  done
  {
    echo "// Made when the installation was built: true when this compile would produce"
    echo "// the same code as the runtime's prebuilt assembly."
    echo "#pragma once"
    printf '#if %s' "${conditions[0]}"
    for c in "${conditions[@]:1}"; do printf ' && \\\n    %s' "$c"; done
    printf '\n#define JSC_RUNTIME_ASSEMBLY_MATCHES 1\n#endif\n'
  } >"$match.$$"
  mv -f "$match.$$" "$match"
fi

# One assembly for each distinct preprocessed text.
combos=("" "-DJSC_HAVE_UV=1" "-DJSC_HAVE_UV=1 -DJSC_HAVE_OPENSSL=1" "-DJSC_HAVE_OPENSSL=1")
conditions=("!defined(JSC_HAVE_UV) && !defined(JSC_HAVE_OPENSSL)"
            "defined(JSC_HAVE_UV) && !defined(JSC_HAVE_OPENSSL)"
            "defined(JSC_HAVE_UV) && defined(JSC_HAVE_OPENSSL)"
            "!defined(JSC_HAVE_UV) && defined(JSC_HAVE_OPENSSL)")
declare -A file_of_text=()
choices=()
for i in "${!combos[@]}"; do
  read -r -a defines <<<"${combos[$i]}"
  text=$("$cxx" "${base[@]}" "${defines[@]}" -E -P "$source_file" | sha1sum | cut -c1-40)
  if [[ -z ${file_of_text[$text]:-} ]]; then
    asm_inc=$name.v$i.s.inc
    "$cxx" "${base[@]}" "${defines[@]}" -S "$source_file" -o "$tmp/compiled.s"
    awk -f "$here/local_symbols.awk" "$tmp/compiled.s" "$tmp/compiled.s" |
      awk -f "$here/leaf_unwind.awk" | awk -f "$here/call_site_unwind.awk" |
      awk -f "$here/shared_unwind_entries.awk" >"$tmp/out.s"
    # The assembly becomes one top-level asm statement. It opens and closes its
    # own section so the including file's sections are left as they were.
    {
      echo "// Made from $name.cpp when the installation was built: do not edit."
      echo '__asm__(".pushsection .text\n"'
      sed -e 's/\\/\\\\/g' -e 's/"/\\"/g' -e 's/^/"/' -e 's/$/\\n"/' "$tmp/out.s"
      echo '".popsection\n");'
    } >"$tmp/$asm_inc"
    mv -f "$tmp/$asm_inc" "$out/$asm_inc"
    file_of_text[$text]=$asm_inc
  fi
  choices+=("${conditions[$i]}|${file_of_text[$text]}")
done

{
  echo "// Made when the installation was built: the assembly of $name.cpp for this"
  echo "// compile's macros, when the compiler and flags match the build's."
  echo '#include "compiler_match.h"'
  echo "#if defined(JSC_RUNTIME_ASSEMBLY_MATCHES) && !defined(JSC_RUNTIME_FROM_SOURCE)"
  keyword=if
  for choice in "${choices[@]}"; do
    echo "#$keyword ${choice%%|*}"
    echo "#include \"${choice#*|}\""
    keyword=elif
  done
  echo "#endif"
  echo "#define JSC_RUNTIME_ASSEMBLED 1"
  echo "#endif"
} >"$tmp/select.inc"
mv -f "$tmp/select.inc" "$out/$name.select.inc"
