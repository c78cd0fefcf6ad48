// Data helpers bundled from npm: collections, query strings, versions, YAML
// and templates.

// lodash: grouping, sorting, chunks, merge, get, range.
{
  const _ = require('lodash');
  const people = [{ n: 'ann', age: 31, team: 'a' }, { n: 'bob', age: 25, team: 'b' }, { n: 'cid', age: 40, team: 'a' }];
  console.log(_.groupBy(people, 'team'), _.sortBy(people, ['age']).map((p) => p.n));
  console.log(_.chunk([1, 2, 3, 4, 5], 2), _.uniq([1, 1, 2]), _.camelCase('hello big world'), _.debounce ? 'debounce' : '');
  console.log(_.merge({ a: { b: 1 } }, { a: { c: 2 } }), _.get(people, '[1].n'), _.range(0, 10, 3), _.isEqual({ x: [1] }, { x: [1] }));
}

// qs: nested query strings both ways.
{
  const qs = require('qs');
  const parsed = qs.parse('a[b][c]=1&list[]=x&list[]=y&plain=hello%20world');
  console.log(parsed, qs.stringify({ user: { name: 'ann', roles: ['a', 'b'] } }, { encode: false }));
  console.log(qs.stringify({ q: 'a b&c' }), qs.parse('x=1&x=2'));
}

// semver: sorting, ranges, coercion.
{
  const semver = require('semver');
  const versions = ['1.2.3', '1.10.0', '0.9.1', '2.0.0-beta.1', '1.2.10'];
  console.log(versions.sort(semver.compare), semver.maxSatisfying(versions, '^1.2.0'), semver.valid('x.y'), semver.inc('1.2.3', 'minor'));
  console.log(semver.satisfies('1.5.0', '>=1.2 <2'), semver.coerce('v3.4').version, semver.major('4.5.6'), semver.gt('1.0.0', '0.9.9'));
}

// js-yaml: load, dump and a syntax error.
{
  const yaml = require('js-yaml');
  const doc = yaml.load('server:\n  port: 8080\n  hosts: [a, b]\nflags:\n  - debug\n  - trace\nname: "app"\n');
  console.log(doc, yaml.dump({ list: [1, 'two', { three: 3 }], nested: { ok: true } }));
  try { yaml.load('a: [unclosed'); } catch (e) { console.log(e.name); }
}

// mustache: sections, escaping, a function value.
{
  const Mustache = require('mustache');
  const view = { title: 'Report', items: [{ name: 'a', qty: 2 }, { name: 'b&c', qty: 0 }], total() { return this.items.reduce((s, i) => s + i.qty, 0); } };
  console.log(Mustache.render('{{title}}\n{{#items}}- {{name}}: {{qty}}\n{{/items}}total={{total}} raw={{{title}}}', view));
}
