console.log(0.1 + 0.2);
console.log(1 / 3);
console.log(1e21, 1e-7, 123456789012);
console.log(-0, 0 / 0, 1 / 0, -1 / 0);
console.log(String(-0));
console.log(2 ** 10, 7 % 3, -7 % 3);
console.log(0x1F, 1.50, 100);
