// A long program: hundreds of top-level variables, statements spread over many pieces, closures and
// exceptions that cross them, and short counted loops, some of whose counters other code moves.
var a0 = 0, a1 = 3, a2 = 6, a3 = 9, a4 = 12, a5 = 15, a6 = 1, a7 = 4, a8 = 7, a9 = 10, a10 = 13, a11 = 16, a12 = 2, a13 = 5, a14 = 8, a15 = 11, a16 = 14, a17 = 0, a18 = 3, a19 = 6, a20 = 9, a21 = 12, a22 = 15, a23 = 1, a24 = 4, a25 = 7, a26 = 10, a27 = 13, a28 = 16, a29 = 2;
var a30 = 5, a31 = 8, a32 = 11, a33 = 14, a34 = 0, a35 = 3, a36 = 6, a37 = 9, a38 = 12, a39 = 15, a40 = 1, a41 = 4, a42 = 7, a43 = 10, a44 = 13, a45 = 16, a46 = 2, a47 = 5, a48 = 8, a49 = 11, a50 = 14, a51 = 0, a52 = 3, a53 = 6, a54 = 9, a55 = 12, a56 = 15, a57 = 1, a58 = 4, a59 = 7;
var a60 = 10, a61 = 13, a62 = 16, a63 = 2, a64 = 5, a65 = 8, a66 = 11, a67 = 14, a68 = 0, a69 = 3, a70 = 6, a71 = 9, a72 = 12, a73 = 15, a74 = 1, a75 = 4, a76 = 7, a77 = 10, a78 = 13, a79 = 16, a80 = 2, a81 = 5, a82 = 8, a83 = 11, a84 = 14, a85 = 0, a86 = 3, a87 = 6, a88 = 9, a89 = 12;
var a90 = 15, a91 = 1, a92 = 4, a93 = 7, a94 = 10, a95 = 13, a96 = 16, a97 = 2, a98 = 5, a99 = 8, a100 = 11, a101 = 14, a102 = 0, a103 = 3, a104 = 6, a105 = 9, a106 = 12, a107 = 15, a108 = 1, a109 = 4, a110 = 7, a111 = 10, a112 = 13, a113 = 16, a114 = 2, a115 = 5, a116 = 8, a117 = 11, a118 = 14, a119 = 0;
var a120 = 3, a121 = 6, a122 = 9, a123 = 12, a124 = 15, a125 = 1, a126 = 4, a127 = 7, a128 = 10, a129 = 13, a130 = 16, a131 = 2, a132 = 5, a133 = 8, a134 = 11, a135 = 14, a136 = 0, a137 = 3, a138 = 6, a139 = 9, a140 = 12, a141 = 15, a142 = 1, a143 = 4, a144 = 7, a145 = 10, a146 = 13, a147 = 16, a148 = 2, a149 = 5;
var a150 = 8, a151 = 11, a152 = 14, a153 = 0, a154 = 3, a155 = 6, a156 = 9, a157 = 12, a158 = 15, a159 = 1, a160 = 4, a161 = 7, a162 = 10, a163 = 13, a164 = 16, a165 = 2, a166 = 5, a167 = 8, a168 = 11, a169 = 14, a170 = 0, a171 = 3, a172 = 6, a173 = 9, a174 = 12, a175 = 15, a176 = 1, a177 = 4, a178 = 7, a179 = 10;
var a180 = 13, a181 = 16, a182 = 2, a183 = 5, a184 = 8, a185 = 11, a186 = 14, a187 = 0, a188 = 3, a189 = 6, a190 = 9, a191 = 12, a192 = 15, a193 = 1, a194 = 4, a195 = 7, a196 = 10, a197 = 13, a198 = 16, a199 = 2, a200 = 5, a201 = 8, a202 = 11, a203 = 14, a204 = 0, a205 = 3, a206 = 6, a207 = 9, a208 = 12, a209 = 15;
var a210 = 1, a211 = 4, a212 = 7, a213 = 10, a214 = 13, a215 = 16, a216 = 2, a217 = 5, a218 = 8, a219 = 11, a220 = 14, a221 = 0, a222 = 3, a223 = 6, a224 = 9, a225 = 12, a226 = 15, a227 = 1, a228 = 4, a229 = 7, a230 = 10, a231 = 13, a232 = 16, a233 = 2, a234 = 5, a235 = 8, a236 = 11, a237 = 14, a238 = 0, a239 = 3;
var a240 = 6, a241 = 9, a242 = 12, a243 = 15, a244 = 1, a245 = 4, a246 = 7, a247 = 10, a248 = 13, a249 = 16, a250 = 2, a251 = 5, a252 = 8, a253 = 11, a254 = 14, a255 = 0, a256 = 3, a257 = 6, a258 = 9, a259 = 12, a260 = 15, a261 = 1, a262 = 4, a263 = 7, a264 = 10, a265 = 13, a266 = 16, a267 = 2, a268 = 5, a269 = 8;
var a270 = 11, a271 = 14, a272 = 0, a273 = 3, a274 = 6, a275 = 9, a276 = 12, a277 = 15, a278 = 1, a279 = 4, a280 = 7, a281 = 10, a282 = 13, a283 = 16, a284 = 2, a285 = 5, a286 = 8, a287 = 11, a288 = 14, a289 = 0, a290 = 3, a291 = 6, a292 = 9, a293 = 12, a294 = 15, a295 = 1, a296 = 4, a297 = 7, a298 = 10, a299 = 13;
var total = 0;
var seen = '';
function sumRange(from, to) {
  var s = 0;
  for (var k = from; k < to; k++) s += k;
  return s;
}
function readSome() { return a0 + a17 + a150 + a299; }
var calls = 0;
var counter = function () { calls++; return calls; };
total += readSome();
for (var i = 0; i < 3; i++) total += a1 * i;
seen += 'i=' + i + ' ';
function skipAhead() { j = j + 2; }
for (var j = 0; j < 10; j++) { skipAhead(); seen += j + ','; }
seen += 'j=' + j + ' ';
for (var m = 0; m < 5; m++) { if (m === 1) continue; if (m === 3) break; total += m; }
seen += 'm=' + m + ' ';
for (var n = 0; n <= 4; n++) { try { if (n % 2) throw Error('odd ' + n); total += n; } catch (e) { seen += e.message + ';'; } }
for (var p = 0; p < 3; p++) { var later = function () { return p; }; total += later(); }
function fail(what) { throw TypeError('failed: ' + what); }
a5 = a5 + counter();
a6 = a6 + counter();
total += a5 + a6;
try { fail('first'); } catch (e) { seen += e.name + ' '; }
a7 = sumRange(0, 10);
a8 = a7 * 2;
total += a8;
try { null.x; } catch (e) { seen += (e instanceof TypeError) + ' '; }
a9 = 'text ' + a9;
a10 = { v: a10 };
total += a10.v;
seen += counter() + ' ';
for (var q = 0; q < 2; q++) { a11 = a11 + q; }
total += a11;
a12 = readSome() - a0;
total += a12;
var caught = 0;
for (var r = 0; r < 4; r++) { try { fail(r); } catch (e) { caught++; } }
total += caught;
console.log(total, a9, a10.v, a299, seen);
try { fail('last'); } catch (e) { console.log(e.message); }
var all = 0;

all += a0;
all += a7;
all += a14;
all += a21;
all += a28;
all += a35;
all += a42;
all += a49;
all += a56;
all += a63;
all += a70;
all += a77;
all += a84;
all += a91;
all += a98;
all += a105;
all += a112;
all += a119;
all += a126;
all += a133;
all += a140;
all += a147;
all += a154;
all += a161;
all += a168;
all += a175;
all += a182;
all += a189;
all += a196;
all += a203;
all += a210;
all += a217;
all += a224;
all += a231;
all += a238;
all += a245;
all += a252;
all += a259;
all += a266;
all += a273;
all += a280;
all += a287;
all += a294;
console.log(all, counter());
