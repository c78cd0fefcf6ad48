function makeMatrix(n) {
  var m = JSON.parse("[]");
  for (var i = 0; i < n; i++) {
    var row = JSON.parse("[]");
    for (var j = 0; j < n; j++) row.push(i * n + j);
    m.push(row);
  }
  return m;
}
function trace(m) {
  var t = 0;
  for (var i = 0; i < m.length; i++) t += m[i][i];
  return t;
}
var m = makeMatrix(4);
console.log(trace(m));
console.log(m[2].join(" "));
