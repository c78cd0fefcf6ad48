const temp = { _c: 20, get f() { return this._c * 9 / 5 + 32; }, set f(v) { this._c = (v - 32) * 5 / 9; } };
temp.f = 212; console.log(temp._c, temp.f, temp);
const logged = [];
const p = new Proxy({ x: 1 }, { get(t, k) { logged.push(String(k)); return k in t ? t[k] : `no ${String(k)}`; }, has: () => true });
console.log(p.x, p.y, 'z' in p, logged);
console.log(Reflect.ownKeys({ a: 1, [Symbol('s')]: 2 }).length, Reflect.has({ q: 1 }, 'q'));
const ro = Object.defineProperty({}, 'fixed', { value: 1, enumerable: false }); console.log(ro, ro.fixed, Object.keys(ro));
