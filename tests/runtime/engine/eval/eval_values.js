// Values crossing from compiled code into eval'd code and back.
const kinds = eval('[42, -0.5, "plain", "h\\u00e9 \\u{1F600}", true, false, null, undefined]');
console.log(kinds);
const echo = new Function('v', 'return v');
console.log(echo(7), echo('caf\u00e9'), echo(true), echo(null), echo(undefined), echo(1e21));
const lone = echo('a' + String.fromCharCode(0xd800) + 'b');
console.log(lone.length, lone.charCodeAt(1) === 0xd800);
const typeOf = new Function('v', 'return typeof v + (Array.isArray(v) ? ":array" : "")');
const oneItem = 'x'.split(',');
console.log(typeOf(1), typeOf('s'), typeOf({}), typeOf(oneItem), typeOf(null), typeOf(undefined), typeOf(echo));
const made = eval('({ n: 1, nested: { list: [1, { deep: "yes" }] }, s: "x" })');
console.log(made, made.nested.list[1].deep);
const buf = Buffer.from('hi!');
const bufInfo = new Function('b', 'return [b.length, b[0], b[2]]');
console.log(bufInfo(buf));
