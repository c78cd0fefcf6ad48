const { join, basename } = require('path');
const { existsSync: exists } = require('fs');
console.log(join('a', 'b', 'c'));
console.log(basename('/tmp/file.txt'));
console.log(exists('/definitely/not/here'));
