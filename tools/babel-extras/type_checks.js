// Rewrites Babel's node-type checks (isScopable, isPattern, isExpression...)
// from a `switch` over the type names into one lookup in a table of them.
// The engine runs a `switch` on strings as one comparison per case, and the
// traversal asks such questions of every node it enters (isScope alone asks
// three), so the long lists cost more than the rest of the check. Node types
// are always strings, for which the lookup answers as the switch does; the
// Placeholder cases keep their own test. The table is built on the first
// call, since some checks run while the library is still being set up.
// Usage: node type_checks.js <file>   (rewrites it in place; fails unless it
// finds every check it expects)
'use strict';
const fs = require('fs');

const expected = 26;
const file = process.argv[2];
const check =
  /function ([\w$]+)\(e,t\)\{if\(!e\)return!1;switch\(e\.type\)\{((?:case"\w+":)+)break;(?:case"Placeholder":(?:if\("(\w+)"===e\.expectedNode\)break;|switch\(e\.expectedNode\)\{((?:case"\w+":)+)break;default:return!1\}break;))?default:return!1\}return null==t\|\|K\(e,t\)\}/g;

function names(cases) {
  return cases.slice('case"'.length, -'":'.length).split('":case"');
}

let found = 0;
const text = fs.readFileSync(file, 'utf8').replace(check, (all, name, cases, placeholderOne, placeholderCases) => {
  found++;
  const table = name + '$types';
  const known =
    `(${table}||(${table}=${JSON.stringify(names(cases).join(' '))}.split(" ")` +
    '.reduce(function(o,k){return o[k]=!0,o},Object.create(null))))[e.type]';
  const placeholders = placeholderOne ? [placeholderOne] : placeholderCases ? names(placeholderCases) : [];
  const placeholder = placeholders.length
    ? '&&("Placeholder"!==e.type||' + placeholders.map((p) => `"${p}"!==e.expectedNode`).join('&&') + ')'
    : '';
  return `var ${table};function ${name}(e,t){if(!e)return!1;if(!${known}${placeholder})return!1;return null==t||K(e,t)}`;
});
if (found !== expected) {
  console.error(`type_checks.js: expected ${expected} node-type checks in ${file}, found ${found}`);
  process.exit(1);
}
fs.writeFileSync(file, text);
