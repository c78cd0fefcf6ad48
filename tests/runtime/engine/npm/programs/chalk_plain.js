const chalk = require('chalk');
console.log(chalk.red('red'), chalk.bold.green('bold green'), chalk.level, `${chalk.blue('x')}y`);
