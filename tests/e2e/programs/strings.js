// build
var out = "";
for (var i = 0; i < 10; i++) {
  out += String(i);
}
console.log(out);
var line = "";
var i2 = 0;
while (line.length < 20) {
  line = line + "ab";
  i2++;
}
console.log(line, i2);

// char codes
var word = "ABC";
var sum = 0;
for (var i = 0; i < word.length; i++) {
  sum += word.charCodeAt(i);
}
console.log(sum);
console.log("abc" < "abd", "Z" < "a", "10" < "9");

// concat types
console.log("n:" + 5);
console.log("b:" + true);
console.log("u:" + undefined);
console.log("z:" + null);
console.log("o:" + {});
console.log("f:" + 1.5);
console.log(String(123) + String(false));

// escape
console.log("tab\tseparated");
console.log("quote \" and backslash \\");
console.log('single \'quoted\'');
console.log("line1\nline2");
console.log("a" + "b" + 1 + 2);
console.log(1 + 2 + "c");

// methods
var s = "Hello, World";
console.log(s.length);
console.log(s.toUpperCase(), s.toLowerCase());
console.log(s.indexOf("World"), s.indexOf("x"));
console.log(s.slice(0, 5), s.substring(7), s.charAt(4));
console.log(s.includes("lo,"), s.startsWith("Hell"), s.endsWith("d"));
console.log(s.replace("World", "There"));
console.log("  pad  ".trim() + "|");
console.log("ab".repeat(3));
console.log("7".padStart(3, "0"), "7".padEnd(3, "."));

// split join
var csv = "one,two,three,four";
var parts = csv.split(",");
console.log(parts.length);
console.log(parts[2]);
console.log(parts.join(" | "));
console.log(parts.reverse().join(","));
console.log("a-b-c".split("-").join("+"));

// template
var name = "Orvan";
var n = 3;
console.log(`Hello ${name}, you have ${n} new messages`);
console.log(`${n} + ${n} = ${n + n}`);
console.log(`multi
line`);

// unicode
var s = "héllo wörld ✓";
console.log(s);
console.log(s.length);
console.log(s.toUpperCase());
console.log(s.charAt(1));
console.log(s.indexOf("ö"));
console.log("日本語".length);

// ASCII fast paths: bounds, case boundaries, replacement patterns
var a = "Hello, World";
console.log(a.slice(-5), a.slice(3, -3) + "|", a.slice(8, 2) + "|", a.substring(7, 2), a.substr(-5, 3));
console.log(a.charAt(-1) + "|", a.charAt(99) + "|", a.at(-1), a.at(99), a.charCodeAt(99), a.codePointAt(99));
console.log("@AZ[`az{09".toLowerCase(), "@AZ[`az{09".toUpperCase());
console.log("none".trim() === "none", "\t x \n".trimStart() + "|", "\t x \n".trimEnd() + "|");
console.log("aXbXc".replace("X", "[$&|$$|$`|$']"), "abc".replace("z", "y"), "abc".replace("", "-"));
console.log("abc".replaceAll("", "-"), "a.b.c".replaceAll(".", ""), "xx".replaceAll("x", "$&$&"));
console.log("a,b,,c".split(","), "abc".split(""), "a,b,c".split(",", 2), "".split(","), "abc".split());
console.log("hello".indexOf("l", 3), "hello".includes("lo"), "hello".startsWith("ell", 1), "hello".endsWith("ell", 4));
var up = "to" + "UpperCase";
console.log("mixed"[up](), (12).toString(), "s".toString(), ({ toString: function () { return "obj"; } }).toString());
console.log(("x" + "y").length, "é".length, "😀".length, "a" + "b" + "c" === "abc");

// non-ASCII text on the same methods
var u = "Straße 😀 ÉCOLE";
console.log(u.toUpperCase(), u.toLowerCase(), u.slice(7, 9).length, u.slice(7, 8).charCodeAt(0));
console.log(u.indexOf("😀"), u.charCodeAt(8), u.codePointAt(7), u.at(-1), u.charAt(7).charCodeAt(0));
console.log(u.replace("😀", "🙂"), u.split(" ").length, u.trim().length, u.substring(0, 6));
console.log("😀😀".split("").length, "😀".charCodeAt(1), "a😀b".lastIndexOf("b"));

