// Command-line helpers bundled from npm: colours, option parsers.

// chalk: styles (none without a terminal).
{
  const chalk = require('chalk');
  console.log(chalk.red('red'), chalk.bold.green('bold green'), chalk.level, `${chalk.blue('x')}y`);
}

// commander: options, defaults, arguments and an action.
{
  const { Command } = require('commander');
  const program = new Command();
  program.name('tool').option('-v, --verbose', 'talk more').option('-n, --count <n>', 'how many', '2');
  program.exitOverride();
  program.parse(['node', 'tool', '-v', '--count', '5', 'file.txt']);
  console.log(program.opts(), program.args);
  const cmd = new Command().argument('<name>').action((name) => console.log('hello', name));
  cmd.parse(['node', 'x', 'world']);
}

// minimist: flags, booleans, negation, short groups.
{
  const minimist = require('minimist');
  const argv = minimist(['-x', '3', '--name=bob', '--flag', 'rest', '--no-color', '-abc'], { boolean: ['flag'] });
  console.log(argv);
  console.log(minimist(process.argv.slice(2)));
}
