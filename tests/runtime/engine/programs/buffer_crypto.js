const crypto = require('crypto');
const b = Buffer.from('héllo wörld');
console.log(b, b.length, b.toString('hex'), b.toString('base64'));
console.log(Buffer.concat([Buffer.from([1, 2]), Buffer.alloc(2, 9)]), Buffer.from('aGk=', 'base64').toString());
console.log(crypto.createHash('sha256').update('abc').digest('hex'));
console.log(crypto.createHmac('sha256', 'key').update('msg').digest('hex'));
console.log(new TextDecoder().decode(new TextEncoder().encode('ok ✓')), btoa('hi'), atob('aGk='));
const u = new URL('https://user@example.com:8080/a/../b?x=1&y=2#h');
console.log(u.href, u.host, u.searchParams.get('y'), require('querystring').stringify({ a: [1, 2], b: 'c d' }));
