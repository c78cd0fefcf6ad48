var s = "héllo wörld ✓";
console.log(s);
console.log(s.length);
console.log(s.toUpperCase());
console.log(s.charAt(1));
console.log(s.indexOf("ö"));
console.log("日本語".length);
