console.log(parseInt("42px"), parseInt("ff", 16), parseFloat("3.5e2"));
console.log(isNaN(parseInt("x")), isFinite(10), isFinite(1 / 0));
console.log(Number("  12 "), Number("0x10"), Number(null), Number(true));
