// buffer: Buffer as a subclass of Uint8Array, with Node's encodings, plus
// TextEncoder, TextDecoder, atob and btoa.
(function (native, internal, module, exports) {
'use strict';

const kMaxLength = 4294967296;

function invalidArg(name, expected, value) {
  const e = new TypeError(`The "${name}" argument must be ${expected}. Received ${describeReceived(value)}`);
  e.code = 'ERR_INVALID_ARG_TYPE';
  return e;
}
function describeReceived(v) {
  if (v === null || v === undefined) return String(v);
  if (typeof v === 'function') return `function ${v.name}`;
  if (typeof v === 'object') {
    if (v.constructor && v.constructor.name) return `an instance of ${v.constructor.name}`;
    return internal.require('util').inspect(v, { depth: -1 });
  }
  let shown = internal.require('util').inspect(v, { colors: false });
  if (shown.length > 28) shown = `${shown.slice(0, 25)}...`;
  return `type ${typeof v} (${shown})`;
}

function normEncoding(enc) {
  if (enc === undefined || enc === null || enc === '') return 'utf8';
  const e = String(enc).toLowerCase();
  switch (e) {
    case 'utf8': case 'utf-8': return 'utf8';
    case 'hex': return 'hex';
    case 'base64': return 'base64';
    case 'base64url': return 'base64url';
    case 'latin1': case 'binary': return 'latin1';
    case 'ascii': return 'ascii';
    case 'ucs2': case 'ucs-2': case 'utf16le': case 'utf-16le': return 'utf16le';
  }
  return undefined;
}
function encodingOrThrow(enc) {
  const e = normEncoding(enc);
  if (e === undefined) {
    const err = new TypeError(`Unknown encoding: ${enc}`);
    err.code = 'ERR_UNKNOWN_ENCODING';
    throw err;
  }
  return e;
}

const b64chars = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/';
const b64lookup = new Int16Array(256).fill(-1);
for (let i = 0; i < 64; i++) b64lookup[b64chars.charCodeAt(i)] = i;
b64lookup['-'.charCodeAt(0)] = 62;
b64lookup['_'.charCodeAt(0)] = 63;

function bytesOf(string, enc) {
  switch (enc) {
    case 'utf8': return new Uint8Array(native.utf8Encode(string));
    case 'hex': {
      const n = string.length >>> 1;
      const out = new Uint8Array(n);
      let i = 0;
      for (; i < n; i++) {
        const v = parseInt(string.substr(i * 2, 2), 16);
        if (Number.isNaN(v) || !/^[0-9a-fA-F]{2}$/.test(string.substr(i * 2, 2))) break;
        out[i] = v;
      }
      return i === n ? out : out.subarray(0, i);
    }
    case 'base64': case 'base64url': {
      const out = new Uint8Array(Math.ceil(string.length * 3 / 4));
      let bits = 0, acc = 0, n = 0;
      for (let i = 0; i < string.length; i++) {
        const c = string.charCodeAt(i);
        if (c === 61) break; // '='
        const v = c < 256 ? b64lookup[c] : -1;
        if (v < 0) continue;
        acc = (acc << 6) | v;
        bits += 6;
        if (bits >= 8) { bits -= 8; out[n++] = (acc >> bits) & 0xff; }
      }
      return out.subarray(0, n);
    }
    case 'latin1': case 'ascii': {
      const out = new Uint8Array(string.length);
      for (let i = 0; i < string.length; i++) out[i] = string.charCodeAt(i) & 0xff;
      return out;
    }
    case 'utf16le': {
      const out = new Uint8Array(string.length * 2);
      for (let i = 0; i < string.length; i++) {
        const c = string.charCodeAt(i);
        out[i * 2] = c & 0xff;
        out[i * 2 + 1] = c >> 8;
      }
      return out;
    }
  }
  return new Uint8Array(0);
}

function stringOf(bytes, enc, start, end) {
  switch (enc) {
    case 'utf8': return native.utf8Decode(bytes, start, end);
    case 'hex': {
      let s = '';
      for (let i = start; i < end; i++) s += (bytes[i] < 16 ? '0' : '') + bytes[i].toString(16);
      return s;
    }
    case 'base64': case 'base64url': {
      const url = enc === 'base64url';
      const chars = url ? b64chars.slice(0, 62) + '-_' : b64chars;
      let s = '';
      let i = start;
      for (; i + 2 < end; i += 3) {
        const v = (bytes[i] << 16) | (bytes[i + 1] << 8) | bytes[i + 2];
        s += chars[v >> 18] + chars[(v >> 12) & 63] + chars[(v >> 6) & 63] + chars[v & 63];
      }
      if (end - i === 1) {
        const v = bytes[i] << 16;
        s += chars[v >> 18] + chars[(v >> 12) & 63] + (url ? '' : '==');
      } else if (end - i === 2) {
        const v = (bytes[i] << 16) | (bytes[i + 1] << 8);
        s += chars[v >> 18] + chars[(v >> 12) & 63] + chars[(v >> 6) & 63] + (url ? '' : '=');
      }
      return s;
    }
    case 'latin1': {
      let s = '';
      for (let i = start; i < end; i += 8192) s += String.fromCharCode.apply(null, bytes.subarray(i, Math.min(end, i + 8192)));
      return s;
    }
    case 'ascii': {
      let s = '';
      for (let i = start; i < end; i++) s += String.fromCharCode(bytes[i] & 0x7f);
      return s;
    }
    case 'utf16le': {
      let s = '';
      for (let i = start; i + 1 < end; i += 2) s += String.fromCharCode(bytes[i] | (bytes[i + 1] << 8));
      return s;
    }
  }
  return '';
}

class Buffer extends Uint8Array {
  static from(value, encodingOrOffset, length) {
    if (typeof value === 'string') {
      const bytes = bytesOf(value, encodingOrThrow(encodingOrOffset));
      return new Buffer(bytes.buffer, bytes.byteOffset, bytes.length);
    }
    if (value instanceof ArrayBuffer || (typeof SharedArrayBuffer !== 'undefined' && value instanceof SharedArrayBuffer)) {
      const offset = encodingOrOffset === undefined ? 0 : Number(encodingOrOffset) || 0;
      const len = length === undefined ? value.byteLength - offset : Number(length) || 0;
      if (offset > value.byteLength) {
        const e = new RangeError('"offset" is outside of buffer bounds');
        e.code = 'ERR_BUFFER_OUT_OF_BOUNDS';
        throw e;
      }
      return new Buffer(value, offset, len);
    }
    if (ArrayBuffer.isView(value)) {
      const src = value instanceof Uint8Array ? value : new Uint8Array(value.buffer, value.byteOffset, value.byteLength);
      const b = Buffer.allocUnsafe(src.length);
      b.set(src);
      return b;
    }
    if (value !== null && typeof value === 'object') {
      if (typeof value.valueOf === 'function') {
        const prim = value.valueOf();
        if (prim !== value && prim !== null && (typeof prim === 'string' || typeof prim === 'object')) return Buffer.from(prim, encodingOrOffset, length);
      }
      if (value.type === 'Buffer' && Array.isArray(value.data)) return fromArrayLike(value.data);
      if (typeof value.length === 'number' || Array.isArray(value)) return fromArrayLike(value);
      if (typeof value[Symbol.toPrimitive] === 'function') return Buffer.from(value[Symbol.toPrimitive]('string'), encodingOrOffset, length);
    }
    throw invalidArg('first', 'of type string or an instance of Buffer, ArrayBuffer, or Array or an Array-like Object', value);
  }
  static alloc(size, fill, encoding) {
    checkSize(size);
    const b = new Buffer(size);
    if (fill !== undefined && fill !== 0) b.fill(fill, 0, b.length, encoding);
    return b;
  }
  static allocUnsafe(size) { checkSize(size); return new Buffer(size); }
  static allocUnsafeSlow(size) { checkSize(size); return new Buffer(size); }
  static isBuffer(b) { return b instanceof Buffer; }
  static isEncoding(e) { return typeof e === 'string' && e !== '' && normEncoding(e) !== undefined; }
  static byteLength(string, encoding) {
    if (typeof string !== 'string') {
      if (ArrayBuffer.isView(string) || string instanceof ArrayBuffer) return string.byteLength;
      throw invalidArg('string', 'of type string or an instance of Buffer or ArrayBuffer', string);
    }
    const enc = normEncoding(encoding) || 'utf8';
    if (enc === 'utf8') return native.utf8Length(string);
    return bytesOf(string, enc).length;
  }
  static concat(list, totalLength) {
    if (!Array.isArray(list)) throw invalidArg('list', 'an instance of Array', list);
    if (totalLength === undefined) {
      totalLength = 0;
      for (const b of list) totalLength += b.length;
    }
    const out = Buffer.alloc(totalLength);
    let pos = 0;
    for (let i = 0; i < list.length; i++) {
      const b = list[i];
      if (!(b instanceof Uint8Array)) throw invalidArg(`list[${i}]`, 'an instance of Buffer or Uint8Array', b);
      if (pos + b.length > totalLength) { out.set(b.subarray(0, totalLength - pos), pos); pos = totalLength; break; }
      out.set(b, pos);
      pos += b.length;
    }
    return out;
  }
  static compare(a, b) { return compareBytes(a, b); }

  toString(encoding, start, end) {
    if (arguments.length === 0) return native.utf8Decode(this, 0, this.length);
    const enc = encodingOrThrow(encoding);
    start = start === undefined ? 0 : Math.max(0, start | 0);
    end = end === undefined ? this.length : Math.min(this.length, end | 0);
    if (end <= start) return '';
    return stringOf(this, enc, start, end);
  }
  toLocaleString(e, s, t) { return this.toString(e, s, t); }
  toJSON() { return { type: 'Buffer', data: Array.from(this) }; }
  equals(other) {
    if (!(other instanceof Uint8Array)) throw invalidArg('otherBuffer', 'an instance of Buffer or Uint8Array', other);
    return compareBytes(this, other) === 0;
  }
  compare(target, tStart = 0, tEnd = target.length, sStart = 0, sEnd = this.length) {
    return compareBytes(this.subarray(sStart, sEnd), target.subarray(tStart, tEnd));
  }
  write(string, offset, length, encoding) {
    if (typeof offset === 'string') { encoding = offset; offset = 0; length = undefined; }
    else if (typeof length === 'string') { encoding = length; length = undefined; }
    offset = offset === undefined ? 0 : offset >>> 0;
    const bytes = bytesOf(String(string), encodingOrThrow(encoding));
    let n = Math.min(bytes.length, this.length - offset);
    if (length !== undefined) n = Math.min(n, length >>> 0);
    this.set(bytes.subarray(0, n), offset);
    return n;
  }
  fill(value, offset, end, encoding) {
    if (typeof offset === 'string') { encoding = offset; offset = 0; end = this.length; }
    offset = offset === undefined ? 0 : offset;
    end = end === undefined ? this.length : end;
    if (typeof value === 'string') {
      const bytes = value.length === 1 && value.charCodeAt(0) < 128 ? [value.charCodeAt(0)] : bytesOf(value, encodingOrThrow(encoding));
      if (bytes.length === 0) return Uint8Array.prototype.fill.call(this, 0, offset, end);
      for (let i = offset, j = 0; i < end; i++, j = (j + 1) % bytes.length) this[i] = bytes[j];
      return this;
    }
    if (value instanceof Uint8Array) {
      for (let i = offset, j = 0; i < end; i++, j = (j + 1) % value.length) this[i] = value[j];
      return this;
    }
    return Uint8Array.prototype.fill.call(this, typeof value === 'boolean' ? +value : value & 255, offset, end);
  }
  copy(target, targetStart = 0, sourceStart = 0, sourceEnd = this.length) {
    const n = Math.max(0, Math.min(sourceEnd - sourceStart, target.length - targetStart));
    if (n > 0) target.set(this.subarray(sourceStart, sourceStart + n), targetStart);
    return n;
  }
  slice(start, end) { return this.subarray(start, end); }
  subarray(start, end) {
    const u = Uint8Array.prototype.subarray.call(this, start, end);
    return new Buffer(u.buffer, u.byteOffset, u.length);
  }
  indexOf(value, byteOffset, encoding) { return search(this, value, byteOffset, encoding, true); }
  lastIndexOf(value, byteOffset, encoding) { return search(this, value, byteOffset, encoding, false); }
  includes(value, byteOffset, encoding) { return this.indexOf(value, byteOffset, encoding) !== -1; }
  swap16() { for (let i = 0; i + 1 < this.length; i += 2) { const t = this[i]; this[i] = this[i + 1]; this[i + 1] = t; } return this; }
  swap32() { for (let i = 0; i + 3 < this.length; i += 4) { this.subarray(i, i + 4).reverse(); } return this; }
  [Symbol.for('nodejs.util.inspect.custom')](depth, ctx) {
    const max = 50;
    let str = '';
    const n = Math.min(max, this.length);
    for (let i = 0; i < n; i++) str += (i ? ' ' : '') + (this[i] < 16 ? '0' : '') + this[i].toString(16);
    const remaining = this.length - max;
    if (remaining > 0) str += ` ... ${remaining} more byte${remaining > 1 ? 's' : ''}`;
    return `<${this.constructor.name} ${str}>`.replace(/ >$/, '>');
  }
}
Object.defineProperty(Buffer.prototype, 'parent', { get() { return this.buffer; } });
Object.defineProperty(Buffer.prototype, 'offset', { get() { return this.byteOffset; } });
Buffer.poolSize = 8192;

function checkSize(size) {
  if (typeof size !== 'number') throw invalidArg('size', 'of type number', size);
  if (!(size >= 0 && size <= kMaxLength)) {
    const e = new RangeError(`The value of "size" is out of range. It must be >= 0 && <= ${kMaxLength}. Received ${size}`);
    e.code = 'ERR_OUT_OF_RANGE';
    throw e;
  }
}

function fromArrayLike(a) {
  const b = Buffer.allocUnsafe(a.length >>> 0);
  for (let i = 0; i < b.length; i++) b[i] = a[i] & 255;
  return b;
}

function compareBytes(a, b) {
  const n = Math.min(a.length, b.length);
  for (let i = 0; i < n; i++) {
    if (a[i] !== b[i]) return a[i] < b[i] ? -1 : 1;
  }
  return a.length < b.length ? -1 : a.length > b.length ? 1 : 0;
}

function search(buf, value, byteOffset, encoding, forward) {
  if (typeof byteOffset === 'string') { encoding = byteOffset; byteOffset = undefined; }
  let needle;
  if (typeof value === 'number') needle = [value & 255];
  else if (typeof value === 'string') needle = bytesOf(value, encodingOrThrow(encoding));
  else needle = value;
  const len = buf.length;
  let start = byteOffset === undefined ? (forward ? 0 : len) : byteOffset | 0;
  if (start < 0) start += len;
  if (needle.length === 0) return forward ? Math.min(start, len) : Math.min(start, len);
  if (forward) {
    for (let i = Math.max(0, start); i + needle.length <= len; i++) if (matchAt(buf, needle, i)) return i;
  } else {
    for (let i = Math.min(start, len - needle.length); i >= 0; i--) if (matchAt(buf, needle, i)) return i;
  }
  return -1;
}
function matchAt(buf, needle, i) {
  for (let j = 0; j < needle.length; j++) if (buf[i + j] !== needle[j]) return false;
  return true;
}

// Fixed-width reads and writes through a DataView over the same memory.
function view(b) { return new DataView(b.buffer, b.byteOffset, b.byteLength); }
function boundsCheck(b, offset, size) {
  if (offset === undefined) offset = 0;
  if (typeof offset !== 'number') throw invalidArg('offset', 'of type number', offset);
  if (!Number.isInteger(offset) || offset < 0 || offset + size > b.length) {
    const e = new RangeError(`The value of "offset" is out of range. It must be >= 0 and <= ${b.length - size}. Received ${offset}`);
    e.code = 'ERR_OUT_OF_RANGE';
    throw e;
  }
  return offset;
}
const numeric = [
  ['UInt8', 1, 'getUint8', 'setUint8'], ['Int8', 1, 'getInt8', 'setInt8'],
  ['UInt16LE', 2, 'getUint16', 'setUint16', true], ['UInt16BE', 2, 'getUint16', 'setUint16', false],
  ['Int16LE', 2, 'getInt16', 'setInt16', true], ['Int16BE', 2, 'getInt16', 'setInt16', false],
  ['UInt32LE', 4, 'getUint32', 'setUint32', true], ['UInt32BE', 4, 'getUint32', 'setUint32', false],
  ['Int32LE', 4, 'getInt32', 'setInt32', true], ['Int32BE', 4, 'getInt32', 'setInt32', false],
  ['FloatLE', 4, 'getFloat32', 'setFloat32', true], ['FloatBE', 4, 'getFloat32', 'setFloat32', false],
  ['DoubleLE', 8, 'getFloat64', 'setFloat64', true], ['DoubleBE', 8, 'getFloat64', 'setFloat64', false],
  ['BigInt64LE', 8, 'getBigInt64', 'setBigInt64', true], ['BigInt64BE', 8, 'getBigInt64', 'setBigInt64', false],
  ['BigUInt64LE', 8, 'getBigUint64', 'setBigUint64', true], ['BigUInt64BE', 8, 'getBigUint64', 'setBigUint64', false],
];
for (const [name, size, get, set, little] of numeric) {
  Buffer.prototype['read' + name] = function (offset) {
    offset = boundsCheck(this, offset, size);
    return view(this)[get](offset, little);
  };
  Buffer.prototype['write' + name] = function (value, offset) {
    offset = boundsCheck(this, offset, size);
    view(this)[set](offset, value, little);
    return offset + size;
  };
  if (name.startsWith('UInt') || name.startsWith('BigUInt')) {
    const alias = name.replace('UInt', 'Uint');
    Buffer.prototype['read' + alias] = Buffer.prototype['read' + name];
    Buffer.prototype['write' + alias] = Buffer.prototype['write' + name];
  }
}
Buffer.prototype.readUIntBE = function (offset, byteLength) {
  let v = 0;
  for (let i = 0; i < byteLength; i++) v = v * 256 + this[boundsCheck(this, offset + i, 1)];
  return v;
};
Buffer.prototype.readUIntLE = function (offset, byteLength) {
  let v = 0;
  for (let i = byteLength - 1; i >= 0; i--) v = v * 256 + this[boundsCheck(this, offset + i, 1)];
  return v;
};
Buffer.prototype.readIntBE = function (offset, byteLength) {
  const v = this.readUIntBE(offset, byteLength);
  const limit = 2 ** (8 * byteLength - 1);
  return v >= limit ? v - limit * 2 : v;
};
Buffer.prototype.readIntLE = function (offset, byteLength) {
  const v = this.readUIntLE(offset, byteLength);
  const limit = 2 ** (8 * byteLength - 1);
  return v >= limit ? v - limit * 2 : v;
};
Buffer.prototype.writeUIntBE = function (value, offset, byteLength) {
  for (let i = byteLength - 1; i >= 0; i--) { this[boundsCheck(this, offset + i, 1)] = value & 255; value = Math.floor(value / 256); }
  return offset + byteLength;
};
Buffer.prototype.writeUIntLE = function (value, offset, byteLength) {
  for (let i = 0; i < byteLength; i++) { this[boundsCheck(this, offset + i, 1)] = value & 255; value = Math.floor(value / 256); }
  return offset + byteLength;
};
Buffer.prototype.writeUintBE = Buffer.prototype.writeUIntBE;
Buffer.prototype.writeUintLE = Buffer.prototype.writeUIntLE;
Buffer.prototype.readUintBE = Buffer.prototype.readUIntBE;
Buffer.prototype.readUintLE = Buffer.prototype.readUIntLE;

class TextEncoder {
  get encoding() { return 'utf-8'; }
  encode(input = '') {
    const s = String(input).replace(/[\ud800-\udbff](?![\udc00-\udfff])|(?<![\ud800-\udbff])[\udc00-\udfff]/g, '\ufffd');
    return new Uint8Array(native.utf8Encode(s));
  }
  encodeInto(src, dest) {
    const bytes = this.encode(src);
    const n = Math.min(bytes.length, dest.length);
    dest.set(bytes.subarray(0, n));
    return { read: src.length, written: n };
  }
}
class TextDecoder {
  constructor(encoding = 'utf-8', options = {}) {
    const e = String(encoding).toLowerCase();
    if (e !== 'utf-8' && e !== 'utf8' && e !== 'latin1' && e !== 'utf-16le') {
      const err = new RangeError(`The "${encoding}" encoding is not supported`);
      err.code = 'ERR_ENCODING_NOT_SUPPORTED';
      throw err;
    }
    this._enc = e === 'latin1' ? 'latin1' : e === 'utf-16le' ? 'utf16le' : 'utf8';
    this.fatal = !!options.fatal;
    this.ignoreBOM = !!options.ignoreBOM;
  }
  get encoding() { return this._enc === 'utf8' ? 'utf-8' : this._enc === 'utf16le' ? 'utf-16le' : 'latin1'; }
  decode(input) {
    if (input === undefined) return '';
    let bytes = input instanceof Uint8Array ? input : ArrayBuffer.isView(input) ? new Uint8Array(input.buffer, input.byteOffset, input.byteLength) : new Uint8Array(input);
    if (this._enc === 'utf8' && !this.ignoreBOM && bytes[0] === 0xef && bytes[1] === 0xbb && bytes[2] === 0xbf) bytes = bytes.subarray(3);
    return stringOf(bytes, this._enc, 0, bytes.length);
  }
}

function btoa(input) {
  const s = String(input);
  for (let i = 0; i < s.length; i++) {
    if (s.charCodeAt(i) > 255) {
      const e = new Error('Invalid character');
      e.name = 'InvalidCharacterError';
      throw e;
    }
  }
  return stringOf(bytesOf(s, 'latin1'), 'base64', 0, s.length);
}
function atob(input) {
  const s = String(input).replace(/[\t\n\f\r ]/g, '');
  if (/[^A-Za-z0-9+/=]/.test(s) || s.length % 4 === 1) {
    const e = new Error('The string to be decoded is not correctly encoded.');
    e.name = 'InvalidCharacterError';
    throw e;
  }
  const b = bytesOf(s, 'base64');
  return stringOf(b, 'latin1', 0, b.length);
}

exports.Buffer = Buffer;
exports.SlowBuffer = Buffer;
exports.kMaxLength = kMaxLength;
exports.constants = { MAX_LENGTH: kMaxLength, MAX_STRING_LENGTH: 536870888 };
exports.TextEncoder = TextEncoder;
exports.TextDecoder = TextDecoder;
exports.atob = atob;
exports.btoa = btoa;
exports.isUtf8 = (b) => native.utf8Valid(b);
exports.__stringOf = stringOf;
exports.__bytesOf = bytesOf;
exports.__normEncoding = normEncoding;
})
