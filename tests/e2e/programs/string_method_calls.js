// String methods called by literal names, each line run several times so
// that later calls find the method the name already named: ASCII text takes
// a shorter way there, and every answer must stay the same as the first.
// (Array literals are outside what compiles natively: lists start from JSON.)
function list() {
  return JSON.parse("[]");
}
function J(v) {
  return JSON.stringify(v) + ";";
}
function show(label, f) {
  var first = f();
  var second = f();
  var third = f();
  if (first !== second || second !== third) console.log(label, "changed:", first, "/", second, "/", third);
  else console.log(label, first);
}

var ascii = "The quick brown fox";
var wide = "Ünïcödé façade";
var astral = "a😀b😀c";
var lone = "x\uD800y\uDC00z";
var empty = "";
var built = "";
for (var i = 0; i < 5; i++) built += "ab" + i;  // a concatenation not yet joined

// Indices: whole, negative, fractional, NaN, past the end, strings, undefined, objects.
var indices = JSON.parse('[0, 3, -1, -100, 2.7, -0.5, 100, "2", "x", null, true]');
indices.push(NaN);
indices.push(undefined);
indices.push(Infinity);
indices.push(-Infinity);
var texts = list();
texts.push(ascii);
texts.push(wide);
texts.push(astral);
texts.push(lone);
texts.push(empty);
texts.push(built);
for (var t = 0; t < texts.length; t++) {
  var s = texts[t];
  for (var j = 0; j < indices.length; j++) {
    var at = indices[j];
    show("charAt " + t + " " + String(at), function () { return J(s.charAt(at)); });
    show("charCodeAt " + t + " " + String(at), function () { return J(s.charCodeAt(at)); });
    show("codePointAt " + t + " " + String(at), function () { return J(s.codePointAt(at)); });
    show("at " + t + " " + String(at), function () { return J(s.at(at)); });
    show("slice " + t + " " + String(at), function () { return J(s.slice(at)) + J(s.slice(1, at)) + J(s.slice(at, -1)); });
    show("substring " + t + " " + String(at), function () { return J(s.substring(at)) + J(s.substring(5, at)); });
    show("substr " + t + " " + String(at), function () { return J(s.substr(at)) + J(s.substr(1, at)); });
  }
  show("case " + t, function () { return J(s.toUpperCase()) + J(s.toLowerCase()) + J(s.toUpperCase().toLowerCase()); });
  show("trim " + t, function () { return J((" \t\n" + s + "\r\v\f ").trim()) + J(("  " + s).trimStart()) + J((s + "  ").trimEnd()) + J(s.trim()); });
  show("search " + t, function () {
    return J(s.indexOf("o")) + J(s.indexOf("")) + J(s.indexOf("b", 4)) + J(s.indexOf("q", -3)) + J(s.indexOf("zz")) + J(s.includes("ab")) + J(s.startsWith("The")) + J(s.startsWith("")) + J(s.startsWith("quick", 4)) + J(s.startsWith("a", 100)) + J(s.endsWith("fox")) + J(s.endsWith("c", 5)) + J(s.endsWith("", 0)) + J(s.endsWith("z", -1)) + J(s.lastIndexOf("b"));
  });
  show("split " + t, function () { return J(s.split(" ")) + J(s.split("b")) + J(s.split("")) + J(s.split()) + J(s.split(" ", 1)) + J(s.split("nothing")); });
  show("replace " + t, function () {
    return J(s.replace("o", "0")) + J(s.replaceAll("o", "0")) + J(s.replace("", "-")) + J(s.replaceAll("", ".")) + J(s.replace("q", "$&$&")) + J(s.replace("b", "[$`|$']")) + J(s.replace("zz", "y")) + J(s.replace(",", ""));
  });
  show("same " + t, function () { return J(s.toString()) + J(s.valueOf()) + J(s.concat("!", 1)) + J(s.repeat(2)) + J(s.padStart(25, "*")); });
}

// Arguments that are not strings become text or numbers first.
show("number args", function () {
  return J("a1b1c".split(1)) + J("a1b1c".indexOf(1)) + J("xyz".replace("y", 5)) + J("a1b".includes(1)) + J("12345".startsWith(23, 1)) + J("x".concat(null));
});
show("replacer function", function () { return J(ascii.replace("quick", function (m, at, all) { return m.length + ":" + at + ":" + all.length; })); });

// Through String.prototype and computed names.
show("prototype", function () {
  return J(String.prototype.slice.call(ascii, 4, 9)) + J(String.prototype.toUpperCase.call("abc")) + J(typeof String.prototype.charCodeAt) + J(String.prototype.trim.length) + J("abc"["charAt"](1)) + J(ascii["sl" + "ice"](-3));
});
var names = "slice toUpperCase trim charCodeAt indexOf".split(" ");
for (var n = 0; n < names.length; n++) {
  var name = names[n];
  show("computed " + name, function () { return J(ascii[name](1)); });
}

// Results kept and reused: a copy that shared text with its source would show here.
var parts = list();
for (var r = 0; r < 4; r++) parts.push(ascii.slice(r, r + 6).toUpperCase() + ascii.substring(r, 2).trim());
console.log(parts.join("|"), ascii);
// Every length from empty to past a few dozen bytes, copied into cells that
// held longer and shorter text just before: no byte of an older text may show.
var longText = "";
for (var k = 0; k < 6; k++) longText += "0123456789abcdefghijklmnopqrstuvwxyz".slice(k, k + 9);
var sums = list();
for (var round = 0; round < 3; round++) {
  for (var len = 0; len <= longText.length; len++) {
    var piece = longText.slice(round, round + len);
    var other = longText.substring(len % 7, longText.length - round);
    sums.push(piece.length + ":" + piece + "/" + other.slice(-len - 1).toUpperCase());
    // One match taken out or swapped at the start, the middle and the end,
    // down to an empty result and a one-character one.
    var found = piece.charAt(len % 4 === 0 ? 0 : len % 4 === 1 ? piece.length - 1 : len >> 1) || "q";
    sums.push(piece.replace(found, "") + "|" + piece.replace(found, len % 3 ? "$$" : "<" + len + ">") + "|" + piece.replace(piece, ""));
    // Characters found near the start, past the first sixteen bytes, or not at all.
    sums.push(longText.indexOf("d", len) + "," + longText.indexOf(piece.charAt(len - 1) || "#") + "," + J(longText.split(longText.charAt(len))));
  }
}
console.log(sums.join(" "));
console.log("ab".replace("a", "") + "|" + "ab".replace("b", "") + "|" + "a".replace("a", "") + "|" + "a".replace("a", "bc") + "|" + "xyz".replace("y", "$'"));
var mixed = ("abc" + wide).slice(1, 6);
console.log(mixed, mixed.length, mixed.toUpperCase(), mixed.charCodeAt(3));

// Methods that do not exist on strings stay errors.
try {
  ascii.nope(1);
} catch (e) {
  console.log(e instanceof TypeError, e.message);
}
