function trail(n) {
  var s = "";
  switch (n) {
    case 1:
      s += "a";
    case 2:
      s += "b";
    case 3:
      s += "c";
      break;
    case 4:
      s += "d";
  }
  return s;
}
console.log(trail(1), trail(2), trail(3), trail(4), "[" + trail(5) + "]");
for (var i = 0; i < 4; i++) {
  switch (i) {
    case 1:
      continue;
    default:
      console.log("i=" + i);
  }
}
