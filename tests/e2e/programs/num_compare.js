console.log(1 < 2, 2 <= 2, 3 > 4, 4 >= 5);
console.log(1 == 1, 1 === 1, 1 != 2, "a" !== "a");
console.log(null == undefined, null === null, undefined === undefined);
console.log(NaN === NaN, 0 === -0);
