// fs callback forms: results and errors arrive later, in order, after the
// program's own statements.
var fs = require('fs');
var os = require('os');
var path = require('path');
var dir = path.join(os.tmpdir(), 'orvan-fs-cb-' + process.pid);
var file = path.join(dir, 'a.txt');

function step3() {
  fs.readdir(dir, function (err, names) {
    console.log('readdir', err, names.length, names[0]);
    fs.unlink(file, function (err) {
      console.log('unlink', err);
      fs.access(file, function (err) {
        console.log('access after unlink', err.code);
        fs.rmSync(dir, { recursive: true });
        fs.readFile(path.join(dir, 'missing', 'x'), function (err, data) {
          console.log('missing', err.code, err.syscall, data);
        });
      });
    });
  });
}

fs.mkdir(dir, { recursive: true }, function (err) {
  console.log('mkdir', err);
  fs.writeFile(file, 'hello', function (err) {
    console.log('writeFile', err);
    fs.appendFile(file, ' world', function (err) {
      console.log('appendFile', err);
      fs.readFile(file, 'utf8', function (err, text) {
        console.log('readFile', err, text);
        fs.stat(file, function (err, st) {
          console.log('stat', err, st.size, st.isFile());
          step3();
        });
      });
    });
  });
});
console.log('sync end');
