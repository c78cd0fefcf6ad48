// Strings, numbers and dates as text, and how console.log and util.inspect
// display values.

// Regular expressions, string methods, Unicode, URI encoding.
{
  const log = '2024-01-15 ERROR disk full\n2024-01-16 INFO ok\n2024-01-17 ERROR net down';
  const errors = [...log.matchAll(/^(\d{4})-(\d\d)-(\d\d) ERROR (.+)$/gm)].map((m) => ({ day: +m[3], msg: m[4] }));
  console.log(errors);
  console.log('a-b_c d'.replace(/[-_ ](\w)/g, (_, c) => c.toUpperCase()), 'x'.padStart(4, '*'), 'abc'.at(-1));
  const { groups } = /(?<user>\w+)@(?<host>[\w.]+)/.exec('mail bob@example.org now');
  console.log(groups.user, groups.host, 'Straße'.toUpperCase(), 'ǅ'.toLowerCase());
  console.log('one,two,,three'.split(','), 'tab\tsep'.split(/\s/), '  trim  '.trim() + '|');
  console.log('%s is %d years', 'Zoe', 7.5, 'extra', `template ${1 + 1}`);
  console.log('café'.normalize('NFD').length, [...'👍🏽x'].length, 'aXbX'.replaceAll('X', '-'), /\p{L}+/u.test('ñ'));
  console.log(encodeURIComponent('a b&c/é'), decodeURIComponent('%F0%9F%98%80'), escape ? 'esc' : '');
  console.log('abc'.localeCompare('abd'), 'Hello'.split('').reverse().join(''), String.raw`a\nb`);
}

// Padding, number formatting and conversions.
{
  const items = [{ name: 'Widget', price: 9.99, qty: 3 }, { name: 'Gadget', price: 24.5, qty: 1 }, { name: 'Thing', price: 0.5, qty: 12 }];
  console.log('Item'.padEnd(10) + 'Qty'.padStart(5) + 'Total'.padStart(10));
  for (const i of items) console.log(i.name.padEnd(10) + String(i.qty).padStart(5) + (i.price * i.qty).toFixed(2).padStart(10));
  console.log((1234567.891).toLocaleString('en-US'), (0.1 + 0.2).toPrecision(3), (255).toString(16), (1e-7).toString(), 123.456.toFixed(1));
  console.log(Number('0x1f'), parseInt('08'), parseFloat('3.14abc'), Number.MAX_SAFE_INTEGER, 2 ** 53 + 1, 0.1 * 3, -0, [-0], 1 / 3);
  console.log(`${[1, 2]}`, String({}), `${null} ${undefined}`, [1, [2, 3]].toString(), 5n ** 20n, typeof 1n);
  console.log(new Date(Date.UTC(2020, 1, 29, 12)).toISOString(), Math.round(2.5), Math.round(-2.5), Math.sign(-3));
}

// Tagged and multi-line template literals.
{
  const html = (strings, ...vals) => strings.reduce((out, s, i) => out + s + (i < vals.length ? String(vals[i]).replace(/[<>&]/g, (c) => ({ '<': '&lt;', '>': '&gt;', '&': '&amp;' })[c]) : ''), '');
  console.log(html`<p>${'<b>bold</b>'} & ${42}</p>`);
  const money = (n) => `$${n.toFixed(2)}`;
  console.log(`Total: ${money(3 * 4.5)} for ${[1, 2, 3].length} items`, `multi
line`);
}

// Dates in UTC: parts, JSON, invalid dates, differences, display.
{
  const d = new Date(Date.UTC(2024, 0, 31, 12, 30, 0));
  console.log(d.toISOString(), d.getUTCDay(), d.valueOf(), JSON.stringify({ d }));
  const next = new Date(d); next.setUTCMonth(1); console.log(next.toISOString());
  console.log(new Date('2020-02-30T00:00:00Z').toString() === 'Invalid Date' ? 'invalid' : 'rolled', Date.UTC(1970, 0, 2));
  const days = (a, b) => Math.round((b - a) / 864e5); console.log(days(new Date('2024-01-01'), new Date('2024-12-25')));
  console.log([new Date(0)], { when: new Date(1e12) }, new Date(NaN));
}

