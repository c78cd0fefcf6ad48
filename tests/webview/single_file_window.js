"use strict";
// A single file compiled with -compile: window.open makes it a web-view
// program without a public folder, so only the bridge answers on orvan://app.
function bye(payload) {
  console.log("asset status " + JSON.parse(payload).status);
  Orvan.close();
}

window.open(
  "<script>fetch('orvan://app/index.html').then(function (r) {" +
    " fetch('orvan://app/__bridge__/' + encodeURIComponent(JSON.stringify({ cmd: 'bye', status: r.status }))); });" +
    "</script>",
  "single file"
);
console.log("window closed");
