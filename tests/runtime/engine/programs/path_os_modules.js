const path = require('path');
console.log(path.join('/a/b', '../c', './d.txt'), path.resolve('/x', 'y', '..', 'z'), path.normalize('/a//b/../c/.'));
console.log(path.basename('/p/q/file.tar.gz', '.gz'), path.extname('a/b.c.d'), path.dirname('/a/b/c'), path.isAbsolute('x/y'));
console.log(path.parse('/home/u/file.txt'), path.format({ dir: '/tmp', name: 'n', ext: '.e' }), path.relative('/a/b/c', '/a/d'));
console.log(path.sep, path.delimiter, path.posix === path, typeof path.win32.join);
const os = require('os');
console.log(os.EOL === '\n', typeof os.hostname(), os.platform(), os.type(), typeof os.tmpdir(), os.endianness(), Array.isArray(os.cpus()));
