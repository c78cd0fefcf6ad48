var q = JSON.parse("[]");
q.push("a");
q.push("b");
q.push("c");
console.log(q.shift(), q.length);
q.unshift("z");
console.log(q.join(""), q.indexOf("b"), q.includes("c"));
console.log(q.pop(), q.slice(0, 1).join(""));
