// querystring: parse and stringify of URL query strings.
(function (native, internal, module, exports) {
'use strict';
function qsEscape(s) {
  return encodeURIComponent(s).replace(/[!'()*]/g, (c) => '%' + c.charCodeAt(0).toString(16).toUpperCase());
}
function qsUnescape(s) {
  try { return decodeURIComponent(s); } catch (e) { return unescape(s); }
}
function stringifyPrimitive(v) {
  if (typeof v === 'string') return v;
  if (typeof v === 'number' && isFinite(v)) return '' + v;
  if (typeof v === 'bigint') return '' + v;
  if (typeof v === 'boolean') return v ? 'true' : 'false';
  return '';
}
function stringify(obj, sep = '&', eq = '=', options) {
  const encode = (options && options.encodeURIComponent) || qsEscape;
  if (obj === null || typeof obj !== 'object') return '';
  const parts = [];
  for (const k of Object.keys(obj)) {
    const v = obj[k];
    const ks = encode(stringifyPrimitive(k)) + eq;
    if (Array.isArray(v)) for (const item of v) parts.push(ks + encode(stringifyPrimitive(item)));
    else parts.push(ks + encode(stringifyPrimitive(v)));
  }
  return parts.join(sep);
}
function parse(qs, sep = '&', eq = '=', options) {
  const obj = Object.create(null);
  if (typeof qs !== 'string' || qs.length === 0) return obj;
  const decode = (options && options.decodeURIComponent) || qsUnescape;
  let max = (options && options.maxKeys) || 1000;
  let parts = qs.split(sep);
  if (max > 0) parts = parts.slice(0, max);
  for (const part of parts) {
    if (part === '') continue;
    const idx = part.indexOf(eq);
    const k = decode((idx >= 0 ? part.slice(0, idx) : part).replace(/\+/g, ' '));
    const v = idx >= 0 ? decode(part.slice(idx + eq.length).replace(/\+/g, ' ')) : '';
    if (k in obj) {
      if (Array.isArray(obj[k])) obj[k].push(v);
      else obj[k] = [obj[k], v];
    } else obj[k] = v;
  }
  return obj;
}
exports.stringify = exports.encode = stringify;
exports.parse = exports.decode = parse;
exports.escape = qsEscape;
exports.unescape = qsUnescape;
})
