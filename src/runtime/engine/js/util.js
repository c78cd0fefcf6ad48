// util: inspect and format as Node prints values, promisify, inherits,
// types, deprecate and isDeepStrictEqual.
(function (native, internal, module, exports) {
'use strict';

const customInspect = Symbol.for('nodejs.util.inspect.custom');
const kObject = 0, kArray = 1, kArrayItem = 2;  // kArray: an array's extra keys

const strEscapeRe = /[\x00-\x1f\x27\x5c\x7f-\x9f]/;
const meta = [
  '\\x00', '\\x01', '\\x02', '\\x03', '\\x04', '\\x05', '\\x06', '\\x07',
  '\\b', '\\t', '\\n', '\\x0B', '\\f', '\\r', '\\x0E', '\\x0F',
  '\\x10', '\\x11', '\\x12', '\\x13', '\\x14', '\\x15', '\\x16', '\\x17',
  '\\x18', '\\x19', '\\x1A', '\\x1B', '\\x1C', '\\x1D', '\\x1E', '\\x1F',
];

function strEscape(str) {
  let quote = "'";
  if (str.includes("'")) {
    if (!str.includes('"')) quote = '"';
    else if (!str.includes('`') && !str.includes('${')) quote = '`';
  }
  let out = '';
  for (let i = 0; i < str.length; i++) {
    const c = str.charCodeAt(i);
    const ch = str[i];
    if (ch === quote || ch === '\\') out += '\\' + ch;
    else if (c < 32) out += meta[c];
    else if (c === 0x7f) out += '\\x7F';
    else if (c >= 0xd800 && c <= 0xdfff) {
      const next = str.charCodeAt(i + 1);
      if (c <= 0xdbff && next >= 0xdc00 && next <= 0xdfff) { out += ch + str[i + 1]; i++; }
      else out += '\\u' + c.toString(16).toUpperCase();
    } else out += ch;
  }
  return quote + out + quote;
}

const keyRe = /^[a-zA-Z_][a-zA-Z_0-9]*$/;

function formatNumber(n) {
  if (Object.is(n, -0)) return '-0';
  return String(n);
}

function getCtorName(obj) {
  let o = obj;
  while (o !== null && o !== undefined) {
    const d = Object.getOwnPropertyDescriptor(o, 'constructor');
    if (d !== undefined && typeof d.value === 'function' && d.value.name !== '') return d.value.name;
    o = Object.getPrototypeOf(o);
  }
  return null;
}

function getPrefix(ctor, tag, fallback, size) {
  if (ctor === null) {
    if (tag !== '' && fallback !== tag) return `[${fallback}${size}: null prototype] [${tag}] `;
    return `[${fallback}${size}: null prototype] `;
  }
  if (tag !== '' && ctor !== tag) return `${ctor}${size} [${tag}] `;
  return `${ctor}${size} `;
}

function isError(v) {
  return v instanceof Error || Object.prototype.toString.call(v) === '[object Error]';
}

function formatError(err, ctor, ctx) {
  const name = err.name != null ? String(err.name) : 'Error';
  const message = err.message != null ? String(err.message) : '';
  let stack = typeof err.stack === 'string' ? err.stack : '';
  // The engine's stack holds only the frames; Node's starts with the error's own line.
  let head = message ? `${name}: ${message}` : name;
  if (ctor !== null && ctor !== name && !head.startsWith(ctor) && ctor !== 'Error')
    head = head.replace(name, `${name} [${ctor}]`);
  if (!stack.startsWith(head)) {
    stack = stack ? `${head}\n${stack.replace(/\n$/, '')}` : `[${head}]`;
  } else if (!stack.includes('\n    at')) {
    // A stack without frames shows in brackets, as an error without a stack does.
    stack = `[${stack.replace(/\n$/, '')}]`;
  }
  stack = stack.replace(/\n$/, '');
  if (ctx.indentationLvl !== 0) {
    const indentation = ' '.repeat(ctx.indentationLvl);
    stack = stack.split('\n').join(`\n${indentation}`);
  }
  return stack;
}

function formatPrimitive(v, ctx) {
  switch (typeof v) {
    case 'string': {
      if (ctx.compact !== true && v.length > 16 && v.length > ctx.breakLength - ctx.indentationLvl - 4) {
        return v.split(/(?<=\n)/).map((line) => strEscape(line)).join(` +\n${' '.repeat(ctx.indentationLvl + 2)}`);
      }
      return strEscape(v);
    }
    case 'number': return formatNumber(v);
    case 'bigint': return `${v}n`;
    case 'boolean': return String(v);
    case 'undefined': return 'undefined';
    case 'symbol': return v.toString();
  }
  return String(v);
}

function formatValue(ctx, value, recurseTimes, typedArray) {
  if (typeof value !== 'object' && typeof value !== 'function') return formatPrimitive(value, ctx);
  if (value === null) return 'null';
  if (ctx.customInspect) {
    const maybeCustom = value[customInspect];
    if (typeof maybeCustom === 'function' && maybeCustom !== exports.inspect) {
      const depth = ctx.depth === null ? null : ctx.depth - recurseTimes;
      const ret = maybeCustom.call(value, depth, Object.assign({}, ctx, { stylize: (s) => s }), exports.inspect);
      if (ret !== value) {
        if (typeof ret !== 'string') return formatValue(ctx, ret, recurseTimes);
        return ret.split('\n').join(`\n${' '.repeat(ctx.indentationLvl)}`);
      }
    }
  }
  if (ctx.seen.includes(value)) {
    let index = 1;
    if (ctx.circular === undefined) {
      ctx.circular = new Map();
      ctx.circular.set(value, index);
    } else {
      index = ctx.circular.get(value);
      if (index === undefined) {
        index = ctx.circular.size + 1;
        ctx.circular.set(value, index);
      }
    }
    return `[Circular *${index}]`;
  }
  return formatRaw(ctx, value, recurseTimes, typedArray);
}

function getKeys(value, showHidden) {
  const keys = showHidden ? Object.getOwnPropertyNames(value) : Object.keys(value);
  const symbols = Object.getOwnPropertySymbols(value);
  for (const s of symbols) {
    if (showHidden || Object.prototype.propertyIsEnumerable.call(value, s)) keys.push(s);
  }
  return keys;
}

function isTypedArray(v) { return ArrayBuffer.isView(v) && !(v instanceof DataView); }

function formatRaw(ctx, value, recurseTimes, typedArray) {
  let keys;
  const ctor = getCtorName(value);
  let tag = value[Symbol.toStringTag];
  if (typeof tag !== 'string' || (tag !== '' && (ctx.showHidden ? Object.prototype.hasOwnProperty : Object.prototype.propertyIsEnumerable).call(value, Symbol.toStringTag))) tag = '';
  let base = '';
  let formatter = getEmptyFormatArray;
  let braces;
  let noIterator = true;
  let i = 0;
  let extrasType = kObject;
  const filter = ctx.showHidden;

  if (Array.isArray(value)) {
    keys = getOwnNonIndexProperties(value, filter);
    const prefix = (ctor !== 'Array' || tag !== '') ? getPrefix(ctor, tag, 'Array', `(${value.length})`) : '';
    braces = [`${prefix}[`, ']'];
    if (value.length === 0 && keys.length === 0) return `${braces[0]}]`;
    extrasType = kArray;
    formatter = formatArray;
  } else if (value instanceof Set) {
    const size = value.size;
    const prefix = getPrefix(ctor, tag, 'Set', `(${size})`);
    keys = getKeys(value, ctx.showHidden);
    formatter = formatSet;
    if (size === 0 && keys.length === 0) return `${prefix}{}`;
    braces = [`${prefix}{`, '}'];
  } else if (value instanceof Map) {
    const size = value.size;
    const prefix = getPrefix(ctor, tag, 'Map', `(${size})`);
    keys = getKeys(value, ctx.showHidden);
    formatter = formatMap;
    if (size === 0 && keys.length === 0) return `${prefix}{}`;
    braces = [`${prefix}{`, '}'];
  } else if (isTypedArray(value)) {
    keys = getOwnNonIndexProperties(value, filter);
    const fallback = Object.getPrototypeOf(Object.getPrototypeOf(value)).constructor === undefined ? '' : value.constructor.name;
    const size = value.length;
    const prefix = getPrefix(ctor, tag, fallback || 'TypedArray', `(${size})`);
    braces = [`${prefix}[`, ']'];
    if (value.length === 0 && keys.length === 0) return `${braces[0]}]`;
    formatter = formatTypedArray;
    extrasType = kArray;
  } else if (typeof value[Symbol.iterator] === 'function' && isIteratorObject(value)) {
    keys = getKeys(value, ctx.showHidden);
    braces = [`[${tag || ctor}] {`, '}'];
    formatter = formatIterator;
  } else {
    noIterator = true;
  }
  if (braces === undefined) {
    keys = getKeys(value, ctx.showHidden);
    braces = ['{', '}'];
    if (ctor === 'Object') {
      if (isArgumentsObject(value)) braces[0] = '[Arguments] [';
      else if (tag !== '') braces[0] = `${getPrefix(ctor, tag, 'Object', '')}{`;
      if (keys.length === 0) return `${braces[0]}}`;
    } else if (typeof value === 'function') {
      base = getFunctionBase(value, ctor, tag);
      if (keys.length === 0) return base;
    } else if (value instanceof RegExp) {
      base = RegExp.prototype.toString.call(value);
      const prefix = getPrefix(ctor, tag, 'RegExp', '');
      if (prefix !== 'RegExp ') base = `${prefix}${base}`;
      if (keys.length === 0) return base;
    } else if (value instanceof Date) {
      base = Number.isNaN(value.getTime()) ? 'Invalid Date' : value.toISOString();
      const prefix = getPrefix(ctor, tag, 'Date', '');
      if (prefix !== 'Date ') base = `${prefix}${base}`;
      if (keys.length === 0) return base;
    } else if (isError(value)) {
      base = formatError(value, ctor, ctx);
      keys = keys.filter((k) => k !== 'stack' && k !== 'message');
      if (keys.length === 0) return base;
    } else if (value instanceof ArrayBuffer) {
      keys = getKeys(value, ctx.showHidden);
      const bytes = new Uint8Array(value);
      let hex = [];
      for (let j = 0; j < Math.min(50, bytes.length); j++) hex.push(bytes[j].toString(16).padStart(2, '0'));
      const more = bytes.length > 50 ? ` ... ${bytes.length - 50} more byte${bytes.length - 50 > 1 ? 's' : ''}` : '';
      const contents = `[Uint8Contents]: <${hex.join(' ')}${more}>, byteLength: ${value.byteLength}`;
      return `${getPrefix(ctor, tag, 'ArrayBuffer', '')}{ ${contents} }`;
    } else if (value instanceof Promise) {
      braces[0] = `${getPrefix(ctor, tag, 'Promise', '')}{`;
      formatter = formatPromise;
    } else if (value instanceof WeakSet) {
      braces[0] = `${getPrefix(ctor, tag, 'WeakSet', '')}{`;
      formatter = () => ['<items unknown>'];
    } else if (value instanceof WeakMap) {
      braces[0] = `${getPrefix(ctor, tag, 'WeakMap', '')}{`;
      formatter = () => ['<items unknown>'];
    } else if (isBoxed(value)) {
      const prim = value.valueOf();
      const type = typeof prim === 'string' ? 'String' : typeof prim === 'number' ? 'Number' : typeof prim === 'boolean' ? 'Boolean' : typeof prim === 'bigint' ? 'BigInt' : 'Symbol';
      base = `[${type}: ${formatPrimitive(prim, { compact: true, indentationLvl: 0, breakLength: Infinity })}]`;
      if (typeof prim === 'string') keys = keys.filter((k) => !/^\d+$/.test(k));
      if (keys.length === 0) return base;
    } else {
      if (keys.length === 0) return `${getCtorPrefixOrNull(ctor, tag)}{}`;
      braces[0] = `${getCtorPrefixOrNull(ctor, tag)}{`;
    }
  }
  if (recurseTimes > ctx.depth && ctx.depth !== null) {
    let name = (ctor || tag || 'Object');
    if (Array.isArray(value)) name = 'Array';
    return `[${name}]`;
  }
  recurseTimes += 1;
  ctx.seen.push(value);
  ctx.currentDepth = recurseTimes;
  let output;
  try {
    output = formatter(ctx, value, recurseTimes);
    for (i = 0; i < keys.length; i++) {
      output.push(formatProperty(ctx, value, recurseTimes, keys[i], extrasType));
    }
  } finally {
    ctx.seen.pop();
  }
  if (ctx.circular !== undefined) {
    const index = ctx.circular.get(value);
    if (index !== undefined) {
      const reference = `<ref *${index}>`;
      if (base === '') braces[0] = `${reference} ${braces[0]}`;
      else base = `${reference} ${base}`;
    }
  }
  return reduceToSingleString(ctx, output, base, braces, extrasType, recurseTimes, value);
}

function getCtorPrefixOrNull(ctor, tag) {
  if (ctor === null) return tag !== '' ? `[Object: null prototype] [${tag}] ` : '[Object: null prototype] ';
  return getPrefix(ctor, tag, 'Object', '');
}

function isArgumentsObject(v) { return Object.prototype.toString.call(v) === '[object Arguments]'; }
function isBoxed(v) {
  return v instanceof String || v instanceof Number || v instanceof Boolean ||
    (typeof BigInt === 'function' && v instanceof BigInt) || v instanceof Symbol;
}
function isIteratorObject(v) {
  const t = Object.prototype.toString.call(v);
  return t === '[object Map Iterator]' || t === '[object Set Iterator]' || t === '[object Array Iterator]';
}

function getFunctionBase(value, ctor, tag) {
  const src = Function.prototype.toString.call(value);
  const header = src.slice(5, src.indexOf('{') >= 0 ? src.indexOf('{') : src.length);
  if (src.startsWith('class') && src.endsWith('}') && /^class\s*[\s{A-Za-z_$]/.test(src) && !header.includes('(')) {
    const name = value.name;
    let base = `[class ${name || '(anonymous)'}`;
    const sup = Object.getPrototypeOf(value);
    if (sup && sup.name) base += ` extends ${sup.name}`;
    return base + ']';
  }
  let type = 'Function';
  const t = Object.prototype.toString.call(value);
  if (t === '[object GeneratorFunction]') type = 'GeneratorFunction';
  if (t === '[object AsyncFunction]') type = 'AsyncFunction';
  if (t === '[object AsyncGeneratorFunction]') type = 'AsyncGeneratorFunction';
  let base = `[${type}`;
  if (ctor === null) base += ' (null prototype)';
  if (value.name === '') base += ' (anonymous)';
  else base += `: ${value.name}`;
  base += ']';
  if (ctor !== type && ctor !== null && ctor !== 'Function') base += ` ${ctor}`;
  if (tag !== '' && ctor !== tag) base += ` [${tag}]`;
  return base;
}

function getOwnNonIndexProperties(value, showHidden) {
  const keys = showHidden ? Object.getOwnPropertyNames(value) : Object.keys(value);
  const out = [];
  for (const k of keys) {
    if (/^(0|[1-9][0-9]*)$/.test(k) && Number(k) < 4294967295) continue;
    out.push(k);
  }
  for (const s of Object.getOwnPropertySymbols(value)) {
    if (showHidden || Object.prototype.propertyIsEnumerable.call(value, s)) out.push(s);
  }
  return out;
}

function getEmptyFormatArray() { return []; }

function formatArray(ctx, value, recurseTimes) {
  const len = value.length;
  const outputLength = Math.min(ctx.maxArrayLength, len);
  const remaining = len - outputLength;
  const output = [];
  for (let i = 0; i < outputLength; i++) {
    if (!Object.prototype.hasOwnProperty.call(value, i)) return formatArrayBuffer_holes(ctx, value, recurseTimes, len, output, i);
    output.push(formatProperty(ctx, value, recurseTimes, i, kArrayItem));
  }
  if (remaining > 0) output.push(`... ${remaining} more item${remaining > 1 ? 's' : ''}`);
  return output;
}

function formatArrayBuffer_holes(ctx, value, recurseTimes, len, output, start) {
  let i = start;
  while (i < len && output.length < ctx.maxArrayLength) {
    if (!Object.prototype.hasOwnProperty.call(value, i)) {
      let j = i;
      while (j < len && !Object.prototype.hasOwnProperty.call(value, j)) j++;
      const n = j - i;
      output.push(`<${n} empty item${n > 1 ? 's' : ''}>`);
      i = j;
    } else {
      output.push(formatProperty(ctx, value, recurseTimes, i, kArrayItem));
      i++;
    }
  }
  const remaining = len - i;
  if (remaining > 0) output.push(`... ${remaining} more item${remaining > 1 ? 's' : ''}`);
  return output;
}

function formatTypedArray(ctx, value, recurseTimes) {
  const length = value.length;
  const maxLength = Math.min(ctx.maxArrayLength, length);
  const remaining = length - maxLength;
  const output = new Array(maxLength);
  for (let i = 0; i < maxLength; ++i) {
    output[i] = typeof value[i] === 'bigint' ? `${value[i]}n` : formatNumber(value[i]);
  }
  if (remaining > 0) output.push(`... ${remaining} more item${remaining > 1 ? 's' : ''}`);
  if (ctx.showHidden) {
    ctx.indentationLvl += 2;
    for (const key of ['BYTES_PER_ELEMENT', 'length', 'byteLength', 'byteOffset', 'buffer']) {
      output.push(`[${key}]: ${formatValue(ctx, value[key], recurseTimes, true)}`);
    }
    ctx.indentationLvl -= 2;
  }
  return output;
}

function formatSet(ctx, value, recurseTimes) {
  const output = [];
  ctx.indentationLvl += 2;
  for (const v of value) output.push(formatValue(ctx, v, recurseTimes));
  ctx.indentationLvl -= 2;
  return output;
}

function formatMap(ctx, value, recurseTimes) {
  const output = [];
  ctx.indentationLvl += 2;
  for (const [k, v] of value) {
    output.push(`${formatValue(ctx, k, recurseTimes)} => ${formatValue(ctx, v, recurseTimes)}`);
  }
  ctx.indentationLvl -= 2;
  return output;
}

function formatIterator(ctx, value, recurseTimes) {
  return [];
}

function formatPromise(ctx, value, recurseTimes) {
  const state = native.promiseState(value);
  if (state[0] === 0) return ['<pending>'];
  ctx.indentationLvl += 2;
  const str = formatValue(ctx, state[1], recurseTimes);
  ctx.indentationLvl -= 2;
  return [state[0] === 2 ? `<rejected> ${str}` : str];
}

function formatProperty(ctx, value, recurseTimes, key, type) {
  let name, str;
  let extra = ' ';
  const desc = Object.getOwnPropertyDescriptor(value, key) || { value: value[key], enumerable: true };
  if (desc.value !== undefined) {
    const diff = (ctx.compact !== true || type !== kObject) ? 2 : 3;
    ctx.indentationLvl += diff;
    str = formatValue(ctx, desc.value, recurseTimes);
    if (diff === 3 && ctx.breakLength < getStringWidth(str)) extra = `\n${' '.repeat(ctx.indentationLvl)}`;
    ctx.indentationLvl -= diff;
  } else if (desc.get !== undefined) {
    str = desc.set !== undefined ? '[Getter/Setter]' : '[Getter]';
  } else if (desc.set !== undefined) {
    str = '[Setter]';
  } else {
    str = 'undefined';
  }
  if (type === kArrayItem) return str;
  if (typeof key === 'symbol') name = `[${key.toString()}]`;
  else if (key === '__proto__') name = "['__proto__']";
  else if (desc.enumerable === false) name = `[${key}]`;
  else if (keyRe.test(key)) name = key;
  else name = strEscape(key);
  return `${name}:${extra}${str}`;
}

function getStringWidth(s) { return s.length; }

function isBelowBreakLength(ctx, output, start, base) {
  let totalLength = output.length + start;
  if (totalLength + output.length > ctx.breakLength) return false;
  for (let i = 0; i < output.length; i++) {
    totalLength += output[i].length;
    if (totalLength > ctx.breakLength) return false;
  }
  return base === '' || !base.includes('\n');
}

function groupArrayElements(ctx, output, value) {
  let totalLength = 0;
  let maxLength = 0;
  let i = 0;
  let outputLength = output.length;
  if (ctx.maxArrayLength < output.length) outputLength--;
  const separatorSpace = 2;
  const dataLen = new Array(outputLength);
  for (; i < outputLength; i++) {
    const len = getStringWidth(output[i]);
    dataLen[i] = len;
    totalLength += len + separatorSpace;
    if (maxLength < len) maxLength = len;
  }
  const actualMax = maxLength + separatorSpace;
  if (actualMax * 3 + ctx.indentationLvl < ctx.breakLength &&
      (totalLength / actualMax > 5 || maxLength <= 6)) {
    const approxCharHeights = 2.5;
    const averageBias = Math.sqrt(actualMax - totalLength / output.length);
    const biasedMax = Math.max(actualMax - 3 - averageBias, 1);
    const columns = Math.min(
      Math.round(Math.sqrt(approxCharHeights * biasedMax * outputLength) / biasedMax),
      Math.floor((ctx.breakLength - ctx.indentationLvl) / actualMax),
      ctx.compact * 4,
      15);
    if (columns <= 1) return output;
    const tmp = [];
    const maxLineLength = [];
    for (let c = 0; c < columns; c++) {
      let lineLength = 0;
      for (let j = c; j < output.length; j += columns) {
        if (dataLen[j] > lineLength) lineLength = dataLen[j];
      }
      maxLineLength.push(lineLength + separatorSpace);
    }
    let padStart = true;
    if (value !== undefined) {
      for (let k = 0; k < output.length; k++) {
        if (typeof value[k] !== 'number' && typeof value[k] !== 'bigint') { padStart = false; break; }
      }
    }
    for (let k = 0; k < outputLength; k += columns) {
      const max = Math.min(k + columns, outputLength);
      let str = '';
      let j = k;
      for (; j < max - 1; j++) {
        const padding = maxLineLength[j - k] + output[j].length - dataLen[j];
        str += padStart ? `${output[j]}, `.padStart(padding, ' ') : `${output[j]}, `.padEnd(padding, ' ');
      }
      if (padStart) {
        const padding = maxLineLength[j - k] + output[j].length - dataLen[j] - separatorSpace;
        str += output[j].padStart(padding, ' ');
      } else {
        str += output[j];
      }
      tmp.push(str);
    }
    if (ctx.maxArrayLength < output.length) tmp.push(output[outputLength]);
    output = tmp;
  }
  return output;
}

function reduceToSingleString(ctx, output, base, braces, extrasType, recurseTimes, value) {
  if (ctx.compact !== true) {
    if (typeof ctx.compact === 'number' && ctx.compact >= 1) {
      const entries = output.length;
      if (extrasType === kArray && entries > 6) output = groupArrayElements(ctx, output, value);
      if (ctx.currentDepth - recurseTimes < ctx.compact && entries === output.length) {
        const start = output.length + ctx.indentationLvl + braces[0].length + base.length + 10;
        if (isBelowBreakLength(ctx, output, start, base)) {
          const joined = output.join(', ');
          if (!joined.includes('\n')) {
            return `${base ? `${base} ` : ''}${braces[0]} ${joined}` + ` ${braces[1]}`;
          }
        }
      }
    }
    const indentation = `\n${' '.repeat(ctx.indentationLvl)}`;
    return `${base ? `${base} ` : ''}${braces[0]}${indentation}  ${output.join(`,${indentation}  `)}${indentation}${braces[1]}`;
  }
  if (isBelowBreakLength(ctx, output, 0, base)) {
    return `${braces[0]}${base ? ` ${base}` : ''} ${output.join(', ')} ` + braces[1];
  }
  const indentation = ' '.repeat(ctx.indentationLvl);
  const ln = base === '' && braces[0].length === 1 ? ' ' : `${base ? ` ${base}` : ''}\n${indentation}  `;
  return `${braces[0]}${ln}${output.join(`,\n${indentation}  `)} ${braces[1]}`;
}

const inspectDefaults = {
  showHidden: false, depth: 2, colors: false, customInspect: true, showProxy: false,
  maxArrayLength: 100, maxStringLength: 10000, breakLength: 80, compact: 3, sorted: false, getters: false,
};

function inspect(value, opts) {
  const ctx = {
    budget: {}, indentationLvl: 0, seen: [], currentDepth: 0, stylize: (s) => s,
    showHidden: inspectDefaults.showHidden, depth: inspectDefaults.depth, colors: false,
    customInspect: inspectDefaults.customInspect, maxArrayLength: inspectDefaults.maxArrayLength,
    maxStringLength: inspectDefaults.maxStringLength, breakLength: inspectDefaults.breakLength,
    compact: inspectDefaults.compact, sorted: false, getters: false,
  };
  if (arguments.length > 1) {
    if (typeof opts === 'boolean') ctx.showHidden = opts;
    else if (opts) for (const k of Object.keys(opts)) if (k in ctx || k === 'breakLength') ctx[k] = opts[k];
    if (arguments.length > 2 && arguments[2] !== undefined) ctx.depth = arguments[2];
  }
  if (ctx.depth === Infinity) ctx.depth = null;
  if (ctx.maxArrayLength === null || ctx.maxArrayLength === Infinity) ctx.maxArrayLength = Infinity;
  return formatValue(ctx, value, 0);
}
inspect.custom = customInspect;
inspect.defaultOptions = inspectDefaults;

function formatWithOptions(inspectOptions, ...args) {
  const first = args[0];
  let a = 0;
  let str = '';
  let join = '';
  if (typeof first === 'string') {
    if (args.length === 1) return first;
    let tempStr;
    let lastPos = 0;
    for (let i = 0; i < first.length - 1; i++) {
      if (first.charCodeAt(i) === 37) { // '%'
        const nextChar = first.charCodeAt(++i);
        if (a + 1 !== args.length) {
          switch (nextChar) {
            case 115: { // 's'
              const tempArg = args[++a];
              if (typeof tempArg === 'number') tempStr = formatNumber(tempArg);
              else if (typeof tempArg === 'bigint') tempStr = `${tempArg}n`;
              else if (typeof tempArg !== 'object' || tempArg === null || !hasBuiltInToString(tempArg)) tempStr = String(tempArg);
              else tempStr = inspect(tempArg, Object.assign({}, inspectOptions, { depth: 0, colors: false, compact: 3 }));
              break;
            }
            case 106: tempStr = tryStringify(args[++a]); break; // 'j'
            case 100: { // 'd'
              const tempNum = args[++a];
              if (typeof tempNum === 'bigint') tempStr = `${tempNum}n`;
              else if (typeof tempNum === 'symbol') tempStr = 'NaN';
              else tempStr = formatNumber(Number(tempNum));
              break;
            }
            case 79: tempStr = inspect(args[++a], inspectOptions); break; // 'O'
            case 111: tempStr = inspect(args[++a], Object.assign({}, inspectOptions, { showHidden: true, showProxy: true, depth: 4 })); break; // 'o'
            case 105: { // 'i'
              const tempInteger = args[++a];
              if (typeof tempInteger === 'bigint') tempStr = `${tempInteger}n`;
              else if (typeof tempInteger === 'symbol') tempStr = 'NaN';
              else tempStr = formatNumber(parseInt(tempInteger));
              break;
            }
            case 102: { // 'f'
              const tempFloat = args[++a];
              tempStr = typeof tempFloat === 'symbol' ? 'NaN' : formatNumber(parseFloat(tempFloat));
              break;
            }
            case 99: a += 1; tempStr = ''; break; // 'c'
            case 37: str += first.slice(lastPos, i); lastPos = i + 1; continue;
            default: continue;
          }
          if (lastPos !== i - 1) str += first.slice(lastPos, i - 1);
          str += tempStr;
          lastPos = i + 1;
        } else if (nextChar === 37) {
          str += first.slice(lastPos, i);
          lastPos = i + 1;
        }
      }
    }
    if (lastPos !== 0) {
      a++;
      join = ' ';
      if (lastPos < first.length) str += first.slice(lastPos);
    }
  }
  while (a < args.length) {
    const value = args[a];
    str += join;
    str += typeof value !== 'string' ? inspect(value, inspectOptions) : value;
    join = ' ';
    a++;
  }
  return str;
}

function hasBuiltInToString(value) {
  let o = value;
  while (o !== null && o !== undefined) {
    if (Object.prototype.hasOwnProperty.call(o, 'toString') && o !== Object.prototype) {
      return isError(value) && o === Error.prototype ? true : false;
    }
    o = Object.getPrototypeOf(o);
  }
  return true;
}

function tryStringify(arg) {
  try { return JSON.stringify(arg); } catch (err) {
    if (err instanceof TypeError && /circular/i.test(err.message)) return '[Circular]';
    throw err;
  }
}

function format(...args) { return formatWithOptions(undefined, ...args); }

const kCustomPromisify = Symbol.for('nodejs.util.promisify.custom');
function promisify(original) {
  if (typeof original !== 'function') {
    const e = new TypeError(`The "original" argument must be of type function. Received ${inspect(original)}`);
    e.code = 'ERR_INVALID_ARG_TYPE';
    throw e;
  }
  if (original[kCustomPromisify]) return original[kCustomPromisify];
  function fn(...args) {
    return new Promise((resolve, reject) => {
      original.call(this, ...args, (err, ...values) => {
        if (err) return reject(err);
        resolve(values[0]);
      });
    });
  }
  Object.setPrototypeOf(fn, Object.getPrototypeOf(original));
  Object.defineProperty(fn, kCustomPromisify, { value: fn, enumerable: false, configurable: true });
  return Object.defineProperties(fn, Object.getOwnPropertyDescriptors(original));
}
promisify.custom = kCustomPromisify;

function callbackify(original) {
  return function (...args) {
    const cb = args.pop();
    original.apply(this, args).then((v) => process.nextTick(cb, null, v), (e) => process.nextTick(cb, e));
  };
}

function inherits(ctor, superCtor) {
  Object.defineProperty(ctor, 'super_', { value: superCtor, writable: true, configurable: true });
  Object.setPrototypeOf(ctor.prototype, superCtor.prototype);
}

const warned = new Set();
function deprecate(fn, msg, code) {
  let warnedHere = false;
  return function (...args) {
    if (!warnedHere && !(code && warned.has(code))) {
      warnedHere = true;
      if (code) warned.add(code);
      if (!process.noDeprecation) process.emitWarning(msg, 'DeprecationWarning', code);
    }
    return new.target ? Reflect.construct(fn, args, new.target) : fn.apply(this, args);
  };
}

const tag = (v) => Object.prototype.toString.call(v);
const types = {
  isPromise: (v) => v instanceof Promise,
  isRegExp: (v) => v instanceof RegExp,
  isDate: (v) => v instanceof Date,
  isMap: (v) => v instanceof Map,
  isSet: (v) => v instanceof Set,
  isWeakMap: (v) => v instanceof WeakMap,
  isWeakSet: (v) => v instanceof WeakSet,
  isNativeError: (v) => v instanceof Error,
  isTypedArray: (v) => isTypedArray(v),
  isUint8Array: (v) => v instanceof Uint8Array,
  isArrayBuffer: (v) => v instanceof ArrayBuffer,
  isAnyArrayBuffer: (v) => v instanceof ArrayBuffer,
  isArrayBufferView: (v) => ArrayBuffer.isView(v),
  isDataView: (v) => v instanceof DataView,
  isAsyncFunction: (v) => tag(v) === '[object AsyncFunction]',
  isGeneratorFunction: (v) => tag(v) === '[object GeneratorFunction]' || tag(v) === '[object AsyncGeneratorFunction]',
  isGeneratorObject: (v) => tag(v) === '[object Generator]',
  isBoxedPrimitive: (v) => isBoxed(v),
  isProxy: () => false,
};

// structuredClone for the values programs pass around: plain data, Date,
// RegExp, Map, Set, typed arrays and errors, cycles kept.
function structuredClone(value, seen = new Map()) {
  if (typeof value !== 'object' || value === null) {
    if (typeof value === 'function' || typeof value === 'symbol') {
      const e = new Error(`${typeof value === 'function' ? String(value) : value.toString()} could not be cloned.`);
      e.name = 'DataCloneError';
      throw e;
    }
    return value;
  }
  if (seen.has(value)) return seen.get(value);
  let out;
  if (Array.isArray(value)) { out = []; seen.set(value, out); for (let i = 0; i < value.length; i++) out[i] = structuredClone(value[i], seen); return out; }
  if (value instanceof Date) return new Date(value.getTime());
  if (value instanceof RegExp) return new RegExp(value.source, value.flags);
  if (value instanceof Map) { out = new Map(); seen.set(value, out); for (const [k, v] of value) out.set(structuredClone(k, seen), structuredClone(v, seen)); return out; }
  if (value instanceof Set) { out = new Set(); seen.set(value, out); for (const v of value) out.add(structuredClone(v, seen)); return out; }
  if (ArrayBuffer.isView(value)) return new value.constructor(value);
  if (value instanceof ArrayBuffer) return value.slice(0);
  if (value instanceof Error) { out = new (globalThis[value.name] || Error)(value.message); seen.set(value, out); if (value.stack) out.stack = value.stack; return out; }
  out = {};
  seen.set(value, out);
  for (const k of Object.keys(value)) out[k] = structuredClone(value[k], seen);
  return out;
}

// console.table's grid.
function table(data) {
  if (data === null || typeof data !== 'object') return format(data);
  const rows = data instanceof Map ? [...data.entries()] : Object.entries(data);
  const cols = [];
  let hasValues = false;
  for (const [, row] of rows) {
    if (row !== null && typeof row === 'object') { for (const k of Object.keys(row)) if (!cols.includes(k)) cols.push(k); }
    else hasValues = true;
  }
  const header = ['(index)', ...cols, ...(hasValues ? ['Values'] : [])];
  const fmt = (v) => (v === undefined ? '' : inspect(v, { depth: 1, breakLength: Infinity }));
  const body = rows.map(([k, row]) => [String(k), ...cols.map((c) => (row !== null && typeof row === 'object' && c in row ? fmt(row[c]) : '')),
    ...(hasValues ? [row !== null && typeof row === 'object' ? '' : fmt(row)] : [])]);
  const widths = header.map((h, i) => Math.max(h.length, ...body.map((r) => r[i].length)) + 2);
  const center = (s, w) => { const left = Math.floor((w - s.length) / 2); return ' '.repeat(left) + s + ' '.repeat(w - s.length - left); };
  const line = (l, m, r) => l + widths.map((w) => '─'.repeat(w)).join(m) + r;
  const out = [line('┌', '┬', '┐'), '│' + header.map((h, i) => center(h, widths[i])).join('│') + '│', line('├', '┼', '┤')];
  for (const r of body) out.push('│' + r.map((c, i) => center(c, widths[i])).join('│') + '│');
  out.push(line('└', '┴', '┘'));
  return out.join('\n');
}
exports.__structuredClone = (v) => structuredClone(v);
exports.__table = table;

exports.inspect = inspect;
exports.format = format;
exports.formatWithOptions = formatWithOptions;
exports.promisify = promisify;
exports.callbackify = callbackify;
exports.inherits = inherits;
exports.deprecate = deprecate;
exports.types = types;
exports.isDeepStrictEqual = (a, b) => internal.require('assert').__isDeepEqual(a, b, true);
exports.isArray = Array.isArray;
exports.isError = isError;
exports.isFunction = (v) => typeof v === 'function';
exports.isString = (v) => typeof v === 'string';
exports.isNumber = (v) => typeof v === 'number';
exports.isObject = (v) => v !== null && typeof v === 'object';
exports.isPrimitive = (v) => v === null || (typeof v !== 'object' && typeof v !== 'function');
exports.isRegExp = types.isRegExp;
exports.isDate = types.isDate;
exports.TextEncoder = globalThis.TextEncoder;
exports.TextDecoder = globalThis.TextDecoder;
exports.stripVTControlCharacters = (s) => String(s).replace(/\x1b\[[0-9;]*[A-Za-z]/g, '');
exports.toUSVString = (s) => String(s).replace(/[\ud800-\udfff]/g, (c, i, str) => '\ufffd');
})
