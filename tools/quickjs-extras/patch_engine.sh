#!/usr/bin/env bash
# Writes the engine's quickjs.c with two calls redirected to macros that
# quickjs_with_extras.c defines: a string concatenation that leaves room to
# grow, and `s += x` on a local that appends in place when the local holds the
# string's only reference. Without them a string built piece by piece costs the
# square of its length (the parser scripts scan a long literal that way).
# Usage: patch_engine.sh <quickjs.c> <output>
set -euo pipefail
in=$1 out=$2
grow='    p = js_alloc_string(ctx, len, is_wide_char);'
append='                    op1 = JS_ConcatString(ctx, JS_DupValue(ctx, *pv), op1);'
for line in "$grow" "$append"; do
  count=$(grep -cxF -- "$line" "$in" || true)
  if [[ $count != 1 ]]; then
    echo "patch_engine.sh: expected one line '$line' in $in, found $count" >&2
    exit 1
  fi
done
awk -v grow="$grow" -v append="$append" '
  $0 == grow   { print "    p = JSC_ALLOC_CONCAT_RESULT(ctx, len, is_wide_char);"; next }
  $0 == append { print "                    op1 = JSC_APPEND_TO_LOCAL(ctx, pv, op1);"; next }
  { print }' "$in" >"$out.$$"
mv -f "$out.$$" "$out"
