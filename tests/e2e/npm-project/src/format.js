function row(label, value) {
  return "[" + label + ": " + value + "]";
}
module.exports = { row: row };
