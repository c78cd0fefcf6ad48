var b = Buffer.from("hi there");
console.log(b.length);
console.log(b.toString("hex"));
console.log(Buffer.from("aGVsbG8=", "base64").toString());
console.log(Buffer.from("6869", "hex").toString("utf8"));
console.log(Buffer.byteLength("héllo"));
console.log(Buffer.from("abc").equals(Buffer.from("abc")));
