// tls: net's sockets and servers with TLS started on their connections
// (native.tls, over the process's TCP layer). A client socket's 'connect'
// comes when the handshake is done and the peer checked; a server socket's
// native 'secure' event is its 'secureConnection'.
(function (native, internal, module, exports) {
'use strict';
const net = internal.require('net');
const { Buffer } = internal.require('buffer');
const tls = native.tls;

function unavailable() {
  const e = new Error('tls is not available: this program was built without OpenSSL ' +
    '(install the OpenSSL development package, libssl-dev, and build it again)');
  e.code = 'ERR_FEATURE_UNAVAILABLE_ON_PLATFORM';
  throw e;
}

// key, cert and ca: a string, a Buffer, or an array of them.
function pem(v) {
  if (v === undefined || v === null) return undefined;
  if (Array.isArray(v)) return v.map((x) => (typeof x === 'string' ? x : Buffer.from(x).toString('latin1'))).join('\n');
  return typeof v === 'string' || v instanceof Uint8Array ? v : String(v);
}

// A context id for these options; OpenSSL's message when they are unusable.
function context(server, options) {
  if (!tls) unavailable();
  options = options || {};
  const r = server ? tls.context(true, pem(options.key), pem(options.cert), undefined)
    : tls.context(false, undefined, undefined, pem(options.ca));
  if (typeof r === 'string') throw new Error(r);
  return r;
}

function tlsError(code, id) {
  const info = typeof code === 'number' ? tls.errorInfo(code, id) : null;
  if (!info) return null;
  const e = new Error(info[1]);
  e.code = info[0];
  return e;
}

// ---- TLSSocket ----
function TLSSocket(socket, options) {
  if (!(this instanceof TLSSocket)) return new TLSSocket(socket, options);
  net.Socket.call(this, options);
  this.encrypted = true;
  this.authorized = false;
  this.authorizationError = undefined;
  this._secureEstablished = false;
  this._tlsServer = null;
}
Object.setPrototypeOf(TLSSocket.prototype, net.Socket.prototype);
Object.setPrototypeOf(TLSSocket, net.Socket);

TLSSocket.prototype._onNative = function (type, a, b) {
  if (type === 'secure') {
    this._secureEstablished = true;
    if (this._tlsServer) this._tlsServer.emit('secureConnection', this);
    return;
  }
  if (type === 'connect' && a === 0) {
    this._secureEstablished = true;
    const why = tls.verifyError(this._id);
    this.authorized = why === '';
    if (why) this.authorizationError = why;
    net.Socket.prototype._onNative.call(this, type, a, b);
    this.emit('secureConnect');
    return;
  }
  if (type === 'connect' || type === 'error') {
    let e = tlsError(a, this._id);
    if (type === 'connect') this.connecting = false;
    // before its handshake ends, a server's connection fails to the server
    if (this._tlsServer && !this._secureEstablished) {
      if (!e) {
        const [name] = native.net.errorInfo(a);
        e = new Error(`read ${name}`);
        e.code = name;
      }
      this._tlsServer.emit('tlsClientError', e, this);
      this.destroy();
      return;
    }
    if (e) { this.destroy(e); return; }
  }
  net.Socket.prototype._onNative.call(this, type, a, b);
};

// connect(options[, cb]) or connect(port[, host][, options][, cb])
function connect(...args) {
  const cb = typeof args[args.length - 1] === 'function' ? args.pop() : undefined;
  let options;
  if (args[0] !== null && typeof args[0] === 'object') {
    options = Object.assign({}, args[0]);
  } else {
    const host = typeof args[1] === 'string' ? args[1] : undefined;
    const extra = args[host === undefined ? 1 : 2];
    options = Object.assign({}, extra !== null && typeof extra === 'object' ? extra : {}, { port: args[0] });
    if (host !== undefined) options.host = host;
  }
  const host = options.host || 'localhost';
  const ctx = context(false, options);
  const s = new TLSSocket(null, options);
  if (cb) s.once('secureConnect', cb);
  if (options.timeout) s.setTimeout(options.timeout);
  try {
    net.Socket.prototype.connect.call(s, { port: options.port, host });
    tls.start(s._id, ctx, typeof options.servername === 'string' ? options.servername : host,
      options.rejectUnauthorized !== false);
  } finally {
    tls.release(ctx);
  }
  return s;
}

// ---- Server ----
function Server(options, listener) {
  if (!(this instanceof Server)) return new Server(options, listener);
  if (typeof options === 'function') { listener = options; options = {}; }
  options = options || {};
  net.Server.call(this, options);
  this._tlsContext = context(true, options);
  if (listener) this.on('secureConnection', listener);
}
Object.setPrototypeOf(Server.prototype, net.Server.prototype);
Object.setPrototypeOf(Server, net.Server);

Server.prototype._onNative = function (type, a, b) {
  if (type !== 'connection') return net.Server.prototype._onNative.call(this, type, a, b);
  tls.start(a, this._tlsContext, '', false);
  const s = new TLSSocket(null, this._options);
  s._attach(a);
  s.server = this;
  s._tlsServer = this;
  this._connections.add(s);
  this.emit('connection', s);
};

function createServer(options, listener) { return new Server(options, listener); }

// Makes a server of another kind (https) start TLS on every connection.
function secureServer(server, options) {
  server._tlsContext = context(true, options);
  const accept = server._onNative;
  server._onNative = function (type, a, b) {
    if (type === 'connection') tls.start(a, this._tlsContext, '', false);
    return accept.call(this, type, a, b);
  };
}

internal.secureServer = secureServer;
module.exports = { TLSSocket, Server, connect, createServer };
})
