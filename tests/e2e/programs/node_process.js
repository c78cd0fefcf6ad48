console.log(process.platform);
console.log(typeof process.pid);
console.log(process.cwd() === require("path").resolve("."));
console.log(process.env.ORVAN_E2E_UNSET_VARIABLE);
console.log(typeof process.env.PATH);
console.log(process.argv.length >= 1);
