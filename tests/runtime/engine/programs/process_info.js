console.log(typeof process.hrtime()[0], typeof process.hrtime.bigint(), process.memoryUsage().rss > 0, typeof process.uptime());
console.log(process.cwd() === require('path').resolve('.'), process.argv0.length > 0, process.exitCode, Array.isArray(process.execArgv));
console.log(typeof process.stdout.write, process.stdout.write('direct write\n'), typeof process.env, 'title' in process);
console.log(require('os').EOL === '\n', typeof require('os').cpus().length, require('os').platform(), typeof require('os').homedir());
console.log(globalThis === global, typeof require, typeof module, typeof exports, require.main === module, typeof __dirname);
