// The file system: synchronous calls, callbacks, promises, streams, errors
// and watching a directory.

// Parts that wait on timers, streams, files or child processes run one at a
// time: each is handed `done`, and the next starts once it has called it, so
// no part's callbacks interleave with another's.
const waiting = [];
const later = (part) => waiting.push(part);
const runNext = () => { const part = waiting.shift(); if (part) part(() => setImmediate(runNext)); };

// A directory tree made, walked, renamed, copied and removed.
{
  const fs = require('fs');
  const path = require('path');
  const root = fs.mkdtempSync(path.join(require('os').tmpdir(), 'walk-'));
  fs.mkdirSync(path.join(root, 'a/b/c'), { recursive: true });
  fs.writeFileSync(path.join(root, 'a/one.txt'), '1');
  fs.writeFileSync(path.join(root, 'a/b/two.md'), '22');
  fs.writeFileSync(path.join(root, 'a/b/c/three.txt'), '333');
  function walk(dir) { return fs.readdirSync(dir, { withFileTypes: true }).flatMap((e) => (e.isDirectory() ? walk(path.join(dir, e.name)) : [path.join(dir, e.name)])); }
  const files = walk(root).map((f) => path.relative(root, f)).sort();
  console.log(files);
  console.log(files.map((f) => fs.statSync(path.join(root, f)).size), files.filter((f) => path.extname(f) === '.txt'));
  fs.renameSync(path.join(root, 'a/one.txt'), path.join(root, 'a/uno.txt'));
  fs.copyFileSync(path.join(root, 'a/uno.txt'), path.join(root, 'copy.txt'));
  console.log(fs.readdirSync(root).sort(), fs.readdirSync(path.join(root, 'a')).sort());
  try { fs.mkdirSync(path.join(root, 'a')); } catch (e) { console.log(e.code); }
  try { fs.rmdirSync(path.join(root, 'a')); } catch (e) { console.log(e.code); }
  fs.rmSync(root, { recursive: true, force: true });
  console.log(fs.existsSync(root));
}

// fs errors: messages, codes and fields, synchronous, callback and promise.
later((done) => {
  const fs = require('fs');
  const tries = [
    () => fs.readFileSync('/nonexistent/file.txt'),
    () => fs.readdirSync('/nonexistent-dir'),
    () => fs.mkdirSync('/'),
    () => fs.unlinkSync('/nonexistent'),
    () => fs.renameSync('/nonexistent-a', '/tmp/nonexistent-b'),
    () => fs.statSync('/nonexistent'),
    () => fs.openSync('/nonexistent/x', 'r'),
  ];
  for (const t of tries) {
    try { t(); } catch (e) { console.log(e.message, '|', e.code, e.errno, e.syscall, e.path, e.dest); }
  }
  console.log(fs.statSync('/nonexistent', { throwIfNoEntry: false }));
  fs.readFile('/nonexistent', (err) => {
    console.log('async', err.message);
    fs.promises.readFile('/nonexistent').catch((e) => console.log('promise', e.code)).then(done);
  });
});

// A write stream, a callback read, a read stream in small chunks.
later((done) => {
  const fs = require('fs');
  const path = require('path');
  const file = path.join(require('os').tmpdir(), `stream-${process.pid}.txt`);
  const ws = fs.createWriteStream(file);
  for (let i = 0; i < 5; i++) ws.write(`line ${i}\n`);
  ws.end('last\n', () => {
    fs.readFile(file, 'utf8', (err, text) => {
      if (err) throw err;
      console.log('callback read', text.split('\n').length);
      const rs = fs.createReadStream(file, { encoding: 'utf8', highWaterMark: 8 });
      let chunks = 0, all = '';
      rs.on('data', (c) => { chunks++; all += c; });
      rs.on('end', () => {
        console.log('stream read', chunks > 1, all.length);
        fs.unlink(file, (e) => { console.log('unlinked', e); done(); });
      });
    });
  });
  fs.stat('/definitely/missing', (err) => console.log('stat error', err.code));
});

// fs.promises between timers, then an immediate and a tick (the immediate comes last).
later((done) => {
  const fs = require('fs');
  const path = require('path');
  const os = require('os');
  const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
  async function main() {
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'cp-'));
    const file = path.join(dir, 'data.txt');
    await fs.promises.writeFile(file, 'line one\nline two\n');
    await sleep(5);
    const text = await fs.promises.readFile(file, 'utf8');
    console.log(text.split('\n').filter(Boolean).map((l) => l.toUpperCase()));
    fs.appendFileSync(file, 'three\n');
    console.log(fs.readFileSync(file).length, fs.statSync(file).isFile(), fs.existsSync(dir + '/nope'));
    try { fs.readFileSync(dir + '/missing'); } catch (e) { console.log(e.code, e.syscall); }
    fs.rmSync(dir, { recursive: true });
    setImmediate(() => { console.log('immediate'); done(); });
    process.nextTick(() => console.log('tick'));
    return 'done';
  }
  main().then((v) => console.log(v));
});

// fs.watch on a directory: a file created, written, renamed and removed
// gives 'rename' and 'change' events naming it; close() ends the watch (and
// this part). Watching a missing path throws Node's error.
later((done) => {
  const fs = require('fs');
  const os = require('os');
  const path = require('path');

  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'watch-'));
  const events = [];
  let count = 0;
  const watcher = fs.watch(dir, (type, name) => {
    count++;
    const line = `${type} ${name}`;
    if (!events.includes(line)) events.push(line);
  });
  watcher.on('close', () => {
    console.log('events:', events.sort());
    console.log('closed');
    fs.rmSync(dir, { recursive: true });
    done();
  });

  const file = path.join(dir, 'notes.txt');
  const steps = [
    () => fs.writeFileSync(file, 'one'),
    () => fs.appendFileSync(file, ' two'),
    () => fs.renameSync(file, path.join(dir, 'moved.txt')),
    () => fs.unlinkSync(path.join(dir, 'moved.txt')),
    () => watcher.close(),
  ];
  // Each change waits until the one before was seen, so none are merged.
  function next() {
    const before = count;
    steps.shift()();
    if (steps.length === 0) return;
    const wait = setInterval(() => {
      if (count > before) { clearInterval(wait); next(); }
    }, 2);
  }
  next();

  try {
    fs.watch(path.join(dir, 'missing'));
  } catch (e) {
    console.log(e.message.replace(dir, '<dir>'), e.code, e.syscall);
  }
  console.log(typeof watcher.ref, watcher.unref() === watcher);
  watcher.ref();
});

runNext();
