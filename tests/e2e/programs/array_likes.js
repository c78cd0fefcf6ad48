// Built-in prototype methods reached through call and apply, on array-likes and on values of other kinds.

function t(label, f) {
  try { console.log(label, f()); } catch (e) { console.log(label, "threw", e.name, e.message); }
}
var AP = Array.prototype;
function like(text) { return JSON.parse(text); }
function twice(v) { return v + v; }
function big(v) { return v > "a"; }

// array-likes read: elements below length, holes kept, length converted
var ab = like('{"0":"a","1":"b","length":2}');
t("join", function () { return AP.join.call(ab, "-"); });
t("join default", function () { return AP.join.call(ab); });
t("slice", function () { return AP.slice.call(ab); });
t("slice from", function () { return AP.slice.call(ab, 1); });
t("map", function () { return AP.map.call(ab, twice); });
t("filter", function () { return AP.filter.call(ab, big); });
t("indexOf", function () { return AP.indexOf.call(ab, "b") + AP.indexOf.call(ab, "z"); });
t("includes", function () { return AP.includes.call(ab, "a"); });
t("reduce", function () { return AP.reduce.call(ab, function (acc, v) { return acc + v; }, ">"); });
t("some every find", function () { return AP.some.call(ab, big) + "," + AP.every.call(ab, big) + "," + AP.find.call(ab, big); });
t("holes", function () { return AP.slice.call(like('{"1":"x","length":3}')); });
t("hole count", function () { return AP.filter.call(like('{"1":"x","length":3}'), function () { return true; }).length; });
t("string length", function () { return AP.join.call(like('{"0":1,"1":2,"2":3,"length":"2"}'), "+"); });
t("no length", function () { return AP.slice.call(like('{"0":1}')); });
t("negative length", function () { return AP.join.call(like('{"0":1,"length":-3}')); });
t("past length", function () { return AP.join.call(like('{"0":1,"5":6,"length":2}'), ","); });
t("huge length", function () { return AP.join.call(like('{"length":1e10}')); });
t("huge slice", function () { return AP.slice.call(like('{"length":1e10}')); });
t("sparse huge", function () { return AP.indexOf.call(like('{"0":"a","3000000":"z","length":4000000}'), "z"); });
t("toString", function () { return AP.toString.call(ab); });
t("concat", function () { return AP.concat.call(ab, like("[1,2]"), 3).length; });

// strings, functions and numbers as array-likes
t("map string", function () { return AP.map.call("abc", twice); });
t("join string", function () { return AP.join.call("xyz", "."); });
t("slice function", function () { return AP.slice.call(function (a, b) {}).length; });
t("join number", function () { return JSON.stringify(AP.join.call(5)); });
t("push string", function () { return AP.push.call("abc", 1); });
t("pop string", function () { return AP.pop.call("abc"); });

// mutating methods write the elements and the length back
var o = like('{"0":"a","1":"b","2":"c","length":3,"tag":1}');
t("push", function () { return AP.push.call(o, "d", "e"); });
t("after push", function () { return JSON.stringify(o); });
t("pop", function () { return AP.pop.call(o); });
t("shift", function () { return AP.shift.call(o); });
t("after shift", function () { return JSON.stringify(o); });
t("unshift", function () { return AP.unshift.call(o, "z"); });
t("splice", function () { return AP.splice.call(o, 1, 2, "X"); });
t("after splice", function () { return JSON.stringify(o); });
t("reverse", function () { return AP.reverse.call(o) === o; });
t("sort", function () { return JSON.stringify(AP.sort.call(o)); });
var empty = like("{}");
AP.push.call(empty, "first");
t("push on empty object", function () { return JSON.stringify(empty); });

// real arrays through call and apply
var arr = like("[1,2]");
t("push apply", function () { return AP.push.apply(arr, like("[3,4]")); });
t("after push apply", function () { return arr; });
t("slice call", function () { return AP.slice.call(arr, 1, 3); });
t("join apply", function () { return AP.join.apply(arr, like('["/"]')); });
var holder = like("{}");
holder.pick = AP.join;
holder.length = 2;
holder[0] = "p";
holder[1] = "q";
t("borrowed method", function () { return holder.pick("~"); });

// String.prototype and Number.prototype on other values
t("upper number", function () { return String.prototype.toUpperCase.call(12); });
t("trim", function () { return String.prototype.trim.call("  x  "); });
t("slice object", function () { return String.prototype.slice.call(ab, 1, 4); });
t("upper null", function () { return String.prototype.toUpperCase.call(null); });
t("toFixed", function () { return Number.prototype.toFixed.call(1.25, 1); });
t("toFixed string", function () { return Number.prototype.toFixed.call("1"); });
t("distinct", function () { return AP.slice === String.prototype.slice; });

// Object.prototype on every kind
var ts = Object.prototype.toString;
var failure;
try { JSON.parse("{"); } catch (e) { failure = e; }
t("tags", function () { return ts.call(arr) + ts.call(ab) + ts.call(null) + ts.call(undefined) + ts.call("s") + ts.call(1) + ts.call(twice) + ts.call(failure); });
t("own array", function () { return arr.hasOwnProperty("0") + "," + arr.hasOwnProperty("9") + "," + arr.hasOwnProperty("length"); });
t("own string", function () { return "abc".hasOwnProperty("length") + "," + Object.prototype.hasOwnProperty.call("abc", "1"); });
t("own null", function () { return Object.prototype.hasOwnProperty.call(null, "x"); });

// this undefined or null
t("join null", function () { return AP.join.call(null); });
t("map undefined", function () { return AP.map.call(undefined, twice); });
t("forEach null", function () { return AP.forEach.call(null, twice); });

// apply spreads an array-like argument list
function three(a, b, c) { return String(a) + "," + String(b) + "," + String(c); }
t("apply array-like", function () { return three.apply(null, like('{"0":"a","2":"c","length":3}')); });
t("apply nullish", function () { return three.apply(null, null) + " " + three.apply(null); });
t("apply string", function () { return three.apply(null, "ab"); });
t("apply too long", function () { return three.apply(null, like('{"length":1000000}')); });
