console.log(5 & 3, 5 | 3, 5 ^ 3);
console.log(1 << 4, 256 >> 2);
console.log(1 << 31, -16 >> 2);
console.log(7.9 | 0, ~5);
var flags = 0;
flags = flags | 4;
flags = flags | 1;
console.log(flags, (flags & 4) !== 0, (flags & 2) !== 0);
