var name = "Orvan";
var n = 3;
console.log(`Hello ${name}, you have ${n} new messages`);
console.log(`${n} + ${n} = ${n + n}`);
console.log(`multi
line`);
