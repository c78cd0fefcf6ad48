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
