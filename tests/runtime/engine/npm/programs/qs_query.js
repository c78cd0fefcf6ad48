const qs = require('qs');
const parsed = qs.parse('a[b][c]=1&list[]=x&list[]=y&plain=hello%20world');
console.log(parsed, qs.stringify({ user: { name: 'ann', roles: ['a', 'b'] } }, { encode: false }));
console.log(qs.stringify({ q: 'a b&c' }), qs.parse('x=1&x=2'));
