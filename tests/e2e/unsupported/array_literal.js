// expect: 0 Feature: ArrayExpression
var list = [1, 2, 3];
console.log(list);
