// child_process: spawn with piped output and input, exit codes and signals,
// a missing program, shell/cwd/env/stdio options, pipe, exec and execFile.
var cp = require('child_process');
var out = '';
var err = '';
var bytes = 0;
var child = null;

function args(text) { return text.split('|'); }

function collectOut(d) { out += d; }
function collectErr(d) { err += d; }

function outputAndStatus() {
  child = cp.spawn('sh', args('-c|echo out; echo err 1>&2; exit 3'));
  child.stdout.setEncoding('utf8');
  child.stdout.on('data', collectOut);
  child.stderr.on('data', collectErr);
  child.on('spawn', function () { console.log('spawn event', typeof child.pid, child.stdio.length); });
  child.on('exit', function (code, signal) { console.log('exit', code, signal, child.exitCode); });
  child.on('close', function (code, signal) {
    console.log('close', code, signal, JSON.stringify(out), JSON.stringify(String(err)));
    input();
  });
}

function input() {
  out = '';
  child = cp.spawn('cat');
  child.stdout.on('data', collectOut);
  console.log('write returns', child.stdin.write('hello '));
  child.stdin.end('world');
  child.on('close', function (code) {
    console.log('cat gave', JSON.stringify(out), code);
    killed();
  });
}

function killed() {
  child = cp.spawn('sleep', args('5'));
  child.on('exit', function (code, signal) {
    console.log('killed exit', code, signal, child.killed, child.signalCode);
  });
  child.on('close', function () { missing(); });
  console.log('kill returns', child.kill());
}

function missing() {
  child = cp.spawn('no-such-program-orvan', args('a|b'));
  console.log('pid before error', child.pid);
  child.on('error', function (e) {
    console.log('error', e.message, e.code, e.errno, e.syscall, e.path, JSON.stringify(e.spawnargs));
  });
  child.on('close', function (code, signal) {
    console.log('missing close', code, signal);
    shellOptions();
  });
}

function shellOptions() {
  out = '';
  var env = { GREETING: 'hi there', PATH: process.env.PATH };
  child = cp.spawn('echo "$GREETING"; pwd', { shell: true, cwd: '/', env: env });
  child.stdout.on('data', collectOut);
  child.on('close', function (code) {
    console.log('shell', JSON.stringify(out), code);
    inherit();
  });
}

function inherit() {
  child = cp.spawn('echo', args('inherited'), { stdio: 'inherit' });
  child.on('close', function (code) {
    console.log('inherit close', code, child.stdout, child.stdin);
    piped();
  });
}

function piped() {
  child = cp.spawn('printf', args('piped line\\n'));
  child.stdout.pipe(process.stdout);
  child.on('close', function () { large(); });
}

function countBytes(d) { bytes += d.length; }

// more output than a pipe holds: every byte arrives, in order
function large() {
  child = cp.spawn('head', args('-c|300000|/dev/zero'));
  child.stdout.on('data', countBytes);
  child.on('close', function (code) {
    console.log('large', bytes, code);
    execs();
  });
}

function execs() {
  cp.exec('echo from exec; echo warn 1>&2; exit 2', function (e, stdout, stderr) {
    console.log('exec', e.code, e.killed, e.signal, e.cmd, JSON.stringify(e.message));
    console.log('exec output', JSON.stringify(stdout), JSON.stringify(stderr));
    cp.execFile('echo', args('a|b'), function (e2, stdout2) {
      console.log('execFile', e2, JSON.stringify(stdout2));
      cp.execFile('no-such-program-orvan', function (e3, stdout3) {
        console.log('execFile missing', e3.code, e3.syscall, e3.cmd, JSON.stringify(stdout3));
      });
    });
  });
}

outputAndStatus();
console.log('after spawn');
