"use strict";
// The compiled side of the React fixture: answers the page's bridge call and
// reports what the page shows.
function greet(payload) {
  const request = JSON.parse(payload);
  return "hello " + request.name + " from the compiled side";
}

function report(payload) {
  const seen = JSON.parse(payload);
  console.log("heading: " + seen.heading);
  console.log("answer: " + seen.answer);
  Orvan.close();
}

const driver =
  "function waitFor(test, then) { var n = 0; var t = setInterval(function () {" +
  " var v = test(); if (v || ++n > 200) { clearInterval(t); then(v); } }, 50); }" +
  "function send(o) { fetch('orvan://app/__bridge__/' + encodeURIComponent(JSON.stringify(o))); }" +
  "waitFor(function () { return document.getElementById('ask'); }, function (button) {" +
  " if (!button) { send({ cmd: 'report', heading: 'none', answer: 'none' }); return; }" +
  " button.click();" +
  " waitFor(function () { return document.getElementById('answer').textContent; }, function (a) {" +
  "  send({ cmd: 'report', heading: document.getElementById('heading').textContent, answer: a || '' }); }); });";

setTimeout(function () {
  Orvan.eval(driver);
}, 0);
window.open(__ORVAN_BUNDLE_HTML__, "React in Orvan", "width=640,height=480");
console.log("window closed");
