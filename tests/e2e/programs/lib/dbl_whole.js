function dbl(n) { return n * 2; }
module.exports = dbl;
