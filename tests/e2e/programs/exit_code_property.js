console.log("set exitCode");
process.exitCode = 4;