// Display of toStringTag, custom inspect, long arrays, quoting, functions, nesting.
{
  class Temperature { constructor(c) { this.c = c; } get [Symbol.toStringTag]() { return 'Temp'; } }
  console.log(new Temperature(21), [new Temperature(1)]);
  class Custom { [Symbol.for('nodejs.util.inspect.custom')]() { return 'CUSTOM!'; } }
  console.log(new Custom(), { nested: new Custom() });
  console.log(Array.from({ length: 7 }, (_, i) => 'item' + i), Array.from({ length: 30 }, (_, i) => i * 1000));
  console.log({ s: 'it\'s "quoted"', n: '\n\t', u: 'ünï', e: '' }, ['a\\b']);
  console.log([1.5, -0, NaN, Infinity, 1e-7, 2 ** 40], { undef: undefined, nul: null });
  console.log(Object.assign(() => {}, { prop: 1 }), Object.assign(function f() {}, { a: [1] }));
  const arr = [1, 2, 3]; arr.extra = 'x'; console.log(arr, new Array(3), [, 1, , 2]);
  console.log(new Error('top').message, { err: new RangeError('inner') }.err.name, [new Set([[1, 2]])], new Map([[{ k: 1 }, new Set()]]));
  console.log('x'.repeat(100));
  console.log({ longString: 'y'.repeat(90), short: 1 });
  console.log([[1, 2, [3, 4, [5, [6]]]], { a: { b: { c: { d: { e: 1 } } } } }]);
}

// util.inspect and util.format: depth, circular references, line breaking.
{
  const util = require('util');
  const big = { name: 'config', nested: { level1: { level2: { level3: { level4: 'deep' } } } }, list: Array.from({ length: 30 }, (_, i) => i), long: 'x'.repeat(30) };
  console.log(big);
  console.log(util.inspect(big, { depth: 0 }), util.inspect('str'), util.inspect(new Map([['k', { v: [1, 2] }]])));
  const circ = { name: 'c' }; circ.self = circ; circ.list = [circ]; console.log(circ);
  console.log(util.format('%s %s', 'only-one'), util.format('%%', 1), util.format('%j', { a: [1] }), util.format(1, 2, 'three'));
  console.log([new Error('in array').message], { fn: function named() {}, arrow: () => 1, cls: class Foo {} });
  console.log(util.types.isPromise(Promise.resolve()), util.isDeepStrictEqual([1, { a: 2 }], [1, { a: 2 }]), util.inspect(Symbol('s')));
  console.log({ a: 'a'.repeat(80) }, [['nested', ['arrays', ['deep', ['deeper']]]]]);
  console.log(new Array(120).fill(7));
  console.log(Array.from({ length: 26 }, (_, i) => String.fromCharCode(97 + i).repeat(i % 4 + 1)));
}

// Strict equality of strings: the same string, equal texts built apart (one
// of them from wide characters), equal lengths with different text, and
// different lengths sharing a prefix.
{
  const wide = 'caf\u00e9\u20ac';
  const narrowFromWide = wide.slice(0, 4);
  const built = ['c', 'a', 'f', String.fromCharCode(0xe9)].join('');
  const pairs = [
    [wide, wide], [narrowFromWide, 'caf\u00e9'], [built, narrowFromWide], ['\u20ac', wide.slice(4)],
    ['abcd', 'abce'], ['\u20aca', '\u20acb'], ['ab', 'abc'], ['', ''], ['', 'a'], ['Program', 'Program'.slice(0)],
  ];
  console.log(pairs.map(([a, b]) => [a === b, b === a, a !== b, a.length === b.length].join(' ')));
  const kind = (type) => {
    switch (type) {
      case 'Identifier': return 1;
      case 'Identifiers': return 2;
      case 'Ident' + 'ifier\u20ac'.slice(0, 5): return 3;
      default: return 0;
    }
  };
  console.log(kind('Identifier'), kind('Identifiers'), kind(['I', 'dentifier'].join('')), kind('identifier'), kind(''));
}
