// assign
var base = { a: 1, b: 2 };
var extra = { b: 3, c: 4 };
var merged = Object.assign({}, base, extra);
console.log(merged.a, merged.b, merged.c);
console.log(JSON.stringify(merged));
var entries = Object.entries({ k: "v", n: 1 });
console.log(entries.length, entries[0][0], entries[0][1], entries[1][1]);

// basic
var p = { name: "Ada", age: 36 };
console.log(p.name, p.age);
p.age = p.age + 1;
p.city = "London";
console.log(p.age, p.city);
console.log(p.missing);
var nested = { inner: { value: 42 }, list: JSON.parse("[1,2]") };
console.log(nested.inner.value);
console.log(nested.list.length);

// computed
var table = {};
var names = "alpha,beta,gamma".split(",");
for (var i = 0; i < names.length; i++) {
  table[names[i]] = i * 10;
}
console.log(table.alpha, table.beta, table.gamma);
console.log(table["be" + "ta"]);
console.log(Object.keys(table).length);

// destructure
var point = { x: 3, y: 4, label: "P" };
const { x, y } = point;
const { label: name } = point;
console.log(x, y, name);
console.log(Math.sqrt(x * x + y * y));

// hasown
var o = { a: 1, b: undefined };
console.log(o.hasOwnProperty("a"));
console.log(o.hasOwnProperty("b"));
console.log(o.hasOwnProperty("c"));
console.log(o.b === undefined, o.c === undefined);

// keys
var o = { b: 2, a: 1, 10: "ten", 2: "two", z: 26 };
var keys = Object.keys(o);
console.log(keys.join(","));
for (var i = 0; i < keys.length; i++) {
  console.log(keys[i] + "=" + o[keys[i]]);
}
console.log(Object.values({ x: 1, y: 2 }).join("+"));

// methods plain
function area(shape) {
  return shape.w * shape.h;
}
var shapes = JSON.parse('[{"w":2,"h":3},{"w":4,"h":5}]');
var sum = 0;
for (var i = 0; i < shapes.length; i++) {
  sum += area(shapes[i]);
}
console.log(sum);
var calc = { twice: function (x) { return 2 * x; } };
console.log(calc.twice(8));

// shorthand
var width = 5;
var height = 7;
var box = { width, height, area: width * height };
console.log(box.width, box.height, box.area);
console.log(JSON.stringify(box));

// Object.is: NaN is itself, 0 and -0 differ, objects by identity.
var same = {};
console.log(Object.is(NaN, NaN), Object.is(0, -0), Object.is(-0, -0), Object.is(1, 1), Object.is("a", "a"), Object.is("a", "b"));
console.log(Object.is(same, same), Object.is({}, {}), Object.is(null, undefined), Object.is(), Object.is(1, "1"), Object.is(0 / 0, Number("x")));
