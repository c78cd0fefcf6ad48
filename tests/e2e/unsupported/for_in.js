// expect: 0 Feature: ForInStatement
var o = { a: 1, b: 2 };
for (var k in o) console.log(k);
