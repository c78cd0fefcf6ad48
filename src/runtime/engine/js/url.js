// url: URL and URLSearchParams for the common schemes, the legacy parse and
// format, and the file URL helpers.
(function (native, internal, module, exports) {
'use strict';
const special = { 'http:': '80', 'https:': '443', 'ws:': '80', 'wss:': '443', 'ftp:': '21', 'file:': '' };

function invalid(input) {
  const e = new TypeError('Invalid URL');
  e.code = 'ERR_INVALID_URL';
  e.input = input;
  return e;
}

function normalizePath(path) {
  const out = [];
  for (const seg of path.split('/')) {
    if (seg === '..') { if (out.length > 1) out.pop(); }
    else if (seg !== '.') out.push(seg);
  }
  let p = out.join('/');
  if (path.endsWith('/..') || path.endsWith('/.')) p += '/';
  return p.startsWith('/') ? p : '/' + p;
}
const encodePath = (p) => p.replace(/[ "<>`{}]/g, (c) => '%' + c.charCodeAt(0).toString(16).toUpperCase()).replace(/[^\x00-\x7f]/g, (c) => encodeURIComponent(c));

class URLSearchParams {
  constructor(init) {
    this._list = [];
    this._url = null;
    if (init === undefined || init === null) return;
    if (typeof init === 'string') this._parse(init);
    else if (typeof init === 'object') {
      if (typeof init[Symbol.iterator] === 'function') for (const [k, v] of init) this._list.push([String(k), String(v)]);
      else for (const k of Object.keys(init)) this._list.push([k, String(init[k])]);
    }
  }
  _parse(s) {
    this._list = [];
    if (s.startsWith('?')) s = s.slice(1);
    for (const part of s.split('&')) {
      if (part === '') continue;
      const i = part.indexOf('=');
      const dec = (x) => { try { return decodeURIComponent(x.replace(/\+/g, ' ')); } catch (e) { return x; } };
      this._list.push(i >= 0 ? [dec(part.slice(0, i)), dec(part.slice(i + 1))] : [dec(part), '']);
    }
  }
  _update() { if (this._url) { const s = this.toString(); this._url._search = s ? '?' + s : ''; } }
  append(k, v) { this._list.push([String(k), String(v)]); this._update(); }
  delete(k) { this._list = this._list.filter(([x]) => x !== String(k)); this._update(); }
  get(k) { const e = this._list.find(([x]) => x === String(k)); return e ? e[1] : null; }
  getAll(k) { return this._list.filter(([x]) => x === String(k)).map((e) => e[1]); }
  has(k) { return this._list.some(([x]) => x === String(k)); }
  set(k, v) {
    k = String(k);
    const i = this._list.findIndex(([x]) => x === k);
    if (i < 0) this._list.push([k, String(v)]);
    else { this._list[i][1] = String(v); this._list = this._list.filter(([x], j) => x !== k || j === i); }
    this._update();
  }
  sort() { this._list.sort((a, b) => (a[0] < b[0] ? -1 : a[0] > b[0] ? 1 : 0)); this._update(); }
  forEach(fn, thisArg) { for (const [k, v] of this._list) fn.call(thisArg, v, k, this); }
  keys() { return this._list.map((e) => e[0])[Symbol.iterator](); }
  values() { return this._list.map((e) => e[1])[Symbol.iterator](); }
  entries() { return this._list.map((e) => [e[0], e[1]])[Symbol.iterator](); }
  [Symbol.iterator]() { return this.entries(); }
  get size() { return this._list.length; }
  toString() {
    const enc = (s) => encodeURIComponent(s).replace(/%20/g, '+').replace(/[!'()~]/g, (c) => '%' + c.charCodeAt(0).toString(16).toUpperCase());
    return this._list.map(([k, v]) => `${enc(k)}=${enc(v)}`).join('&');
  }
  [Symbol.for('nodejs.util.inspect.custom')]() {
    if (this._list.length === 0) return 'URLSearchParams {}';
    const util = internal.require('util');
    return `URLSearchParams { ${this._list.map(([k, v]) => `${util.inspect(k)} => ${util.inspect(v)}`).join(', ')} }`;
  }
}

class URL {
  constructor(input, base) {
    input = String(input).trim();
    const m = /^([a-zA-Z][a-zA-Z0-9+.-]*):(.*)$/.exec(input);
    if (!m) {
      if (base === undefined) throw invalid(input);
      const b = base instanceof URL ? base : new URL(base);
      this._fromBase(input, b);
    } else {
      this._parseAbsolute(m[1].toLowerCase() + ':', m[2], input);
    }
    this._params = new URLSearchParams(this._search);
    this._params._url = this;
  }
  _parseAbsolute(protocol, rest, input) {
    this._protocol = protocol;
    this._username = ''; this._password = ''; this._hostname = ''; this._port = '';
    this._search = ''; this._hash = '';
    const h = rest.indexOf('#');
    if (h >= 0) { this._hash = rest.slice(h); rest = rest.slice(0, h); if (this._hash === '#') this._hash = ''; }
    const q = rest.indexOf('?');
    if (q >= 0) { this._search = rest.slice(q); rest = rest.slice(0, q); if (this._search === '?') this._search = ''; }
    if (protocol in special) rest = rest.replace(/\\/g, '/');
    if (rest.startsWith('//')) {
      rest = rest.slice(2);
      const slash = rest.indexOf('/');
      let auth = slash >= 0 ? rest.slice(0, slash) : rest;
      rest = slash >= 0 ? rest.slice(slash) : '';
      const at = auth.lastIndexOf('@');
      if (at >= 0) {
        const cred = auth.slice(0, at);
        auth = auth.slice(at + 1);
        const c = cred.indexOf(':');
        this._username = c >= 0 ? cred.slice(0, c) : cred;
        this._password = c >= 0 ? cred.slice(c + 1) : '';
      }
      const pm = /^(\[[^\]]*\]|[^:]*)(?::(\d*))?$/.exec(auth);
      if (!pm) throw invalid(input);
      this._hostname = pm[1].toLowerCase();
      this._port = pm[2] || '';
      if (this._port !== '' && Number(this._port) > 65535) throw invalid(input);
      if (special[protocol] === this._port) this._port = '';
      if (this._port !== '') this._port = String(Number(this._port));
      if (this._hostname === '' && protocol !== 'file:' && protocol in special) throw invalid(input);
      this._pathname = protocol in special ? encodePath(normalizePath(rest || '/')) : rest;
    } else if (protocol in special) {
      if (protocol === 'file:') this._pathname = encodePath(normalizePath(rest || '/'));
      else { this._parseAbsolute(protocol, '//' + rest.replace(/^\/*/, '') + this._search + this._hash, input); return; }
    } else {
      this._pathname = rest;
      this._opaque = true;
    }
  }
  _fromBase(input, b) {
    if (b._opaque) throw invalid(input);
    if (input.startsWith('//')) { this._parseAbsolute(b._protocol, input, input); return; }
    this._protocol = b._protocol;
    this._username = b._username; this._password = b._password; this._hostname = b._hostname; this._port = b._port;
    this._search = ''; this._hash = '';
    let rest = input.replace(/\\/g, '/');
    const h = rest.indexOf('#');
    if (h >= 0) { this._hash = rest.slice(h); rest = rest.slice(0, h); if (this._hash === '#') this._hash = ''; }
    const q = rest.indexOf('?');
    if (q >= 0) { this._search = rest.slice(q); rest = rest.slice(0, q); if (this._search === '?') this._search = ''; }
    if (rest === '') {
      this._pathname = b._pathname;
      if (q < 0) this._search = b._search;
    } else if (rest.startsWith('/')) {
      this._pathname = encodePath(normalizePath(rest));
    } else {
      const dir = b._pathname.slice(0, b._pathname.lastIndexOf('/') + 1);
      this._pathname = encodePath(normalizePath(dir + rest));
    }
  }
  get protocol() { return this._protocol; }
  set protocol(v) { v = String(v).replace(/:?$/, ':').toLowerCase(); if (/^[a-z][a-z0-9+.-]*:$/.test(v)) this._protocol = v; }
  get username() { return this._username; }
  set username(v) { this._username = encodeURIComponent(String(v)); }
  get password() { return this._password; }
  set password(v) { this._password = encodeURIComponent(String(v)); }
  get hostname() { return this._hostname; }
  set hostname(v) { this._hostname = String(v).toLowerCase(); }
  get port() { return this._port; }
  set port(v) { v = String(v); this._port = v === special[this._protocol] ? '' : v; }
  get host() { return this._hostname + (this._port ? ':' + this._port : ''); }
  set host(v) { const [h, p] = String(v).split(':'); this._hostname = h.toLowerCase(); if (p !== undefined) this.port = p; }
  get origin() { return this._protocol in special && this._protocol !== 'file:' ? `${this._protocol}//${this.host}` : 'null'; }
  get pathname() { return this._pathname; }
  set pathname(v) { v = String(v); this._pathname = this._opaque ? v : encodePath(normalizePath(v.startsWith('/') ? v : '/' + v)); }
  get search() { return this._search; }
  set search(v) { v = String(v); this._search = v === '' || v === '?' ? '' : (v.startsWith('?') ? v : '?' + v); this._params._parse(this._search); }
  get searchParams() { return this._params; }
  get hash() { return this._hash; }
  set hash(v) { v = String(v); this._hash = v === '' || v === '#' ? '' : (v.startsWith('#') ? v : '#' + v); }
  get href() {
    const auth = this._username ? this._username + (this._password ? ':' + this._password : '') + '@' : '';
    const slashes = this._opaque ? '' : '//';
    return `${this._protocol}${slashes}${auth}${this.host}${this._pathname}${this._search}${this._hash}`;
  }
  set href(v) { const u = new URL(v); Object.assign(this, u); this._params._url = this; }
  toString() { return this.href; }
  toJSON() { return this.href; }
  static canParse(input, base) { try { new URL(input, base); return true; } catch (e) { return false; } }
  [Symbol.for('nodejs.util.inspect.custom')](depth, options) {
    const util = internal.require('util');
    const obj = {
      href: this.href, origin: this.origin, protocol: this.protocol, username: this.username, password: this.password,
      host: this.host, hostname: this.hostname, port: this.port, pathname: this.pathname, search: this.search,
      searchParams: this.searchParams, hash: this.hash,
    };
    return `URL ${util.inspect(obj, options)}`;
  }
}

function fileURLToPath(u) {
  const url = typeof u === 'string' ? new URL(u) : u;
  if (url.protocol !== 'file:') { const e = new TypeError('The URL must be of scheme file'); e.code = 'ERR_INVALID_URL_SCHEME'; throw e; }
  return decodeURIComponent(url.pathname);
}
function pathToFileURL(p) {
  const path = internal.require('path');
  let resolved = path.resolve(p);
  if (p.endsWith('/') && !resolved.endsWith('/')) resolved += '/';
  return new URL('file://' + encodePath(resolved).replace(/[?#%]/g, (c) => encodeURIComponent(c).replace('%25', '%25')));
}

function parse(str, parseQuery) {
  const out = { protocol: null, slashes: null, auth: null, host: null, port: null, hostname: null, hash: null, search: null, query: null, pathname: null, path: null, href: str };
  let rest = str.trim();
  const pm = /^([a-zA-Z][a-zA-Z0-9+.-]*:)/.exec(rest);
  if (pm) { out.protocol = pm[1].toLowerCase(); rest = rest.slice(pm[1].length); }
  const h = rest.indexOf('#');
  if (h >= 0) { out.hash = rest.slice(h); rest = rest.slice(0, h); }
  const q = rest.indexOf('?');
  if (q >= 0) { out.search = rest.slice(q); out.query = rest.slice(q + 1); rest = rest.slice(0, q); }
  else if (parseQuery) { out.search = ''; out.query = {}; }
  if (parseQuery && typeof out.query === 'string') out.query = internal.require('querystring').parse(out.query);
  if (rest.startsWith('//')) {
    out.slashes = true;
    rest = rest.slice(2);
    const slash = rest.search(/[/]/);
    let auth = slash >= 0 ? rest.slice(0, slash) : rest;
    rest = slash >= 0 ? rest.slice(slash) : '';
    const at = auth.lastIndexOf('@');
    if (at >= 0) { out.auth = decodeURIComponent(auth.slice(0, at)); auth = auth.slice(at + 1); }
    out.host = auth.toLowerCase();
    const c = out.host.lastIndexOf(':');
    if (c >= 0 && /^\d*$/.test(out.host.slice(c + 1))) { out.port = out.host.slice(c + 1) || null; out.hostname = out.host.slice(0, c); }
    else out.hostname = out.host;
    if (rest === '' && out.protocol in special) rest = '/';
  }
  out.pathname = rest || (out.slashes ? '/' : null);
  out.path = (out.pathname || '') + (out.search || '') || null;
  out.href = format(out);
  return out;
}
function format(u) {
  if (typeof u === 'string') u = parse(u);
  if (u instanceof URL) return u.href;
  let s = u.protocol || '';
  if (s && !s.endsWith(':')) s += ':';
  if (u.slashes || (u.host || u.hostname)) s += '//';
  if (u.auth) s += encodeURIComponent(u.auth).replace('%3A', ':') + '@';
  s += u.host || ((u.hostname || '') + (u.port ? ':' + u.port : ''));
  s += u.pathname || '';
  let search = u.search || '';
  if (!search && u.query && typeof u.query === 'object') { const qs = internal.require('querystring').stringify(u.query); if (qs) search = '?' + qs; }
  s += search;
  s += u.hash || '';
  return s;
}

exports.URL = URL;
exports.URLSearchParams = URLSearchParams;
exports.fileURLToPath = fileURLToPath;
exports.pathToFileURL = pathToFileURL;
exports.parse = parse;
exports.format = format;
exports.resolve = (from, to) => new URL(to, new URL(from, 'resolve://')).href.replace(/^resolve:\/\//, '');
exports.domainToASCII = (d) => String(d).toLowerCase();
exports.domainToUnicode = (d) => String(d);
})