// comparators: function expressions, declarations, odd results, a throw
function desc(x, y) { return y - x; }
console.log(JSON.parse("[3, 1, 2]").sort(desc).join(), JSON.parse("[3, 1, 2]").sort(function (x, y) { x = 0; return y > x ? -1 : 1; }).join());
console.log(JSON.parse("[3, 1, 2]").sort(function (x, y) { return x > y; }).join(), JSON.parse("[3, 1, 2]").sort(function (x, y) { return String(x - y); }).join());
try { JSON.parse("[2, 1]").sort(function () { throw "stop"; }); } catch (e) { console.log(e); }
var holes = JSON.parse("[3, 1]"), names = "b,a".split(",");
holes.push(undefined, 2);
names.unshift(undefined);
console.log(holes.sort(function (x, y) { return x - y; }), names.sort());

// number text inside joins and concatenation
var nums = JSON.parse("[-7, 0, 1.5, 9007199254740993, 1e21, -1e-7, 123456789012]");
nums.push(-0, NaN, Infinity, null, undefined);
console.log(nums.join(), nums.join("") + "|", "n" + -0 + (-12) + 2.5e-7 + 1e21 + (2 ** 53), 3 + "" + 4);
var nested = JSON.parse("[1, [2, [3, 4]], \"é\"]");
console.log(nested.join(";"), "x" + nested, nested + "", true + "" + null);

// default order of ASCII strings: leading bytes first, whole texts on a tie
var keys = "k12 k1 k1000000000 k100000000 k10000000a k10000000 b a  ab".split(" ");
keys.push("ab\u0000", "ab\u0000c", "a\u0000", "aaaaaaaz", "aaaaaaay", "aaaaaaa", "x" + "y" + "z", "xyz0", "xy");
console.log(JSON.stringify(keys.sort()));
var late = "c b a".split(" ");
late.push("é", "a0");
console.log(JSON.stringify(late.sort()), JSON.stringify(late), late[0] === "a");
var odd = "c b".split(" ");
odd.push(10, "a", undefined, 9);
console.log(JSON.stringify(odd.sort()), JSON.stringify(odd.slice().reverse()));

// a string method whose callback drops the receiver's last other holder
var held = "x" + "abcabc";
held = held.replace("b", function (m) { held = null; return m.toUpperCase(); });
console.log(held, "abc"["s" + "lice"](1), "abc".slice.call("xyz", 1));

// case mapping of ASCII text already in the asked case, or changed only in its last bytes
var cased = "already lower case text!,lower with Upper at end Z,EXACTLY8,exactly8,sixteen chars ok,sixteen chars oK,,a,Z,12345678901234567@".split(",");
console.log(cased.map(function (c) { return c.toLowerCase() + "|" + c.toUpperCase(); }).join(","));
var low = "words";
console.log(low.toLowerCase() === low, low.toUpperCase(), low.toLowerCase().length, ("Wo" + "rds").toLowerCase());

// indices past the int range, fractional, negative, NaN and -0 on ASCII text
var idx = "0123456789abcdefghij";
console.log(idx.slice(-3.5, 1e10), idx.charAt(2.7), idx.substring(NaN, -0), idx.at(-1), idx.charCodeAt(2147483648),
  idx.slice(2147483647.5), idx.substr(-2147483649, 3), idx.indexOf("a", -1e300), idx.startsWith("9", 9.99), idx.endsWith("j", Infinity));

// long strings made and dropped in a loop, some of them kept: each keeps its own text
var kept = JSON.parse("[]");
var base = "The quick brown fox jumps over the lazy dog, again and again";
for (var q = 0; q < 120; q++) {
  var piece = base.slice(q % 17, 20 + (q % 23)).toUpperCase();
  var other = piece.toLowerCase().slice(1);
  if (q % 9 === 0) kept.push(piece, other);
}
console.log(kept.join("|"), kept.length);

// JSON.stringify of strings and keys with each character it escapes (quote,
// backslash, control characters, text past ASCII, a lone surrogate) at every
// place in an eight-byte word, and of plain text around them
var escaped = "plain|a\"b|back\\slash|tab\there|nl\nx|\u0001ctl|ünï|\u001f|é|x\u007fy|end\"|\\|12345678\"|1234567\\|abcdefgh\u0000|\ud800lone|~}{".split("|");
var quoted = JSON.parse("[]");
for (var e = 0; e < escaped.length; e++)
  for (var at = 0; at < 18; at++) {
    var text = "abcdefghijklmnopq".slice(0, at) + escaped[e] + "xyz".slice(0, at % 4);
    var holder = {};
    holder[text] = text;
    quoted.push(JSON.stringify(text), JSON.stringify(holder));
  }
console.log(quoted.join("\n"));
console.log(JSON.parse(JSON.stringify(escaped)).join("|") === escaped.join("|"));
