const fs = require('fs'); const path = require('path'); const os = require('os');
const db = path.join(os.tmpdir(), `todo-${process.pid}.json`);
const load = () => (fs.existsSync(db) ? JSON.parse(fs.readFileSync(db, 'utf8')) : []);
const save = (items) => fs.writeFileSync(db, JSON.stringify(items, null, 2));
function run(cmd, ...args) {
  const items = load();
  if (cmd === 'add') items.push({ id: items.length + 1, text: args.join(' '), done: false });
  if (cmd === 'done') { const it = items.find((i) => i.id === Number(args[0])); if (it) it.done = true; }
  if (cmd === 'list') for (const i of items) console.log(`${i.done ? '[x]' : '[ ]'} ${i.id}. ${i.text}`);
  save(items);
}
run('add', 'buy', 'milk'); run('add', 'write', 'code'); run('done', '1'); run('list');
fs.unlinkSync(db);
