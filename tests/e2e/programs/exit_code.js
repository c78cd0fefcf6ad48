console.log("exiting with 3");
process.exit(3);
console.log("never printed");
