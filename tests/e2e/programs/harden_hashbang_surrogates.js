#!/usr/bin/env node
// A hashbang line and lone surrogate escapes are valid JavaScript.
var lone = "\ud800";
console.log(lone.length, lone.charCodeAt(0).toString(16));
var pair = "\ud83d\ude00";
console.log(pair.length, pair.codePointAt(0).toString(16));
var low = "a\udc00b";
console.log(low.length, low.charCodeAt(1).toString(16));
