// Argument lists, conversions, string and number literals.
const o = {
  sum: function (a, b, c, d, e, f, g, h, i, j) {
    return a + "+" + b + "+" + c + "+" + d + "+" + e + "+" + f + "+" + g + "+" + h + "+" + i + "+" + j;
  },
};
console.log(o.sum(1, 2, 3, 4, 5, 6, 7, 8, 9, 10));
console.log(JSON.stringify(String()), Number(), String(null), Number("12"));
const nul = "a\0b";
console.log(nul.length, JSON.stringify(nul), nul.charCodeAt(1));
console.log(1e400, -1e400, 123456789012345680000, 0x10000000000000000, 9007199254740993);
console.log(2e-400, 0.1, 1e21, 0xff, 1_000_000);
const gone = { a: 1, b: 2 };
console.log(Object.keys(gone).length, delete gone.a, Object.keys(gone).length);
const t = { k: 1 };
console.log(t.k, delete t.k, t.k);
