// string_decoder: decodes a byte stream into text without splitting a
// character across chunks.
(function (native, internal, module, exports) {
'use strict';
const buffer = internal.require('buffer');
class StringDecoder {
  constructor(encoding) {
    const enc = buffer.__normEncoding(encoding);
    if (enc === undefined) { const e = new TypeError(`Unknown encoding: ${encoding}`); e.code = 'ERR_UNKNOWN_ENCODING'; throw e; }
    this.encoding = enc;
    this._pending = new Uint8Array(0);
  }
  write(buf) {
    if (typeof buf === 'string') return buf;
    let bytes = this._pending.length ? concat(this._pending, buf) : buf;
    let keep = 0;
    if (this.encoding === 'utf8') keep = incompleteUtf8(bytes);
    else if (this.encoding === 'utf16le') keep = bytes.length % 2;
    else if (this.encoding === 'base64') keep = bytes.length % 3;
    this._pending = bytes.slice(bytes.length - keep);
    return buffer.__stringOf(bytes, this.encoding, 0, bytes.length - keep);
  }
  end(buf) {
    let s = buf ? this.write(buf) : '';
    if (this._pending.length) {
      s += this.encoding === 'utf8' ? '\ufffd' : buffer.__stringOf(this._pending, this.encoding, 0, this._pending.length);
      this._pending = new Uint8Array(0);
    }
    return s;
  }
}
function concat(a, b) { const out = new Uint8Array(a.length + b.length); out.set(a); out.set(b, a.length); return out; }
function incompleteUtf8(b) {
  for (let i = 1; i <= Math.min(3, b.length); i++) {
    const c = b[b.length - i];
    if ((c & 0xc0) === 0x80) continue;
    const need = c >= 0xf0 ? 4 : c >= 0xe0 ? 3 : c >= 0xc0 ? 2 : 1;
    return need > i ? i : 0;
  }
  return 0;
}
exports.StringDecoder = StringDecoder;
})
