// child_process in the engine: spawn with stream stdio, exit and close,
// input piped in, signals, a missing program, options, exec and execFile
// (also through util.promisify).
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

main();
