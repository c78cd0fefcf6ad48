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
  setImmediate(() => console.log('immediate'));
  process.nextTick(() => console.log('tick'));
  return 'done';
}
main().then((v) => console.log(v));
