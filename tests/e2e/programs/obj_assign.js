var base = { a: 1, b: 2 };
var extra = { b: 3, c: 4 };
var merged = Object.assign({}, base, extra);
console.log(merged.a, merged.b, merged.c);
console.log(JSON.stringify(merged));
var entries = Object.entries({ k: "v", n: 1 });
console.log(entries.length, entries[0][0], entries[0][1], entries[1][1]);
