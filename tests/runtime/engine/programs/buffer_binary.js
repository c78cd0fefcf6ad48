const b = Buffer.alloc(12);
b.writeUInt32BE(0xdeadbeef, 0); b.writeInt16LE(-2, 4); b.writeDoubleLE(1.5, 4);
console.log(b, b.readUInt32BE(0).toString(16), b.readDoubleLE(4));
const s = Buffer.from('hello world');
console.log(s.slice(0, 5).toString(), s.indexOf('world'), s.includes('lo w'), s.subarray(6).toString('base64'));
console.log(Buffer.compare(Buffer.from('a'), Buffer.from('b')), Buffer.byteLength('héllo'), Buffer.isBuffer(s), s.toJSON().data.length);
console.log(Buffer.from([256, -1, 65]), Buffer.from('ff00', 'hex'), s.equals(Buffer.from('hello world')), Buffer.from('€').length);
const u8 = new Uint8Array([1, 2, 3]); console.log(u8, new Float64Array(2), Buffer.from(u8.buffer));
console.log(Buffer.alloc(60, 'ab'));
