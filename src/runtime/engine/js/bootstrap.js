// The Node environment inside the engine: globals, process, console,
// timers, the built-in modules and CommonJS require. Runs once per process,
// before the program; module.exports becomes the entry point that runs the
// main module.
(function (native, internal, module, exports) {
'use strict';

const builtinNames = ['fs', 'path', 'os', 'process', 'buffer', 'events', 'util', 'assert', 'url',
  'child_process', 'stream', 'crypto', 'http', 'https', 'net', 'tls', 'querystring', 'string_decoder',
  'timers', 'fs/promises', 'stream/promises', 'util/types', 'assert/strict', 'timers/promises',
  'readline', 'zlib', 'worker_threads', 'perf_hooks', 'async_hooks', 'tty', 'module', 'constants',
  'dns', 'v8', 'vm', 'cluster', 'dgram', 'punycode', 'electron'];
const builtinCache = new Map();

function builtinRequire(name) {
  if (name.startsWith('node:')) name = name.slice(5);
  const cached = builtinCache.get(name);
  if (cached !== undefined) return cached.exports;
  if (name === 'process') return process;
  const factory = native.loadBuiltin(name.replace('/', '_'));
  if (factory === undefined) {
    if (!builtinNames.includes(name)) return undefined;
    const mod = { exports: builtinExtra(name) };
    builtinCache.set(name, mod);
    return mod.exports;
  }
  const mod = { exports: {} };
  builtinCache.set(name, mod);
  factory(native, internal, mod, mod.exports);
  return mod.exports;
}
internal.require = builtinRequire;
// A module the engine does not provide: each member reports that it is not supported.
internal.pending = (name) => new Proxy({}, {
  get(target, key) {
    if (typeof key === 'symbol' || key === 'then' || key === '__esModule') return undefined;
    return function unsupported() { throw new Error(`orvan: ${name}.${String(key)} is not supported`); };
  },
});
function builtinExtra(name) {
  switch (name) {
    case 'module': return Object.assign(internal.Module, { createRequire: (filename) => makeRequire({ filename: String(filename).replace(/^file:\/\//, ''), children: [] }) });
    case 'perf_hooks': return { performance: globalThis.performance };
    case 'tty': return { isatty: (fd) => native.isatty(fd) };
    case 'constants': return { O_RDONLY: 0, O_WRONLY: 1, O_RDWR: 2 };
  }
  return internal.pending(name);
}
internal.isBuiltin = (name) => {
  const bare = name.startsWith('node:') ? name.slice(5) : name;
  return builtinNames.includes(bare);
};

// ---- the language as Node has it, where the engine is older ----
function define(target, name, value) {
  if (!Object.prototype.hasOwnProperty.call(target, name)) {
    Object.defineProperty(target, name, { value, writable: true, configurable: true, enumerable: false });
  }
}
function at(i) {
  const n = this.length;
  let k = Math.trunc(i) || 0;
  if (k < 0) k += n;
  return k < 0 || k >= n ? undefined : this[k];
}
const TypedArray = Object.getPrototypeOf(Uint8Array);
for (const C of [Array, String, TypedArray]) define(C.prototype, 'at', at);
for (const C of [Array, TypedArray]) {
  define(C.prototype, 'findLast', function findLast(fn, thisArg) {
    for (let i = this.length - 1; i >= 0; i--) if (fn.call(thisArg, this[i], i, this)) return this[i];
    return undefined;
  });
  define(C.prototype, 'findLastIndex', function findLastIndex(fn, thisArg) {
    for (let i = this.length - 1; i >= 0; i--) if (fn.call(thisArg, this[i], i, this)) return i;
    return -1;
  });
}
define(Array.prototype, 'toSorted', function toSorted(cmp) { return Array.from(this).sort(cmp); });
define(Array.prototype, 'toReversed', function toReversed() { return Array.from(this).reverse(); });
define(Array.prototype, 'toSpliced', function toSpliced(...args) { const a = Array.from(this); a.splice(...args); return a; });
define(Array.prototype, 'with', function (index, value) { const a = Array.from(this); a[index < 0 ? a.length + index : index] = value; return a; });
define(Object, 'hasOwn', (o, k) => Object.prototype.hasOwnProperty.call(o, k));
define(String.prototype, 'isWellFormed', function isWellFormed() { return !/[\ud800-\udbff](?![\udc00-\udfff])|(?<![\ud800-\udbff])[\udc00-\udfff]/.test(this); });
// Numbers in the en-US form Node prints by default: digits grouped by three, at most three decimals.
Number.prototype.toLocaleString = function toLocaleString(locales, options) {
  const x = Number(this);
  if (!Number.isFinite(x)) return x !== x ? 'NaN' : (x > 0 ? '∞' : '-∞');
  const max = options && options.maximumFractionDigits !== undefined ? options.maximumFractionDigits : Math.max(3, (options && options.minimumFractionDigits) || 0);
  const min = (options && options.minimumFractionDigits) || 0;
  let [int, frac = ''] = Math.abs(x).toFixed(max).split('.');
  frac = frac.replace(/0+$/, '');
  while (frac.length < min) frac += '0';
  int = int.replace(/\B(?=(\d{3})+(?!\d))/g, ',');
  return (x < 0 && (int !== '0' || frac) ? '-' : '') + int + (frac ? '.' + frac : '');
};
// The engine's cube root is not exact for perfect cubes; one Newton step makes it so.
{
  const cbrt = Math.cbrt;
  Math.cbrt = function (x) {
    const y = cbrt(x);
    if (!Number.isFinite(y) || y === 0) return y;
    const better = y - (y * y * y - x) / (3 * y * y);
    return Math.abs(better * better * better - x) < Math.abs(y * y * y - x) ? better : y;
  };
}
// Runaway recursion is a RangeError in Node; the engine raises its InternalError.
if (typeof InternalError === 'function') {
  Object.setPrototypeOf(InternalError.prototype, RangeError.prototype);
  Object.defineProperty(InternalError.prototype, 'name', { value: 'RangeError', writable: true, configurable: true });
}

// ---- globals made on first use, so a program pays only for what it touches ----
function lazyGlobal(name, make) {
  Object.defineProperty(globalThis, name, {
    configurable: true,
    enumerable: false,
    get() {
      const value = make();
      Object.defineProperty(globalThis, name, { value, writable: true, configurable: true, enumerable: false });
      return value;
    },
    set(value) {
      Object.defineProperty(globalThis, name, { value, writable: true, configurable: true, enumerable: false });
    },
  });
}

Object.defineProperty(globalThis, 'global', { value: globalThis, writable: true, configurable: true });
lazyGlobal('Buffer', () => builtinRequire('buffer').Buffer);
lazyGlobal('TextEncoder', () => builtinRequire('buffer').TextEncoder);
lazyGlobal('TextDecoder', () => builtinRequire('buffer').TextDecoder);
lazyGlobal('atob', () => builtinRequire('buffer').atob);
lazyGlobal('btoa', () => builtinRequire('buffer').btoa);
lazyGlobal('URL', () => builtinRequire('url').URL);
lazyGlobal('URLSearchParams', () => builtinRequire('url').URLSearchParams);
lazyGlobal('structuredClone', () => builtinRequire('util').__structuredClone);
lazyGlobal('performance', () => ({
  now() { const t = native.hrtime(); return (t[0] - startTime[0]) * 1e3 + (t[1] - startTime[1]) / 1e6; },
  timeOrigin: Date.now(),
  mark() {}, measure() {},
}));
const startTime = native.hrtime();

// ---- process ----
const EventEmitter = builtinRequire('events');
const process = new EventEmitter();
Object.defineProperty(process, Symbol.toStringTag, { value: 'process', configurable: true });
process.title = 'node';
process.version = 'v20.0.0';
process.versions = { node: '20.0.0', quickjs: '2021-03-27' };
process.arch = native.arch;
process.platform = native.platform;
process.release = { name: 'node' };
process.execPath = native.execPath;
process.argv = native.argv();
process.argv0 = process.argv[0];
process.execArgv = [];
process.env = native.env();
process.pid = native.pid;
process.ppid = native.ppid;
process.exitCode = undefined;
process.config = { variables: {} };
process.features = {};
process.cwd = () => native.cwd();
process.chdir = (dir) => native.chdir(String(dir));
process.umask = (mask) => native.umask(mask);
process.uptime = () => { const t = native.hrtime(); return (t[0] - startTime[0]) + (t[1] - startTime[1]) / 1e9; };
process.hrtime = function hrtime(prev) {
  const t = native.hrtime();
  if (prev) {
    let s = t[0] - prev[0], ns = t[1] - prev[1];
    if (ns < 0) { s -= 1; ns += 1e9; }
    return [s, ns];
  }
  return t;
};
process.hrtime.bigint = () => { const t = native.hrtime(); return BigInt(t[0]) * 1000000000n + BigInt(t[1]); };
process.memoryUsage = () => native.memoryUsage();
process.memoryUsage.rss = () => native.memoryUsage().rss;
process.cpuUsage = () => native.cpuUsage();
process.resourceUsage = () => native.cpuUsage();
process.getuid = () => native.uid;
process.getgid = () => native.gid;
process.geteuid = () => native.uid;
process.getegid = () => native.gid;
process.kill = (pid, sig) => native.kill(pid, sig === undefined ? 'SIGTERM' : sig);
process.abort = () => native.exit(134);
process.binding = () => { throw new Error('No such module'); };
process.emitWarning = function emitWarning(warning, type, code) {
  let w = warning;
  if (typeof w === 'string') {
    w = new Error(warning);
    w.name = typeof type === 'string' ? type : (type && type.type) || 'Warning';
    if (code !== undefined) w.code = code;
  }
  process.nextTick(() => {
    if (process.listenerCount('warning') > 0) { process.emit('warning', w); return; }
    if (w.name === 'DeprecationWarning' && process.noDeprecation) return;
    native.write(2, `(node:${process.pid}) ${w.code ? `[${w.code}] ` : ''}${w.name}: ${w.message}\n`);
  });
};

let exiting = false;
process.reallyExit = (code) => native.exit(code);
process.exit = function exit(code) {
  if (code !== undefined) process.exitCode = code;
  if (!exiting) {
    exiting = true;
    process._exiting = true;
    process.emit('exit', exitStatus());
  }
  native.exit(exitStatus());
};
function exitStatus() {
  const c = process.exitCode;
  if (c === undefined || c === null) return 0;
  const n = Number(c) | 0;
  return n & 0xff;
}

// ---- the tick queue, run before promise jobs after every callback ----
const ticks = [];
process.nextTick = function nextTick(callback, ...args) {
  if (typeof callback !== 'function') {
    const e = new TypeError('The "callback" argument must be of type function. Received ' + builtinRequire('util').inspect(callback));
    e.code = 'ERR_INVALID_ARG_TYPE';
    throw e;
  }
  ticks.push({ callback, args });
};
function runTicks() {
  if (ticks.length === 0) return false;
  while (ticks.length > 0) {
    const t = ticks.shift();
    t.callback(...t.args);
  }
  return true;
}

// ---- stdout, stderr, stdin ----
function makeWriteStream(fd) {
  const stream = new EventEmitter();
  stream.fd = fd;
  stream.isTTY = native.isatty(fd);
  stream.writable = true;
  stream.columns = stream.isTTY ? 80 : undefined;
  stream._isStdio = true;
  stream.write = function write(chunk, encoding, cb) {
    if (typeof encoding === 'function') { cb = encoding; encoding = undefined; }
    if (typeof chunk !== 'string' && !(chunk instanceof Uint8Array)) {
      const e = new TypeError('The "chunk" argument must be of type string or an instance of Buffer or Uint8Array. Received ' + builtinRequire('util').inspect(chunk));
      e.code = 'ERR_INVALID_ARG_TYPE';
      throw e;
    }
    if (typeof chunk === 'string' && encoding && encoding !== 'utf8' && encoding !== 'utf-8') {
      chunk = Buffer.from(chunk, encoding);
    }
    native.write(fd, chunk);
    if (typeof cb === 'function') process.nextTick(cb);
    return true;
  };
  stream.end = function end(chunk, encoding, cb) {
    if (typeof chunk === 'function') { cb = chunk; chunk = undefined; }
    if (chunk !== undefined && chunk !== null) stream.write(chunk, encoding);
    if (typeof cb === 'function') process.nextTick(cb);
    process.nextTick(() => { stream.emit('finish'); });
    return stream;
  };
  stream.cork = () => {};
  stream.uncork = () => {};
  stream.setDefaultEncoding = () => stream;
  stream.getColorDepth = () => 1;
  stream.hasColors = () => false;
  stream.writableLength = 0;
  stream.writableHighWaterMark = 16384;
  return stream;
}
let stdout, stderr, stdin;
Object.defineProperty(process, 'stdout', { configurable: true, enumerable: true, get() { return stdout || (stdout = makeWriteStream(1)); } });
Object.defineProperty(process, 'stderr', { configurable: true, enumerable: true, get() { return stderr || (stderr = makeWriteStream(2)); } });
Object.defineProperty(process, 'stdin', { configurable: true, enumerable: true, get() { return stdin || (stdin = builtinRequire('fs').__stdin()); } });

globalThis.process = process;

// ---- timers ----
let nextTimerId = 1;
class Timeout {
  constructor(callback, ms, args, repeat) {
    this._idleTimeout = ms;
    this._onTimeout = callback;
    this._timerArgs = args;
    this._repeat = repeat ? ms : null;
    this._destroyed = false;
    this._ref = true;
    this._id = nextTimerId++;
    this._handle = null;
    this._arm();
  }
  _arm() {
    const self = this;
    this._handle = native.setTimer(function () { self._fire(); }, this._idleTimeout, this._repeat !== null);
    if (!this._ref) native.refTimer(this._handle, false);
  }
  _fire() {
    if (this._repeat === null) { this._destroyed = true; this._handle = null; }
    this._onTimeout(...this._timerArgs);
  }
  _clear() {
    this._destroyed = true;
    if (this._handle !== null) { native.clearTimer(this._handle); this._handle = null; }
  }
  ref() {
    this._ref = true;
    if (this._handle !== null) native.refTimer(this._handle, true);
    return this;
  }
  // An unreferenced timer still fires, but does not keep the program alive.
  unref() {
    this._ref = false;
    if (this._handle !== null) native.refTimer(this._handle, false);
    return this;
  }
  hasRef() { return this._ref; }
  refresh() {
    if (!this._destroyed && this._handle !== null) { native.clearTimer(this._handle); this._arm(); }
    return this;
  }
  close() { this._clear(); return this; }
  [Symbol.toPrimitive]() { return this._id; }
}
const timersById = new Map();
function checkCallback(callback) {
  if (typeof callback !== 'function') {
    const e = new TypeError('The "callback" argument must be of type function. Received ' + builtinRequire('util').inspect(callback));
    e.code = 'ERR_INVALID_ARG_TYPE';
    throw e;
  }
}
function delayOf(ms) {
  ms = Number(ms);
  if (!(ms >= 1 && ms <= 2147483647)) ms = 1;
  return Math.trunc(ms);
}
function setTimeout(callback, ms, ...args) {
  checkCallback(callback);
  const t = new Timeout(() => { timersById.delete(t._id); callback(...args); }, delayOf(ms), [], false);
  timersById.set(t._id, t);
  return t;
}
function setInterval(callback, ms, ...args) {
  checkCallback(callback);
  const t = new Timeout(callback, delayOf(ms), args, true);
  timersById.set(t._id, t);
  return t;
}
function clearTimer(t) {
  if (t === undefined || t === null) return;
  if (typeof t === 'number' || typeof t === 'string') t = timersById.get(Number(t));
  if (t instanceof Timeout) { timersById.delete(t._id); t._clear(); }
}

// Immediates run together, after the timers that are due, in the order made.
class Immediate {
  constructor(callback, args) { this._onImmediate = callback; this._args = args; this._cleared = false; }
  ref() { return this; }
  unref() { return this; }
  hasRef() { return true; }
}
let immediates = [];
let immediatesQueued = false;
function runImmediates() {
  immediatesQueued = false;
  const queue = immediates;
  immediates = [];
  for (let i = 0; i < queue.length; i++) {
    const im = queue[i];
    if (im._cleared) continue;
    im._cleared = true;
    im._onImmediate(...im._args);
    if (i + 1 < queue.length) native.afterCallback();
  }
}
function setImmediate(callback, ...args) {
  checkCallback(callback);
  const im = new Immediate(callback, args);
  immediates.push(im);
  if (!immediatesQueued) {
    immediatesQueued = true;
    native.setImmediate(runImmediates);
  }
  return im;
}
function clearImmediate(im) { if (im instanceof Immediate) im._cleared = true; }

globalThis.setTimeout = setTimeout;
globalThis.setInterval = setInterval;
globalThis.clearTimeout = clearTimer;
globalThis.clearInterval = clearTimer;
globalThis.setImmediate = setImmediate;
globalThis.clearImmediate = clearImmediate;
if (typeof globalThis.queueMicrotask !== 'function') {
  globalThis.queueMicrotask = function queueMicrotask(callback) {
    checkCallback(callback);
    Promise.resolve().then(() => callback());
  };
}
internal.timers = { setTimeout, setInterval, clearTimeout: clearTimer, clearInterval: clearTimer, setImmediate, clearImmediate, Timeout, Immediate };

// ---- console ----
let util = null;
const counts = new Map();
const timerLabels = new Map();
let groupIndent = '';
// Plain strings print as they are, without loading util (a program that only
// prints text starts faster).
function plainStrings(args) {
  for (let i = 0; i < args.length; i++) if (typeof args[i] !== 'string') return false;
  return args.length !== 0 && (args.length === 1 || !args[0].includes('%'));
}
function out(fd, args) {
  let text;
  if (plainStrings(args)) {
    text = args.join(' ');
  } else {
    if (util === null) util = builtinRequire('util');
    text = util.formatWithOptions({}, ...args);
  }
  if (groupIndent !== '') text = groupIndent + text.split('\n').join('\n' + groupIndent);
  native.write(fd, text + '\n');
}
const console = {
  log(...args) { out(1, args); },
  info(...args) { out(1, args); },
  debug(...args) { out(1, args); },
  error(...args) { out(2, args); },
  warn(...args) { out(2, args); },
  trace(...args) {
    const err = new Error(builtinRequire('util').format(...args));
    err.name = 'Trace';
    out(2, [err.stack ? `Trace: ${err.message}\n${err.stack}`.replace(/\n$/, '') : `Trace: ${err.message}`]);
  },
  dir(obj, options) { out(1, [builtinRequire('util').inspect(obj, Object.assign({ customInspect: false }, options))]); },
  dirxml(...args) { out(1, args); },
  assert(ok, ...args) {
    if (!ok) {
      if (args.length > 0 && typeof args[0] === 'string') args[0] = `Assertion failed: ${args[0]}`;
      else args.unshift('Assertion failed');
      out(2, args);
    }
  },
  count(label = 'default') {
    label = `${label}`;
    const n = (counts.get(label) || 0) + 1;
    counts.set(label, n);
    out(1, [`${label}: ${n}`]);
  },
  countReset(label = 'default') { counts.delete(`${label}`); },
  group(...args) { if (args.length) out(1, args); groupIndent += '  '; },
  groupCollapsed(...args) { if (args.length) out(1, args); groupIndent += '  '; },
  groupEnd() { groupIndent = groupIndent.slice(0, groupIndent.length - 2); },
  time(label = 'default') { timerLabels.set(`${label}`, native.hrtime()); },
  timeEnd(label = 'default') {
    label = `${label}`;
    const t = timerLabels.get(label);
    if (t === undefined) return;
    timerLabels.delete(label);
    out(1, [`${label}: ${elapsed(t)}`]);
  },
  timeLog(label = 'default', ...data) {
    const t = timerLabels.get(`${label}`);
    if (t !== undefined) out(1, [`${label}: ${elapsed(t)}`, ...data]);
  },
  table(data) { out(1, [builtinRequire('util').__table(data)]); },
};
function elapsed(t) {
  const now = native.hrtime();
  const ms = (now[0] - t[0]) * 1e3 + (now[1] - t[1]) / 1e6;
  return ms >= 1000 ? `${(ms / 1000).toFixed(3)}s` : `${ms.toFixed(3)}ms`;
}
globalThis.console = console;

// ---- CommonJS modules ----
const path = () => builtinRequire('path');
class Module {
  constructor(id, parent) {
    this.id = id;
    this.path = '.';
    this.exports = {};
    this.filename = null;
    this.loaded = false;
    this.children = [];
    this.paths = [];
    this.parent = parent;
  }
}
Module._cache = Object.create(null);
Module.builtinModules = builtinNames.slice();
Module.isBuiltin = internal.isBuiltin;

function makeRequire(mod) {
  function require(id) {
    if (typeof id !== 'string') {
      const e = new TypeError('The "id" argument must be of type string. Received ' + builtinRequire('util').inspect(id));
      e.code = 'ERR_INVALID_ARG_TYPE';
      throw e;
    }
    if (internal.isBuiltin(id)) {
      const b = builtinRequire(id);
      if (b !== undefined) return b;
    }
    const filename = resolveFile(id, mod);
    const cached = Module._cache[filename];
    if (cached) return cached.exports;
    return loadFile(filename, mod);
  }
  require.resolve = (id) => (internal.isBuiltin(id) ? id : resolveFile(id, mod));
  require.cache = Module._cache;
  require.main = mainModule;
  return require;
}

function notFound(id, mod) {
  const e = new Error(`Cannot find module '${id}'\nRequire stack:\n- ${mod.filename}`);
  e.code = 'MODULE_NOT_FOUND';
  e.requireStack = [mod.filename];
  return e;
}

function resolveFile(id, mod) {
  const p = path();
  if (!(id.startsWith('./') || id.startsWith('../') || id.startsWith('/') || id === '.' || id === '..')) {
    // Packages come bundled; one that is not was left out of the bundle.
    let dir = p.dirname(mod.filename || native.cwd() + '/x');
    for (;;) {
      const base = p.join(dir, 'node_modules', id);
      const found = tryFile(base) || tryDirectory(base);
      if (found) return found;
      const up = p.dirname(dir);
      if (up === dir) break;
      dir = up;
    }
    throw notFound(id, mod);
  }
  const base = p.resolve(p.dirname(mod.filename || native.cwd() + '/x'), id);
  const found = tryFile(base) || tryDirectory(base);
  if (!found) throw notFound(id, mod);
  return found;
}
function tryFile(f) {
  for (const ext of ['', '.js', '.json', '.cjs']) {
    if (native.isFile(f + ext)) return f + ext;
  }
  return null;
}
function tryDirectory(d) {
  if (native.isFile(d + '/package.json')) {
    try {
      const pkg = JSON.parse(native.readText(d + '/package.json'));
      if (pkg.main) {
        const m = tryFile(path().resolve(d, pkg.main)) || tryFile(path().resolve(d, pkg.main, 'index'));
        if (m) return m;
      }
    } catch (e) { /* a broken package.json falls back to index.js */ }
  }
  return tryFile(d + '/index');
}

function loadFile(filename, parent) {
  const mod = new Module(filename, parent);
  mod.filename = filename;
  mod.path = path().dirname(filename);
  Module._cache[filename] = mod;
  try {
    const text = native.readText(filename);
    if (filename.endsWith('.json')) {
      try { mod.exports = JSON.parse(text); } catch (e) { e.message = filename + ': ' + e.message; throw e; }
    } else {
      runModule(mod, stripHashbang(text));
    }
  } catch (e) {
    delete Module._cache[filename];
    throw e;
  }
  mod.loaded = true;
  if (parent) parent.children.push(mod);
  return mod.exports;
}

function stripHashbang(text) {
  return text.startsWith('#!') ? '//' + text.slice(2) : text;
}

function runModule(mod, source) {
  const fn = native.compile(source, mod.filename);
  const require = makeRequire(mod);
  fn.call(mod.exports, mod.exports, require, mod, mod.filename, mod.path);
}

let mainModule;
module.exports = function runMain(source) {
  const filename = native.mainFilename;
  mainModule = new Module('.', null);
  mainModule.filename = filename;
  mainModule.path = path().dirname(filename);
  process.mainModule = mainModule;
  Module._cache[filename] = mainModule;
  runModule(mainModule, stripHashbang(source));
  mainModule.loaded = true;
};
internal.Module = Module;

// ---- what the native side asks of the environment ----
function describe(v) {
  const u = builtinRequire('util');
  if (v instanceof Error || (v && typeof v === 'object' && typeof v.stack === 'string')) return u.inspect(v);
  return u.inspect(v);
}
function onExit(code) {
  if (exiting) return exitStatus();
  exiting = true;
  process._exiting = true;
  if (code !== 0) process.exitCode = code;
  try {
    process.emit('exit', exitStatus());
  } catch (e) {
    native.write(2, 'Uncaught ' + describe(e) + '\n');
    return 7;
  }
  return exitStatus();
}
// An exception nobody caught: the program goes on when a listener takes it.
function onUncaught(err, origin = 'uncaughtException') {
  if (process.listenerCount('uncaughtExceptionMonitor') > 0) process.emit('uncaughtExceptionMonitor', err, origin);
  if (process.listenerCount('uncaughtException') === 0) return false;
  try {
    process.emit('uncaughtException', err, origin);
  } catch (e) {
    // A listener that throws ends the program with 7, without 'exit'.
    native.write(2, 'Uncaught ' + describe(e) + '\n');
    process.exitCode = 7;
    exiting = true;
    process._exiting = true;
    native.exit(7);
  }
  return true;
}
function unhandledRejectionError(reason) {
  const e = new Error('This error originated either by throwing inside of an async function without a catch block, or by rejecting a promise which was not handled with .catch(). The promise rejected with the reason "' + builtinRequire('util').inspect(reason) + '".');
  e.name = 'UnhandledPromiseRejection';
  e.code = 'ERR_UNHANDLED_REJECTION';
  return e;
}
function onUnhandled(reason, promise) {
  if (process.listenerCount('unhandledRejection') > 0) {
    process.emit('unhandledRejection', reason, promise);
    return;
  }
  if (onUncaught(reason instanceof Error ? reason : unhandledRejectionError(reason), 'unhandledRejection')) return;
  let text;
  if (reason instanceof Error) {
    text = describe(reason);
  } else {
    const r = builtinRequire('util').inspect(reason);
    text = '[UnhandledPromiseRejection: This error originated either by throwing inside of an async function without a catch block, or by rejecting a promise which was not handled with .catch(). The promise rejected with the reason "' + r + '".] {\n  code: \'ERR_UNHANDLED_REJECTION\'\n}';
  }
  native.write(2, 'Uncaught ' + text + '\n');
  process.exitCode = 1;
  exiting = true;
  process._exiting = true;
  process.emit('exit', 1);
  native.exit(1);
}
native.setHooks({ runTicks, onExit, describe, onUnhandled, onUncaught });
})
