console.log(typeof 1, typeof "s", typeof true, typeof undefined);
console.log(typeof null, typeof {}, typeof JSON.parse("[]"), typeof console.log);
console.log(Array.isArray(JSON.parse("[]")), Array.isArray({}));
var u;
console.log(u === undefined, typeof u === "undefined");
