// Stock records kept in one object, keyed by product code.
var items = {};

function add(code, name, qty, price) {
  items[code] = { name: name, qty: qty, price: price };
}

function remove(code, qty) {
  var item = items[code];
  if (!item) throw "unknown product " + code;
  if (item.qty < qty) throw "only " + item.qty + " of " + item.name + " left";
  item.qty -= qty;
}

function codes() {
  return Object.keys(items).sort();
}

function get(code) {
  return items[code];
}

module.exports = { add: add, remove: remove, codes: codes, get: get };
