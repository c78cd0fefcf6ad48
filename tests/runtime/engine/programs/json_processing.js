const data = JSON.parse('{"users":[{"name":"Ann","age":31,"tags":["a","b"]},{"name":"Bo","age":25,"tags":[]}],"meta":{"v":1.5,"ok":true,"none":null}}');
console.log(data.users.map((u) => u.name), data.meta);
console.log(JSON.stringify(data, null, 2));
console.log(JSON.stringify({ d: new Date(86400000), u: undefined, f() {}, n: NaN, nested: [undefined] }));
console.log(JSON.stringify(data, (k, v) => (k === 'tags' ? v.length : v)));
console.log(JSON.stringify({ a: 1, b: 2, c: 3 }, ['a', 'c']), JSON.stringify('\u2028\ud800'), JSON.stringify({ toJSON() { return 'custom'; } }));
try { JSON.parse('{bad json}'); } catch (e) { console.log(e.name); }
const revived = JSON.parse('{"when":"2020-01-01T00:00:00.000Z"}', (k, v) => (k === 'when' ? new Date(v) : v));
console.log(revived.when.getUTCFullYear(), revived);
