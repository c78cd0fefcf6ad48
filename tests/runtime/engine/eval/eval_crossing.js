// eval and Function from compiled programs: values, identity, live objects
// and exceptions crossing both ways. The parts share the top level (compiled
// functions do not close over an enclosing block's or function's locals), so
// no two of them declare the same name.

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

// Objects and functions keep their identity across the boundary.
const config = { mode: 'dev', count: 1 };
const keep = new Function('o', 'globalThis.kept = o; return o');
const back = keep(config);
console.log(back === config);
const sameAgain = new Function('o', 'return globalThis.kept === o');
console.log(sameAgain(config));
const engineObj = eval('globalThis.shared = { tag: "engine" }; globalThis.shared');
const isShared = new Function('o', 'return o === globalThis.shared');
console.log(isShared(engineObj), engineObj.tag);
function square(x) { return x * x; }
const applyTwice = new Function('f', 'x', 'return f(f(x))');
console.log(applyTwice(square, 3));
const isSameFn = new Function('f', 'g', 'return f === g');
console.log(isSameFn(square, square));
const engineFn = eval('(function named(a, b) { return [a, b, typeof this]; })');
console.log(engineFn(1, 'two'), typeof engineFn);
const counter = eval('(() => { let n = 0; return () => ++n; })()');
console.log(counter(), counter(), counter());
const method = eval('({ base: 10, add(v) { return this.base + v; } })');
console.log(method.add(5));

// Objects and arrays crossing through eval and Function stay one object:
// a change made on either side after the crossing is seen on the other.
const call = new Function('f', 'o', 'a', 'return f(o, a)');

// A compiled object and array written by engine code, then by compiled code.
const settings = JSON.parse('{"name": "app", "level": 1, "tags": ["a"]}');
const bump = new Function('s', 's.level += 1; s.added = true; s.tags.push("b"); delete s.name; return s');
console.log(bump(settings) === settings, settings.level, settings.added, settings.tags, 'name' in settings);
const look = new Function('s', 'return [s.level, s.extra, s.tags.length, Object.keys(s).join(","), JSON.stringify(s)]');
settings.extra = 'later';
settings.tags.push('c');
console.log(look(settings));

// Arrays growing and shrinking on either side, and engine array methods on a compiled array.
const list = JSON.parse('[3, 1, 2]');
const grow = new Function('a', 'a.push(4, 5); a[7] = 8; return [Array.isArray(a), a.length]');
console.log(grow(list), list.length, list[7], list[6]);
const sortIt = new Function('a', 'a.length = 4; a.sort(); return a.map(function (x) { return x * 10; }).join(" ")');
console.log(sortIt(list), list);
const sumOf = new Function('a', 'let t = 0; for (const v of a) t += v; return t');
list.push(100);
console.log(sumOf(list));

// Nested values: an inner object reached from both sides is the same object.
const tree = { left: { value: 1 }, right: { value: 2, kids: JSON.parse('[]') } };
const graft = new Function('t', 't.right.kids.push({ value: 3 }); t.left.value = 10; return t.right.kids[0]');
const kid = graft(tree);
console.log(kid === tree.right.kids[0], tree.left.value, tree.right.kids.length);
kid.value = 30;
console.log(new Function('t', 'return t.right.kids[0].value')(tree));

// An engine object and array handed to compiled code and changed there.
const engineState = eval('globalThis.shared = { count: 0, items: [], meta: { owner: "engine" } }; shared');
engineState.count = 5;
engineState.items.push('x', 'y');
engineState.meta.owner = 'compiled';
engineState.fresh = { deep: JSON.parse('[1]') };
delete engineState.meta;
console.log(eval('JSON.stringify(globalThis.shared)'));
eval('shared.count++; shared.items.pop(); shared.fresh.deep.push(2); shared.late = "set in engine"');
console.log(engineState.count, engineState.items, engineState.fresh.deep, engineState.late);
console.log(eval('globalThis.shared') === engineState);

// An engine method called by compiled code gets the engine object as `this`,
// and what it changes there is seen by compiled code.
const stack = eval('({ items: [], add(v) { this.items.push(v); return this; }, size() { return this.items.length; } })');
stack.add(1).add(2);
stack.items.push(3);
console.log(stack.size(), stack.items);

// A compiled callback writing into an engine array while engine code iterates it.
const seen = eval('[]');
const collect = function (v) { seen.push(v * 2); };
new Function('each', '[1, 2, 3].forEach(function (v) { each(v); })')(collect);
console.log(seen, call(function (o, a) { return o.x + a.length; }, { x: 1 }, seen));

// A compiled function keeps its length in the engine: declared, expression, arrow, with a default.
const lengthOf = new Function('f', 'return f.length');
console.log(lengthOf(square), lengthOf(function (a, b) { return a; }), lengthOf((x, y, z) => x),
            lengthOf(function (a, b = 1) { return a; }), lengthOf(function () {}));

// Engine objects compiled code lets go of are no longer kept in step: many
// short-lived ones stay cheap, and one crossing again is live again.
let total = 0;
for (let i = 0; i < 3000; i++) total += eval('({ n: ' + i + ' })').n;
eval('globalThis.dropped = { v: 1 }');
console.log(total, eval('globalThis.dropped').v);
const again = eval('globalThis.dropped');
again.v = 2;
console.log(eval('globalThis.dropped.v'), again === eval('dropped'));

// Properties of arrays under keys that are no index cross in both directions.
const named = 'x,y'.split(',');
named.tag = 'T';
const nameIt = new Function('a', 'a.fromEngine = a.tag + "!"; delete a.tag; return [a.length, Object.keys(a).join(), JSON.stringify(a)]');
console.log(nameIt(named), named, named.fromEngine, 'tag' in named);
const engineNamed = eval('const withName = [1, 2]; withName.label = "L"; withName["01"] = 0; withName');
console.log(engineNamed, engineNamed.label, engineNamed['01'], Object.keys(engineNamed));

// Exceptions cross in both directions with their name, message and extras.
try { eval('let = ;'); } catch (e) { console.log('syntax', e.name); }
try { eval('null.prop'); } catch (e) { console.log('engine throw', e.name); }
try {
  eval('const err = new RangeError("too far"); err.code = "E_FAR"; err.limit = 3; throw err');
} catch (e) {
  console.log(e.name, e.message, e.code, e.limit);
}
try { new Function('throw { plain: "object" }')(); } catch (e) { console.log('plain', e.plain); }
function failing() { const o = null; return o.field; }
const catcher = new Function('f', 'try { f(); return "no"; } catch (e) { return e.name + " " + (e instanceof TypeError); }');
console.log(catcher(failing));
const rethrow = new Function('f', 'f()');
try { rethrow(failing); } catch (e) { console.log('round trip', e.name); }
console.log('after');
