// blocks scope
function run() {
  var total = 0;
  {
    let inner = 5;
    total += inner;
  }
  {
    let inner = 7;
    total += inner;
  }
  for (let i = 0; i < 3; i++) {
    const sq = i * i;
    total += sq;
  }
  return total;
}
console.log(run());
const LIMIT = 3;
let acc = 0;
for (let i = 0; i < LIMIT; i++) acc += i;
console.log(acc);

// break continue
var out = "";
for (var i = 0; i < 10; i++) {
  if (i % 2 === 0) continue;
  if (i > 7) break;
  out += i;
}
console.log(out);
var rows = 0;
for (var r = 0; r < 5; r++) {
  for (var c = 0; c < 5; c++) {
    if (c > r) break;
    rows++;
  }
}
console.log(rows);

// conditional
function sign(n) {
  return n > 0 ? "pos" : n < 0 ? "neg" : "zero";
}
console.log(sign(5), sign(-2), sign(0));
var a = null;
var b = a || "default";
var c = "set" && "both";
console.log(b, c);
console.log(0 || "", 1 && 0, !"x", !!"x");

// for
for (var i = 0; i < 3; i++) {
  console.log("i", i);
}
var j = 10;
for (; j > 7; j--) {
  console.log("j", j);
}
var count = 0;
for (var a = 0, b = 10; a < b; a++, b--) {
  count++;
}
console.log(count);
for (var k = 0; ; k++) {
  if (k === 4) break;
}
console.log(k);

// if else
function grade(score) {
  if (score >= 90) {
    return "A";
  } else if (score >= 80) {
    return "B";
  } else if (score >= 70) {
    return "C";
  } else {
    return "F";
  }
}
console.log(grade(95), grade(85), grade(72), grade(10));
var x = 0;
if (x) console.log("truthy");
else console.log("falsy");
if ("") console.log("empty string truthy");
if ("0") console.log("string zero truthy");

// sequence
var a = (1, 2, 3);
console.log(a);
var x = 0;
var y = 0;
for (var i = 0; i < 3; i++, x += 2) {
  y = y + x;
}
console.log(x, y);

// switch
function kind(x) {
  switch (x) {
    case 1:
      return "one";
    case 2:
      return "two";
    case "three":
      return "string three";
    default:
      return "other";
  }
}
console.log(kind(1), kind(2), kind("three"), kind(4));
function size(n) {
  var label = "";
  switch (n) {
    case 0:
      label = "none";
      break;
    case 1:
    case 2:
      label = "few";
      break;
    default:
      label = "many";
  }
  return label;
}
console.log(size(0), size(1), size(2), size(9));

// switch fallthrough
function trail(n) {
  var s = "";
  switch (n) {
    case 1:
      s += "a";
    case 2:
      s += "b";
    case 3:
      s += "c";
      break;
    case 4:
      s += "d";
  }
  return s;
}
console.log(trail(1), trail(2), trail(3), trail(4), "[" + trail(5) + "]");
for (var i = 0; i < 4; i++) {
  switch (i) {
    case 1:
      continue;
    default:
      console.log("i=" + i);
  }
}

// while
var n = 27;
var steps = 0;
while (n !== 1) {
  if (n % 2 === 0) n = n / 2;
  else n = 3 * n + 1;
  steps++;
}
console.log(steps);
var k = 0;
do {
  k += 3;
} while (k < 10);
console.log(k);
var once = 0;
do {
  once++;
} while (false);
console.log(once);

// labelled break out of a nested loop
outer: for (var i = 0; i < 3; i++) {
  for (var j = 0; j < 3; j++) {
    if (j === 1) break outer;
  }
}
console.log(i);
