// Reads standard input line by line (the test runs it with no input: stdin is
// /dev/null under ctest) and counts words.
const readline = require('readline');
const rl = readline.createInterface({ input: process.stdin });
let lines = 0, words = 0;
rl.on('line', (l) => { lines++; words += l.split(/\s+/).filter(Boolean).length; });
rl.on('close', () => console.log(`${lines} lines, ${words} words`));
