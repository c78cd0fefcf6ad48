console.log(Math.floor(3.7), Math.ceil(3.2), Math.round(2.5), Math.round(-2.5));
console.log(Math.max(1, 9, 4), Math.min(1, 9, 4));
console.log(Math.abs(-7), Math.pow(2, 8), Math.sqrt(144));
console.log(Math.PI.toFixed(5), Math.E > 2.7);
console.log(Math.trunc(-4.7), Math.sign(-3), Math.hypot(3, 4));
var r = Math.random();
console.log(r >= 0 && r < 1);
