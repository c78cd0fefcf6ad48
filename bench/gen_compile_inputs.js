// Writes the generated sources of the compile-time benchmark into the folder given as argument:
// statements.js (5 000 top-level statements), functions.js (10 000 small functions) and
// large.js (100 000 lines of ordinary code, for the front end).
'use strict';
const fs = require('fs');
const path = require('path');

function statements(n) {
  const out = ['let total = 0;', 'const items = [];'];
  for (let i = 0; i < n; i++) {
    switch (i % 5) {
      case 0: out.push(`let v${i} = ${i} * 2 + total;`); break;
      case 1: out.push(`total += v${i - 1} % 7;`); break;
      case 2: out.push(`items.push({ id: ${i}, name: "item${i}" });`); break;
      case 3: out.push(`if (total > ${i}) { total -= 1; } else { total += 2; }`); break;
      default: out.push(`for (let k = 0; k < 3; k++) total += k;`); break;
    }
  }
  out.push('console.log(total, items.length);');
  return out.join('\n') + '\n';
}

function functions(n) {
  const out = [];
  for (let i = 0; i < n; i++) out.push(`function f${i}(a, b) { return a * ${i % 13} + b - ${i % 7}; }`);
  out.push('let s = 0;');
  for (let i = 0; i < n; i += 97) out.push(`s += f${i}(${i}, 1);`);
  out.push('console.log(s);');
  return out.join('\n') + '\n';
}

function large(lines) {
  const out = [];
  let i = 0;
  while (out.length < lines) {
    out.push(`function work${i}(list, scale) {`);
    out.push('  var total = 0;');
    out.push('  for (var k = 0; k < list.length; k++) {');
    out.push(`    if (list[k] % ${i % 5 + 2} === 0) { total += list[k] * scale; }`);
    out.push(`    else { total -= ${i % 11}; }`);
    out.push('  }');
    out.push(`  var label = "work${i}: " + total;`);
    out.push(`  return { name: label, value: total, ok: total > ${i} };`);
    out.push('}');
    out.push(`var r${i} = work${i}([1, 2, 3, ${i}], ${i % 3 + 1});`);
    i++;
  }
  out.push(`console.log(r0.name, r${i - 1}.value);`);
  return out.join('\n') + '\n';
}

const dir = process.argv[2] || '.';
fs.writeFileSync(path.join(dir, 'statements.js'), statements(5000));
fs.writeFileSync(path.join(dir, 'functions.js'), functions(10000));
fs.writeFileSync(path.join(dir, 'large.js'), large(100000));
