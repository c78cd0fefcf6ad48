const yaml = require('js-yaml');
const doc = yaml.load('server:\n  port: 8080\n  hosts: [a, b]\nflags:\n  - debug\n  - trace\nname: "app"\n');
console.log(doc, yaml.dump({ list: [1, 'two', { three: 3 }], nested: { ok: true } }));
try { yaml.load('a: [unclosed'); } catch (e) { console.log(e.name); }
