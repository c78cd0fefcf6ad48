// process.stdin redirected from a file: text chunks in an encoding (a
// character split between two reads stays whole), the end of the input,
// and the same bytes piped into a child process.
var cp = require('child_process');
var text = '';
var counted = '';
var counter = cp.spawn('wc', '-c'.split(' '));
counter.stdout.on('data', function (d) { counted += d; });
counter.on('close', function (code) { console.log('child counted', counted.trim(), code); });
process.stdin.setEncoding('utf8');
process.stdin.pipe(counter.stdin);
process.stdin.on('data', function (chunk) { text += chunk; });
process.stdin.on('end', function () {
  var lines = text.split('\n');
  console.log('lines', lines.length, JSON.stringify(lines[0]), JSON.stringify(lines[2999]));
  console.log('characters', text.length, 'bytes', Buffer.byteLength(text), 'broken', text.indexOf('\ufffd'));
});
console.log('tty', process.stdin.isTTY, 'fd', process.stdin.fd);
