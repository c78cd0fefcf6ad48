#!/usr/bin/env bash
# The C++ compiler as the end-to-end suite runs it. It takes the command that
# orvan writes, compiles each runtime source once per set of compile flags and
# keeps the object in ORVAN_E2E_CACHE, compiles the generated file every time,
# and links like the real compiler would. So a program costs one compile of its
# own C++ instead of the whole runtime. An object's key covers the flags, the
# source and every header and .inc file of the source tree, with paths resolved
# so installations linked to one source tree share objects; one compile per key
# runs at a time and the others wait for its object. The real compiler is
# ORVAN_E2E_CXX (c++).
set -u
real=${ORVAN_E2E_CXX:-c++}
cache=${ORVAN_E2E_CACHE:?ORVAN_E2E_CACHE must name the object cache}
flags=() link=() sources=() generated='' out=''
while (($#)); do
  case $1 in
    -o) out=$2; shift 2; continue ;;
    -l* | -L*) link+=("$1") ;;
    *.o) link+=("$1") ;;
    *.cpp) sources+=("$1") ;;
    *.cc) generated=$1 ;;
    *) flags+=("$1") ;;
  esac
  shift
done
[[ -n $out && -n $generated ]] || exec "$real" "${flags[@]}" "${sources[@]}" "${link[@]}"
mkdir -p "$cache"
# A runtime source includes headers and .inc files of its source tree: they are
# part of every key, so editing one of them rebuilds the objects.
tree=''
if ((${#sources[@]})); then
  root=${sources[0]%/runtime/*}
  tree=$(find -L "$root" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.inc' \) -print0 |
    sort -z | xargs -0 cat | sha1sum | cut -c1-40)
fi
key_flags=()
for flag in "${flags[@]}"; do
  if [[ $flag == -I* && -d ${flag#-I} ]]; then key_flags+=("-I$(readlink -f "${flag#-I}")"); else key_flags+=("$flag"); fi
done
# The flags that change an object beyond its preprocessed text (-pthread only
# defines a macro when compiling, and linker options none; GTK's flags repeat
# the one and add the other).
codegen_flags=()
for flag in "${flags[@]}"; do
  [[ $flag == -[DIU]* || $flag == -pthread || $flag == -Wl,* ]] || codegen_flags+=("$flag")
done
objects=()
for src in "${sources[@]}"; do
  key=$({ printf '%s\n' "${key_flags[@]}" "$(readlink -f "$src")" "$tree"; cat "$src"; } | sha1sum | cut -c1-40)
  obj=$cache/$key.o
  if [[ ! -f $obj ]]; then
    exec {lock}>"$obj.lock"
    flock "$lock"
    if [[ ! -f $obj ]]; then
      # Many flag sets differ only in macros a source never tests: the same
      # preprocessed text with the same code-generation flags makes the same
      # object, so it is compiled once (markers lose their paths so that
      # installations share it too).
      text=$({ printf '%s\n' "${codegen_flags[@]}"
               "$real" "${flags[@]}" -E "$src" | sed 's/^\(# [0-9]*\) "[^"]*"/\1/'; } | sha1sum | cut -c1-40)
      same=$cache/text-$text.o
      exec {textlock}>"$same.lock"
      flock "$textlock"
      if [[ -f $same ]]; then
        ln -f "$same" "$obj" 2>/dev/null || cp "$same" "$obj"
      else
        "$real" "${flags[@]}" -c "$src" -o "$obj.$$" || exit 1
        mv -f "$obj.$$" "$obj"
        ln -f "$obj" "$same" 2>/dev/null || cp "$obj" "$same"
      fi
      exec {textlock}>&-
    fi
    exec {lock}>&-
  fi
  objects+=("$obj")
done
"$real" "${flags[@]}" -c "$generated" -o "$out.gen.o" || exit 1
"$real" "${flags[@]}" -o "$out" "$out.gen.o" "${objects[@]}" "${link[@]}"
status=$?
rm -f "$out.gen.o"
exit $status
