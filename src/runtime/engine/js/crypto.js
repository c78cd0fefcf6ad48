// crypto: hashing through the runtime's digests (shared with compiled
// code), HMAC on top of them, random bytes and UUIDs.
(function (native, internal, module, exports) {
'use strict';
const c = native.compiledModule('crypto');
const { Buffer } = internal.require('buffer');
const blockSizes = { md5: 64, sha1: 64, sha224: 64, sha256: 64, sha384: 128, sha512: 128 };

function toBytes(data, encoding) {
  if (typeof data === 'string') return Buffer.from(data, encoding);
  if (data instanceof Uint8Array) return Buffer.from(data);
  if (ArrayBuffer.isView(data)) return Buffer.from(data.buffer, data.byteOffset, data.byteLength);
  const e = new TypeError('The "data" argument must be of type string or an instance of Buffer, TypedArray, or DataView. Received ' + internal.require('util').inspect(data));
  e.code = 'ERR_INVALID_ARG_TYPE';
  throw e;
}

class Hash {
  constructor(algorithm) {
    this._alg = String(algorithm).toLowerCase().replace('-', '');
    this._inner = c.createHash(this._alg);
    this._done = false;
  }
  update(data, encoding) {
    if (this._done) { const e = new Error('Digest already called'); e.code = 'ERR_CRYPTO_HASH_FINALIZED'; throw e; }
    this._inner.update(toBytes(data, encoding));
    return this;
  }
  digest(encoding) {
    if (this._done) { const e = new Error('Digest already called'); e.code = 'ERR_CRYPTO_HASH_FINALIZED'; throw e; }
    this._done = true;
    const bytes = Buffer.from(this._inner.digest());
    return encoding === undefined || encoding === 'buffer' ? bytes : bytes.toString(encoding);
  }
  copy() { throw new Error('orvan: crypto Hash.copy is not supported'); }
}

class Hmac {
  constructor(algorithm, key) {
    const alg = String(algorithm).toLowerCase().replace('-', '');
    const block = blockSizes[alg];
    if (!block) { const e = new Error('Invalid digest: ' + algorithm); e.code = 'ERR_CRYPTO_INVALID_DIGEST'; throw e; }
    let k = toBytes(key);
    if (k.length > block) k = new Hash(alg).update(k).digest();
    const padded = Buffer.alloc(block);
    k.copy(padded);
    const ipad = Buffer.alloc(block), opad = Buffer.alloc(block);
    for (let i = 0; i < block; i++) { ipad[i] = padded[i] ^ 0x36; opad[i] = padded[i] ^ 0x5c; }
    this._alg = alg;
    this._opad = opad;
    this._inner = new Hash(alg).update(ipad);
  }
  update(data, encoding) { this._inner.update(data, encoding); return this; }
  digest(encoding) {
    const outer = new Hash(this._alg).update(this._opad).update(this._inner.digest()).digest();
    return encoding === undefined || encoding === 'buffer' ? outer : outer.toString(encoding);
  }
}

exports.createHash = (algorithm) => new Hash(algorithm);
exports.createHmac = (algorithm, key) => new Hmac(algorithm, key);
exports.Hash = Hash;
exports.Hmac = Hmac;
exports.getHashes = () => Object.keys(blockSizes);
exports.randomBytes = (size, callback) => {
  const b = Buffer.from(c.randomBytes(size));
  if (typeof callback === 'function') { process.nextTick(callback, null, b); return undefined; }
  return b;
};
exports.randomUUID = () => c.randomUUID();
exports.randomInt = (min, max, callback) => {
  if (max === undefined || typeof max === 'function') { callback = max; max = min; min = 0; }
  const range = max - min;
  const bytes = Buffer.from(c.randomBytes(6));
  const v = min + Math.floor((bytes.readUIntBE(0, 6) / 2 ** 48) * range);
  if (typeof callback === 'function') { process.nextTick(callback, null, v); return undefined; }
  return v;
};
exports.getRandomValues = (array) => {
  const b = Buffer.from(c.randomBytes(array.byteLength));
  new Uint8Array(array.buffer, array.byteOffset, array.byteLength).set(b);
  return array;
};
exports.timingSafeEqual = (a, b) => {
  if (a.byteLength !== b.byteLength) {
    const e = new RangeError('Input buffers must have the same byte length');
    e.code = 'ERR_CRYPTO_TIMING_SAFE_EQUAL_LENGTH';
    throw e;
  }
  const x = new Uint8Array(a.buffer, a.byteOffset, a.byteLength), y = new Uint8Array(b.buffer, b.byteOffset, b.byteLength);
  let diff = 0;
  for (let i = 0; i < x.length; i++) diff |= x[i] ^ y[i];
  return diff === 0;
};
exports.webcrypto = { getRandomValues: exports.getRandomValues, randomUUID: exports.randomUUID };
})
