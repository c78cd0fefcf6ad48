// More synchronous fs calls, and the process's working folder, clocks, memory,
// mode mask and signals; errors as Node gives them (folder names taken out).
var fs = require("fs"), os = require("os"), path = require("path");
function t(name, f) {
  try {
    console.log(name, f());
  } catch (e) {
    console.log(name, "threw", e.name, e.code, e.syscall, String(e.message).split(base).join("BASE"));
  }
}
var base = fs.realpathSync(fs.mkdtempSync(path.join(os.tmpdir(), "orvan-sys-")));
console.log(path.basename(base).length, path.basename(base).slice(0, 10), fs.statSync(base).isDirectory());

// copyFileSync, with its exclusive flag, and its errors.
fs.writeFileSync(base + "/a.txt", "copied text é");
fs.chmodSync(base + "/a.txt", 0o640);
t("copy", function () { fs.copyFileSync(base + "/a.txt", base + "/b.txt"); return fs.readFileSync(base + "/b.txt", "utf8"); });
t("copy keeps the mode", function () { return (fs.statSync(base + "/b.txt").mode & 0o777).toString(8); });
t("copy over an existing file", function () { fs.writeFileSync(base + "/c.txt", "old and longer"); fs.copyFileSync(base + "/a.txt", base + "/c.txt"); return fs.readFileSync(base + "/c.txt", "utf8"); });
t("copy exclusive", function () { return fs.copyFileSync(base + "/a.txt", base + "/b.txt", 1); });
t("copy a missing file", function () { return fs.copyFileSync(base + "/none", base + "/d.txt"); });
t("copy a folder", function () { return fs.copyFileSync(base, base + "/d.txt"); });
t("copy an empty file", function () { fs.writeFileSync(base + "/empty", ""); fs.copyFileSync(base + "/empty", base + "/empty2"); return fs.statSync(base + "/empty2").size; });

// chmodSync with numbers and octal strings.
t("chmod string", function () { fs.chmodSync(base + "/b.txt", "600"); return (fs.statSync(base + "/b.txt").mode & 0o777).toString(8); });
t("chmod bad string", function () { return fs.chmodSync(base + "/b.txt", "rw"); });
t("chmod missing", function () { return fs.chmodSync(base + "/none", 0o600); });

// lstatSync sees the link itself; realpathSync where it leads.
require("child_process").execSync("ln -s a.txt " + base + "/link");
t("lstat of a link", function () { return fs.lstatSync(base + "/link").isSymbolicLink() + " " + fs.statSync(base + "/link").isSymbolicLink(); });
t("lstat missing", function () { return fs.lstatSync(base + "/none"); });
t("lstat missing, no throw", function () { return fs.lstatSync(base + "/none", { throwIfNoEntry: false }); });
t("realpath of a link", function () { return fs.realpathSync(base + "/link").split(base).join("BASE"); });
t("realpath of dots", function () { return fs.realpathSync(base + "/./x/..").split(base).join("BASE"); });

// rmdirSync: empty folders only, unless recursive.
fs.mkdirSync(base + "/full/deeper", { recursive: true });
fs.writeFileSync(base + "/full/deeper/f", "x");
t("rmdir a full folder", function () { return fs.rmdirSync(base + "/full"); });
t("rmdir a file", function () { return fs.rmdirSync(base + "/a.txt"); });
t("rmdir missing", function () { return fs.rmdirSync(base + "/none"); });
t("rmdir recursive", function () { fs.rmdirSync(base + "/full", { recursive: true }); return fs.existsSync(base + "/full"); });
t("rmdir empty", function () { fs.mkdirSync(base + "/e"); fs.rmdirSync(base + "/e"); return fs.existsSync(base + "/e"); });
t("mkdtemp in a missing folder", function () { return fs.mkdtempSync(base + "/none/x-"); });

// process: chdir, clocks, memory, umask, kill.
var start = process.cwd();
t("chdir", function () { process.chdir(base); return process.cwd() === base && fs.readFileSync("a.txt", "utf8"); });
t("chdir missing", function () { return process.chdir(base + "/none"); });
t("chdir number", function () { return process.chdir(5); });
process.chdir(start);
var up = process.uptime(), h = process.hrtime(), d = process.hrtime(h);
console.log(typeof up, up >= 0, up < 60, h.length, Number.isInteger(h[0]), h[1] >= 0 && h[1] < 1e9, d[0] >= 0, d[1] >= 0 && d[1] < 1e9);
t("hrtime of a bad time", function () { return process.hrtime(5); });
var m = process.memoryUsage(), c = process.cpuUsage();
console.log(Object.keys(m), m.rss > 0, m.heapUsed > 0, m.heapTotal >= m.heapUsed, Object.keys(c), c.user >= 0);
var mask = process.umask(0o27);
console.log(process.umask(mask).toString(8), process.umask() === mask);
console.log(process.kill(process.pid, 0));
t("kill a bad signal", function () { return process.kill(process.pid, "SIGNOPE"); });
t("kill a missing process", function () { return process.kill(2147483647, 0); });
t("kill with no pid", function () { return process.kill("x"); });

fs.rmSync(base, { recursive: true });
console.log(fs.existsSync(base));
