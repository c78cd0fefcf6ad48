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
  fs.promises.readFile('/nonexistent').catch((e) => console.log('promise', e.code));
});
