// events: EventEmitter as Node has it, in JavaScript so that packages can
// subclass it and patch its prototype.
(function (native, internal, module, exports) {
'use strict';

const kCapture = Symbol('kCapture');

function EventEmitter(opts) {
  EventEmitter.init.call(this, opts);
}
EventEmitter.prototype._events = undefined;
EventEmitter.prototype._eventsCount = 0;
EventEmitter.prototype._maxListeners = undefined;

let defaultMaxListeners = 10;
Object.defineProperty(EventEmitter, 'defaultMaxListeners', {
  enumerable: true,
  get() { return defaultMaxListeners; },
  set(arg) {
    if (typeof arg !== 'number' || arg < 0 || Number.isNaN(arg)) {
      throw new RangeError('The value of "defaultMaxListeners" is out of range. It must be a non-negative number. Received ' + arg);
    }
    defaultMaxListeners = arg;
  },
});
EventEmitter.errorMonitor = Symbol('events.errorMonitor');
EventEmitter.captureRejectionSymbol = Symbol.for('nodejs.rejection');

EventEmitter.init = function (opts) {
  if (this._events === undefined || this._events === Object.getPrototypeOf(this)._events) {
    this._events = Object.create(null);
    this._eventsCount = 0;
  }
  this._maxListeners = this._maxListeners || undefined;
  if (opts && opts.captureRejections) this[kCapture] = true;
};

function checkListener(listener) {
  if (typeof listener !== 'function') {
    const e = new TypeError('The "listener" argument must be of type function. Received ' +
      internal.require('util').inspect(listener));
    e.code = 'ERR_INVALID_ARG_TYPE';
    throw e;
  }
}

EventEmitter.prototype.setMaxListeners = function setMaxListeners(n) {
  this._maxListeners = n;
  return this;
};
function getMaxListeners(that) {
  return that._maxListeners === undefined ? defaultMaxListeners : that._maxListeners;
}
EventEmitter.prototype.getMaxListeners = function getMaxListeners_() { return getMaxListeners(this); };

EventEmitter.prototype.emit = function emit(type, ...args) {
  let doError = type === 'error';
  const events = this._events;
  if (events !== undefined) {
    if (doError && events[EventEmitter.errorMonitor] !== undefined) this.emit(EventEmitter.errorMonitor, ...args);
    doError = doError && events.error === undefined;
  } else if (!doError) {
    return false;
  }
  if (doError) {
    let er = args.length > 0 ? args[0] : undefined;
    if (er instanceof Error) throw er;
    const util = internal.require('util');
    const err = new Error('Unhandled error. (' + util.inspect(er) + ')');
    err.code = 'ERR_UNHANDLED_ERROR';
    err.context = er;
    throw err;
  }
  const handler = events[type];
  if (handler === undefined) return false;
  if (typeof handler === 'function') {
    Reflect.apply(handler, this, args);
  } else {
    const listeners = handler.slice();
    for (let i = 0; i < listeners.length; ++i) Reflect.apply(listeners[i], this, args);
  }
  return true;
};

function addListener(target, type, listener, prepend) {
  checkListener(listener);
  let events = target._events;
  if (events === undefined) {
    events = target._events = Object.create(null);
    target._eventsCount = 0;
  } else {
    if (events.newListener !== undefined) {
      target.emit('newListener', type, listener.listener ? listener.listener : listener);
      events = target._events;
    }
  }
  let existing = events[type];
  if (existing === undefined) {
    events[type] = listener;
    ++target._eventsCount;
  } else {
    if (typeof existing === 'function') {
      existing = events[type] = prepend ? [listener, existing] : [existing, listener];
    } else if (prepend) {
      existing.unshift(listener);
    } else {
      existing.push(listener);
    }
    const m = getMaxListeners(target);
    if (m > 0 && existing.length > m && !existing.warned) {
      existing.warned = true;
      const w = new Error(`Possible EventEmitter memory leak detected. ${existing.length} ${String(type)} listeners added to ${target.constructor.name === 'EventEmitter' ? '[EventEmitter]' : '[' + target.constructor.name + ']'}. Use emitter.setMaxListeners() to increase limit`);
      w.name = 'MaxListenersExceededWarning';
      w.emitter = target;
      w.type = type;
      w.count = existing.length;
      process.emitWarning(w);
    }
  }
  return target;
}

EventEmitter.prototype.addListener = function addListener_(type, listener) {
  return addListener(this, type, listener, false);
};
EventEmitter.prototype.on = EventEmitter.prototype.addListener;
EventEmitter.prototype.prependListener = function prependListener(type, listener) {
  return addListener(this, type, listener, true);
};

function onceWrapper(...args) {
  if (!this.fired) {
    this.target.removeListener(this.type, this.wrapFn);
    this.fired = true;
    return Reflect.apply(this.listener, this.target, args);
  }
}
function onceWrap(target, type, listener) {
  const state = { fired: false, wrapFn: undefined, target, type, listener };
  const wrapped = onceWrapper.bind(state);
  wrapped.listener = listener;
  state.wrapFn = wrapped;
  return wrapped;
}
EventEmitter.prototype.once = function once(type, listener) {
  checkListener(listener);
  this.on(type, onceWrap(this, type, listener));
  return this;
};
EventEmitter.prototype.prependOnceListener = function prependOnceListener(type, listener) {
  checkListener(listener);
  this.prependListener(type, onceWrap(this, type, listener));
  return this;
};

EventEmitter.prototype.removeListener = function removeListener(type, listener) {
  checkListener(listener);
  const events = this._events;
  if (events === undefined) return this;
  const list = events[type];
  if (list === undefined) return this;
  if (list === listener || list.listener === listener) {
    if (--this._eventsCount === 0) this._events = Object.create(null);
    else {
      delete events[type];
      if (events.removeListener) this.emit('removeListener', type, list.listener || listener);
    }
  } else if (typeof list !== 'function') {
    let position = -1;
    for (let i = list.length - 1; i >= 0; i--) {
      if (list[i] === listener || list[i].listener === listener) { position = i; break; }
    }
    if (position < 0) return this;
    if (position === 0) list.shift();
    else list.splice(position, 1);
    if (list.length === 1) events[type] = list[0];
    if (events.removeListener !== undefined) this.emit('removeListener', type, listener);
  }
  return this;
};
EventEmitter.prototype.off = EventEmitter.prototype.removeListener;

EventEmitter.prototype.removeAllListeners = function removeAllListeners(type) {
  const events = this._events;
  if (events === undefined) return this;
  if (events.removeListener === undefined) {
    if (arguments.length === 0) {
      this._events = Object.create(null);
      this._eventsCount = 0;
    } else if (events[type] !== undefined) {
      if (--this._eventsCount === 0) this._events = Object.create(null);
      else delete events[type];
    }
    return this;
  }
  if (arguments.length === 0) {
    for (const key of Reflect.ownKeys(events)) {
      if (key === 'removeListener') continue;
      this.removeAllListeners(key);
    }
    this.removeAllListeners('removeListener');
    this._events = Object.create(null);
    this._eventsCount = 0;
    return this;
  }
  const listeners = events[type];
  if (typeof listeners === 'function') this.removeListener(type, listeners);
  else if (listeners !== undefined) {
    for (let i = listeners.length - 1; i >= 0; i--) this.removeListener(type, listeners[i]);
  }
  return this;
};

function listenersOf(target, type, unwrap) {
  const events = target._events;
  if (events === undefined) return [];
  const l = events[type];
  if (l === undefined) return [];
  if (typeof l === 'function') return unwrap ? [l.listener || l] : [l];
  return unwrap ? l.map((x) => x.listener || x) : l.slice();
}
EventEmitter.prototype.listeners = function listeners(type) { return listenersOf(this, type, true); };
EventEmitter.prototype.rawListeners = function rawListeners(type) { return listenersOf(this, type, false); };
EventEmitter.prototype.listenerCount = function listenerCount(type) {
  const events = this._events;
  if (events !== undefined) {
    const l = events[type];
    if (typeof l === 'function') return 1;
    if (l !== undefined) return l.length;
  }
  return 0;
};
EventEmitter.listenerCount = (emitter, type) => emitter.listenerCount(type);
EventEmitter.prototype.eventNames = function eventNames() {
  return this._eventsCount > 0 ? Reflect.ownKeys(this._events) : [];
};

EventEmitter.once = function (emitter, name) {
  return new Promise((resolve, reject) => {
    const errorListener = (err) => {
      emitter.removeListener(name, resolver);
      reject(err);
    };
    const resolver = (...args) => {
      if (name !== 'error') emitter.removeListener('error', errorListener);
      resolve(args);
    };
    emitter.once(name, resolver);
    if (name !== 'error') emitter.once('error', errorListener);
  });
};
EventEmitter.on = function (emitter, event) {
  const queue = [];
  const waiting = [];
  emitter.on(event, (...args) => {
    if (waiting.length) waiting.shift().resolve({ value: args, done: false });
    else queue.push(args);
  });
  return {
    next() {
      if (queue.length) return Promise.resolve({ value: queue.shift(), done: false });
      return new Promise((resolve, reject) => waiting.push({ resolve, reject }));
    },
    return() { return Promise.resolve({ value: undefined, done: true }); },
    [Symbol.asyncIterator]() { return this; },
  };
};
EventEmitter.getEventListeners = (emitter, type) => emitter.listeners(type);
EventEmitter.setMaxListeners = (n, ...targets) => {
  if (targets.length === 0) defaultMaxListeners = n;
  for (const t of targets) t.setMaxListeners(n);
};

EventEmitter.EventEmitter = EventEmitter;
EventEmitter.usingDomains = false;
module.exports = EventEmitter;
})
