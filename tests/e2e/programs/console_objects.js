console.log({});
console.log(JSON.parse("[]"));
console.log({ s: "quoted 'str'", n: -0, f: 1.25 });
console.log(JSON.parse('[{"a":1},{"b":2}]'));
function named(a) { return a; }
console.log(named);
console.log({ fn: named });
console.log("text", { k: "v" });
