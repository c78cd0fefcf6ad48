var table = {};
var names = "alpha,beta,gamma".split(",");
for (var i = 0; i < names.length; i++) {
  table[names[i]] = i * 10;
}
console.log(table.alpha, table.beta, table.gamma);
console.log(table["be" + "ta"]);
console.log(Object.keys(table).length);
