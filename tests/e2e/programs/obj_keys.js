var o = { b: 2, a: 1, 10: "ten", 2: "two", z: 26 };
var keys = Object.keys(o);
console.log(keys.join(","));
for (var i = 0; i < keys.length; i++) {
  console.log(keys[i] + "=" + o[keys[i]]);
}
console.log(Object.values({ x: 1, y: 2 }).join("+"));
