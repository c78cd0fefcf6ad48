// var declarations inside top-level blocks and loop heads belong to the module.
if (true) {
  var mode = "dev";
}
for (var i = 0; i < 3; i++) {}
function describe() {
  return mode + " " + i;
}
module.exports = describe;
