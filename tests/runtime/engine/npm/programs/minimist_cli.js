const minimist = require('minimist');
const argv = minimist(['-x', '3', '--name=bob', '--flag', 'rest', '--no-color', '-abc'], { boolean: ['flag'] });
console.log(argv);
console.log(minimist(process.argv.slice(2)));
