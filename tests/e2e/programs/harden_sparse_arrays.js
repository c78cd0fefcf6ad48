// Writes far past the end make holes, not gigabytes: 4e9 dense elements would
// take 64 GB, so these lines finishing at all shows the memory stays small.
var a = JSON.parse("[]");
a[1e8] = 1;
console.log(a.length, a[0], a[1e8], a[5e7], 5 in a, 1e8 in a);
console.log(a);
var b = JSON.parse("[1, 2, 3]");
b[4e9] = "far";
b[4294967295] = "a property";
console.log(b.length, b[4e9], b[4294967295], Object.keys(b));
console.log(b);
console.log(Array(3e9).length, Array(3e9));

// Length: 2**32 is out of range; a shorter length drops what lies past it.
try {
  b.length = Math.pow(2, 32);
} catch (e) {
  console.log(e.name, e.message);
}
try {
  Array(Math.pow(2, 32));
} catch (e) {
  console.log(e.name, e.message);
}
b.length = 10;
console.log(b.length, b[4e9], b);
b.length = 3;
console.log(b.length, b, JSON.stringify(b), delete b[4294967295], b);

// Iteration: forEach, map, filter, some, every and reduce pass holes over;
// an indexed loop, find and join read them as undefined.
var s = JSON.parse("[]");
s[1.5e6] = "x";
s[0] = "a";
s[1] = "b";
s[2e6] = "y";
var seen = JSON.parse("[]");
s.forEach(function (v, i) { seen.push(i + ":" + v); });
console.log(seen.join(" "));
var undefs = 0;
for (var k = 0; k < s.length; k++) if (s[k] === undefined) undefs++;
console.log(undefs, s[s.length - 1]);
console.log(s.map(function (v) { return v.toUpperCase(); }));
console.log(s.filter(function () { return true; }), s.some(function (v) { return v === "y"; }),
            s.every(function (v) { return typeof v === "string"; }));
console.log(s.reduce(function (acc, v) { return acc + v; }), s.indexOf("y"), s.lastIndexOf("a"),
            s.includes(undefined), s.indexOf(undefined), s.at(-1));
console.log(s.find(function (v) { return v === "y"; }), s.findIndex(function (v) { return v === "x"; }));
console.log(s.join("").length, s.join("-").length, JSON.stringify(s).length);

// Methods that move elements keep the holes between them.
var m = JSON.parse("[]");
m[1.5e6] = 2;
m[0] = 0;
console.log(m.push("p"), m[1.5e6 + 1], m.pop(), m.length);
console.log(m.unshift("u"), m[1], m[1.5e6 + 1], m.shift(), m.length, m[1.5e6]);
console.log(m.slice(1499999), m.slice(-2), m.slice(1, 3));
console.log(m.concat(JSON.parse("[7]"), 8).length, JSON.parse("[9]").concat(m).length, JSON.parse("[9]").concat(m)[1.5e6 + 1]);
console.log(m.reverse()[0], m.length, m.slice(0, 3));
console.log(m.sort(), m.length);
var sp = JSON.parse("[]");
sp[1.5e6] = "z";
sp[1] = "y";
console.log(sp.splice(1, 2), sp.length, sp.splice(1499998, 1, "q", "r"), sp);

// Many elements far apart, and a long run of them shown with its more-items line.
var many = JSON.parse("[]");
for (var i = 0; i < 300; i++) many[i * 1e7] = i;
console.log(many.length, Object.keys(many).length, many);
