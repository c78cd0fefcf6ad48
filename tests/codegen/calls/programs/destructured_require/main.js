const { join, extname } = require('path');
const { existsSync: exists } = require('fs');
console.log(join('a', 'b', 'c'));
console.log(extname('/tmp/file.txt'));
console.log(exists('/definitely/not/here'));
