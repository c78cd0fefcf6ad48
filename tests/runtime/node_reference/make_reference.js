// Regenerates the reference files of node_reference_test.cpp with node:
//   node tests/runtime/node_reference/make_reference.js
// Each line is a JSON array: the input, then what node computes from it.
const fs = require('fs');
const path = require('path');
const util = require('util');

let rngState = 20261207;
function rnd(n) {  // deterministic, so the files only change when this script does
  rngState = (rngState * 1103515245 + 12345) % 2147483648;
  return Math.floor((rngState / 2147483648) * n);
}
const pick = (a) => a[rnd(a.length)];
const write = (name, rows) => fs.writeFileSync(path.join(__dirname, name), rows.map((r) => JSON.stringify(r)).join('\n') + '\n');

function bits(x) {
  const b = Buffer.alloc(8);
  b.writeDoubleLE(x);
  return b.toString('hex');
}

const numbers = [];
for (let i = 0; i < 400; i++) {
  const k = i % 5;
  const x = k === 0 ? (rnd(1e6) / 1e6) * 10 ** (rnd(40) - 20)
    : k === 1 ? rnd(1e6) / 10 ** rnd(8)
    : k === 2 ? (rnd(1e6) - 5e5) * 10 ** rnd(25)
    : k === 3 ? rnd(1e9) * 10 ** rnd(9)
    : 1 / (i + 1);
  const radix = 2 + (i % 35);
  numbers.push([bits(x), String(x), x.toFixed(i % 12), x.toPrecision(1 + (i % 21)), radix, x.toString(radix)]);
}
write('numbers.jsonl', numbers);

const pieces = ['0', '1', '9', ' ', '\t', '\n', '.', 'e', 'E', '+', '-', 'x', '0x', '0b', '0o', 'Infinity', 'a', 'f', '_', '\u00a0', '\ufeff', '12', '3.', '-0'];
const conversions = [];
for (let i = 0; i < 400; i++) {
  let s = '';
  for (let k = 1 + rnd(5); k > 0; k--) s += pick(pieces);
  conversions.push([s, String(Number(s)), String(parseInt(s)), String(parseFloat(s)), String(parseInt(s, 16))]);
}
write('conversions.jsonl', conversions);

const parts = ['a', 'b', 'é', '😀', ' ', '\t', 'ab', 'ß', 'Ä', '\u00a0', 'x', '-', ''];
const ints = [-5, -2, -1, 0, 1, 2, 3, 5, 8, 20];
const strings = [];
for (let i = 0; i < 400; i++) {
  let s = '';
  for (let k = rnd(7); k > 0; k--) s += pick(parts);
  const a = pick(ints), b = pick(ints), t = pick(parts) + (rnd(3) ? '' : pick(parts));
  strings.push([s, a, b, t, s.slice(a, b), s.substring(a, b), s.substr(a, b), s.indexOf(t, a), s.lastIndexOf(t, b),
    s.padStart(b, t), s.split(t), s.charCodeAt(a), s.trim(), s.endsWith(t, b), s.replaceAll(t, '[$&]'),
    s.toUpperCase(), s.toLowerCase()]);
}
write('strings.jsonl', strings);

const words = ['a', 'bb', 'ccc', 'e e', "it's", 'x"y', 'long string here', 'éé', '😀', 'key-1', '_k', '12'];
function value(d) {
  const k = rnd(d > 2 ? 4 : 7);
  if (k === 0) return rnd(1000) - 500;
  if (k === 1) return rnd(1e6) / 1e4;
  if (k === 2) return pick(words).repeat(1 + rnd(3));
  if (k === 3) return pick([true, false, null]);
  if (k === 4 || k === 5) return Array.from({ length: rnd(k === 5 && d === 0 ? 120 : 8) }, () => value(d + 1));
  const o = {};
  for (let n = rnd(6); n > 0; n--) o[pick(words) + (rnd(3) ? '' : n)] = value(d + 1);
  return o;
}
const formatted = [];
for (let i = 0; i < 120; i++) {
  const v = value(0);
  const indent = pick([0, 2, '--']);
  formatted.push([JSON.stringify(v), util.format(v), indent, JSON.stringify(v, null, indent)]);
}
write('formatting.jsonl', formatted);
