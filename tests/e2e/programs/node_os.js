const os = require("os");
console.log(os.platform());
console.log(JSON.stringify(os.EOL));
console.log(typeof os.homedir(), os.homedir().length > 0);
console.log(typeof os.tmpdir());
console.log(typeof os.hostname());
