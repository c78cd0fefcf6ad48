// Runs two builds of the Babel library on the same sources, with the options
// the front end uses, and reports every source whose output text (or error
// text) differs. Exit status 1 when any differs.
//   node same_output.js <babel.min.js A> <babel.min.js B> <list of source paths, one a line>
'use strict';
const fs = require('fs');
const vm = require('vm');

const [libA, libB, listFile] = process.argv.slice(2);
const options = { presets: [['env', { targets: { ie: '11' }, loose: true }]], compact: false };

function load(file) {
  const context = vm.createContext({});
  vm.runInContext(fs.readFileSync(file, 'utf8'), context, { filename: 'babel.min.js' });
  if (!context.Babel) throw new Error(file + ' defines no Babel');
  return context.Babel;
}

function run(babel, text) {
  try {
    return 'code:' + babel.transform(text, options).code;
  } catch (e) {
    return 'error:' + String(e);
  }
}

const a = load(libA);
const b = load(libB);
let differ = 0, same = 0, failed = 0;
for (const path of fs.readFileSync(listFile, 'utf8').split('\n').filter(Boolean)) {
  const text = fs.readFileSync(path, 'utf8');
  const outA = run(a, text);
  const outB = run(b, text);
  if (outA !== outB) {
    differ++;
    console.log('differs: ' + path);
  } else {
    same++;
    if (outA.startsWith('error:')) failed++;
  }
}
console.log(`${same} same (${failed} of them fail alike), ${differ} differ`);
process.exit(differ ? 1 : 0);
