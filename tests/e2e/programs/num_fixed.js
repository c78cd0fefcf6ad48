var x = 3.14159;
console.log(x.toFixed(2));
console.log((10).toFixed(1));
console.log((255).toString(16), (255).toString(2));
console.log((1234.5678).toFixed(0));
console.log(Number("42") + 1, Number("abc"), Number(""));
