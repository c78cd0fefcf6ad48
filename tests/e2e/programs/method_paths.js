// Method calls that skip the general dispatch: an object's own functions,
// push and join on dense arrays. Each must still act as the general path does.

// an object's own methods: replaced, deleted, shadowing a built-in
var counter = {
  n: 0,
  add: function (k) { counter.n += k; return counter.n; },
};
for (var i = 0; i < 5; i++) counter.add(i);
console.log(counter.n, counter.add(100));
counter.add = function (k) { counter.n -= k; return "minus " + counter.n; };
console.log(counter.add(1));
counter.toString = function () { return "counter " + counter.n; };
console.log(counter.toString(), "" + counter.hasOwnProperty("add"));
delete counter.add;
try {
  counter.add(1);
} catch (e) {
  console.log(e instanceof TypeError, e.message);
}
counter.add = 42;
try {
  counter.add(1);
} catch (e) {
  console.log(e instanceof TypeError, e.message);
}

// a method that drops its receiver and its arguments while it runs
var holder = {
  run: function (a, b) {
    var tag = holder.tag;
    holder = null;
    arg = null;
    return tag + ":" + a.join("+") + ":" + b.label;
  },
  tag: "kept",
};
var arg = { label: "arg" + 1 };
var list = JSON.parse("[1, 2]");
console.log(holder.run(list, arg), holder, arg);

// objects of many layouts with methods of one name, at one call site
var shapes = JSON.parse("[]");
shapes.push({ f: function () { return 1; } }, { x: 0, f: function () { return 2; } });
shapes.push({ f: function () { return 3; }, y: 3 }, { g: 0 });
var got = JSON.parse("[]");
for (var s = 0; s < shapes.length; s++) {
  try {
    got.push(shapes[s].f());
  } catch (e) {
    got.push(e instanceof TypeError ? "TypeError" : "other");
  }
}
console.log(got.join(","));
console.log(JSON.parse("[]").length, JSON.stringify(JSON.parse('{"a":[1,{"b":2}]}')));

// push of several values, objects among them, and of none
var a = JSON.parse("[]");
var o = { v: 1 };
console.log(a.push(1, "two", o), a.push(), a.push(a.length), a.length);
o.v = 2;
console.log(a[2].v, a[3], JSON.stringify(a.slice(0, 3)));
var far = JSON.parse("[]");
far[10] = "x";
console.log(far.push("y", "z"), far.length, far[12]);

// join by a string: numbers and strings read in place, others converted
var nums = JSON.parse("[1, -2, 3.5, 1e21, 0]");
nums.push(-0, NaN, 12345678901234);
console.log(nums.join(","), nums.join(""), nums.join(" | "));
var mixed = JSON.parse('["a", 1, null, true]');
mixed.push(undefined, { a: 1 }, JSON.parse("[2, 3]"));
console.log(mixed.join("-"), mixed.join(), mixed.join(0), mixed.join(undefined));
var holes = JSON.parse("[1]");
holes[3] = 4;
console.log(holes.join("/"), JSON.parse("[]").join(","), JSON.parse('["é", "x"]').join("ü"));

// strings of growing and shrinking lengths made and dropped in turn
var total = 0;
var last = "";
for (var r = 0; r < 300; r++) {
  var parts = JSON.parse("[]");
  for (var p = 0; p < r % 7; p++) parts.push(r * 1000 + p);
  var text = "row" + r + ":" + parts.join(",");
  total += text.length;
  if (r % 97 === 0) last = text;
}
console.log(total, last);
var wide = JSON.parse('["héllo wörld", "plain ascii text", 12345, "𝄞 clef"]');
var lens = JSON.parse("[]");
for (var w = 0; w < 40; w++) {
  var joined = wide.join(w % 2 ? " ü " : " - ");
  lens.push(joined.length);
  if (w < 2) console.log(joined, joined.length, joined.charCodeAt(joined.length - 5), joined.slice(-7));
}
console.log(lens.slice(0, 4).join(","), JSON.parse('["", ""]').join("").length);
