// Text cut inside an astral character and put back together: the halves meet
// again as the one character, whichever way the pieces are joined.
var face = "a😀b";
var hi = face.slice(0, 2), lo = face.slice(2);
console.log(hi + lo === face, (hi + lo).length, JSON.stringify(hi + lo), hi + lo);
var chars = "";
for (var i = 0; i < face.length; i++) chars += face.charAt(i);
console.log(chars === face, chars, chars.codePointAt(1).toString(16));
console.log("😀".split("").join("") === "😀", `${"😀"[0]}${"😀"[1]}` === "😀", "".concat("😀"[0], "😀"[1]) === "😀");
console.log(JSON.parse('"\\ud83d"') + JSON.parse('"\\ude00"') === "😀", String.fromCharCode(0xd83d) + String.fromCharCode(0xde00));
var keyed = {};
keyed[hi.slice(1) + lo.slice(0, 1)] = 1;
console.log(keyed["😀"], Object.keys(keyed));
// Long pieces take the other way of joining.
var longHi = "x".repeat(300) + "é" + "😀"[0], longLo = "😀"[1] + "é" + "y".repeat(300);
var joined = longHi + longLo;
console.log(joined === "x".repeat(300) + "é😀é" + "y".repeat(300), joined.length, joined.slice(299, 305));

// Halves reversed, or alone, stay lone surrogates: shown escaped by inspect,
// written as U+FFFD by console.log, streams, files and Buffer.
var rev = "";
for (var j = face.length - 1; j >= 0; j--) rev += face[j];
console.log(rev, rev.length, JSON.stringify(rev));
console.log(JSON.parse("[]").concat(hi, lo, rev), { k: lo });
console.log("%s|%s", lo, hi.length);
process.stdout.write(lo + "\n");
console.log(Buffer.from(lo), Buffer.from(lo, "utf16le"), Buffer.from(lo + "z", "latin1"), Buffer.byteLength(lo));
console.log(Buffer.from(lo + "é", "ucs2").toString("ucs2") === "\ufffdé" || Buffer.from(lo + "é", "ucs2").toString("hex"));
var fs = require("fs");
var file = require("os").tmpdir() + "/orvan_surrogate_halves_" + process.pid;
fs.writeFileSync(file, rev);
console.log(fs.readFileSync(file).toString("hex"), fs.readFileSync(file, "utf8") === "b\ufffd\ufffda");
fs.unlinkSync(file);
