#!/usr/bin/env bash
# Writes the engine's quickjs.c with a few lines changed:
# - a string concatenation leaves room to grow, and `s += x` on a local that
#   holds the string's only reference appends in place (macros defined in
#   quickjs_with_extras.c). Without them a string built piece by piece costs
#   the square of its length (the parser scripts scan a long literal that way).
# - Map and WeakMap: the bucket count stays a power of two (the allocator's
#   slack made it odd, and the bucket mask then reached a handful of buckets),
#   and an object key's hash drops the address bits that alignment leaves at
#   zero. Babel keys maps by syntax-tree node, so lookups grew with the
#   program and a program of thousands of statements took minutes.
# - a Map lookup compares an object key by address (see JSC_MAP_KEY_MATCHES).
# - `===` on two strings answers at once when they are the same string or
#   differ in length, before comparing characters (Babel compares node types
#   with string constants at every step of its walks).
# - an object's property array grows one slot at a time up to sixteen slots,
#   then by half (see JSC_PROP_ARRAY_GROWTH).
# Usage: patch_engine.sh <quickjs.c> <output>
set -euo pipefail
in=$1 out=$2
lines=(
  '    p = js_alloc_string(ctx, len, is_wide_char);'
  '    p = JSC_ALLOC_CONCAT_RESULT(ctx, len, is_wide_char);'
  '                    op1 = JS_ConcatString(ctx, JS_DupValue(ctx, *pv), op1);'
  '                    op1 = JSC_APPEND_TO_LOCAL(ctx, pv, op1);'
  '    new_hash_size += slack / sizeof(*new_hash_table);'
  '    (void)slack;'
  '        h = (uintptr_t)JS_VALUE_GET_PTR(key) * 3163;'
  '        h = (uint32_t)(((uintptr_t)JS_VALUE_GET_PTR(key) >> 4) * 3163);'
  '                res = (js_string_compare(ctx, p1, p2) == 0);'
  '                res = (p1 == p2 || (p1->len == p2->len && js_string_compare(ctx, p1, p2) == 0));'
  '        if (js_same_value_zero(ctx, mr->key, key))'
  '        if (JSC_MAP_KEY_MATCHES(ctx, mr->key, key))'
  '    new_size = max_int(count, sh->prop_size * 3 / 2);'
  '    new_size = JSC_PROP_ARRAY_GROWTH(count, sh->prop_size);'
)
for ((i = 0; i < ${#lines[@]}; i += 2)); do
  count=$(grep -cxF -- "${lines[i]}" "$in" || true)
  if [[ $count != 1 ]]; then
    echo "patch_engine.sh: expected one line '${lines[i]}' in $in, found $count" >&2
    exit 1
  fi
done
awk '
  BEGIN { for (i = 1; i < ARGC - 1; i += 2) to[ARGV[i]] = ARGV[i + 1]; for (i = 1; i < ARGC - 1; i++) delete ARGV[i] }
  ($0 in to) { print to[$0]; next }
  { print }' "${lines[@]}" "$in" >"$out.$$"
mv -f "$out.$$" "$out"
