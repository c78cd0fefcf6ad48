console.log("shared loaded");
function id(x) {
  return "id:" + x;
}
module.exports = { id: id };
