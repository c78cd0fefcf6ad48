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
