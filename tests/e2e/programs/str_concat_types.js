console.log("n:" + 5);
console.log("b:" + true);
console.log("u:" + undefined);
console.log("z:" + null);
console.log("o:" + {});
console.log("f:" + 1.5);
console.log(String(123) + String(false));
