const { Command } = require('commander');
const program = new Command();
program.name('tool').option('-v, --verbose', 'talk more').option('-n, --count <n>', 'how many', '2');
program.exitOverride();
program.parse(['node', 'tool', '-v', '--count', '5', 'file.txt']);
console.log(program.opts(), program.args);
const cmd = new Command().argument('<name>').action((name) => console.log('hello', name));
cmd.parse(['node', 'x', 'world']);
