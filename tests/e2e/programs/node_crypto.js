const crypto = require("crypto");
console.log(crypto.createHash("sha256").update("abc").digest("hex"));
console.log(crypto.createHash("md5").update("hello").digest("hex"));
console.log(crypto.createHash("sha1").update("a").update("b").digest("base64"));
console.log(crypto.randomBytes(16).length);
