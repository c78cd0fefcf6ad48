const fs = require('fs');
const path = require('path');
const file = path.join(require('os').tmpdir(), `stream-${process.pid}.txt`);
const ws = fs.createWriteStream(file);
for (let i = 0; i < 5; i++) ws.write(`line ${i}\n`);
ws.end('last\n', () => {
  fs.readFile(file, 'utf8', (err, text) => {
    if (err) throw err;
    console.log('callback read', text.split('\n').length);
    const rs = fs.createReadStream(file, { encoding: 'utf8', highWaterMark: 8 });
    let chunks = 0, all = '';
    rs.on('data', (c) => { chunks++; all += c; });
    rs.on('end', () => {
      console.log('stream read', chunks > 1, all.length);
      fs.unlink(file, (e) => console.log('unlinked', e));
    });
  });
});
fs.stat('/definitely/missing', (err) => console.log('stat error', err.code));
