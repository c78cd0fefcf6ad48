// "... is not a function" and "Cannot read properties of ..." name what was called, as node does.

function t(label, f) {
  try { f(); console.log(label, "no error"); } catch (e) { console.log(label, e.name + ": " + e.message); }
}
var arr = JSON.parse("[1,2]");
var obj = JSON.parse('{"n":5,"inner":{}}');
var text = "x";
var num = 5;
var nothing;
var nil = null;
function named() {}

// a missing method of a top-level variable
t("array", function () { arr.nope(); });
t("object", function () { obj.nope(1, 2); });
t("string", function () { text.nope(); });
t("number", function () { num.nope(); });
t("not callable member", function () { obj.n(); });
t("function", function () { named.nope(); });
t("literal", function () { "lit".nope(); });

// calling a variable that holds no function
t("call number", function () { num(); });
t("call object", function () { obj(); });

// undefined and null receivers
t("undefined", function () { nothing.nope(); });
t("null", function () { nil.nope(); });
t("missing member", function () { obj.missing.nope(); });
t("member of undefined", function () { nothing.x; });

// an uncaught one inside try/finally still reaches the outer catch with its text
try {
  try { arr.nope(); } finally { console.log("finally ran"); }
} catch (e) {
  console.log("outer", e.message);
}
