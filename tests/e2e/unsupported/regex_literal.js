// expect: 0 Feature: regular expression literal
var digits = /[0-9]+/g;
console.log("a1b22".replace(digits, ""));
