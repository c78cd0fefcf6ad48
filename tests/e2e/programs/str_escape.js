console.log("tab\tseparated");
console.log("quote \" and backslash \\");
console.log('single \'quoted\'');
console.log("line1\nline2");
console.log("a" + "b" + 1 + 2);
console.log(1 + 2 + "c");
