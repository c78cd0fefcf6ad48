// net: TCP servers and sockets as Node's objects (Server an EventEmitter,
// Socket a Duplex), on the process's TCP layer through native.net. Every
// native event arrives at one dispatcher, keyed by the handle's id.
(function (native, internal, module, exports) {
'use strict';
const EE = internal.require('events');
const { Duplex } = internal.require('stream');
const { Buffer } = internal.require('buffer');
const tcp = native.net;

const handles = new Map();
tcp.setDispatch((id, type, a, b) => {
  const owner = handles.get(id);
  if (type === 'close') handles.delete(id);
  if (owner) owner._onNative(type, a, b);
});

function netError(code, syscall, address, port) {
  const [name, text] = typeof code === 'number' ? tcp.errorInfo(code) : [code, ''];
  const where = address === undefined ? '' : port === undefined ? ' ' + address : ` ${address}:${port}`;
  const e = new Error(`${syscall} ${name}${syscall === 'listen' ? ': ' + text : ''}${where}`);
  e.errno = typeof code === 'number' ? code : undefined;
  e.code = name;
  e.syscall = syscall;
  if (address !== undefined) e.address = address;
  if (port !== undefined) e.port = port;
  return e;
}

function portArg(port) {
  const n = Number(port);
  if (port === null || port === '' || typeof port === 'boolean' || !Number.isInteger(n) || n < 0 || n > 65535) {
    const e = new RangeError(`options.port should be >= 0 and < 65536. Received ${internal.require('util').inspect(port)}.`);
    e.code = 'ERR_SOCKET_BAD_PORT';
    throw e;
  }
  return n;
}

// ---- Socket ----
function Socket(options) {
  if (!(this instanceof Socket)) return new Socket(options);
  options = options || {};
  Duplex.call(this, { allowHalfOpen: !!options.allowHalfOpen, emitClose: true, autoDestroy: true });
  this._id = 0;
  this._info = null;
  this._waiting = [];  // writes made before the connection was up
  this._drainWaiters = [];
  this._timeout = 0;
  this._timer = null;
  this.connecting = false;
  this.bytesRead = 0;
  this._bytesWritten = 0;
  this.server = null;
  this._paused = false;
}
Object.setPrototypeOf(Socket.prototype, Duplex.prototype);
Object.setPrototypeOf(Socket, Duplex);

Socket.prototype._attach = function (id) {
  this._id = id;
  handles.set(id, this);
  this._info = tcp.socketInfo(id);
};

Socket.prototype._onNative = function (type, a, b) {
  switch (type) {
    case 'connect':
      this.connecting = false;
      if (a !== 0) {
        this.destroy(netError(a, 'connect', this._host, this._port));
        return;
      }
      this._info = tcp.socketInfo(this._id);
      for (const w of this._waiting.splice(0)) this._write(w.chunk, w.encoding, w.cb);
      if (this._writableState.finalCalled && this._pendingFinal) { const f = this._pendingFinal; this._pendingFinal = null; this._final(f); }
      this._touch();
      this.emit('connect');
      this.emit('ready');
      return;
    case 'data': {
      const buf = Buffer.from(a);
      this.bytesRead += buf.length;
      this._touch();
      if (!this.push(buf) && !this._paused) { this._paused = true; tcp.control(this._id, 'pause'); }
      return;
    }
    case 'end':
      this.push(null);
      return;
    case 'drain':
      for (const cb of this._drainWaiters.splice(0)) cb();
      return;
    case 'error':
      this.destroy(netError(a, this._info && this._info.remoteAddress ? 'read' : 'connect'));
      return;
    case 'close':
      this._id = 0;
      this._clearTimer();
      if (!this.destroyed) {
        if (!this._readableState.ended) this.push(null);
        this.destroy();
      }
  }
};

Socket.prototype._read = function () {
  if (this._paused && this._id) { this._paused = false; tcp.control(this._id, 'resume'); }
};

Socket.prototype._write = function (chunk, encoding, cb) {
  if (this.connecting) { this._waiting.push({ chunk, encoding, cb }); return; }
  if (!this._id) {
    const e = new Error('This socket has been ended by the other party');
    e.code = 'EPIPE';
    cb(e);
    return;
  }
  this._bytesWritten += chunk.length;
  this._touch();
  if (tcp.write(this._id, chunk)) cb();
  else this._drainWaiters.push(cb);
};

Socket.prototype._final = function (cb) {
  if (this.connecting) { this._pendingFinal = cb; return; }
  if (this._id) tcp.control(this._id, 'shutdown');
  cb();
};

Socket.prototype._destroy = function (err, cb) {
  this._clearTimer();
  if (this._id) tcp.control(this._id, 'close');
  if (this.server) this.server._forget(this);
  cb(err);
};

Socket.prototype.connect = function (...args) {
  let options = args[0], cb = args[args.length - 1];
  if (typeof cb !== 'function') cb = undefined;
  if (typeof options !== 'object' || options === null) options = { port: args[0], host: typeof args[1] === 'string' ? args[1] : undefined };
  const port = portArg(options.port);
  const host = options.host || 'localhost';
  this._host = host === 'localhost' ? '127.0.0.1' : host;
  this._port = port;
  this.connecting = true;
  if (cb) this.once('connect', cb);
  this._attach(tcp.connect(host, port));
  return this;
};

Socket.prototype._touch = function () {
  if (!this._timeout) return;
  this._clearTimer();
  this._timer = setTimeout(() => { this._timer = null; this.emit('timeout'); }, this._timeout);
  if (this._timer.unref) this._timer.unref();
};
Socket.prototype._clearTimer = function () {
  if (this._timer) { clearTimeout(this._timer); this._timer = null; }
};
Socket.prototype.setTimeout = function (ms, cb) {
  this._timeout = ms;
  if (cb) { if (ms) this.once('timeout', cb); else this.removeListener('timeout', cb); }
  if (ms) this._touch(); else this._clearTimer();
  return this;
};
Socket.prototype.setNoDelay = function () { if (this._id) tcp.control(this._id, 'nodelay'); return this; };
Socket.prototype.setKeepAlive = function () { return this; };
Socket.prototype.ref = function () { if (this._id) tcp.control(this._id, 'ref'); return this; };
Socket.prototype.unref = function () { if (this._id) tcp.control(this._id, 'unref'); return this; };
Socket.prototype.address = function () {
  const i = this._info;
  return i ? { address: i.localAddress, family: i.remoteFamily, port: i.localPort } : {};
};
Socket.prototype.resetAndDestroy = function () { return this.destroy(); };
const infoGetter = (key) => ({ get() { return this._info ? this._info[key] : undefined; }, configurable: true });
Object.defineProperties(Socket.prototype, {
  remoteAddress: infoGetter('remoteAddress'),
  remotePort: infoGetter('remotePort'),
  remoteFamily: infoGetter('remoteFamily'),
  localAddress: infoGetter('localAddress'),
  localPort: infoGetter('localPort'),
  bytesWritten: { get() { return this._bytesWritten; }, configurable: true },
  pending: { get() { return !this._id || this.connecting; }, configurable: true },
  readyState: {
    get() {
      if (this.connecting) return 'opening';
      if (this.readable && this.writable) return 'open';
      if (this.readable) return 'readOnly';
      if (this.writable) return 'writeOnly';
      return 'closed';
    },
    configurable: true,
  },
});

// ---- Server ----
function Server(options, listener) {
  if (!(this instanceof Server)) return new Server(options, listener);
  EE.call(this);
  if (typeof options === 'function') { listener = options; options = {}; }
  this._options = options || {};
  this._id = 0;
  this._connections = new Set();
  this._closeWaiting = false;
  this._unref = false;
  this.listening = false;
  if (listener) this.on('connection', listener);
}
Object.setPrototypeOf(Server.prototype, EE.prototype);
Object.setPrototypeOf(Server, EE);

Server.prototype.listen = function (...args) {
  let cb = typeof args[args.length - 1] === 'function' ? args.pop() : undefined;
  let port = 0, host = '', backlog = 511;
  if (args[0] !== null && typeof args[0] === 'object') {
    port = args[0].port === undefined ? 0 : args[0].port;
    host = args[0].host || '';
    if (args[0].backlog) backlog = args[0].backlog;
  } else {
    if (args[0] !== undefined) port = args[0];
    if (typeof args[1] === 'string') host = args[1];
    if (typeof args[1] === 'number') backlog = args[1];
    else if (typeof args[2] === 'number') backlog = args[2];
  }
  port = portArg(port);
  if (this._id) {
    const e = new Error('Listen method has been called more than once without closing.');
    e.code = 'ERR_SERVER_ALREADY_LISTEN';
    throw e;
  }
  if (cb) this.once('listening', cb);
  const r = tcp.listen(host === 'localhost' ? '127.0.0.1' : host, port, backlog);
  if (r < 0) {
    const e = netError(r, 'listen', host || '::', port);
    process.nextTick(() => this.emit('error', e));
    return this;
  }
  this._id = r;
  handles.set(r, this);
  this.listening = true;
  if (this._unref) tcp.listenerRef(r, false);
  process.nextTick(() => { if (this._id === r) this.emit('listening'); });
  return this;
};

Server.prototype._onNative = function (type, a, b) {
  if (type === 'connection') {
    const s = new Socket(this._options);
    s._attach(a);
    s.server = this;
    this._connections.add(s);
    this.emit('connection', s);
  } else if (type === 'error') {
    this.emit('error', netError(a, 'accept'));
  }
};

Server.prototype._forget = function (socket) {
  this._connections.delete(socket);
  this._maybeClosed();
};
Server.prototype._maybeClosed = function () {
  if (this._closeWaiting && !this._id && this._connections.size === 0 && this._listenerClosed) {
    this._closeWaiting = false;
    process.nextTick(() => this.emit('close'));
  }
};

Server.prototype.address = function () {
  return this._id ? tcp.listenerAddress(this._id) : null;
};

Server.prototype.close = function (cb) {
  if (!this._id) {
    if (typeof cb === 'function') {
      const e = new Error('Server is not running.');
      e.code = 'ERR_SERVER_NOT_RUNNING';
      process.nextTick(cb, e);
    }
    return this;
  }
  if (typeof cb === 'function') this.once('close', cb);
  const id = this._id;
  this._id = 0;
  this.listening = false;
  this._closeWaiting = true;
  this._listenerClosed = false;
  handles.set(id, { _onNative: () => { this._listenerClosed = true; this._maybeClosed(); } });
  tcp.listenerClose(id);
  return this;
};

Server.prototype.getConnections = function (cb) {
  const n = this._connections.size;
  if (typeof cb === 'function') process.nextTick(cb, null, n);
  return this;
};
Server.prototype.ref = function () { this._unref = false; if (this._id) tcp.listenerRef(this._id, true); return this; };
Server.prototype.unref = function () { this._unref = true; if (this._id) tcp.listenerRef(this._id, false); return this; };

function createServer(options, listener) { return new Server(options, listener); }

function connect(...args) {
  const options = args[0] !== null && typeof args[0] === 'object' ? args[0] : {};
  const s = new Socket(options);
  if (options.timeout) s.setTimeout(options.timeout);
  return s.connect(...args);
}

function isIPv4(s) {
  return /^(25[0-5]|2[0-4]\d|1\d\d|[1-9]?\d)(\.(25[0-5]|2[0-4]\d|1\d\d|[1-9]?\d)){3}$/.test(String(s));
}
function isIPv6(s) {
  s = String(s);
  return s.includes(':') && /^[0-9a-fA-F:.]+$/.test(s) && (s.match(/::/g) || []).length <= 1;
}
function isIP(s) { return isIPv4(s) ? 4 : isIPv6(s) ? 6 : 0; }

module.exports = { Server, Socket, Stream: Socket, createServer, connect, createConnection: connect, isIP, isIPv4, isIPv6 };
})
