// The page arrives inlined as one string: its length and a few landmarks show
// that the style sheet and the script were put in and escaped correctly.
const page = __ORVAN_BUNDLE_HTML__;
console.log(page.length);
console.log(page.indexOf("<style>") >= 0, page.indexOf("color: teal") >= 0);
console.log(page.indexOf("<script>") >= 0, page.indexOf("clicked") >= 0);
console.log(JSON.stringify(page.split("\n")[1]));
const lines = page.split("\r\n").length;
console.log("crlf pieces", lines);
console.log(page.indexOf("stylesheet") < 0 ? "link replaced" : "link kept");
