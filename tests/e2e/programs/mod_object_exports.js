var m = require("./lib/math_obj");
console.log(m.add(2, 3), m.mul(4, 5), m.times(6, 7));
