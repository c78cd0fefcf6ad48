var counter = require("./lib/counter");
counter.next();
counter.next();
console.log(counter.current());
console.log(counter.next());
