const Mustache = require('mustache');
const view = { title: 'Report', items: [{ name: 'a', qty: 2 }, { name: 'b&c', qty: 0 }], total() { return this.items.reduce((s, i) => s + i.qty, 0); } };
console.log(Mustache.render('{{title}}\n{{#items}}- {{name}}: {{qty}}\n{{/items}}total={{total}} raw={{{title}}}', view));
