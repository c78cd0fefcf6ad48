const defaults = { server: { port: 80, host: 'localhost', tls: { enabled: false } }, log: ['info'] };
const override = JSON.parse('{"server":{"port":8443,"tls":{"enabled":true,"cert":"c.pem"}},"log":["debug"]}');
const isObj = (v) => v && typeof v === 'object' && !Array.isArray(v);
const deepMerge = (a, b) => Object.keys({ ...a, ...b }).reduce((o, k) => ({ ...o, [k]: isObj(a[k]) && isObj(b[k]) ? deepMerge(a[k], b[k]) : k in b ? b[k] : a[k] }), {});
const cfg = deepMerge(defaults, override);
console.log(cfg);
console.log(JSON.stringify(cfg, null, '\t').split('\n').length, Object.keys(cfg.server).sort());
