// child_process: ChildProcess objects (EventEmitters with stream stdio) on
// the process's child layer through native.child; execSync is the runtime's
// own, shared with compiled code.
(function (native, internal, module, exports) {
'use strict';
const c = native.compiledModule('child_process');
const EE = internal.require('events');
const { Readable, Writable } = internal.require('stream');
const { Buffer } = internal.require('buffer');
const proc = native.child;

exports.execSync = function execSync(command, options) {
  const out = c.execSync(command, options);
  if (typeof out === 'string') return out;
  return Buffer.from(out);
};

const children = new Map();
if (proc) {
  proc.setDispatch((id, type, a, b) => {
    const child = children.get(id);
    if (type === 'close') children.delete(id);
    if (child) child._onNative(type, a, b);
  });
}

function argType(name, expected, value) {
  const shown = value === undefined ? 'undefined' : value === null ? 'null'
    : `type ${typeof value} (${internal.require('util').inspect(value)})`;
  const e = new TypeError(`The "${name}" argument must be ${expected}. Received ${shown}`);
  e.code = 'ERR_INVALID_ARG_TYPE';
  return e;
}

function errorName(code) { return native.net ? native.net.errorInfo(code)[0] : String(code); }

function ChildProcess() {
  EE.call(this);
  this.pid = undefined;
  this.exitCode = null;
  this.signalCode = null;
  this.killed = false;
  this.spawnfile = null;
  this.spawnargs = [];
  this.stdin = null;
  this.stdout = null;
  this.stderr = null;
  this.stdio = [null, null, null];
  this._id = 0;
  this._exited = false;
  this._closesNeeded = 1;
  this._closesGot = 0;
  this._drainWaiter = null;
}
Object.setPrototypeOf(ChildProcess.prototype, EE.prototype);
Object.setPrototypeOf(ChildProcess, EE);

function maybeClose(child) {
  if (++child._closesGot === child._closesNeeded) child.emit('close', child.exitCode, child.signalCode);
}

ChildProcess.prototype._outputStream = function (fd) {
  const child = this;
  const s = new Readable({ read() { if (child._id) proc.control(child._id, 'resume', fd); } });
  this._closesNeeded++;
  s.on('close', () => maybeClose(child));
  return s;
};

ChildProcess.prototype._inputStream = function () {
  const child = this;
  return new Writable({
    write(chunk, encoding, cb) {
      if (!child._id || child._exited) return cb();
      if (proc.write(child._id, chunk)) cb();
      else child._drainWaiter = cb;
    },
    final(cb) {
      if (child._id) proc.control(child._id, 'end', 0);
      cb();
    },
  });
};

ChildProcess.prototype._onNative = function (type, a, b) {
  switch (type) {
    case 'data': {
      const s = this.stdio[a];
      if (s && !s.push(Buffer.from(b))) proc.control(this._id, 'pause', a);
      return;
    }
    case 'end':
      if (this.stdio[a]) this.stdio[a].push(null);
      return;
    case 'drain': {
      const cb = this._drainWaiter;
      this._drainWaiter = null;
      if (cb) cb();
      return;
    }
    case 'exit':
      this._exited = true;
      this.exitCode = a;
      this.signalCode = b;
      if (this.stdin) this.stdin.destroy();
      if (this._drainWaiter) { const cb = this._drainWaiter; this._drainWaiter = null; cb(); }
      this.emit('exit', a, b);
      flushStdio(this);
      return;
    case 'close':
      this._id = 0;
      maybeClose(this);
      return;
  }
};

// An output nobody reads is read away at exit, so that its 'close' (and so
// the child's) still comes.
function flushStdio(child) {
  for (const s of [child.stdout, child.stderr])
    if (s && s.readableFlowing === null) s.resume();
}

ChildProcess.prototype.kill = function (sig) {
  let n = 15;
  if (typeof sig === 'number') n = sig;
  else if (typeof sig === 'string') {
    n = proc.signalNumber(sig);
    if (!n) {
      const e = new TypeError(`Unknown signal: ${sig}`);
      e.code = 'ERR_UNKNOWN_SIGNAL';
      throw e;
    }
  }
  if (!this._id || this._exited || proc.control(this._id, 'kill', n) !== 0) return false;
  this.killed = true;
  return true;
};
ChildProcess.prototype.ref = function () { if (this._id) proc.control(this._id, 'ref', 0); };
ChildProcess.prototype.unref = function () { if (this._id) proc.control(this._id, 'unref', 0); };

function stdioKinds(stdio) {
  if (stdio === undefined || stdio === null) return ['pipe', 'pipe', 'pipe'];
  if (typeof stdio === 'string') return [stdio, stdio, stdio];
  return [0, 1, 2].map((i) => (stdio[i] === undefined || stdio[i] === null ? 'pipe' : String(stdio[i])));
}

function normalize(file, args, options) {
  if (typeof file !== 'string') throw argType('file', 'of type string', file);
  if (!Array.isArray(args)) { options = args; args = []; }
  options = options || {};
  let spawnargs = [file, ...args.map(String)];
  if (options.shell) {
    const command = spawnargs.join(' ');
    file = typeof options.shell === 'string' ? options.shell : '/bin/sh';
    spawnargs = [file, '-c', command];
  }
  const env = options.env || process.env;
  const envPairs = [];
  for (const k of Object.keys(env)) if (env[k] !== undefined) envPairs.push(`${k}=${env[k]}`);
  return { file, spawnargs, envPairs, cwd: options.cwd ? String(options.cwd) : '', stdio: stdioKinds(options.stdio) };
}

function start(o) {
  const child = new ChildProcess();
  child.spawnfile = o.file;
  child.spawnargs = o.spawnargs;
  o.stdio.forEach((kind, fd) => {
    if (kind !== 'pipe' && kind !== 'overlapped') return;
    child.stdio[fd] = fd === 0 ? child._inputStream() : child._outputStream(fd);
  });
  [child.stdin, child.stdout, child.stderr] = child.stdio;
  const r = proc ? proc.spawn(o.file, o.spawnargs, o.envPairs, o.cwd, o.stdio) : -38;
  if (typeof r === 'number') {
    child.exitCode = r;
    process.nextTick(() => {
      const name = errorName(r);
      const e = new Error(`spawn ${o.file} ${name}`);
      e.errno = r;
      e.code = name;
      e.syscall = `spawn ${o.file}`;
      e.path = o.file;
      e.spawnargs = o.spawnargs.slice(1);
      child.emit('error', e);
      for (const s of [child.stdout, child.stderr]) if (s) { s.push(null); s.resume(); }
      maybeClose(child);
    });
    return child;
  }
  [child._id, child.pid] = r;
  children.set(child._id, child);
  // the outputs wait until someone reads them
  for (const fd of [1, 2]) if (child.stdio[fd]) proc.control(child._id, 'pause', fd);
  process.nextTick(() => child.emit('spawn'));
  return child;
}

exports.ChildProcess = ChildProcess;

exports.spawn = function spawn(file, args, options) {
  return start(normalize(file, args, options));
};

// exec and execFile: the whole output, then callback(error, stdout, stderr).
function collect(child, command, options, callback) {
  const encoding = options && options.encoding !== undefined ? options.encoding : 'utf8';
  const out = [], err = [];
  let spawnError = null, done = false;
  if (child.stdout) child.stdout.on('data', (d) => out.push(d));
  if (child.stderr) child.stderr.on('data', (d) => err.push(d));
  const text = (chunks) => {
    const b = Buffer.concat(chunks);
    return encoding === 'buffer' || encoding === null ? b : b.toString(encoding);
  };
  function finish(code, signal) {
    if (done) return;
    done = true;
    if (typeof callback !== 'function') return;
    const stdout = text(out), stderr = text(err);
    let ex = spawnError;
    if (!ex && code === 0 && signal === null) return callback(null, stdout, stderr);
    if (!ex) {
      ex = new Error(`Command failed: ${command}\n${stderr}`);
      ex.code = code;
      ex.killed = child.killed;
      ex.signal = signal;
    }
    ex.cmd = command;
    callback(ex, stdout, stderr);
  }
  child.on('close', finish);
  child.on('error', (e) => { spawnError = e; finish(); });
  return child;
}

exports.exec = function exec(command, options, callback) {
  if (typeof options === 'function') { callback = options; options = undefined; }
  if (typeof command !== 'string') throw argType('command', 'of type string', command);
  const o = Object.assign({}, options, { shell: options && typeof options.shell === 'string' ? options.shell : true });
  return collect(start(normalize(command, [], o)), command, options, callback);
};

exports.execFile = function execFile(file, args, options, callback) {
  if (typeof args === 'function') { callback = args; args = []; options = undefined; }
  else if (!Array.isArray(args)) { callback = options; options = args; args = []; }
  if (typeof options === 'function') { callback = options; options = undefined; }
  const command = [file, ...(args || [])].join(' ');
  return collect(start(normalize(file, args || [], options)), command, options, callback);
};

// util.promisify(exec) and (execFile) resolve with { stdout, stderr } and
// reject with an error that carries both, as Node's do.
function promisified(fn) {
  return function (...args) {
    let child;
    const p = new Promise((resolve, reject) => {
      child = fn(...args, (err, stdout, stderr) => {
        if (err) {
          err.stdout = stdout;
          err.stderr = stderr;
          reject(err);
        } else {
          resolve({ stdout, stderr });
        }
      });
    });
    p.child = child;
    return p;
  };
}
Object.defineProperty(exports.exec, Symbol.for('nodejs.util.promisify.custom'), { value: promisified(exports.exec) });
Object.defineProperty(exports.execFile, Symbol.for('nodejs.util.promisify.custom'), { value: promisified(exports.execFile) });

for (const name of ['fork', 'spawnSync', 'execFileSync']) {
  exports[name] = c[name] ? function (...args) { return c[name](...args); } : function () {
    throw new Error(`orvan: child_process.${name} is not supported`);
  };
}
})
