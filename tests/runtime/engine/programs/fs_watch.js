// fs.watch on a directory: a file created, written, renamed and removed
// gives 'rename' and 'change' events naming it; close() ends the watch (and
// the program). Watching a missing path throws Node's error.
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
