// fs: synchronous calls on the native file system; the callback and promise
// forms run the same call and report on a later turn of the loop; streams
// read and write in chunks.
(function (native, internal, module, exports) {
'use strict';
const nfs = native.fs;
const { Buffer } = internal.require('buffer');

const O = { O_RDONLY: 0, O_WRONLY: 1, O_RDWR: 2, O_CREAT: 64, O_EXCL: 128, O_NOCTTY: 256, O_TRUNC: 512, O_APPEND: 1024, O_DIRECTORY: 65536, O_NOFOLLOW: 131072, O_SYNC: 1052672 };
const constants = Object.assign({ F_OK: 0, R_OK: 4, W_OK: 2, X_OK: 1, COPYFILE_EXCL: 1, S_IFMT: 61440, S_IFREG: 32768, S_IFDIR: 16384, S_IFLNK: 40960 }, O);

function flagsOf(flags, fallback) {
  if (flags === undefined || flags === null) return fallback;
  if (typeof flags === 'number') return flags;
  switch (flags) {
    case 'r': return O.O_RDONLY;
    case 'rs': case 'sr': return O.O_RDONLY | O.O_SYNC;
    case 'r+': return O.O_RDWR;
    case 'w': return O.O_TRUNC | O.O_CREAT | O.O_WRONLY;
    case 'wx': case 'xw': return O.O_TRUNC | O.O_CREAT | O.O_WRONLY | O.O_EXCL;
    case 'w+': return O.O_TRUNC | O.O_CREAT | O.O_RDWR;
    case 'wx+': case 'xw+': return O.O_TRUNC | O.O_CREAT | O.O_RDWR | O.O_EXCL;
    case 'a': return O.O_APPEND | O.O_CREAT | O.O_WRONLY;
    case 'ax': case 'xa': return O.O_APPEND | O.O_CREAT | O.O_WRONLY | O.O_EXCL;
    case 'a+': return O.O_APPEND | O.O_CREAT | O.O_RDWR;
    case 'ax+': case 'xa+': return O.O_APPEND | O.O_CREAT | O.O_RDWR | O.O_EXCL;
  }
  const e = new TypeError(`The value "${flags}" is invalid for option "flags"`);
  e.code = 'ERR_INVALID_ARG_VALUE';
  throw e;
}

function pathOf(p, name = 'path') {
  if (typeof p === 'string') return p;
  if (p instanceof Uint8Array) return Buffer.from(p).toString();
  if (p instanceof URL) return decodeURIComponent(p.pathname);
  const e = new TypeError(`The "${name}" argument must be of type string or an instance of Buffer or URL. Received ${internal.require('util').inspect(p)}`);
  e.code = 'ERR_INVALID_ARG_TYPE';
  throw e;
}
function optionsOf(options, defaults) {
  if (options === undefined || options === null || typeof options === 'function') return defaults;
  if (typeof options === 'string') return Object.assign({}, defaults, { encoding: options });
  return Object.assign({}, defaults, options);
}
function modeOf(mode, fallback) {
  if (mode === undefined || mode === null) return fallback;
  return typeof mode === 'string' ? parseInt(mode, 8) : mode;
}

class Stats {
  constructor(a) {
    [this.dev, this.mode, this.nlink, this.uid, this.gid, this.rdev, this.blksize, this.ino, this.size,
      this.blocks, this.atimeMs, this.mtimeMs, this.ctimeMs, this.birthtimeMs] = a;
    this.atime = new Date(this.atimeMs);
    this.mtime = new Date(this.mtimeMs);
    this.ctime = new Date(this.ctimeMs);
    this.birthtime = new Date(this.birthtimeMs);
  }
  isFile() { return (this.mode & 61440) === 32768; }
  isDirectory() { return (this.mode & 61440) === 16384; }
  isSymbolicLink() { return (this.mode & 61440) === 40960; }
  isFIFO() { return (this.mode & 61440) === 4096; }
  isSocket() { return (this.mode & 61440) === 49152; }
  isCharacterDevice() { return (this.mode & 61440) === 8192; }
  isBlockDevice() { return (this.mode & 61440) === 24576; }
}

class Dirent {
  constructor(name, type, path) { this.name = name; this.path = path; this[kType] = type; }
  isFile() { return this[kType] === 1; }
  isDirectory() { return this[kType] === 2; }
  isSymbolicLink() { return this[kType] === 3; }
  isFIFO() { return false; }
  isSocket() { return false; }
  isCharacterDevice() { return false; }
  isBlockDevice() { return false; }
}
const kType = Symbol('type');

function encode(buf, encoding) {
  if (encoding === undefined || encoding === null || encoding === 'buffer') return buf;
  return buf.toString(encoding);
}
function dataBytes(data, encoding) {
  if (typeof data === 'string') return Buffer.from(data, encoding || 'utf8');
  if (data instanceof Uint8Array) return data;
  if (ArrayBuffer.isView(data)) return new Uint8Array(data.buffer, data.byteOffset, data.byteLength);
  const e = new TypeError('The "data" argument must be of type string or an instance of Buffer, TypedArray, or DataView. Received ' + internal.require('util').inspect(data));
  e.code = 'ERR_INVALID_ARG_TYPE';
  throw e;
}

// ---- synchronous calls ----
const sync = {
  existsSync(p) { try { nfs.access(pathOf(p), 0); return true; } catch (e) { return false; } },
  accessSync(p, mode) { nfs.access(pathOf(p), mode === undefined ? 0 : mode); },
  statSync(p, options) {
    const a = nfs.stat(pathOf(p), true, options && options.throwIfNoEntry === false);
    return a === undefined ? undefined : new Stats(a);
  },
  lstatSync(p, options) {
    const a = nfs.stat(pathOf(p), false, options && options.throwIfNoEntry === false);
    return a === undefined ? undefined : new Stats(a);
  },
  fstatSync(fd) { return new Stats(nfs.fstat(fd)); },
  openSync(p, flags, mode) { return nfs.open(pathOf(p), flagsOf(flags, O.O_RDONLY), modeOf(mode, 0o666)); },
  closeSync(fd) { nfs.close(fd); },
  readSync(fd, buffer, offset, length, position) {
    if (offset !== null && typeof offset === 'object') ({ offset = 0, length = buffer.byteLength - offset, position = null } = offset);
    if (offset === undefined) offset = 0;
    if (length === undefined) length = buffer.byteLength - offset;
    return nfs.read(fd, buffer, offset, length, position === undefined || position === null || position < 0 ? -1 : position);
  },
  writeSync(fd, buffer, offset, length, position) {
    if (typeof buffer === 'string') {
      const b = Buffer.from(buffer, typeof length === 'string' ? length : 'utf8');
      return nfs.write(fd, b, 0, b.length, typeof offset === 'number' ? offset : -1);
    }
    if (offset === undefined) offset = 0;
    if (length === undefined) length = buffer.byteLength - offset;
    return nfs.write(fd, buffer, offset, length, position === undefined || position === null ? -1 : position);
  },
  fsyncSync(fd) { nfs.fsync(fd); },
  fdatasyncSync(fd) { nfs.fsync(fd); },
  ftruncateSync(fd, len = 0) { nfs.truncate(fd, len); },
  readFileSync(p, options) {
    const o = optionsOf(options, { encoding: null, flag: 'r' });
    let buf;
    if (typeof p === 'number') {
      const chunks = [];
      const chunk = Buffer.alloc(65536);
      for (;;) {
        const n = nfs.read(p, chunk, 0, chunk.length, -1);
        if (n === 0) break;
        chunks.push(Buffer.from(chunk.subarray(0, n)));
      }
      buf = Buffer.concat(chunks);
    } else {
      buf = Buffer.from(nfs.readFile(pathOf(p)));
    }
    return encode(buf, o.encoding);
  },
  writeFileSync(p, data, options) {
    const o = optionsOf(options, { encoding: 'utf8', mode: 0o666, flag: 'w' });
    const bytes = dataBytes(data, o.encoding);
    if (typeof p === 'number') { nfs.write(p, bytes, 0, bytes.length, -1); return; }
    const fd = nfs.open(pathOf(p), flagsOf(o.flag, O.O_TRUNC | O.O_CREAT | O.O_WRONLY), modeOf(o.mode, 0o666));
    try { nfs.write(fd, bytes, 0, bytes.length, -1); } finally { nfs.close(fd); }
  },
  appendFileSync(p, data, options) {
    const o = optionsOf(options, { encoding: 'utf8', mode: 0o666, flag: 'a' });
    sync.writeFileSync(p, data, o);
  },
  readdirSync(p, options) {
    const o = optionsOf(options, { encoding: 'utf8', withFileTypes: false, recursive: false });
    const dir = pathOf(p);
    const out = [];
    const walk = (d, prefix) => {
      for (const [name, type] of nfs.readdir(d)) {
        const rel = prefix ? prefix + '/' + name : name;
        out.push(o.withFileTypes ? new Dirent(name, type, d) : rel);
        if (o.recursive && type === 2) walk(d + '/' + name, rel);
      }
    };
    walk(dir, '');
    return out;
  },
  mkdirSync(p, options) {
    const o = typeof options === 'number' || typeof options === 'string' ? { mode: options } : optionsOf(options, {});
    const target = pathOf(p);
    const mode = modeOf(o.mode, 0o777);
    if (!o.recursive) { nfs.mkdir(target, mode); return undefined; }
    const path = internal.require('path');
    const full = path.resolve(target);
    let first;
    const parts = full.split('/').filter(Boolean);
    let cur = '';
    for (const part of parts) {
      cur += '/' + part;
      const st = nfs.stat(cur, true, true);
      if (st !== undefined) {
        if ((st[1] & 61440) !== 16384) {
          const e = new Error(`EEXIST: file already exists, mkdir '${target}'`);
          Object.assign(e, { errno: -17, code: 'EEXIST', syscall: 'mkdir', path: target });
          throw e;
        }
        continue;
      }
      nfs.mkdir(cur, mode);
      if (first === undefined) first = cur;
    }
    return first;
  },
  rmdirSync(p, options) {
    if (options && options.recursive) return sync.rmSync(p, { recursive: true, force: true });
    nfs.rmdir(pathOf(p));
  },
  rmSync(p, options) {
    const o = optionsOf(options, {});
    const target = pathOf(p);
    const st = nfs.stat(target, false, true);
    if (st === undefined) {
      if (o.force) return;
      nfs.stat(target, false);  // throws Node's ENOENT
    }
    if ((st[1] & 61440) === 16384) {
      if (!o.recursive) {
        const e = new Error(`Path is a directory: rm returned EISDIR (is a directory) ${target}`);
        Object.assign(e, { code: 'ERR_FS_EISDIR', errno: 21, syscall: 'rm', path: target });
        e.name = 'SystemError';
        throw e;
      }
      for (const [name] of nfs.readdir(target)) sync.rmSync(target + '/' + name, o);
      nfs.rmdir(target);
    } else {
      nfs.unlink(target);
    }
  },
  unlinkSync(p) { nfs.unlink(pathOf(p)); },
  renameSync(a, b) { nfs.rename(pathOf(a, 'oldPath'), pathOf(b, 'newPath')); },
  copyFileSync(a, b, mode) { nfs.copyFile(pathOf(a, 'src'), pathOf(b, 'dest'), mode || 0); },
  cpSync(a, b, options) {
    const o = optionsOf(options, {});
    const st = nfs.stat(pathOf(a), true);
    if ((st[1] & 61440) === 16384) {
      if (!o.recursive) { const e = new Error(`Recursive option is required to copy a directory: ${a}`); e.code = 'ERR_FS_EISDIR'; throw e; }
      sync.mkdirSync(b, { recursive: true });
      for (const [name] of nfs.readdir(a)) sync.cpSync(a + '/' + name, b + '/' + name, o);
    } else {
      nfs.copyFile(a, b, 0);
    }
  },
  readlinkSync(p) { return nfs.readlink(pathOf(p)); },
  symlinkSync(target, p) { nfs.symlink(pathOf(target, 'target'), pathOf(p)); },
  linkSync(a, b) { nfs.copyFile(pathOf(a), pathOf(b), 1); },
  realpathSync(p) { return nfs.realpath(pathOf(p)); },
  chmodSync(p, mode) { nfs.chmod(pathOf(p), modeOf(mode, 0o644)); },
  chownSync() {},
  truncateSync(p, len = 0) { nfs.truncate(pathOf(p), len); },
  utimesSync(p, atime, mtime) {
    const t = (v) => (v instanceof Date ? v.getTime() / 1000 : Number(v));
    nfs.utimes(pathOf(p), t(atime), t(mtime));
  },
  mkdtempSync(prefix) { return nfs.mkdtemp(pathOf(prefix, 'prefix')); },
};
sync.realpathSync.native = sync.realpathSync;
Object.assign(exports, sync);

// ---- callback forms: the same call, reported after the current turn ----
function callbackOf(args) {
  const cb = args[args.length - 1];
  if (typeof cb !== 'function') {
    const e = new TypeError('The "cb" argument must be of type function. Received ' + internal.require('util').inspect(cb));
    e.code = 'ERR_INVALID_ARG_TYPE';
    throw e;
  }
  return cb;
}
function later(fn, args, cb) {
  let result, error = null;
  try { result = fn(...args); } catch (e) { error = e; }
  internal.timers.setImmediate(() => (error ? cb(error) : cb(null, result)));
}
for (const name of Object.keys(sync)) {
  const base = name.slice(0, -4);
  if (base === 'exists') continue;
  exports[base] = function (...args) {
    const cb = callbackOf(args);
    later(sync[name], args.slice(0, -1), cb);
  };
}
exports.exists = function exists(p, cb) {
  const r = sync.existsSync(p);
  internal.timers.setImmediate(() => cb(r));
};
exports.read = function read(fd, buffer, offset, length, position, cb) {
  if (typeof buffer === 'function') { cb = buffer; buffer = Buffer.alloc(16384); offset = 0; length = buffer.length; position = null; }
  let n, error = null;
  try { n = sync.readSync(fd, buffer, offset, length, position); } catch (e) { error = e; }
  internal.timers.setImmediate(() => (error ? cb(error) : cb(null, n, buffer)));
};
exports.write = function write(fd, buffer, ...rest) {
  const cb = callbackOf(rest);
  let n, error = null;
  try { n = sync.writeSync(fd, buffer, ...rest.slice(0, -1)); } catch (e) { error = e; }
  internal.timers.setImmediate(() => (error ? cb(error) : cb(null, n, buffer)));
};

// ---- promises ----
const promises = {};
for (const name of Object.keys(sync)) {
  const base = name.slice(0, -4);
  if (base === 'exists' || base === 'open' || base === 'close' || base === 'read' || base === 'write' || base.startsWith('f')) continue;
  promises[base] = (...args) => new Promise((resolve, reject) => later(sync[name], args, (err, v) => (err ? reject(err) : resolve(v))));
}
class FileHandle {
  constructor(fd) { this.fd = fd; }
  readFile(options) { return promises.readFile(this.fd, options); }
  writeFile(data, options) { return promises.writeFile(this.fd, data, options); }
  appendFile(data, options) { return promises.writeFile(this.fd, data, options); }
  read(buffer, offset, length, position) {
    return new Promise((resolve, reject) => exports.read(this.fd, buffer, offset, length, position, (e, n, b) => (e ? reject(e) : resolve({ bytesRead: n, buffer: b }))));
  }
  write(buffer, ...rest) {
    return new Promise((resolve, reject) => exports.write(this.fd, buffer, ...rest, (e, n, b) => (e ? reject(e) : resolve({ bytesWritten: n, buffer: b }))));
  }
  stat() { return promises.stat(`/proc/self/fd/${this.fd}`); }
  close() { return new Promise((resolve, reject) => later(sync.closeSync, [this.fd], (e) => (e ? reject(e) : resolve()))); }
}
promises.open = (p, flags, mode) => new Promise((resolve, reject) => later(sync.openSync, [p, flags, mode], (e, fd) => (e ? reject(e) : resolve(new FileHandle(fd)))));
promises.constants = constants;
exports.promises = promises;

// ---- streams ----
let streamModule = null;
const stream = () => streamModule || (streamModule = internal.require('stream'));

exports.createReadStream = function createReadStream(p, options) {
  const o = optionsOf(options, { flags: 'r', encoding: null, start: 0, end: Infinity, highWaterMark: 65536 });
  const { Readable } = stream();
  let fd = o.fd !== undefined ? o.fd : null;
  let pos = o.start || 0;
  const end = o.end === undefined ? Infinity : o.end;
  const rs = new Readable({
    highWaterMark: o.highWaterMark,
    read(size) {
      try {
        if (fd === null) { fd = sync.openSync(p, o.flags); this.emit('open', fd); this.emit('ready'); }
        const want = Math.min(o.highWaterMark, end - pos + 1);
        if (want <= 0) { this.push(null); return; }
        const buf = Buffer.allocUnsafe(want);
        const n = nfs.read(fd, buf, 0, want, pos);
        pos += n;
        this.bytesRead += n;
        this.push(n === 0 ? null : buf.subarray(0, n));
      } catch (e) {
        this.destroy(e);
      }
    },
    destroy(err, cb) {
      if (fd !== null && o.autoClose !== false) { try { nfs.close(fd); } catch (e) { /* already closed */ } fd = null; this.emit('close'); }
      cb(err);
    },
    emitClose: false,
  });
  rs.path = typeof p === 'string' ? p : undefined;
  rs.bytesRead = 0;
  if (o.encoding) rs.setEncoding(o.encoding);
  rs.close = (cb) => rs.destroy(null, cb);
  return rs;
};

exports.createWriteStream = function createWriteStream(p, options) {
  const o = optionsOf(options, { flags: 'w', encoding: 'utf8', mode: 0o666 });
  const { Writable } = stream();
  let fd = o.fd !== undefined ? o.fd : null;
  const ws = new Writable({
    decodeStrings: true,
    write(chunk, encoding, cb) {
      try {
        if (fd === null) fd = sync.openSync(p, o.flags, o.mode);
        const b = typeof chunk === 'string' ? Buffer.from(chunk, encoding) : chunk;
        nfs.write(fd, b, 0, b.length, -1);
        ws.bytesWritten += b.length;
        internal.timers.setImmediate(cb);
      } catch (e) {
        cb(e);
      }
    },
    final(cb) { cb(); },
    destroy(err, cb) {
      if (fd !== null && o.autoClose !== false) { try { nfs.close(fd); } catch (e) { /* already closed */ } fd = null; }
      cb(err);
    },
  });
  try {
    if (fd === null) fd = sync.openSync(p, o.flags, o.mode);
    internal.timers.setImmediate(() => { ws.emit('open', fd); ws.emit('ready'); });
  } catch (e) {
    internal.timers.setImmediate(() => ws.destroy(e));
  }
  ws.path = typeof p === 'string' ? p : undefined;
  ws.bytesWritten = 0;
  ws.close = (cb) => ws.end(cb);
  return ws;
};

// fs.watch: inotify through the loop. A watcher emits 'change' with
// ('rename' | 'change', file name), 'error', and 'close' once closed.
const watchers = new Map();
let watchDispatchSet = false;
function dispatchWatch(id, type, value) {
  const w = watchers.get(id);
  if (!w) return;
  if (type === 'error') {
    const [code, text] = native.net.errorInfo(value);
    const e = new Error(`${code}: ${text}, watch`);
    e.errno = value;
    e.code = code;
    e.syscall = 'watch';
    w.close();
    w.emit('error', e);
    return;
  }
  w.emit('change', type, w._buffer ? Buffer.from(value) : value);
}
class FSWatcher extends internal.require('events') {
  constructor(id, buffer) {
    super();
    this._id = id;
    this._buffer = buffer;
  }
  close() {
    if (this._id === 0) return;
    nfs.watchClose(this._id);
    watchers.delete(this._id);
    this._id = 0;
    process.nextTick(() => this.emit('close'));
  }
  ref() { if (this._id !== 0) nfs.watchRef(this._id, true); return this; }
  unref() { if (this._id !== 0) nfs.watchRef(this._id, false); return this; }
}
exports.watch = function watch(filename, options, listener) {
  if (typeof options === 'function') { listener = options; options = {}; }
  if (typeof options === 'string') options = { encoding: options };
  options = options || {};
  if (typeof nfs.watchStart !== 'function') throw new Error('orvan: fs.watch is not supported');
  if (!watchDispatchSet) { nfs.watchDispatch(dispatchWatch); watchDispatchSet = true; }
  const id = nfs.watchStart(pathOf(filename, 'filename'), !!options.recursive);
  const w = new FSWatcher(id, options.encoding === 'buffer');
  watchers.set(id, w);
  if (options.persistent === false) w.unref();
  if (typeof listener === 'function') w.on('change', listener);
  return w;
};
exports.FSWatcher = FSWatcher;
exports.watchFile = () => { throw new Error('orvan: fs.watchFile is not supported'); };
exports.Stats = Stats;
exports.Dirent = Dirent;
exports.constants = constants;
Object.assign(exports, { F_OK: 0, R_OK: 4, W_OK: 2, X_OK: 1 });

// process.stdin: a readable stream over descriptor 0, read in chunks.
exports.__stdin = function () {
  const { Readable } = stream();
  const rs = new Readable({
    read() {
      const buf = Buffer.allocUnsafe(65536);
      let n = 0;
      try { n = nfs.read(0, buf, 0, buf.length, -1); } catch (e) { this.destroy(e); return; }
      this.push(n === 0 ? null : buf.subarray(0, n));
    },
  });
  rs.fd = 0;
  rs.isTTY = native.isatty(0);
  rs.setRawMode = () => rs;
  return rs;
};
})
