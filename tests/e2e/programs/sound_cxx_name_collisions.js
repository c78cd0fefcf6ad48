// JavaScript names equal to names of the generated program or of the runtime.
const db = require("./lib/sound_db");
console.log(db.init("main"), db.init("second"), db.count());
function name(x) { return "name:" + x; }
function json(x) { return "json:" + x; }
var JsValue = 1, JsOwned = 2, JS_NUM = 3, js_add = 4, jsc_g_console = 5;
console.log(name("a"), json("b"), JsValue + JsOwned + JS_NUM + js_add + jsc_g_console);
function JS_STR(s) { return s + "!"; }
console.log(JS_STR("hi"), typeof name);
