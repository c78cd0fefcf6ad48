const greet = require("./lib/greet_fn");
console.log(greet("World"));
console.log(greet("Orvan"));
