const crypto = require('crypto');
// hashes and random bytes, before any timer is set
console.log(crypto.createHash("sha256").update("abc").digest("hex"));
console.log(crypto.createHash("md5").update("hello").digest("hex"));
console.log(crypto.createHash("sha1").update("a").update("b").digest("base64"));
console.log(crypto.randomBytes(16).length);

// timers
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
