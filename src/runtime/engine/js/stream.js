// stream: Readable, Writable, Duplex, Transform and PassThrough on top of
// EventEmitter, with pipe, pipeline, finished and async iteration; written in
// JavaScript so that packages can subclass them.
(function (native, internal, module, exports) {
'use strict';
const EE = internal.require('events');
const { Buffer } = internal.require('buffer');
const nextTick = (fn, ...args) => process.nextTick(fn, ...args);

function Stream(opts) { EE.call(this, opts); }
Object.setPrototypeOf(Stream.prototype, EE.prototype);
Object.setPrototypeOf(Stream, EE);
Stream.prototype.pipe = function (dest, options) { return Readable.prototype.pipe.call(this, dest, options); };

// ---- Readable ----
function Readable(options) {
  if (!(this instanceof Readable)) return new Readable(options);
  Stream.call(this, options);
  options = options || {};
  const objectMode = !!(options.objectMode || options.readableObjectMode);
  this._readableState = {
    objectMode,
    highWaterMark: options.highWaterMark !== undefined ? options.highWaterMark : objectMode ? 16 : 16384,
    buffer: [], length: 0, flowing: null, ended: false, endEmitted: false, reading: false,
    destroyed: false, errored: null, decoder: null, encoding: null, pipes: [], sync: false,
    emitClose: options.emitClose !== false, autoDestroy: options.autoDestroy !== false, closed: false,
    readingMore: false, needReadable: false, dataEmitted: false,
  };
  if (typeof options.read === 'function') this._read = options.read;
  if (typeof options.destroy === 'function') this._destroy = options.destroy;
  if (typeof options.construct === 'function') this._construct = options.construct;
  if (options.encoding) this.setEncoding(options.encoding);
}
Object.setPrototypeOf(Readable.prototype, Stream.prototype);
Object.setPrototypeOf(Readable, Stream);

Object.defineProperties(Readable.prototype, {
  readable: { get() { const s = this._readableState; return !!s && !s.destroyed && !s.endEmitted; }, set(v) {}, configurable: true },
  readableLength: { get() { return this._readableState.length; } },
  readableEnded: { get() { return this._readableState.endEmitted; } },
  readableFlowing: { get() { return this._readableState.flowing; }, set(v) { this._readableState.flowing = v; } },
  readableObjectMode: { get() { return this._readableState.objectMode; } },
  readableHighWaterMark: { get() { return this._readableState.highWaterMark; } },
  readableEncoding: { get() { return this._readableState.encoding; } },
  destroyed: {
    get() { return this._readableState ? this._readableState.destroyed : (this._writableState ? this._writableState.destroyed : false); },
    set(v) { if (this._readableState) this._readableState.destroyed = v; if (this._writableState) this._writableState.destroyed = v; },
    configurable: true,
  },
});

Readable.prototype._read = function () {
  const e = new Error('The _read() method is not implemented');
  e.code = 'ERR_METHOD_NOT_IMPLEMENTED';
  throw e;
};

Readable.prototype.push = function (chunk, encoding) {
  const s = this._readableState;
  if (chunk === null) {
    s.reading = false;
    if (!s.ended) {
      s.ended = true;
      if (s.decoder) {
        const rest = s.decoder.end();
        if (rest) { s.buffer.push(rest); s.length += rest.length; }
      }
      scheduleFlow(this);
    }
    return false;
  }
  if (s.ended) {
    const e = new Error('stream.push() after EOF');
    e.code = 'ERR_STREAM_PUSH_AFTER_EOF';
    this.destroy(e);
    return false;
  }
  if (!s.objectMode) {
    if (typeof chunk === 'string') {
      if (!s.encoding || (encoding && encoding !== s.encoding)) chunk = Buffer.from(chunk, encoding);
    } else if (chunk instanceof Uint8Array && !(chunk instanceof Buffer)) {
      chunk = Buffer.from(chunk.buffer, chunk.byteOffset, chunk.byteLength);
    } else if (!(chunk instanceof Uint8Array)) {
      const e = new TypeError('The "chunk" argument must be of type string or an instance of Buffer or Uint8Array. Received ' + internal.require('util').inspect(chunk));
      e.code = 'ERR_INVALID_ARG_TYPE';
      this.destroy(e);
      return false;
    }
    if (s.decoder && typeof chunk !== 'string') chunk = s.decoder.write(chunk);
    if (chunk.length === 0 && !s.objectMode) { s.reading = false; return s.length < s.highWaterMark; }
  }
  s.reading = false;
  s.buffer.push(chunk);
  s.length += s.objectMode ? 1 : chunk.length;
  scheduleFlow(this);
  return s.length < s.highWaterMark;
};
Readable.prototype.unshift = function (chunk) {
  const s = this._readableState;
  s.buffer.unshift(chunk);
  s.length += s.objectMode ? 1 : chunk.length;
};

function scheduleFlow(stream) {
  const s = stream._readableState;
  if (s.flowScheduled) return;
  s.flowScheduled = true;
  nextTick(() => { s.flowScheduled = false; flow(stream); });
}

function takeChunk(s) {
  const chunk = s.buffer.shift();
  s.length -= s.objectMode ? 1 : chunk.length;
  return chunk;
}

function flow(stream) {
  const s = stream._readableState;
  if (s.destroyed) return;
  if (s.flowing) {
    while (s.flowing && s.buffer.length > 0) {
      const chunk = takeChunk(s);
      s.dataEmitted = true;
      stream.emit('data', chunk);
    }
  } else if (s.buffer.length > 0 || s.ended) {
    if (!s.readableEmitted && (s.needReadable || stream.listenerCount('readable') > 0)) {
      s.readableEmitted = true;
      stream.emit('readable');
      s.readableEmitted = false;
    }
  }
  if (s.ended && s.buffer.length === 0) { endReadable(stream); return; }
  if (!s.ended && !s.reading && (s.flowing || s.length < s.highWaterMark) && !s.destroyed) {
    if (s.flowing || s.length < s.highWaterMark) maybeRead(stream);
  }
}

function maybeRead(stream) {
  const s = stream._readableState;
  if (s.reading || s.ended || s.destroyed) return;
  if (!s.flowing && s.length >= s.highWaterMark) return;
  if (!s.flowing && stream.listenerCount('readable') === 0 && !s.needReadable) return;
  s.reading = true;
  try {
    stream._read(s.highWaterMark);
  } catch (e) {
    stream.destroy(e);
  }
}

function endReadable(stream) {
  const s = stream._readableState;
  if (s.endEmitted) return;
  s.endEmitted = true;
  nextTick(() => {
    stream.emit('end');
    if (s.autoDestroy) {
      const ws = stream._writableState;
      if (!ws || ws.finished) stream.destroy();
    }
  });
}

Readable.prototype.read = function (n) {
  const s = this._readableState;
  s.needReadable = true;
  if (s.buffer.length === 0) {
    if (s.ended) { endReadable(this); return null; }
    maybeRead(this);
    return null;
  }
  let chunk;
  if (n === undefined || s.objectMode || n >= s.length) {
    if (s.objectMode) chunk = takeChunk(s);
    else {
      chunk = s.encoding ? s.buffer.join('') : Buffer.concat(s.buffer);
      s.buffer = [];
      s.length = 0;
    }
  } else {
    const all = s.encoding ? s.buffer.join('') : Buffer.concat(s.buffer);
    chunk = all.slice(0, n);
    const rest = all.slice(n);
    s.buffer = [rest];
    s.length = rest.length;
  }
  if (s.ended && s.buffer.length === 0) endReadable(this);
  else maybeRead(this);
  return chunk;
};

Readable.prototype.on = function (ev, fn) {
  const res = Stream.prototype.on.call(this, ev, fn);
  const s = this._readableState;
  if (ev === 'data') {
    if (s.flowing !== false) this.resume();
  } else if (ev === 'readable') {
    s.needReadable = true;
    s.flowing = false;
    scheduleFlow(this);
    nextTick(() => maybeRead(this));
  }
  return res;
};
Readable.prototype.addListener = Readable.prototype.on;

Readable.prototype.resume = function () {
  const s = this._readableState;
  if (!s.flowing) {
    s.flowing = true;
    nextTick(() => { flow(this); maybeRead(this); });
    this.emit('resume');
  }
  return this;
};
Readable.prototype.pause = function () {
  const s = this._readableState;
  if (s.flowing !== false) { s.flowing = false; this.emit('pause'); }
  return this;
};
Readable.prototype.isPaused = function () { return this._readableState.flowing === false; };
Readable.prototype.setEncoding = function (enc) {
  const { StringDecoder } = internal.require('string_decoder');
  const s = this._readableState;
  s.decoder = new StringDecoder(enc);
  s.encoding = s.decoder.encoding;
  s.buffer = s.buffer.map((b) => (typeof b === 'string' ? b : s.decoder.write(b)));
  s.length = s.buffer.reduce((a, b) => a + b.length, 0);
  return this;
};

Readable.prototype.pipe = function (dest, options) {
  const src = this;
  const s = src._readableState;
  s.pipes.push(dest);
  const endDest = !options || options.end !== false;
  function ondata(chunk) {
    if (dest.write(chunk) === false) {
      src.pause();
      dest.once('drain', () => src.resume());
    }
  }
  src.on('data', ondata);
  if (endDest && !dest._isStdio) src.once('end', () => dest.end());
  dest.emit('pipe', src);
  src.resume();
  return dest;
};
Readable.prototype.unpipe = function (dest) {
  const s = this._readableState;
  s.pipes = dest ? s.pipes.filter((d) => d !== dest) : [];
  this.removeAllListeners('data');
  return this;
};

Readable.prototype.destroy = function (err, cb) { return destroyStream(this, err, cb); };
Readable.prototype._destroy = function (err, cb) { cb(err); };

Readable.prototype[Symbol.asyncIterator] = function () {
  const stream = this;
  const queue = [];
  let waiting = null;
  let done = false;
  let error = null;
  stream.on('data', (chunk) => {
    if (waiting) { const w = waiting; waiting = null; w.resolve({ value: chunk, done: false }); } else { queue.push(chunk); stream.pause(); }
  });
  stream.once('end', () => { done = true; if (waiting) { const w = waiting; waiting = null; w.resolve({ value: undefined, done: true }); } });
  stream.once('error', (e) => { error = e; if (waiting) { const w = waiting; waiting = null; w.reject(e); } });
  stream.once('close', () => { done = true; if (waiting) { const w = waiting; waiting = null; w.resolve({ value: undefined, done: true }); } });
  return {
    next() {
      if (queue.length) { const v = queue.shift(); if (queue.length === 0) stream.resume(); return Promise.resolve({ value: v, done: false }); }
      if (error) return Promise.reject(error);
      if (done) return Promise.resolve({ value: undefined, done: true });
      stream.resume();
      return new Promise((resolve, reject) => { waiting = { resolve, reject }; });
    },
    return() { stream.destroy(); return Promise.resolve({ value: undefined, done: true }); },
    [Symbol.asyncIterator]() { return this; },
  };
};

Readable.prototype.toArray = async function () {
  const out = [];
  for await (const c of this) out.push(c);
  return out;
};

Readable.from = function (iterable, options) {
  if (typeof iterable === 'string' || iterable instanceof Uint8Array) {
    return new Readable(Object.assign({ objectMode: true, read() { this.push(iterable); this.push(null); } }, options));
  }
  const it = iterable[Symbol.asyncIterator] ? iterable[Symbol.asyncIterator]() : iterable[Symbol.iterator]();
  let busy = false;
  return new Readable(Object.assign({
    objectMode: true,
    read() {
      if (busy) return;
      busy = true;
      Promise.resolve(it.next()).then(({ value, done }) => {
        busy = false;
        if (done) this.push(null);
        else Promise.resolve(value).then((v) => this.push(v));
      }, (e) => this.destroy(e));
    },
  }, options));
};

// ---- Writable ----
function Writable(options) {
  if (!(this instanceof Writable) && !(this instanceof Duplex)) return new Writable(options);
  Stream.call(this, options);
  initWritable(this, options || {});
}
function initWritable(stream, options) {
  const objectMode = !!(options.objectMode || options.writableObjectMode);
  stream._writableState = {
    objectMode, highWaterMark: options.highWaterMark !== undefined ? options.highWaterMark : objectMode ? 16 : 16384,
    length: 0, writing: false, buffer: [], ending: false, ended: false, finished: false, destroyed: false,
    decodeStrings: options.decodeStrings !== false, defaultEncoding: options.defaultEncoding || 'utf8',
    needDrain: false, corked: 0, finalCalled: false, errored: null, emitClose: options.emitClose !== false,
    autoDestroy: options.autoDestroy !== false, pendingcb: 0,
  };
  if (typeof options.write === 'function') stream._write = options.write;
  if (typeof options.writev === 'function') stream._writev = options.writev;
  if (typeof options.final === 'function') stream._final = options.final;
  if (typeof options.destroy === 'function') stream._destroy = options.destroy;
}
Object.setPrototypeOf(Writable.prototype, Stream.prototype);
Object.setPrototypeOf(Writable, Stream);
Object.defineProperty(Writable, Symbol.hasInstance, {
  value(obj) {
    if (Function.prototype[Symbol.hasInstance].call(this, obj)) return true;
    if (this !== Writable) return false;
    return !!(obj && obj._writableState);
  },
});

Object.defineProperties(Writable.prototype, {
  writable: { get() { const w = this._writableState; return !!w && !w.destroyed && !w.ending; }, set(v) {}, configurable: true },
  writableLength: { get() { return this._writableState.length; } },
  writableEnded: { get() { return this._writableState.ending; } },
  writableFinished: { get() { return this._writableState.finished; } },
  writableObjectMode: { get() { return this._writableState.objectMode; } },
  writableHighWaterMark: { get() { return this._writableState.highWaterMark; } },
  writableNeedDrain: { get() { return this._writableState.needDrain; } },
  writableCorked: { get() { return this._writableState.corked; } },
});

Writable.prototype._write = function (chunk, encoding, cb) {
  if (this._writev) this._writev([{ chunk, encoding }], cb);
  else {
    const e = new Error('The _write() method is not implemented');
    e.code = 'ERR_METHOD_NOT_IMPLEMENTED';
    throw e;
  }
};

Writable.prototype.write = function (chunk, encoding, cb) {
  const w = this._writableState;
  if (typeof encoding === 'function') { cb = encoding; encoding = null; }
  if (!encoding) encoding = w.defaultEncoding;
  if (chunk === null) {
    const e = new TypeError('May not write null values to stream');
    e.code = 'ERR_STREAM_NULL_VALUES';
    throw e;
  }
  if (w.ending || w.destroyed) {
    const e = new Error(w.destroyed ? 'Cannot call write after a stream was destroyed' : 'write after end');
    e.code = w.destroyed ? 'ERR_STREAM_DESTROYED' : 'ERR_STREAM_WRITE_AFTER_END';
    nextTick(() => { if (cb) cb(e); this.emit('error', e); });
    return false;
  }
  if (!w.objectMode) {
    if (typeof chunk === 'string') {
      if (w.decodeStrings) { chunk = Buffer.from(chunk, encoding); encoding = 'buffer'; }
    } else if (chunk instanceof Uint8Array) {
      if (!(chunk instanceof Buffer)) chunk = Buffer.from(chunk.buffer, chunk.byteOffset, chunk.byteLength);
      encoding = 'buffer';
    } else {
      const e = new TypeError('The "chunk" argument must be of type string or an instance of Buffer or Uint8Array. Received ' + internal.require('util').inspect(chunk));
      e.code = 'ERR_INVALID_ARG_TYPE';
      throw e;
    }
  }
  const len = w.objectMode ? 1 : chunk.length;
  w.length += len;
  const ret = w.length < w.highWaterMark;
  if (!ret) w.needDrain = true;
  if (w.writing || w.corked) w.buffer.push({ chunk, encoding, cb });
  else doWrite(this, chunk, encoding, cb);
  return ret;
};

function doWrite(stream, chunk, encoding, cb) {
  const w = stream._writableState;
  w.writing = true;
  let sync = true;
  stream._write(chunk, encoding, (err) => {
    const after = () => {
      w.writing = false;
      w.length -= w.objectMode ? 1 : chunk.length;
      if (err) {
        if (cb) cb(err);
        stream.destroy(err);
        return;
      }
      if (cb) cb();
      if (w.buffer.length > 0 && !w.corked) {
        const next = w.buffer.shift();
        doWrite(stream, next.chunk, next.encoding, next.cb);
        return;
      }
      if (w.needDrain && w.length === 0) { w.needDrain = false; stream.emit('drain'); }
      if (w.ending) maybeFinish(stream);
    };
    if (sync) nextTick(after); else after();
  });
  sync = false;
}

Writable.prototype.cork = function () { this._writableState.corked++; };
Writable.prototype.uncork = function () {
  const w = this._writableState;
  if (w.corked) w.corked--;
  if (!w.corked && !w.writing && w.buffer.length) {
    const next = w.buffer.shift();
    doWrite(this, next.chunk, next.encoding, next.cb);
  }
};
Writable.prototype.setDefaultEncoding = function (enc) { this._writableState.defaultEncoding = enc; return this; };

Writable.prototype.end = function (chunk, encoding, cb) {
  const w = this._writableState;
  if (typeof chunk === 'function') { cb = chunk; chunk = null; encoding = null; }
  else if (typeof encoding === 'function') { cb = encoding; encoding = null; }
  if (chunk !== null && chunk !== undefined) this.write(chunk, encoding);
  if (w.corked) { w.corked = 1; this.uncork(); }
  if (typeof cb === 'function') {
    if (w.finished) nextTick(cb);
    else this.once('finish', cb);
  }
  if (!w.ending) {
    w.ending = true;
    maybeFinish(this);
  }
  return this;
};

function maybeFinish(stream) {
  const w = stream._writableState;
  if (!w.ending || w.writing || w.buffer.length > 0 || w.finished || w.finalCalled || w.destroyed) return;
  w.finalCalled = true;
  const done = (err) => {
    if (err) { stream.destroy(err); return; }
    nextTick(() => {
      w.finished = true;
      stream.emit('finish');
      if (w.autoDestroy) {
        const rs = stream._readableState;
        if (!rs || rs.endEmitted || rs.destroyed) stream.destroy();
      }
    });
  };
  if (typeof stream._final === 'function') {
    try { stream._final(done); } catch (e) { done(e); }
  } else {
    done();
  }
}

Writable.prototype.destroy = function (err, cb) { return destroyStream(this, err, cb); };
Writable.prototype._destroy = function (err, cb) { cb(err); };

function destroyStream(stream, err, cb) {
  const r = stream._readableState, w = stream._writableState;
  if ((r && r.destroyed) || (w && w.destroyed)) {
    if (typeof cb === 'function') cb(err);
    return stream;
  }
  if (r) r.destroyed = true;
  if (w) w.destroyed = true;
  stream._destroy(err || null, (e) => {
    nextTick(() => {
      if (e) {
        if (r) r.errored = e;
        if (w) w.errored = e;
        stream.emit('error', e);
      }
      const emitClose = (r ? r.emitClose : true) && (w ? w.emitClose : true);
      if (r) r.closed = true;
      if (w) w.closed = true;
      if (emitClose) stream.emit('close');
    });
    if (typeof cb === 'function') cb(e);
  });
  return stream;
}

// ---- Duplex, Transform, PassThrough ----
function Duplex(options) {
  if (!(this instanceof Duplex)) return new Duplex(options);
  Readable.call(this, options);
  initWritable(this, options || {});
  // Deferred, so that an 'end' listener can still write its last words.
  if (options && options.allowHalfOpen === false) this.once('end', () => nextTick(() => this.end()));
}
Object.setPrototypeOf(Duplex.prototype, Readable.prototype);
Object.setPrototypeOf(Duplex, Readable);
for (const key of Object.getOwnPropertyNames(Writable.prototype)) {
  if (key === 'constructor' || key === 'destroy' || key === '_destroy' || key === 'destroyed') continue;
  if (!Object.prototype.hasOwnProperty.call(Duplex.prototype, key)) {
    Object.defineProperty(Duplex.prototype, key, Object.getOwnPropertyDescriptor(Writable.prototype, key));
  }
}

function Transform(options) {
  if (!(this instanceof Transform)) return new Transform(options);
  Duplex.call(this, options);
  if (options) {
    if (typeof options.transform === 'function') this._transform = options.transform;
    if (typeof options.flush === 'function') this._flush = options.flush;
  }
  this._transformCallback = null;
}
Object.setPrototypeOf(Transform.prototype, Duplex.prototype);
Object.setPrototypeOf(Transform, Duplex);
Transform.prototype._transform = function () {
  const e = new Error('The _transform() method is not implemented');
  e.code = 'ERR_METHOD_NOT_IMPLEMENTED';
  throw e;
};
Transform.prototype._write = function (chunk, encoding, cb) {
  this._transform(chunk, encoding, (err, data) => {
    if (err) { cb(err); return; }
    if (data !== undefined && data !== null) this.push(data);
    cb();
  });
};
Transform.prototype._final = function (cb) {
  const done = (err, data) => {
    if (err) { cb(err); return; }
    if (data !== undefined && data !== null) this.push(data);
    this.push(null);
    cb();
  };
  if (typeof this._flush === 'function') this._flush(done);
  else done();
};
Transform.prototype._read = function () {};

function PassThrough(options) {
  if (!(this instanceof PassThrough)) return new PassThrough(options);
  Transform.call(this, options);
}
Object.setPrototypeOf(PassThrough.prototype, Transform.prototype);
Object.setPrototypeOf(PassThrough, Transform);
PassThrough.prototype._transform = function (chunk, encoding, cb) { cb(null, chunk); };

// ---- finished and pipeline ----
function finished(stream, opts, callback) {
  if (typeof opts === 'function') { callback = opts; opts = {}; }
  let called = false;
  const done = (err) => { if (!called) { called = true; cleanup(); callback.call(stream, err); } };
  const onend = () => done();
  const onfinish = () => { if (!stream._readableState || stream._readableState.endEmitted || !stream.readable) done(); };
  const onerror = (err) => done(err);
  const onclose = () => {
    const r = stream._readableState, w = stream._writableState;
    if ((r && !r.endEmitted && !r.ended) || (w && !w.finished && !w.ending)) {
      const e = new Error('Premature close');
      e.code = 'ERR_STREAM_PREMATURE_CLOSE';
      done(e);
    } else done();
  };
  function cleanup() {
    stream.removeListener('end', onend);
    stream.removeListener('finish', onfinish);
    stream.removeListener('error', onerror);
    stream.removeListener('close', onclose);
  }
  stream.on('end', onend);
  stream.on('finish', onfinish);
  stream.on('error', onerror);
  stream.on('close', onclose);
  return cleanup;
}

function pipeline(...streams) {
  const callback = typeof streams[streams.length - 1] === 'function' ? streams.pop() : null;
  if (Array.isArray(streams[0])) streams = streams[0];
  let error = null;
  let remaining = streams.length;
  const finish = (err) => {
    if (err && !error) {
      error = err;
      for (const s of streams) if (typeof s.destroy === 'function') s.destroy();
    }
    if (--remaining === 0 || (err && remaining >= 0)) {
      if (callback && (remaining === 0 || err)) {
        const cb = callbackOnce;
        cb(error || undefined);
      }
    }
  };
  let callbackCalled = false;
  const callbackOnce = (err) => { if (!callbackCalled && callback) { callbackCalled = true; callback(err); } };
  for (let i = 0; i < streams.length; i++) {
    const s = streams[i];
    if (i < streams.length - 1) s.pipe(streams[i + 1]);
    finished(s, { readable: i < streams.length - 1, writable: i > 0 }, (err) => finish(err));
  }
  return streams[streams.length - 1];
}

const promises = {
  pipeline: (...streams) => new Promise((resolve, reject) => pipeline(...streams, (err) => (err ? reject(err) : resolve()))),
  finished: (stream, opts) => new Promise((resolve, reject) => finished(stream, opts || {}, (err) => (err ? reject(err) : resolve()))),
};

module.exports = Stream;
Object.assign(Stream, { Stream, Readable, Writable, Duplex, Transform, PassThrough, finished, pipeline, promises });
Stream.isReadable = (s) => !!(s && s._readableState && !s._readableState.destroyed);
Stream.isErrored = (s) => !!(s && ((s._readableState && s._readableState.errored) || (s._writableState && s._writableState.errored)));
})
