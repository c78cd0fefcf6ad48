// Commands and programs that cannot reach a child are refused at the call,
// as Node refuses them, instead of failing later in the child.
var cp = require("child_process");
function t(name, f) {
  try {
    console.log(name, typeof f());
  } catch (e) {
    console.log(name, "threw", e.name, e.code, e.message);
  }
}
t("spawn of an empty name", function () { return cp.spawn(""); });
t("spawn of a name with a null byte", function () { return cp.spawn("ec\u0000ho"); });
t("spawn with a null byte in an argument", function () { return cp.spawn("echo", JSON.parse('["fine", "a\\u0000b"]')); });
t("spawn of a number", function () { return cp.spawn(5); });
t("exec of an empty command", function () { return cp.exec(""); });
t("execFile of an empty name", function () { return cp.execFile(""); });
t("execSync of an empty command", function () { return cp.execSync(""); });
t("execSync with a null byte", function () { return cp.execSync("echo a\u0000b"); });
t("execSync of a number", function () { return cp.execSync(5); });
var c = cp.spawn("echo", JSON.parse('[1, true, null, "é"]'));
c.stdout.setEncoding("utf8");
c.stdout.on("data", function (d) {
  console.log("echoed", JSON.stringify(d));
});
