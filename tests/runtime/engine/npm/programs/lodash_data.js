const _ = require('lodash');
const people = [{ n: 'ann', age: 31, team: 'a' }, { n: 'bob', age: 25, team: 'b' }, { n: 'cid', age: 40, team: 'a' }];
console.log(_.groupBy(people, 'team'), _.sortBy(people, ['age']).map((p) => p.n));
console.log(_.chunk([1, 2, 3, 4, 5], 2), _.uniq([1, 1, 2]), _.camelCase('hello big world'), _.debounce ? 'debounce' : '');
console.log(_.merge({ a: { b: 1 } }, { a: { c: 2 } }), _.get(people, '[1].n'), _.range(0, 10, 3), _.isEqual({ x: [1] }, { x: [1] }));
