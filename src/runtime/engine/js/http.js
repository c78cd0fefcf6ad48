// http: HTTP/1.1 servers and clients as Node's objects, on the net module's
// sockets and the process's HTTP parser (native.net.parser*). Requests and
// responses that are read are Readable streams; the ones written are
// Streams with Node's header and framing rules (Content-Length when the
// whole body is known, chunked otherwise, keep-alive by default).
(function (native, internal, module, exports) {
'use strict';
const net = internal.require('net');
const { Stream, Readable } = internal.require('stream');
const { Buffer } = internal.require('buffer');
const tcp = native.net;

const STATUS_CODES = {
  100: 'Continue', 101: 'Switching Protocols', 102: 'Processing', 103: 'Early Hints',
  200: 'OK', 201: 'Created', 202: 'Accepted', 203: 'Non-Authoritative Information', 204: 'No Content',
  205: 'Reset Content', 206: 'Partial Content', 207: 'Multi-Status', 208: 'Already Reported', 226: 'IM Used',
  300: 'Multiple Choices', 301: 'Moved Permanently', 302: 'Found', 303: 'See Other', 304: 'Not Modified',
  305: 'Use Proxy', 307: 'Temporary Redirect', 308: 'Permanent Redirect',
  400: 'Bad Request', 401: 'Unauthorized', 402: 'Payment Required', 403: 'Forbidden', 404: 'Not Found',
  405: 'Method Not Allowed', 406: 'Not Acceptable', 407: 'Proxy Authentication Required', 408: 'Request Timeout',
  409: 'Conflict', 410: 'Gone', 411: 'Length Required', 412: 'Precondition Failed', 413: 'Payload Too Large',
  414: 'URI Too Long', 415: 'Unsupported Media Type', 416: 'Range Not Satisfiable', 417: 'Expectation Failed',
  418: "I'm a Teapot", 421: 'Misdirected Request', 422: 'Unprocessable Entity', 423: 'Locked', 424: 'Failed Dependency',
  425: 'Too Early', 426: 'Upgrade Required', 428: 'Precondition Required', 429: 'Too Many Requests',
  431: 'Request Header Fields Too Large', 451: 'Unavailable For Legal Reasons',
  500: 'Internal Server Error', 501: 'Not Implemented', 502: 'Bad Gateway', 503: 'Service Unavailable',
  504: 'Gateway Timeout', 505: 'HTTP Version Not Supported', 506: 'Variant Also Negotiates', 507: 'Insufficient Storage',
  508: 'Loop Detected', 509: 'Bandwidth Limit Exceeded', 510: 'Not Extended', 511: 'Network Authentication Required',
};
const METHODS = ['ACL', 'BIND', 'CHECKOUT', 'CONNECT', 'COPY', 'DELETE', 'GET', 'HEAD', 'LINK', 'LOCK', 'M-SEARCH',
  'MERGE', 'MKACTIVITY', 'MKCALENDAR', 'MKCOL', 'MOVE', 'NOTIFY', 'OPTIONS', 'PATCH', 'POST', 'PROPFIND',
  'PROPPATCH', 'PURGE', 'PUT', 'QUERY', 'REBIND', 'REPORT', 'SEARCH', 'SOURCE', 'SUBSCRIBE', 'TRACE', 'UNBIND',
  'UNLINK', 'UNLOCK', 'UNSUBSCRIBE'];

function codedError(Ctor, code, message) {
  const e = new Ctor(message);
  e.code = code;
  return e;
}

// ---- messages read from the wire ----
function IncomingMessage(socket) {
  Readable.call(this);
  this.socket = socket;
  this.httpVersionMajor = 1;
  this.httpVersionMinor = 1;
  this.httpVersion = '1.1';
  this.headers = {};
  this.rawHeaders = [];
  this.trailers = {};
  this.rawTrailers = [];
  this.complete = false;
  this.aborted = false;
  this.method = null;
  this.url = '';
  this.statusCode = null;
  this.statusMessage = null;
}
Object.setPrototypeOf(IncomingMessage.prototype, Readable.prototype);
Object.setPrototypeOf(IncomingMessage, Readable);
Object.defineProperty(IncomingMessage.prototype, 'connection', { get() { return this.socket; }, configurable: true });
IncomingMessage.prototype._read = function () {};
IncomingMessage.prototype.setTimeout = function (ms, cb) { if (this.socket) this.socket.setTimeout(ms, cb); return this; };

// Repeated headers: set-cookie collects, most others join with ", ", and
// the ones that can only be given once keep the first.
const singleHeaders = new Set(['age', 'authorization', 'content-length', 'content-type', 'etag', 'expires', 'from',
  'host', 'if-modified-since', 'if-unmodified-since', 'last-modified', 'location', 'max-forwards',
  'proxy-authorization', 'referer', 'retry-after', 'server', 'user-agent']);
function applyHead(msg, head) {
  msg.httpVersionMajor = head.versionMajor;
  msg.httpVersionMinor = head.versionMinor;
  msg.httpVersion = `${head.versionMajor}.${head.versionMinor}`;
  msg.rawHeaders = head.rawHeaders;
  const h = {};
  for (let i = 0; i < head.rawHeaders.length; i += 2) {
    const key = head.rawHeaders[i].toLowerCase(), value = head.rawHeaders[i + 1];
    if (!(key in h)) h[key] = key === 'set-cookie' ? [value] : value;
    else if (key === 'set-cookie') h[key].push(value);
    else if (!singleHeaders.has(key)) h[key] += (key === 'cookie' ? '; ' : ', ') + value;
  }
  msg.headers = h;
}

// ---- messages written to the wire ----
function OutgoingMessage() {
  Stream.call(this);
  this._headers = new Map();  // lower-case name -> [name as given, value]
  this.headersSent = false;
  this.finished = false;
  this.writableEnded = false;
  this.writableFinished = false;
  this.sendDate = false;
  this.chunkedEncoding = false;
  this.useChunkedEncodingByDefault = true;
  this.socket = null;
  this._hasBody = true;
  this._keepAlive = true;
  this._out = [];  // bytes waiting for the socket (the message before this one is not done)
  this._attached = false;
}
Object.setPrototypeOf(OutgoingMessage.prototype, Stream.prototype);
Object.setPrototypeOf(OutgoingMessage, Stream);
Object.defineProperty(OutgoingMessage.prototype, 'connection', { get() { return this.socket; }, configurable: true });

function checkHeaderName(name) {
  if (typeof name !== 'string' || !/^[!#$%&'*+\-.^_`|~0-9A-Za-z]+$/.test(name)) {
    throw codedError(TypeError, 'ERR_INVALID_HTTP_TOKEN', `Header name must be a valid HTTP token ["${name}"]`);
  }
}
function checkHeaderValue(name, value) {
  if (value === undefined) throw codedError(TypeError, 'ERR_HTTP_INVALID_HEADER_VALUE', `Invalid value "undefined" for header "${name}"`);
  if (/[\r\n]/.test(Array.isArray(value) ? value.join('') : String(value))) {
    throw codedError(TypeError, 'ERR_INVALID_CHAR', `Invalid character in header content ["${name}"]`);
  }
}
OutgoingMessage.prototype.setHeader = function (name, value) {
  if (this.headersSent) throw codedError(Error, 'ERR_HTTP_HEADERS_SENT', 'Cannot set headers after they are sent to the client');
  checkHeaderName(name);
  checkHeaderValue(name, value);
  this._headers.set(name.toLowerCase(), [name, value]);
  return this;
};
OutgoingMessage.prototype.appendHeader = function (name, value) {
  const old = this.getHeader(name);
  if (old === undefined) return this.setHeader(name, value);
  return this.setHeader(name, [].concat(old, value));
};
OutgoingMessage.prototype.getHeader = function (name) {
  const e = this._headers.get(String(name).toLowerCase());
  return e ? e[1] : undefined;
};
OutgoingMessage.prototype.hasHeader = function (name) { return this._headers.has(String(name).toLowerCase()); };
OutgoingMessage.prototype.removeHeader = function (name) {
  if (this.headersSent) throw codedError(Error, 'ERR_HTTP_HEADERS_SENT', 'Cannot remove headers after they are sent to the client');
  this._headers.delete(String(name).toLowerCase());
};
OutgoingMessage.prototype.getHeaders = function () {
  const o = Object.create(null);
  for (const [key, [, value]] of this._headers) o[key] = value;
  return o;
};
OutgoingMessage.prototype.getHeaderNames = function () { return [...this._headers.keys()]; };
OutgoingMessage.prototype.getRawHeaderNames = function () { return [...this._headers.values()].map((e) => e[0]); };
OutgoingMessage.prototype.flushHeaders = function () { if (!this.headersSent) this._sendHead(null); };
OutgoingMessage.prototype.setTimeout = function (ms, cb) { if (this.socket) this.socket.setTimeout(ms, cb); return this; };

function toBuffer(chunk, encoding) {
  if (typeof chunk === 'string') return Buffer.from(chunk, encoding || 'utf8');
  if (chunk instanceof Uint8Array) return chunk instanceof Buffer ? chunk : Buffer.from(chunk.buffer, chunk.byteOffset, chunk.byteLength);
  throw codedError(TypeError, 'ERR_INVALID_ARG_TYPE',
    'The "chunk" argument must be of type string or an instance of Buffer or Uint8Array. Received ' + internal.require('util').inspect(chunk));
}

// The head: the first line, the user's headers in their order, then the
// ones this side adds (Date, Connection, Keep-Alive, the body's framing).
// `body` is the whole body when end() is the first write, else null.
OutgoingMessage.prototype._sendHead = function (body) {
  let text = this._firstLine();
  for (const [name, value] of this._headers.values()) {
    if (Array.isArray(value)) for (const v of value) text += `${name}: ${v}\r\n`;
    else text += `${name}: ${value}\r\n`;
  }
  if (this.sendDate && !this._headers.has('date')) text += `Date: ${new Date().toUTCString()}\r\n`;
  const conn = this._headers.get('connection');
  if (conn && /close/i.test(String(conn[1]))) this._keepAlive = false;
  if (!conn) {
    text += this._keepAlive ? 'Connection: keep-alive\r\n' : 'Connection: close\r\n';
    if (this._keepAlive && this._isResponse) text += 'Keep-Alive: timeout=5\r\n';
  }
  if (this._hasBody && !this._headers.has('content-length') && !this._headers.has('transfer-encoding')) {
    if (body !== null) {
      if (body.length > 0 || this._lengthWhenEmpty) text += `Content-Length: ${body.length}\r\n`;
    } else if (this._chunkOk) {
      text += 'Transfer-Encoding: chunked\r\n';
      this.chunkedEncoding = true;
    } else {
      this._keepAlive = false;
    }
  } else if (this._headers.has('transfer-encoding')) {
    this.chunkedEncoding = /chunked/i.test(String(this._headers.get('transfer-encoding')[1]));
  }
  this.headersSent = true;
  this._send(Buffer.from(text + '\r\n', 'latin1'));
};

OutgoingMessage.prototype._send = function (buf) {
  if (this._attached && this.socket && !this.socket.destroyed) return this.socket.write(buf);
  this._out.push(buf);
  return false;
};

// The socket is this message's now: what was written before goes out.
OutgoingMessage.prototype._attach = function (socket) {
  this.socket = socket;
  this._attached = true;
  for (const b of this._out.splice(0)) socket.write(b);
  if (this._ended) this._done();
};

OutgoingMessage.prototype.write = function (chunk, encoding, cb) {
  if (typeof encoding === 'function') { cb = encoding; encoding = undefined; }
  if (this.writableEnded) {
    const e = codedError(Error, 'ERR_STREAM_WRITE_AFTER_END', 'write after end');
    process.nextTick(() => { if (cb) cb(e); this.emit('error', e); });
    return false;
  }
  if (chunk === null || chunk === undefined) throw codedError(TypeError, 'ERR_STREAM_NULL_VALUES', 'May not write null values to stream');
  const buf = toBuffer(chunk, encoding);
  if (!this.headersSent) this._sendHead(null);
  let ok = true;
  if (this._hasBody && buf.length > 0) {
    if (this.chunkedEncoding) ok = this._send(Buffer.concat([Buffer.from(buf.length.toString(16) + '\r\n'), buf, Buffer.from('\r\n')]));
    else ok = this._send(buf);
  }
  if (cb) process.nextTick(cb);
  return ok || !this._attached;
};

OutgoingMessage.prototype.end = function (chunk, encoding, cb) {
  if (typeof chunk === 'function') { cb = chunk; chunk = undefined; }
  else if (typeof encoding === 'function') { cb = encoding; encoding = undefined; }
  if (this.writableEnded) { if (cb) process.nextTick(cb); return this; }
  const buf = chunk === undefined || chunk === null ? Buffer.alloc(0) : toBuffer(chunk, encoding);
  if (!this.headersSent) {
    this._sendHead(buf);
    if (this._hasBody && buf.length > 0) this._send(buf);
  } else if (buf.length > 0) {
    this.write(buf);
  }
  if (this.chunkedEncoding && this._hasBody) this._send(Buffer.from('0\r\n\r\n'));
  this.writableEnded = true;
  this.finished = true;
  this._ended = true;
  if (cb) this.once('finish', cb);
  if (this._attached) this._done();
  return this;
};

// ---- the server ----
function ServerResponse(req) {
  OutgoingMessage.call(this);
  this.req = req;
  this.statusCode = 200;
  this.statusMessage = undefined;
  this.sendDate = true;
  this._isResponse = true;
  this._lengthWhenEmpty = true;
  this._keepAlive = req._keepAlive;
  this._chunkOk = req.httpVersionMinor >= 1 || req.httpVersionMajor > 1;
  if (req.method === 'HEAD') this._hasBody = false;
}
Object.setPrototypeOf(ServerResponse.prototype, OutgoingMessage.prototype);
Object.setPrototypeOf(ServerResponse, OutgoingMessage);

ServerResponse.prototype._firstLine = function () {
  const code = this.statusCode | 0;
  if (code < 100 || code > 999) throw codedError(RangeError, 'ERR_HTTP_INVALID_STATUS_CODE', `Invalid status code: ${this.statusCode}`);
  if (code === 204 || code === 304 || (code >= 100 && code < 200)) this._hasBody = false;
  const msg = this.statusMessage === undefined ? STATUS_CODES[code] || 'unknown' : this.statusMessage;
  return `HTTP/1.1 ${code} ${msg}\r\n`;
};

// The head is fixed here: a body given to end() afterwards goes chunked
// unless a Content-Length was set.
ServerResponse.prototype.writeHead = function (statusCode, reason, headers) {
    if (this.headersSent) throw codedError(Error, 'ERR_HTTP_HEADERS_SENT', 'Cannot write headers after they are sent to the client');
    if (typeof reason !== 'string') { headers = reason; reason = undefined; }
    this.statusCode = statusCode;
    if (reason !== undefined) this.statusMessage = reason;
    if (Array.isArray(headers)) {
      for (let i = 0; i + 1 < headers.length; i += 2) this.setHeader(headers[i], headers[i + 1]);
    } else if (headers) {
      for (const k of Object.keys(headers)) if (headers[k] !== undefined) this.setHeader(k, headers[k]);
    }
    this._sendHead(null);
    return this;
};
Object.defineProperty(ServerResponse.prototype, 'writableFinished', { get() { return !!this._finished; }, set() {}, configurable: true });

ServerResponse.prototype._done = function () {
  if (this._finished) return;
  this._finished = true;
  const conn = this._conn;
  process.nextTick(() => this.emit('finish'));
  if (conn) conn.responseDone(this);
};

// One connection's state: its parser, the request being read and the
// responses in the order their requests came (pipelining).
function Connection(server, socket) {
  this.server = server;
  this.socket = socket;
  this.parser = tcp.parserNew(false);
  this.req = null;
  this.queue = [];
  this.closing = false;
  socket.on('data', (d) => this.feed(d));
  socket.on('end', () => { this.closing = true; if (this.queue.length === 0) socket.end(); });
  socket.on('error', (e) => { if (server.listenerCount('clientError') > 0) server.emit('clientError', e, socket); });
  socket.on('close', () => {
    tcp.parserControl(this.parser, 'free');
    server._httpConnections.delete(this);
    if (this.req && !this.req.complete) { this.req.aborted = true; this.req.emit('aborted'); this.req.destroy(); }
    for (const res of this.queue) { res.emit('close'); }
    this.queue = [];
  });
}
Connection.prototype.idle = function () { return this.queue.length === 0 && !this.req; };
Connection.prototype.feed = function (data) {
  const events = tcp.parserFeed(this.parser, data);
  for (let i = 1; i < events.length; i++) {
    const [type, value] = events[i];
    if (type === 'head') this.onHead(value);
    else if (type === 'body') this.req.push(Buffer.from(value));
    else if (type === 'complete') { const req = this.req; this.req = null; req.complete = true; req.push(null); }
  }
  if (events[0] !== '') this.badRequest(Number(events[0]));
};
Connection.prototype.badRequest = function (code) {
  const socket = this.socket;
  if (this.server.listenerCount('clientError') > 0) {
    const e = codedError(Error, code === 431 ? 'HPE_HEADER_OVERFLOW' : 'HPE_INVALID_CONSTANT', 'Parse Error');
    this.server.emit('clientError', e, socket);
    return;
  }
  if (socket.writable) socket.end(`HTTP/1.1 ${code} ${STATUS_CODES[code]}\r\nConnection: close\r\n\r\n`);
};
Connection.prototype.onHead = function (head) {
  const req = new IncomingMessage(this.socket);
  req.method = head.method;
  req.url = head.url;
  applyHead(req, head);
  req._keepAlive = head.keepAlive;
  this.req = req;
  const res = new ServerResponse(req);
  res._conn = this;
  this.queue.push(res);
  if (this.queue.length === 1) res._attach(this.socket);
  else res.socket = this.socket;
  this.server.emit('request', req, res);
};
Connection.prototype.responseDone = function (res) {
  if (this.queue[0] !== res) return;
  this.queue.shift();
  if (!res._keepAlive) { this.closing = true; this.queue.forEach((r) => r.emit('close')); this.queue = []; }
  process.nextTick(() => res.emit('close'));
  if (this.closing) { this.socket.end(); return; }
  if (this.queue.length > 0) this.queue[0]._attach(this.socket);
  else if (this.server._closing) this.socket.end();
};

function Server(options, handler) {
  if (!(this instanceof Server)) return new Server(options, handler);
  if (typeof options === 'function') { handler = options; options = {}; }
  net.Server.call(this, options || {});
  this._httpConnections = new Set();
  this._closing = false;
  this.timeout = 0;
  this.keepAliveTimeout = 5000;
  this.headersTimeout = 60000;
  this.requestTimeout = 300000;
  this.maxHeadersCount = null;
  if (handler) this.on('request', handler);
  this.on('connection', (socket) => this._httpConnections.add(new Connection(this, socket)));
}
Object.setPrototypeOf(Server.prototype, net.Server.prototype);
Object.setPrototypeOf(Server, net.Server);
Server.prototype.close = function (cb) {
  this._closing = true;
  this.closeIdleConnections();
  return net.Server.prototype.close.call(this, cb);
};
Server.prototype.closeIdleConnections = function () {
  for (const c of this._httpConnections) if (c.idle()) c.socket.destroy();
};
Server.prototype.closeAllConnections = function () {
  for (const c of this._httpConnections) c.socket.destroy();
};
Server.prototype.setTimeout = function (ms, cb) { this.timeout = ms; if (cb) this.on('timeout', cb); return this; };

function createServer(options, handler) { return new Server(options, handler); }

// ---- the client ----
function Agent(options) {
  if (!(this instanceof Agent)) return new Agent(options);
  internal.require('events').call(this);
  this.options = Object.assign({}, options);
  this.keepAlive = !!this.options.keepAlive;
  this.maxSockets = this.options.maxSockets || Infinity;
  this.requests = {};
  this.sockets = {};
  this.freeSockets = {};
}
Object.setPrototypeOf(Agent.prototype, internal.require('events').prototype);
Agent.prototype.destroy = function () {};
const globalAgent = new Agent();

// How a client reaches its server: https gives its own (TLS) transport.
const plainTransport = { protocol: 'http:', defaultPort: 80, connect: (o) => net.connect({ port: o.port, host: o.host }) };

function ClientRequest(input, options, cb, transport) {
  OutgoingMessage.call(this);
  transport = transport || plainTransport;
  if (typeof input === 'string' || input instanceof URL) {
    const u = input instanceof URL ? input : new URL(input);
    if (u.protocol !== transport.protocol) {
      throw codedError(TypeError, 'ERR_INVALID_PROTOCOL', `Protocol "${u.protocol}" not supported. Expected "${transport.protocol}"`);
    }
    const fromUrl = { protocol: u.protocol, hostname: u.hostname.replace(/^\[|\]$/g, ''), port: u.port, path: u.pathname + u.search };
    if (typeof options === 'function') { cb = options; options = {}; }
    options = Object.assign(fromUrl, options);
  } else {
    cb = options;
    options = Object.assign({}, input);
  }
  this.method = String(options.method || 'GET').toUpperCase();
  this.host = options.hostname || options.host || 'localhost';
  this.port = Number(options.port) || transport.defaultPort;
  this.path = options.path || '/';
  this.protocol = transport.protocol;
  this.aborted = false;
  this.reusedSocket = false;
  this._isResponse = false;
  this._chunkOk = true;
  this._keepAlive = false;
  this._lengthWhenEmpty = !['GET', 'HEAD', 'DELETE', 'OPTIONS', 'TRACE', 'CONNECT'].includes(this.method);
  const headers = options.headers || {};
  if (Array.isArray(headers)) {
    for (let i = 0; i + 1 < headers.length; i += 2) this.setHeader(headers[i], headers[i + 1]);
  } else {
    for (const k of Object.keys(headers)) this.setHeader(k, headers[k]);
  }
  if (!this.hasHeader('host')) {
    const h = this.host.includes(':') ? `[${this.host}]` : this.host;
    this.setHeader('Host', this.port === transport.defaultPort ? h : `${h}:${this.port}`);
  }
  if (options.timeout) this._timeout = options.timeout;
  if (typeof cb === 'function') this.once('response', cb);
  const socket = transport.connect(Object.assign({}, options, { port: this.port, host: this.host }));
  this.socket = socket;
  if (this._timeout) socket.setTimeout(this._timeout, () => this.emit('timeout'));
  this._parser = tcp.parserNew(true);
  if (this.method === 'HEAD') tcp.parserControl(this._parser, 'nobody');
  this.res = null;
  socket.on('connect', () => { this._attach(socket); });
  process.nextTick(() => this.emit('socket', socket));
  socket.on('data', (d) => this._feed(d));
  socket.on('end', () => {
    const whole = tcp.parserControl(this._parser, 'finish');
    if (this.res && !this.res.complete && whole) { this.res.complete = true; this.res.push(null); }
    if (!this.res || !this.res.complete) this._fail(codedError(Error, 'ECONNRESET', 'socket hang up'));
  });
  socket.on('error', (e) => this._fail(e));
  socket.on('close', () => {
    tcp.parserControl(this._parser, 'free');
    if (!this.res && !this._failed) this._fail(codedError(Error, 'ECONNRESET', 'socket hang up'));
    this.emit('close');
  });
}
Object.setPrototypeOf(ClientRequest.prototype, OutgoingMessage.prototype);
Object.setPrototypeOf(ClientRequest, OutgoingMessage);

ClientRequest.prototype._firstLine = function () { return `${this.method} ${this.path} HTTP/1.1\r\n`; };
ClientRequest.prototype._done = function () { process.nextTick(() => this.emit('finish')); };
ClientRequest.prototype._fail = function (e) {
  if (this._failed || (this.res && this.res.complete)) return;
  this._failed = true;
  if (this.res) { this.res.aborted = true; this.res.emit('aborted'); this.res.destroy(e); return; }
  this.emit('error', e);
};
ClientRequest.prototype._feed = function (data) {
  const events = tcp.parserFeed(this._parser, data);
  for (let i = 1; i < events.length; i++) {
    const [type, value] = events[i];
    if (type === 'head') {
      if (value.status >= 100 && value.status < 200 && value.status !== 101) continue;
      const res = new IncomingMessage(this.socket);
      res.statusCode = value.status;
      res.statusMessage = value.reason;
      res.req = this;
      applyHead(res, value);
      this.res = res;
      if (this.listenerCount('response') > 0) this.emit('response', res);
      else res.resume();
    } else if (type === 'body') {
      this.res.push(Buffer.from(value));
    } else if (type === 'complete') {
      this.res.complete = true;
      this.res.push(null);
      this.socket.end();
    }
  }
  if (events[0] !== '') this._fail(codedError(Error, 'HPE_INVALID_CONSTANT', 'Parse Error'));
};
ClientRequest.prototype.abort = function () { this.aborted = true; this.destroy(); };
ClientRequest.prototype.destroy = function (err) {
  this.destroyed = true;
  if (err) this._fail(err);
  else this._failed = this._failed || !this.res;
  this.socket.destroy();
  return this;
};
ClientRequest.prototype.setNoDelay = function () { this.socket.setNoDelay(); };
ClientRequest.prototype.setSocketKeepAlive = function () {};

function request(input, options, cb) { return new ClientRequest(input, options, cb); }
function get(input, options, cb) {
  const req = request(input, options, cb);
  req.end();
  return req;
}

module.exports = {
  METHODS, STATUS_CODES, Agent, globalAgent, ClientRequest, IncomingMessage, OutgoingMessage, Server,
  ServerResponse, createServer, request, get, maxHeaderSize: 16384,
  validateHeaderName: checkHeaderName, validateHeaderValue: checkHeaderValue,
};
})
