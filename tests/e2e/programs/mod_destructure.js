const { add, mul } = require("./lib/math_obj");
const { square: sq } = require("./lib/props");
console.log(add(1, 2), mul(3, 4), sq(5));
