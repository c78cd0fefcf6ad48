// Element and length reads of arrays in loops, where the dense part is read in place.

// indices inside, past the end, negative, fractional, NaN and huge
var a = JSON.parse("[10, 20, 30]");
var probes = JSON.parse("[0, 2, 3, -1, 1.5, 4294967295, 4294967296, 1e300]");
probes.push(-0, NaN, -Infinity);
var got = JSON.parse("[]");
for (var p = 0; p < probes.length; p++) got.push(String(a[probes[p]]));
console.log(got.join(" "));
console.log(a["1"], a["01"], a[true], a[null]);

// an array that grows and shrinks while a loop reads its length
var grow = JSON.parse("[]");
for (var i = 0; i < grow.length || i < 5; i++) {
  grow.push(i * i);
  if (i === 3) grow.pop();
}
console.log(grow.length, grow.join(","));
var shrink = JSON.parse("[1, 2, 3, 4, 5, 6]");
var seen = JSON.parse("[]");
for (var j = 0; j < shrink.length; j++) {
  seen.push(shrink[j]);
  shrink.length = shrink.length - 1;
}
console.log(seen.join(","), shrink.length);

// holes: inside the dense part, and a write far past the end
var holes = JSON.parse("[1, 2, 3]");
delete holes[1];
holes[9] = 10;
var text = JSON.parse("[]");
for (var h = 0; h < holes.length; h++) text.push(holes[h] === undefined ? "hole" : holes[h]);
console.log(holes.length, text.join(" "), holes[20], holes[9]);
var far = JSON.parse("[]");
far[100000] = "x";
far.length = 3;
far.push("y");
console.log(far.length, far[3], far[0], far[100000]);
far[5000000] = "z";
console.log(far.length, far[5000000], far[far.length - 1]);

// elements that are objects, strings and arrays: each read holds its own reference
var rows = JSON.parse("[]");
for (var r = 0; r < 4; r++) {
  var kids = JSON.parse("[]");
  kids.push(r, r + 1);
  rows.push({ n: r, s: "row" + r, kids: kids });
}
var sum = 0;
for (var k = 0; k < rows.length; k++) {
  var row = rows[k];
  rows[k] = null;
  sum += row.n + row.kids[1] + row.s.length;
}
console.log(sum, rows.join("|"));

// .length of things other than a dense array at the same kind of site
var things = JSON.parse("[[1, 2], \"abc\"]");
things.push({ length: 7 }, { other: 1 }, function (x, y) {}, "", JSON.parse("[]"));
var lengths = JSON.parse("[]");
for (var t = 0; t < things.length; t++) lengths.push(String(things[t].length));
console.log(lengths.join(" "));
var sparse = JSON.parse("[]");
sparse[50] = 1;
console.log(sparse.length, JSON.parse("[]").length);

// the same property read and written at one place on objects of many layouts,
// with layouts changing mid-loop, a key deleted and one inherited then shadowed
var objs = JSON.parse("[]");
objs.push({ x: 1 }, { y: 2, x: 3 }, { x: 5 }, {}, { z: 0, y: 0, x: 7 });
for (var round = 0; round < 3; round++) {
  var line = JSON.parse("[]");
  for (var m = 0; m < objs.length; m++) {
    var o = objs[m];
    o.x = (o.x || 0) + 1;
    o.last = round;
    line.push(o.x);
    if (round === 1 && m === 0) delete o.x;
    if (round === 1 && m === 2) o.toString = function () { return "own"; };
  }
  console.log(line.join(","), Object.keys(objs[0]).join(""), Object.keys(objs[2]).join(""), objs[2].toString());
}
var proto = {};
console.log(typeof proto.hasOwnProperty, proto.hasOwnProperty("hasOwnProperty"));
proto.hasOwnProperty = 5;
console.log(proto.hasOwnProperty, Object.keys(proto).join(","));

// keys made at run time with the same text as a literal key
var dyn = {};
dyn["hi" + "ts"] = 1;
dyn.hits = dyn.hits + 1;
var keyName = JSON.parse("[\"la\", \"st\"]").join("");
dyn[keyName] = "l";
console.log(JSON.stringify(dyn), dyn.last, dyn[keyName]);
