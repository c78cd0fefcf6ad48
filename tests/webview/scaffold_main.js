"use strict";
// The entry of the scaffold project under test: it opens the scaffold's own
// page and drives it through Orvan.eval.
//   app interact        clicks "Ping backend", asks for an emitted event,
//                       probes odd asset and bridge requests, prints what the
//                       page shows and closes the window
//   app shot <dir>      writes <dir>/shown once the page is drawn and closes
//                       the window when <dir>/done appears
const fs = require("fs");
const mode = process.argv[2] || "interact";
const flagDir = process.argv[3] || ".";
let poll;

function ready() {
  Orvan.emit("hello from main");
  Orvan.emit("status", { ok: true });
  Orvan.emit("utf8", "h\u00e9llo \u2713");
  return "emitted";
}

function data() {
  return { n: 1, text: "a" };
}

function fail(payload) {
  throw Error("boom " + JSON.parse(payload).n);
}

function report(payload) {
  const seen = JSON.parse(payload);
  console.log("page output:");
  console.log(seen.out);
  console.log("image width: " + seen.img);
  console.log("decoded as UTF-8: " + seen.utf8);
  console.log(seen.probes.join("\n"));
  Orvan.close();
  return "reported";
}

function shown() {
  fs.writeFileSync(flagDir + "/shown", "shown");
}

const helpers =
  "function waitFor(test, then) { var n = 0; var t = setInterval(function () {" +
  " var v = test(); if (v || ++n > 400) { clearInterval(t); then(v); } }, 25); }" +
  "function bridge(o) { return 'orvan://app/__bridge__/' + encodeURIComponent(JSON.stringify(o)); }" +
  "var out = document.getElementById('o'); var img = document.querySelector('img');" +
  "function count(text) { return out.textContent.split(text).length - 1; }";

const interact =
  helpers +
  "var probes = [['parent', 'orvan://app/../orvan.config.json']," +
  " ['encoded dots', 'orvan://app/%2e%2e/orvan.config.json']," +
  " ['encoded dots and slash', 'orvan://app/%2E%2E%2Forvan.config.json']," +
  " ['encoded nul', 'orvan://app/app.svg%00']," +
  " ['bad escape', 'orvan://app/%zz']," +
  " ['long path', 'orvan://app/' + 'a'.repeat(10000)]," +
  " ['query', 'orvan://app/app.svg?v=1']," +
  " ['fragment', 'orvan://app/style.css#top']," +
  " ['missing', 'orvan://app/missing.txt']," +
  " ['other host', 'orvan://elsewhere/app.svg']," +
  " ['bridge object', bridge({ cmd: 'data' })]," +
  " ['bridge throws', bridge({ cmd: 'fail', n: 3 })]," +
  " ['bridge missing', bridge({ cmd: 'nosuch' })]," +
  " ['bridge no cmd', bridge({ x: 1 })]," +
  " ['bridge not json', 'orvan://app/__bridge__/not%20json']," +
  " ['bridge nested deeply', 'orvan://app/__bridge__/' + encodeURIComponent('{\"cmd\":\"data\",\"x\":' +" +
  "   '['.repeat(100000) + ']'.repeat(100000) + '}')]];" +
  "function probe(i, lines, done) {" +
  " if (i === probes.length) { done(lines); return; }" +
  " fetch(probes[i][1]).then(function (r) { return r.text().then(function (t) {" +
  "  lines.push(probes[i][0] + ': ' + r.status + ' ' + (r.headers.get('content-type') || '') + ' ' + t.slice(0, 60)); }); })" +
  " .catch(function (e) { lines.push(probes[i][0] + ': failed ' + e); })" +
  " .then(function () { probe(i + 1, lines, done); }); }" +
  "var utf8 = '';" +
  "window.addEventListener('orvan-backend', function (e) { if (e.detail.name !== 'utf8') return;" +
  " var b = atob(e.detail.payloadB64); var bytes = new Uint8Array(b.length);" +
  " for (var i = 0; i < b.length; i++) bytes[i] = b.charCodeAt(i);" +
  " utf8 = new TextDecoder().decode(bytes); });" +
  "document.getElementById('b').click();" +
  "waitFor(function () { return out.textContent.indexOf('fetch ') >= 0; }, function () {" +
  " fetch(bridge({ cmd: 'ready' }));" +
  " waitFor(function () { return count('reply ') === 3 && img.complete; }, function () {" +
  "  probe(0, [], function (lines) {" +
  "   fetch(bridge({ cmd: 'report', out: out.textContent, img: img.naturalWidth, utf8: utf8, probes: lines })); }); }); });";

const shot =
  helpers +
  "waitFor(function () { return img.complete && img.naturalWidth > 0; }, function () {" +
  " requestAnimationFrame(function () { requestAnimationFrame(function () {" +
  "  fetch(bridge({ cmd: 'shown' })); }); }); });";

setTimeout(function () {
  Orvan.eval(mode === "shot" ? shot : interact);
}, 0);
if (mode === "shot") {
  poll = setInterval(function () {
    if (fs.existsSync(flagDir + "/done")) {
      clearInterval(poll);
      Orvan.close();
    }
  }, 50);
}
window.open(__ORVAN_BUNDLE_HTML__, "Orvan scaffold", "width=640,height=480,left=0,top=0");
console.log("window closed");
