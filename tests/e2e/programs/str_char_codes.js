var word = "ABC";
var sum = 0;
for (var i = 0; i < word.length; i++) {
  sum += word.charCodeAt(i);
}
console.log(sum);
console.log("abc" < "abd", "Z" < "a", "10" < "9");
