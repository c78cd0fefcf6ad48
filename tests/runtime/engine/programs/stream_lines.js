const { Readable, Transform } = require('stream');
const lines = new Transform({
  readableObjectMode: true,
  transform(chunk, enc, cb) { this.rest = (this.rest || '') + chunk; const parts = this.rest.split('\n'); this.rest = parts.pop(); parts.forEach((p) => this.push(p)); cb(); },
  flush(cb) { if (this.rest) this.push(this.rest); cb(); },
});
const src = Readable.from(['alpha\nbe', 'ta\ngam', 'ma\n', 'delta']);
const out = [];
src.pipe(lines).on('data', (l) => out.push(l.toUpperCase())).on('end', () => console.log(out));
