console.log("to stdout");
console.error("to stderr");
console.warn("warned");
console.log("done");
