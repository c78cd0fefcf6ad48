const crypto = require('crypto');
console.log(crypto.createHash('sha256').update('abc').digest('hex'));
var n = 0;
var iv = setInterval(function () {
  n = n + 1;
  console.log('tick', n);
  if (n === 3) clearInterval(iv);
}, 20);
setTimeout(function () { console.log('late'); }, 400);
setTimeout(function () { console.log('first'); }, 0);
var never = setTimeout(function () { console.log('never'); }, 10);
clearTimeout(never);
clearTimeout(undefined);
console.log('sync end', typeof iv);
