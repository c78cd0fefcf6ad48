var count = 0;
function next() {
  count = count + 1;
  return count;
}
function current() {
  return count;
}
module.exports = { next: next, current: current };
