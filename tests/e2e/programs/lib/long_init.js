// A module whose top level runs more statements than one piece of its initialiser holds.
var log = '';
var n = 0;
n += 1; log += 'a' + n + ',';
n += 1; log += 'b' + n + ',';
n += 1; log += 'c' + n + ',';
n += 1; log += 'd' + n + ',';
n += 1; log += 'e' + n + ',';
n += 1; log += 'f' + n + ',';
n += 1; log += 'g' + n + ',';
n += 1; log += 'h' + n + ',';
n += 1; log += 'i' + n + ',';
n += 1; log += 'j' + n + ',';
for (var i = 0; i < 3; i++) n += i;
module.exports.total = n;
module.exports.log = log;
n += 100;
module.exports.after = n;
