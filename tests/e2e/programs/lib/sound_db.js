// A dependency whose own names match the initialiser and exports object the compiler gives every module.
var exports = { opened: 0 };
function init(name) {
  exports.opened++;
  return "db " + name + " " + exports.opened;
}
module.exports = { init: init, count: function () { return exports.opened; } };
