// assert: Node's assertions with AssertionError and its messages, in
// JavaScript so that deep equality sees the engine's own values.
(function (native, internal, module, exports) {
'use strict';
const util = internal.require('util');
const inspect = (v) => util.inspect(v, { compact: false, sorted: true, getters: true, depth: 1000, customInspect: false });

class AssertionError extends Error {
  constructor(options) {
    const { message, actual, expected, operator } = options;
    super(message !== undefined ? String(message) : defaultMessage(actual, expected, operator));
    this.generatedMessage = message === undefined;
    this.code = 'ERR_ASSERTION';
    this.actual = actual;
    this.expected = expected;
    this.operator = operator;
  }
  get name() { return 'AssertionError'; }
}
Object.defineProperty(AssertionError.prototype, 'name', { value: 'AssertionError', writable: true, configurable: true });

const kReadable = {
  deepStrictEqual: 'Expected values to be strictly deep-equal:',
  strictEqual: 'Expected values to be strictly equal:',
  deepEqual: 'Expected values to be loosely deep-equal:',
  notDeepStrictEqual: 'Expected "actual" not to be strictly deep-equal to:',
  notStrictEqual: 'Expected "actual" to be strictly unequal to:',
};

function defaultMessage(actual, expected, operator) {
  if (operator === 'deepStrictEqual' || operator === 'strictEqual') {
    const a = inspect(actual).split('\n'), e = inspect(expected).split('\n');
    if (operator === 'strictEqual' && a.length === 1 && e.length === 1 && (typeof actual !== 'object' || actual === null) && (typeof expected !== 'object' || expected === null)) {
      return `${kReadable[operator]}\n\n${a[0]} !== ${e[0]}\n`;
    }
    return `${kReadable[operator]}\n+ actual - expected\n\n${diff(a, e)}`;
  }
  if (operator === 'notStrictEqual' || operator === 'notDeepStrictEqual') {
    const shown = inspect(actual);
    return shown.includes('\n') ? `${kReadable[operator]}\n\n${shown}\n` : `${kReadable[operator]} ${shown}`;
  }
  if (operator === '==') return `${inspect(actual)} == ${inspect(expected)}`;
  if (operator === '!=') return `${inspect(actual)} != ${inspect(expected)}`;
  if (operator === 'deepEqual') return `${kReadable.deepEqual}\n\n${inspect(actual)}\n\nshould loosely deep-equal\n\n${inspect(expected)}`;
  if (operator === 'notDeepEqual') return `"actual" deepEqual "expected"`;
  return `${inspect(actual)} ${operator} ${inspect(expected)}`;
}

// A line diff of the two inspections: "+" for actual, "-" for expected.
function diff(a, e) {
  const n = a.length, m = e.length;
  const lcs = [];
  for (let i = 0; i <= n; i++) lcs.push(new Array(m + 1).fill(0));
  for (let i = n - 1; i >= 0; i--) for (let j = m - 1; j >= 0; j--) lcs[i][j] = a[i] === e[j] ? lcs[i + 1][j + 1] + 1 : Math.max(lcs[i + 1][j], lcs[i][j + 1]);
  const out = [];
  let i = 0, j = 0;
  while (i < n || j < m) {
    if (i < n && j < m && a[i] === e[j]) { out.push(`  ${a[i]}`); i++; j++; }
    else if (i < n && (j >= m || lcs[i + 1][j] >= lcs[i][j + 1])) { out.push(`+ ${a[i]}`); i++; }
    else { out.push(`- ${e[j]}`); j++; }
  }
  return out.join('\n');
}

function isDeepEqual(a, b, strict, seen = []) {
  if (strict ? Object.is(a, b) : (a == b || (a !== a && b !== b))) return true;
  if (typeof a !== 'object' || typeof b !== 'object' || a === null || b === null) {
    if (!strict && (typeof a !== 'object' || a === null) && (typeof b !== 'object' || b === null)) return a == b;
    return false;
  }
  if (strict && Object.getPrototypeOf(a) !== Object.getPrototypeOf(b)) return false;
  const ta = Object.prototype.toString.call(a), tb = Object.prototype.toString.call(b);
  if (ta !== tb) return false;
  if (Array.isArray(a) !== Array.isArray(b)) return false;
  for (const [x, y] of seen) if (x === a && y === b) return true;
  seen = seen.concat([[a, b]]);
  if (a instanceof Date) { if (a.getTime() !== b.getTime()) return false; }
  else if (a instanceof RegExp) { if (String(a) !== String(b)) return false; }
  else if (a instanceof Error) { if (a.message !== b.message || a.name !== b.name) return false; }
  else if (ArrayBuffer.isView(a)) {
    if (a.length !== b.length) return false;
    for (let i = 0; i < a.length; i++) if (!Object.is(a[i], b[i]) && !(!strict && a[i] == b[i])) return false;
  } else if (a instanceof Set) {
    if (a.size !== b.size) return false;
    outer: for (const x of a) {
      if (b.has(x)) continue;
      if (typeof x === 'object' && x !== null) for (const y of b) if (isDeepEqual(x, y, strict, seen)) continue outer;
      return false;
    }
  } else if (a instanceof Map) {
    if (a.size !== b.size) return false;
    for (const [k, v] of a) {
      if (!b.has(k) || !isDeepEqual(v, b.get(k), strict, seen)) return false;
    }
  } else if (isBoxed(a)) {
    if (!Object.is(a.valueOf(), b.valueOf())) return false;
  }
  const ka = Object.keys(a), kb = Object.keys(b);
  if (ka.length !== kb.length) return false;
  for (const k of ka) {
    if (!Object.prototype.hasOwnProperty.call(b, k)) return false;
    if (!isDeepEqual(a[k], b[k], strict, seen)) return false;
  }
  if (strict) {
    const sa = Object.getOwnPropertySymbols(a).filter((s) => Object.prototype.propertyIsEnumerable.call(a, s));
    const sb = Object.getOwnPropertySymbols(b).filter((s) => Object.prototype.propertyIsEnumerable.call(b, s));
    if (sa.length !== sb.length) return false;
    for (const s of sa) if (!isDeepEqual(a[s], b[s], strict, seen)) return false;
  }
  return true;
}
function isBoxed(v) { return v instanceof Number || v instanceof String || v instanceof Boolean; }

// `generated`: the message is the assertion's own, made for this failure.
function fail(obj) {
  if (obj.message instanceof Error) throw obj.message;
  const e = new AssertionError(obj);
  if (obj.generated) e.generatedMessage = true;
  throw e;
}

function ok(value, message) {
  if (!value) {
    if (message !== undefined) fail({ actual: value, expected: true, operator: '==', message });
    fail({ actual: value, expected: true, operator: '==', generated: true,
      message: arguments.length === 0 ? 'No value argument passed to `assert.ok()`' : `${inspect(value)} == true` });
  }
}
function assert(value, message) { ok.apply(null, arguments.length ? [value, message] : []); }
assert.ok = function (...args) { ok(...args); };
assert.AssertionError = AssertionError;
assert.fail = function (message = 'Failed') {
  if (message instanceof Error) throw message;
  const e = new AssertionError({ message, operator: 'fail' });
  e.generatedMessage = false;
  throw e;
};
assert.equal = (a, b, message) => { if (!(a == b || (a !== a && b !== b))) fail({ actual: a, expected: b, operator: '==', message }); };
assert.notEqual = (a, b, message) => { if (a == b || (a !== a && b !== b)) fail({ actual: a, expected: b, operator: '!=', message }); };
assert.strictEqual = (a, b, message) => { if (!Object.is(a, b)) fail({ actual: a, expected: b, operator: 'strictEqual', message }); };
assert.notStrictEqual = (a, b, message) => { if (Object.is(a, b)) fail({ actual: a, expected: b, operator: 'notStrictEqual', message }); };
assert.deepEqual = (a, b, message) => { if (!isDeepEqual(a, b, false)) fail({ actual: a, expected: b, operator: 'deepEqual', message }); };
assert.notDeepEqual = (a, b, message) => { if (isDeepEqual(a, b, false)) fail({ actual: a, expected: b, operator: 'notDeepEqual', message }); };
assert.deepStrictEqual = (a, b, message) => { if (!isDeepEqual(a, b, true)) fail({ actual: a, expected: b, operator: 'deepStrictEqual', message }); };
assert.notDeepStrictEqual = (a, b, message) => { if (isDeepEqual(a, b, true)) fail({ actual: a, expected: b, operator: 'notDeepStrictEqual', message }); };

function matches(err, expected, message) {
  if (expected === undefined) return true;
  if (typeof expected === 'function') {
    if (expected.prototype !== undefined && err instanceof expected) return true;
    if (Error.isPrototypeOf(expected) || expected === Error) return false;
    return expected.call({}, err) === true;
  }
  if (expected instanceof RegExp) return expected.test(String(err));
  if (typeof expected === 'object') {
    for (const k of Object.keys(expected)) {
      const want = expected[k];
      if (want instanceof RegExp && typeof err[k] === 'string') { if (!want.test(err[k])) return false; }
      else if (!isDeepEqual(err[k], want, true)) return false;
    }
    return true;
  }
  return true;
}
assert.throws = (fn, expected, message) => {
  if (typeof expected === 'string') { message = expected; expected = undefined; }
  let threw = false, err;
  try { fn(); } catch (e) { threw = true; err = e; }
  if (!threw) fail({ actual: undefined, expected, operator: 'throws', message: 'Missing expected exception' + (expected && expected.name ? ` (${expected.name}).` : message ? `: ${message}` : '.') });
  if (!matches(err, expected, message)) {
    if (typeof expected === 'function' && !(expected.prototype !== undefined && err instanceof expected) && (Error.isPrototypeOf(expected) || expected === Error)) throw err;
    if (typeof expected === 'object' && !(expected instanceof RegExp)) fail({ actual: err, expected, operator: 'throws', message: message || `Expected values to be strictly deep-equal:\n+ actual - expected\n\n${diff(inspect(err).split('\n'), inspect(expected).split('\n'))}` });
    throw err;
  }
};
assert.doesNotThrow = (fn, expected, message) => {
  try { fn(); } catch (e) {
    fail({ actual: e, expected, operator: 'doesNotThrow', message: `Got unwanted exception${typeof message === 'string' ? ': ' + message : '.'}\nActual message: "${e && e.message}"` });
  }
};
assert.rejects = async (p, expected, message) => {
  let threw = false, err;
  try { await (typeof p === 'function' ? p() : p); } catch (e) { threw = true; err = e; }
  if (!threw) fail({ actual: undefined, expected, operator: 'rejects', message: 'Missing expected rejection' + (expected && expected.name ? ` (${expected.name}).` : '.') });
  if (!matches(err, expected, message)) throw err;
};
assert.doesNotReject = async (p, expected, message) => {
  try { await (typeof p === 'function' ? p() : p); } catch (e) {
    fail({ actual: e, expected, operator: 'doesNotReject', message: `Got unwanted rejection.\nActual message: "${e && e.message}"` });
  }
};
assert.match = (s, re, message) => { if (!re.test(s)) fail({ actual: s, expected: re, operator: 'match', generated: !message, message: message || `The input did not match the regular expression ${re}. Input:\n\n${inspect(s)}\n` }); };
assert.doesNotMatch = (s, re, message) => { if (re.test(s)) fail({ actual: s, expected: re, operator: 'doesNotMatch', generated: !message, message: message || `The input was expected to not match the regular expression ${re}. Input:\n\n${inspect(s)}\n` }); };
assert.ifError = (err) => { if (err !== null && err !== undefined) { if (err instanceof Error) throw err; fail({ actual: err, expected: null, operator: 'ifError', message: `ifError got unwanted exception: ${inspect(err)}` }); } };

const strict = function strict(value, message) { ok.apply(null, arguments.length ? [value, message] : []); };
Object.assign(strict, assert, { equal: assert.strictEqual, notEqual: assert.notStrictEqual, deepEqual: assert.deepStrictEqual, notDeepEqual: assert.notDeepStrictEqual });
strict.strict = strict;
assert.strict = strict;
assert.__isDeepEqual = (a, b, s) => isDeepEqual(a, b, s);
module.exports = assert;
})
