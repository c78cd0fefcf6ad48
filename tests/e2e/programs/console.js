// format
console.log("%s is %d years", "Bob", 42);
console.log("%i|%f|%j", 3.9, 1.5, "s");
console.log("100%% sure");
console.log(1, "two", true, null, undefined);
console.log({ a: 1, b: "x", c: { d: JSON.parse("[1, 2]") } });
console.log(JSON.parse("[1,2,3]"));
console.log(JSON.parse('{"deep":{"deeper":{"deepest":{"x":1}}}}'));
console.log("");
console.log();
console.info("info line");

// objects
console.log({});
console.log(JSON.parse("[]"));
console.log({ s: "quoted 'str'", n: -0, f: 1.25 });
console.log(JSON.parse('[{"a":1},{"b":2}]'));
function named(a) { return a; }
console.log(named);
console.log({ fn: named });
console.log("text", { k: "v" });

// stderr
console.log("to stdout");
console.error("to stderr");
console.warn("warned");
console.log("done");
