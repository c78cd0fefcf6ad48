// The process and its surroundings: process facts, path and os, small
// command-line tools, child processes, and standard input read by lines
// (process_child_cli.stdin).

// Parts that wait on timers, streams, files or child processes run one at a
// time: each is handed `done`, and the next starts once it has called it, so
// no part's callbacks interleave with another's.
const waiting = [];
const later = (part) => waiting.push(part);
const runNext = () => { const part = waiting.shift(); if (part) part(() => setImmediate(runNext)); };

// process and module facts.
{
  console.log(typeof process.hrtime()[0], typeof process.hrtime.bigint(), process.memoryUsage().rss > 0, typeof process.uptime());
  console.log(process.cwd() === require('path').resolve('.'), process.argv0.length > 0, process.exitCode, Array.isArray(process.execArgv));
  console.log(typeof process.stdout.write, process.stdout.write('direct write\n'), typeof process.env, 'title' in process);
  console.log(require('os').EOL === '\n', typeof require('os').cpus().length, require('os').platform(), typeof require('os').homedir());
  console.log(globalThis === global, typeof require, typeof module, typeof exports, require.main === module, typeof __dirname);
}

// path and os.
{
  const path = require('path');
  console.log(path.join('/a/b', '../c', './d.txt'), path.resolve('/x', 'y', '..', 'z'), path.normalize('/a//b/../c/.'));
  console.log(path.basename('/p/q/file.tar.gz', '.gz'), path.extname('a/b.c.d'), path.dirname('/a/b/c'), path.isAbsolute('x/y'));
  console.log(path.parse('/home/u/file.txt'), path.format({ dir: '/tmp', name: 'n', ext: '.e' }), path.relative('/a/b/c', '/a/d'));
  console.log(path.sep, path.delimiter, path.posix === path, typeof path.win32.join);
  const os = require('os');
  console.log(os.EOL === '\n', typeof os.hostname(), os.platform(), os.type(), typeof os.tmpdir(), os.endianness(), Array.isArray(os.cpus()));
}

// Arguments, and a CSV file written, read and removed.
{
  const fs = require('fs');
  const path = require('path');
  const os = require('os');
  const args = process.argv.slice(2);
  console.log('args', args, process.argv.length >= 2);
  const file = path.join(os.tmpdir(), `cli-${process.pid}.csv`);
  fs.writeFileSync(file, 'name,score\nann,90\nbob,72\ncid,85\n');
  const rows = fs.readFileSync(file, 'utf8').trim().split('\n').slice(1).map((l) => l.split(','));
  const avg = rows.reduce((s, [, v]) => s + Number(v), 0) / rows.length;
  console.log(`average ${avg.toFixed(2)} over ${rows.length}`);
  for (const [n, s] of rows.sort((a, b) => b[1] - a[1])) console.log(n.padEnd(6), s);
  fs.unlinkSync(file);
  console.log(typeof process.env.PATH, process.platform, typeof process.pid, path.basename(file).startsWith('cli-'));
}

// A to-do list kept in a JSON file.
{
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
}

// execSync: output as Buffer and text, a failing command.
{
  const { execSync } = require('child_process');
  console.log(execSync('echo hello from shell').toString().trim());
  console.log(execSync('printf "%s-%s" a b', { encoding: 'utf8' }));
  try { execSync('exit 3', { stdio: 'pipe' }); } catch (e) { console.log('failed with', e.status); }
}

// child_process in the engine: spawn with stream stdio, exit and close,
// input piped in, signals, a missing program, options, exec and execFile
// (also through util.promisify).
later((done) => {
  const cp = require('child_process');
  const util = require('util');
  const { EventEmitter } = require('events');

  function run(file, args, options) {
    return new Promise((resolve) => {
      const child = cp.spawn(file, args, options);
      const out = [], err = [];
      const events = [];
      if (child.stdout) child.stdout.on('data', (d) => out.push(d));
      if (child.stderr) child.stderr.on('data', (d) => err.push(d));
      child.on('spawn', () => events.push('spawn'));
      child.on('error', (e) => events.push(`error ${e.message} ${e.code} ${e.errno} ${e.syscall} ${e.path} ${JSON.stringify(e.spawnargs)}`));
      child.on('exit', (code, signal) => events.push(`exit ${code} ${signal}`));
      child.on('close', (code, signal) => {
        events.push(`close ${code} ${signal}`);
        resolve({ child, events, out: Buffer.concat(out).toString(), err: Buffer.concat(err).toString() });
      });
    });
  }

  async function main() {
    let r = await run('sh', ['-c', 'echo out; echo err >&2; exit 4']);
    console.log(r.events, JSON.stringify(r.out), JSON.stringify(r.err), r.child instanceof EventEmitter, typeof r.child.pid);

    const cat = cp.spawn('cat');
    let echoed = '';
    cat.stdout.setEncoding('utf8');
    cat.stdout.on('data', (d) => { echoed += d; });
    cat.stdin.write('one ');
    cat.stdin.end(Buffer.from('two'));
    await new Promise((resolve) => cat.on('close', resolve));
    console.log('cat', JSON.stringify(echoed), cat.exitCode);

    const sleeper = cp.spawn('sleep', ['5']);
    const exited = new Promise((resolve) => sleeper.on('exit', (code, signal) => resolve([code, signal])));
    console.log('kill', sleeper.kill('SIGKILL'), sleeper.killed);
    console.log('killed', await exited, sleeper.signalCode);
    try { sleeper.kill('SIGNOPE'); } catch (e) { console.log(e.code, e.message); }

    r = await run('no-such-program-orvan', ['x']);
    console.log(r.events, r.child.pid);

    r = await run('echo "$WHO" from $(pwd)', [], { shell: true, cwd: '/', env: { WHO: 'someone', PATH: process.env.PATH } });
    console.log(r.events.slice(-1), JSON.stringify(r.out));

    r = await run('echo', ['inherited'], { stdio: 'inherit' });
    console.log('inherit', r.child.stdout, r.events.slice(-1));

    // more than a pipe holds, through pipe() into a writable
    const big = cp.spawn('head', ['-c', '300000', '/dev/zero']);
    let total = 0;
    const { Writable } = require('stream');
    big.stdout.pipe(new Writable({ write(chunk, enc, cb) { total += chunk.length; setImmediate(cb); } }));
    await new Promise((resolve) => big.on('close', resolve));
    console.log('piped', total);

    await new Promise((resolve) => cp.exec('echo via exec; echo warning >&2; exit 2', (e, stdout, stderr) => {
      console.log('exec', e.code, e.killed, e.signal, e.cmd, JSON.stringify(e.message), JSON.stringify(stdout), JSON.stringify(stderr));
      resolve();
    }));
    const execFile = util.promisify(cp.execFile);
    const { stdout } = await execFile('echo', ['a', 'b']);
    console.log('execFile', JSON.stringify(stdout));
    try {
      await execFile('no-such-program-orvan');
    } catch (e) {
      console.log('execFile failed', e.code, e.syscall, e.cmd, JSON.stringify(e.stdout));
    }
    const { stdout: shout } = await util.promisify(cp.exec)('printf %s done', { encoding: 'utf8' });
    console.log('exec promisified', shout);
  }

  main().then(done);
});

// Standard input read line by line; words counted.
later((done) => {
  const readline = require('readline');
  const rl = readline.createInterface({ input: process.stdin });
  let lines = 0, words = 0;
  rl.on('line', (l) => { lines++; words += l.split(/\s+/).filter(Boolean).length; });
  rl.on('close', () => { console.log(`${lines} lines, ${words} words`); done(); });
});

runNext();
