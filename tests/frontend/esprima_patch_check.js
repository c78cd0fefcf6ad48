// The installed esprima.js is the library with its scanner's character tests
// done in line (tools/esprima-extras). It must build the same tree, and fail
// with the same message at the same place, as the library it was made from.
// Usage: node esprima_patch_check.js <installed esprima.js> <original esprima.js>
'use strict';
const patched = require(process.argv[2]);
const original = require(process.argv[3]);

function outcome(esprima, source) {
  try {
    return JSON.stringify(esprima.parseScript(source));
  } catch (e) {
    return `${e.message} @${e.index}:${e.lineNumber}:${e.column}`;
  }
}

let failures = 0;
let checked = 0;
function check(source) {
  ++checked;
  const want = outcome(original, source);
  const got = outcome(patched, source);
  if (got !== want && ++failures <= 10)
    console.error(`differs on ${JSON.stringify(source)}\n  original: ${want}\n  patched:  ${got}`);
}

// Whitespace, line ends and comments in every form the scanner skips.
[
  'a\t=\v1\f;\u00a0b\u1680=\u2000c\u3000;\ufeff',
  'a\n\rb\r\nc\u2028d\u2029e',
  '// line\n/* block */ x /* two\nlines */ y',
  '-->comment at line start\nx\n  --> also one\n',
  'x\n-->y',
  'a --> b',
  '<!-- html open\nx <!-- y\n',
  'a < !--b',
  'a /b/ c',
  'a/=/b/',
  '/**/-->z\n1',
].forEach(check);

// Identifiers: ASCII, $, _, digits, escapes, non-ASCII letters, surrogate pairs, and the
// characters that end them.
[
  'abc; ABC; a1_$ = $b + _c',
  '\\u0061bc = 1; a\\u0062c = 2; \\u{62}x',
  'café = 1; ℵ0 = 2; 𝑥 = 3; x𝑥 = 4; ﬁ',
  'a\u200cb\u200dc',
  'var v\\u0061r',
  'n\\u0075ll; tru\\u0065',
  'a\\',
  'a\\u',
  'a\ud800',
  'x#y',
  'x@y',
  'let yield = 1; "use strict"; yield',
  '"use strict"; var let = 1',
].forEach(check);

// Punctuators next to each other, and the operators whose first character starts longer ones.
[
  'a+++b; a---b; a+ +b; a- -b; a**=b**c; a>>>=b>>>c>>=d>>e<<=f<<g',
  'a===b!==c==d!=e<=f>=g<h>i&&j||k&l|m^n; a&=b|=c^=d%=e/=f*=g-=h+=i',
  'x=>x; (a,b)=>{}; a?.b; a ?? b; ...a; [...a]; a.b.c(d)[e]`f`',
  '!a; ~b; -c; +d; typeof e; void f; delete g.h; ++i; --j; k++; l--',
  'a\n++b; a\n--b; a++\nb',
  '%; ^; &; |; =; <; >; *; /x/; !; ~; ?; :',
  'a =\n= b',
].forEach(check);

// Generated sources: fragments in random order, most of them malformed.
const fragments = [
  'a', 'b1', '$x', '_y', '\\u0061', 'é', '𝑥', '\u2028', '\u00a0', '\t', '\v', ' ', '\n', '\r\n', '//c\n',
  '/*c*/', '-->', '<!--', '=', '==', '===', '!', '!=', '+', '++', '+=', '-', '--', '*', '**', '/',
  '%', '<', '<<', '<<=', '>', '>>', '>>>', '>>>=', '&', '&&', '|', '||', '^', '=>', '...', '.', '?',
  '~', ':', ';', ',', '(', ')', '[', ']', '{', '}', '1', '.5', '"s"', '`a${', '}b`', '/re/g', 'if',
  'var', 'new ', 'typeof ', 'delete ', 'async ', 'await ', 'a`x`', '\\', '@', '\ud800',
];
let state = 12345;
const pick = (n) => (state = (state * 1103515245 + 12345) & 0x7fffffff) % n;
for (let i = 0; i < 30000; ++i) {
  let source = '';
  for (let k = 1 + pick(10); k > 0; --k) source += fragments[pick(fragments.length)];
  check(source);
}

if (failures) {
  console.error(`${failures} of ${checked} sources parse differently`);
  process.exit(1);
}
console.log(`${checked} sources parse the same`);
