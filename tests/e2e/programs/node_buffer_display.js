console.log(Buffer.from("hi"));
console.log(Buffer.alloc(3));
console.log(Buffer.from("xyz").slice(1).toString());
