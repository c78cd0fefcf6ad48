function square(x) {
  return x * x;
}
function cube(x) {
  return x * x * x;
}
module.exports.square = square;
module.exports.cube = cube;
