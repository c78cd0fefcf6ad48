// Required twice by the entry module, and by nothing else, so the one line it
// prints on loading shows its top level ran once.
console.log("shared loaded");
function id(x) {
  return "id:" + x;
}
module.exports = { id: id };
