// Buffers and typed arrays, encodings, hashes, and the text codecs.

// Binary reads and writes, slicing and searching, typed arrays.
{
  const b = Buffer.alloc(12);
  b.writeUInt32BE(0xdeadbeef, 0); b.writeInt16LE(-2, 4); b.writeDoubleLE(1.5, 4);
  console.log(b, b.readUInt32BE(0).toString(16), b.readDoubleLE(4));
  const s = Buffer.from('hello world');
  console.log(s.slice(0, 5).toString(), s.indexOf('world'), s.includes('lo w'), s.subarray(6).toString('base64'));
  console.log(Buffer.compare(Buffer.from('a'), Buffer.from('b')), Buffer.byteLength('héllo'), Buffer.isBuffer(s), s.toJSON().data.length);
  console.log(Buffer.from([256, -1, 65]), Buffer.from('ff00', 'hex'), s.equals(Buffer.from('hello world')), Buffer.from('€').length);
  const u8 = new Uint8Array([1, 2, 3]); console.log(u8, new Float64Array(2), Buffer.from(u8.buffer));
  console.log(Buffer.alloc(60, 'ab'));
}

// Encodings, sha256 and hmac, TextEncoder/Decoder, btoa/atob, URL and querystring.
{
  const crypto = require('crypto');
  const b = Buffer.from('héllo wörld');
  console.log(b, b.length, b.toString('hex'), b.toString('base64'));
  console.log(Buffer.concat([Buffer.from([1, 2]), Buffer.alloc(2, 9)]), Buffer.from('aGk=', 'base64').toString());
  console.log(crypto.createHash('sha256').update('abc').digest('hex'));
  console.log(crypto.createHmac('sha256', 'key').update('msg').digest('hex'));
  console.log(new TextDecoder().decode(new TextEncoder().encode('ok ✓')), btoa('hi'), atob('aGk='));
  const u = new URL('https://user@example.com:8080/a/../b?x=1&y=2#h');
  console.log(u.href, u.host, u.searchParams.get('y'), require('querystring').stringify({ a: [1, 2], b: 'c d' }));
}

// StringDecoder across split characters, other encodings, Buffer errors.
{
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
}
