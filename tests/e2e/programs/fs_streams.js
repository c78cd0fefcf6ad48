// fs streams: a file written through a write stream that asks the writer to
// wait, read back in chunks, piped into another file, a byte range with an
// encoding, pause and resume, and files that cannot be opened.
var fs = require('fs');
var os = require('os');
var dir = os.tmpdir() + '/orvan-fs-streams-' + process.pid;
var first = dir + '/first.txt';
var second = dir + '/second.txt';
var block = 'abcdefghij'.repeat(100);
var written = 0;
var waited = false;
var sizes = '';
var out = null;
var input = null;
var text = '';
var chunks = 0;

fs.mkdirSync(dir);

function writeMore() {
  while (written < 100) {
    written++;
    if (!out.write(block)) {
      waited = true;
      out.once('drain', writeMore);
      return;
    }
  }
  out.end('tail', function () { console.log('end callback', out.bytesWritten); });
}

function writeFile() {
  out = fs.createWriteStream(first);
  out.on('open', function (fd) { console.log('write open', typeof fd); });
  out.on('ready', function () { console.log('write ready'); });
  out.on('finish', function () { console.log('write finish', waited); });
  out.on('close', function () {
    console.log('write close', fs.statSync(first).size);
    readChunks();
  });
  writeMore();
}

function readChunks() {
  input = fs.createReadStream(first, { highWaterMark: 30000 });
  input.on('open', function () { console.log('read open'); });
  input.on('data', function (chunk) { sizes += chunk.length + ' '; });
  input.on('end', function () { console.log('read end', sizes, input.bytesRead); });
  input.on('close', function () {
    console.log('read close');
    pipeCopy();
  });
}

function pipeCopy() {
  var copy = fs.createWriteStream(second);
  copy.on('finish', function () {
    console.log('copy same', fs.readFileSync(second, 'utf8') === fs.readFileSync(first, 'utf8'));
    range();
  });
  fs.createReadStream(first).pipe(copy);
}

function range() {
  input = fs.createReadStream(first, { start: 3, end: 12, encoding: 'utf8' });
  input.on('data', function (chunk) { text += chunk; });
  input.on('end', function () {
    console.log('range', JSON.stringify(text), typeof text);
    pausing();
  });
}

function pausing() {
  input = fs.createReadStream(first, { highWaterMark: 40000 });
  input.on('data', function () {
    chunks++;
    input.pause();
    console.log('paused after chunk', chunks, input.isPaused());
    setTimeout(function () { input.resume(); }, 5);
  });
  input.on('end', function () {
    console.log('resumed to the end', chunks);
    appended();
  });
}

function appended() {
  fs.writeFileSync(second, 'one ');
  out = fs.createWriteStream(second, { flags: 'a' });
  out.write('two ', 'utf8', function (err) { console.log('write callback', err); });
  out.end(Buffer.from('three'));
  out.on('close', function () {
    console.log('appended', fs.readFileSync(second, 'utf8'));
    failures();
  });
}

function failures() {
  input = fs.createReadStream(dir + '/missing.txt');
  input.on('error', function (e) { console.log('read error', e.code, e.syscall, e.message === "ENOENT: no such file or directory, open '" + dir + "/missing.txt'"); });
  input.on('close', function () {
    console.log('read error close');
    out = fs.createWriteStream(dir + '/no/such/dir.txt');
    out.on('error', function (e) { console.log('write error', e.code, e.syscall); });
    out.on('close', function () {
      console.log('write error close');
      fs.rmSync(dir, { recursive: true });
    });
  });
}

writeFile();
console.log('streams created');
