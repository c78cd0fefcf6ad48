// child_process.exec: output and failures reach the callback after the
// program's own statements.
var cp = require('child_process');
cp.exec('echo out; echo err 1>&2', function (err, stdout, stderr) {
  console.log('first', err, JSON.stringify(stdout), JSON.stringify(stderr));
  cp.exec('exit 3', function (err) {
    console.log('second', err.code, err.killed, err.signal, err.cmd, err.message);
  });
});
console.log('after exec');
