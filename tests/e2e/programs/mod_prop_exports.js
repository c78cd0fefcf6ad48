var p = require("./lib/props");
console.log(p.square(7), p.cube(3));
