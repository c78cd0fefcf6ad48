const { StringDecoder } = require('string_decoder');
const euro = Buffer.from('€ and 😀');
const d = new StringDecoder('utf8');
let out = '';
for (let i = 0; i < euro.length; i++) out += d.write(euro.subarray(i, i + 1));
out += d.end();
console.log(out, out === '€ and 😀');
console.log(Buffer.from([0xe2, 0x82]).toString(), Buffer.from('héllo', 'latin1'), Buffer.from('aGVsbG8', 'base64url').toString());
console.log(Buffer.from('hi').toString('utf16le').length, Buffer.from('abc').toString('ucs2'), Buffer.from('\u00ff', 'ascii'));
const b = Buffer.alloc(4); b.write('ab', 1); console.log(b, b.readUInt16BE(1), Buffer.from('xyz').reverse().toString());
try { Buffer.alloc(-1); } catch (e) { console.log(e.code, e.name); }
try { Buffer.from({}); } catch (e) { console.log(e.code); }
console.log(new TextDecoder().decode(new Uint8Array([0xff, 0x41])), new TextEncoder().encode('\ud800').length);
