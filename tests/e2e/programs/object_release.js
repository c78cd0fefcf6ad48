// Objects released when the last name for them goes: what they hold is
// released with them, and only when nothing else still holds it.

// a long chain of small objects let go at once
var head = null;
for (var i = 0; i < 300000; i++) head = { value: i, next: head };
var walked = 0;
for (var n = head; n && walked < 3; n = n.next) walked++;
console.log("chain head", head.value, head.next.value, walked);
head = null;
console.log("chain released");

// small objects holding every kind of value, some of them shared
var shared = { name: "kept" };
var keepArray = JSON.parse("[1, 2]");
var keepFn = function (x) { return x + 1; };
var errors = JSON.parse("[]");
function caught(j) {
  try {
    var none;
    return none["key" + j];
  } catch (e) {
    return e;
  }
}
for (var j = 0; j < 2000; j++) {
  var big = { a: 1, b: 2, c: 3, d: 4, e: 5, f: { deep: "x" + j } };  // values outside the cell
  var own = { p: 1, q: { inner: j }, r: 3 };
  delete own.p;  // a key layout of its own
  var arr = JSON.parse("[]");
  arr.push(j, { inArray: j });
  var holder = { s: "text " + j, arr: arr, fn: keepFn, big: big };
  arr = null;
  var mixed = { holder: holder, own: own, shared: shared, err: caught(j) };
  var outer = { twice: j * 2, link: mixed };
  holder = null;
  big = null;
  own = null;
  mixed = null;
  if (j % 500 === 0) errors.push(outer.link.err);
  if (j === 1999) {
    console.log(outer.twice, outer.link.holder.big.f.deep, outer.link.own.q.inner);
    console.log(outer.link.holder.arr[1].inArray, outer.link.holder.fn(1), Object.keys(outer.link.own).join(","));
  }
  outer = null;
}
console.log(shared.name, keepArray.length, keepFn(2), errors.length, errors[3].name, errors[3].message);

// one object held by two others outlives the first of them
var common = { tag: "common", list: JSON.parse("[1, 2, 3]") };
var left = { side: "left", ref: common };
var right = { side: "right", ref: common };
common = null;
left = null;
console.log(right.ref.tag, right.ref.list.join("+"));
right.ref.list.push(4);
var again = right.ref;
right = null;
console.log(again.tag, again.list.length);

// a variable overwritten in a loop lets the object it held go each time
var total = 0;
for (var k = 0; k < 10000; k++) {
  var pt = { x: k, y: 1 };
  var wrap = { pt: pt, n: k, label: "w" + (k % 7) };
  pt = null;
  total += wrap.pt.x + wrap.pt.y - wrap.n;
}
console.log("points", total, wrap.label);
