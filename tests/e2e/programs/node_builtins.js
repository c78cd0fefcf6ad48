// The small Node modules and globals: path, os, process, Buffer, fs in both forms,
// and the process as an event emitter (last: its 'exit' listener prints at the end).
const fs = require("fs");
const os = require("os");
const path = require("path");

// path
console.log(path.join("/a/b", "../c", "d.txt"));
console.log(path.dirname("/x/y/z.js"), path.basename("/x/y/z.js"), path.basename("/x/y/z.js", ".js"));
console.log(path.extname("archive.tar.gz"), path.extname("noext"));
console.log(path.resolve("/root/dir/../file"));
console.log(path.normalize("/a//b/./c/../d"));
console.log(path.isAbsolute("/abs"), path.isAbsolute("rel/x"));
console.log(path.relative("/data/a/b", "/data/c"));
console.log(path.sep);
console.log(path.resolve('/srv', 'app', '../lib', 'x.js'));

// path, destructured
const { join, basename } = require("path");
console.log(join("a", "b", "c"));
console.log(basename("/tmp/file.md"));

// os
console.log(os.platform());
console.log(JSON.stringify(os.EOL));
console.log(typeof os.homedir(), os.homedir().length > 0);
console.log(typeof os.tmpdir());
console.log(typeof os.hostname());

// process
console.log(process.platform);
console.log(typeof process.pid);
console.log(process.cwd() === require("path").resolve("."));
console.log(process.env.ORVAN_E2E_UNSET_VARIABLE);
console.log(typeof process.env.PATH);
console.log(process.argv.length >= 1);

// Buffer
var b = Buffer.from("hi there");
console.log(b.length);
console.log(b.toString("hex"));
console.log(Buffer.from("aGVsbG8=", "base64").toString());
console.log(Buffer.from("6869", "hex").toString("utf8"));
console.log(Buffer.byteLength("héllo"));
console.log(Buffer.from("abc").equals(Buffer.from("abc")));

// Buffer display
console.log(Buffer.from("hi"));
console.log(Buffer.alloc(3));
console.log(Buffer.from("xyz").slice(1).toString());

// fs with buffers
var bufFile = path.join(os.tmpdir(), "orvan-e2e-buf-" + process.pid + ".bin");
fs.writeFileSync(bufFile, "AB");
var buf = fs.readFileSync(bufFile);
console.log(buf.length, buf[0], buf[1]);
console.log(buf.toString());
fs.unlinkSync(bufFile);

// fs errors
try {
  fs.readFileSync("/nonexistent/orvan/file.txt", "utf8");
  console.log("not reached");
} catch (e) {
  console.log(String(e).indexOf("ENOENT") >= 0);
}
console.log(fs.existsSync("/nonexistent/orvan"));

// fs round trip
var dir = path.join(os.tmpdir(), "orvan-e2e-fs-" + process.pid);
fs.mkdirSync(dir, { recursive: true });
var file = path.join(dir, "note.txt");
fs.writeFileSync(file, "first line\nsecond line\n");
console.log(fs.existsSync(file));
var text = fs.readFileSync(file, "utf8");
console.log(text.split("\n").length);
console.log(text.trim());
fs.appendFileSync(file, "third\n");
console.log(fs.readFileSync(file, "utf8").length);
console.log(fs.statSync(file).size, fs.statSync(file).isFile(), fs.statSync(dir).isDirectory());
fs.writeFileSync(path.join(dir, "b.txt"), "b");
console.log(fs.readdirSync(dir).sort().join(","));
fs.unlinkSync(path.join(dir, "b.txt"));
fs.rmSync(dir, { recursive: true });
console.log(fs.existsSync(dir));

// fs callback forms: results and errors arrive later, in order, after the
// program's own statements.
var cbDir = path.join(os.tmpdir(), 'orvan-fs-cb-' + process.pid);
var cbFile = path.join(cbDir, 'a.txt');

function step3() {
  fs.readdir(cbDir, function (err, names) {
    console.log('readdir', err, names.length, names[0]);
    fs.unlink(cbFile, function (err) {
      console.log('unlink', err);
      fs.access(cbFile, function (err) {
        console.log('access after unlink', err.code);
        fs.rmSync(cbDir, { recursive: true });
        fs.readFile(path.join(cbDir, 'missing', 'x'), function (err, data) {
          console.log('missing', err.code, err.syscall, data);
        });
      });
    });
  });
}

fs.mkdir(cbDir, { recursive: true }, function (err) {
  console.log('mkdir', err);
  fs.writeFile(cbFile, 'hello', function (err) {
    console.log('writeFile', err);
    fs.appendFile(cbFile, ' world', function (err) {
      console.log('appendFile', err);
      fs.readFile(cbFile, 'utf8', function (err, text) {
        console.log('readFile', err, text);
        fs.stat(cbFile, function (err, st) {
          console.log('stat', err, st.size, st.isFile());
          step3();
        });
      });
    });
  });
});
console.log('sync end');

// EventEmitter behaviour on process: on/once/off, emit's result, prepend,
// listener counts, and the 'error' rule.
function onFoo(a, b) { console.log('foo', a, b); }
function first() { console.log('first'); }
process.on('foo', onFoo);
process.once('foo', function (a) { console.log('once', a); });
process.prependListener('foo', first);
console.log(process.listenerCount('foo'));
console.log(process.emit('foo', 1, 2));
console.log(process.emit('foo', 3, 4));
process.off('foo', onFoo);
process.removeListener('foo', first);
console.log(process.emit('foo', 5), process.listenerCount('foo'));
console.log(process.emit('nobody'));
process.on('bar', onFoo);
process.on('bar', onFoo);
process.removeAllListeners('bar');
console.log(process.listenerCount('bar'));
try {
  process.emit('error', Error('boom'));
} catch (e) {
  console.log('caught', e.message);
}
process.on('exit', function (code) { console.log('exit event', code); });
process.stdout.write('written ');
process.stdout.write('without newline\n');
console.log('done');
