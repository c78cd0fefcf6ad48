const d = new Date(Date.UTC(2024, 0, 31, 12, 30, 0));
console.log(d.toISOString(), d.getUTCDay(), d.valueOf(), JSON.stringify({ d }));
const next = new Date(d); next.setUTCMonth(1); console.log(next.toISOString());
console.log(new Date('2020-02-30T00:00:00Z').toString() === 'Invalid Date' ? 'invalid' : 'rolled', Date.UTC(1970, 0, 2));
const days = (a, b) => Math.round((b - a) / 864e5); console.log(days(new Date('2024-01-01'), new Date('2024-12-25')));
console.log([new Date(0)], { when: new Date(1e12) }, new Date(NaN));
