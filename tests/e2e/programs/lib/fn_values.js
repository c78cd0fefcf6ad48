// Function values made in a dependency module.
module.exports = {
  pair: function (a, b) { return a + b; },
  arrow: (x, y, z) => x,
  withDefault: function (a, b = 2) { return a + b; },
};
