function money(n) {
  return "$" + n.toFixed(2);
}

function line(code, item) {
  return code.padEnd(6) + item.name.padEnd(12) + String(item.qty).padStart(5) + money(item.qty * item.price).padStart(12);
}

module.exports = { money: money, line: line };
