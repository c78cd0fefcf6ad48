var o = { a: 1, b: undefined };
console.log(o.hasOwnProperty("a"));
console.log(o.hasOwnProperty("b"));
console.log(o.hasOwnProperty("c"));
console.log(o.b === undefined, o.c === undefined);
