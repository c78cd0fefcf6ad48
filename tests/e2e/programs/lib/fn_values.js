// Function values made in a dependency module.
function declared(a, b = 3) { return a + b; }
module.exports = {
  declared: declared,
  pair: function (a, b) { return a + b; },
  arrow: (x, y, z) => x,
  withDefault: function (a, b = 2) { return a + b; },
};
