// Buffers read, written, searched and compared in place, with Node's range errors.
function t(name, f) {
  try {
    console.log(name, f());
  } catch (e) {
    console.log(name, "threw", e.name, e.code, e.message);
  }
}
var b = Buffer.from("hello world");

// Searching: strings, Buffers and byte values, offsets from either end.
console.log(b.indexOf("o"), b.indexOf("o", 5), b.indexOf("o", -3), b.indexOf("o", 100), b.indexOf("zz"));
console.log(b.lastIndexOf("o"), b.lastIndexOf("o", 6), b.lastIndexOf("o", -5), b.lastIndexOf("h", -100), b.lastIndexOf(Buffer.from("l")));
console.log(b.indexOf(111), b.indexOf(111 + 256), b.indexOf(Buffer.from("wor")), b.includes("wor"), b.includes("wor", 7), b.includes(104));
console.log(b.indexOf(""), b.indexOf("", 4), b.indexOf("", 99), b.lastIndexOf(""), b.indexOf("6f", "hex"), b.indexOf("é"));
t("indexOf object", function () { return b.indexOf({}); });

// Numbers of every width, both byte orders; reading back what was written.
var w = Buffer.alloc(8);
console.log(w.writeUInt8(255), w.writeInt8(-2, 1), w.writeUInt16LE(0xabcd, 2), w.writeInt16BE(-300, 4), w.writeUint8(7, 6), w.toString("hex"));
console.log(w.readUInt8(0), w.readInt8(0), w.readInt8(1), w.readUInt16LE(2), w.readUInt16BE(2), w.readInt16BE(4), w.readUint16LE(4));
console.log(w.writeUInt32BE(0xdeadbeef, 0), w.writeInt32LE(-123456789, 4), w.toString("hex"), w.readUInt32BE(0), w.readInt32BE(0), w.readInt32LE(4), w.readUInt32LE(4));
console.log(w.writeFloatLE(1.5, 0), w.readFloatLE(0), w.writeFloatBE(0.1, 4), w.readFloatBE(4), w.writeDoubleBE(-Math.PI), w.readDoubleBE(0), w.readDoubleLE(0));
console.log(w.writeDoubleLE(NaN), w.readDoubleLE(), w.writeFloatLE(Infinity), w.readFloatLE(), w.writeUInt8("12"), w.readUInt8(), w.writeUInt8(3.9), w[0]);
var six = Buffer.from("0102030405fffe", "hex");
console.log(six.readUIntLE(0, 3), six.readUIntBE(0, 6), six.readIntLE(5, 2), six.readIntBE(4, 3), six.readUintBE(1, 1));

// Offsets and values out of range.
t("read past the end", function () { return b.readUInt16BE(10); });
t("read at -1", function () { return b.readUInt8(-1); });
t("read at 1.5", function () { return b.readUInt8(1.5); });
t("read at NaN", function () { return b.readUInt8(NaN); });
t("read at a string", function () { return b.readUInt8("1"); });
t("read from a short buffer", function () { return Buffer.alloc(2).readUInt32LE(); });
t("read an empty buffer", function () { return Buffer.alloc(0).readUInt8(); });
t("readUIntLE of 7 bytes", function () { return six.readUIntLE(0, 7); });
t("readUIntLE of no length", function () { return six.readUIntLE(0); });
t("write 256 as a byte", function () { return w.writeUInt8(256); });
t("write 200 as a signed byte", function () { return w.writeInt8(200); });
t("write -1 unsigned", function () { return w.writeUInt32BE(-1); });
t("write 2**31 signed", function () { return w.writeInt32LE(2147483648); });
t("write 2**40 unsigned", function () { return w.writeUInt32LE(Math.pow(2, 40)); });
t("write NaN as a byte", function () { return w.writeUInt8(NaN); });
t("write past the end", function () { return w.writeUInt16LE(1, 7); });
t("alloc 2**33", function () { return Buffer.alloc(Math.pow(2, 33)); });

// Text written at an offset: what fits, never half a character.
var tw = Buffer.alloc(6);
function shown(buf) {
  return buf.toString("hex");
}
console.log(tw.write("abc"), tw.write("xyz", 4), shown(tw), tw.write("é😀", 1), shown(tw), tw.write("ffee", 0, "hex"), tw.write("zz", 1, 1), shown(tw));
console.log(tw.write("é", 5), tw.write("", 2), tw.write("hello", "latin1"), tw.toString("latin1"), tw.write("aGk=", 3, 2, "base64"), shown(tw));
t("write at 7", function () { return tw.write("a", 7); });
t("write a number", function () { return tw.write(5); });
t("write a bad encoding", function () { return tw.write("a", 0, "klingon"); });

// fill, copy and compare.
var f = Buffer.alloc(7);
console.log(shown(f.fill("ab")), shown(f.fill(0)), shown(f.fill("xyz", 2)), shown(f.fill(257, 1, 3)), shown(f.fill("", 0, 2)));
console.log(shown(f.fill("é", "utf8")), shown(f.fill(Buffer.from("12"))), shown(f.fill("6162", 1, "hex")), f.fill(-1) === f, f);
t("fill past the end", function () { return f.fill(1, 0, 8); });
var src = Buffer.from("abcdef"), dst = Buffer.alloc(4, ".");
console.log(src.copy(dst), dst.toString(), src.copy(dst, 2, 4), dst.toString(), src.copy(dst, 10), src.copy(dst, 0, 5, 99), dst.toString());
console.log(src.copy(src, 1, 0, 4), src.toString(), Buffer.from("x").copy(dst, 0, 1));
console.log(Buffer.compare(Buffer.from("a"), Buffer.from("b")), Buffer.compare(Buffer.from("b"), Buffer.from("ab")), Buffer.compare(Buffer.from("ab"), Buffer.from("a")), Buffer.compare(Buffer.alloc(0), Buffer.alloc(0)));
console.log(b.compare(Buffer.from("hello world")), b.compare(Buffer.from("hello")), b.compare(Buffer.from("z")));
t("compare with a string", function () { return b.compare("hello"); });
t("Buffer.compare with null", function () { return Buffer.compare(b, null); });
console.log(Buffer.allocUnsafe(3), Buffer.allocUnsafeSlow(2).length);
